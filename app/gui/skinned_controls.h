#pragma once
// Small builders the main window's files share: bind a control to a skin element, and
// make a skinned standard label.

#include <QString>

#include "skin/controls/skin_labels.h"

namespace lq {
class LqSkinData;
}

namespace longtail {

template <typename Control>
Control* Skinned(Control* control, lq::LqSkinData* data, const char* element) {
  control->SetSkinDataName(element);
  control->SetSkinData(data);
  return control;
}

inline lq::LqSkinStdLabel* Label(QWidget* parent, lq::LqSkinData* data, const QString& caption) {
  auto* label = Skinned(new lq::LqSkinStdLabel(parent), data, "stdlabel");
  label->SetCaption(caption);
  return label;
}

}  // namespace longtail
