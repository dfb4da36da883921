#pragma once
// Small builders the main window's files share: bind a control to a skin element under
// its role name, make a skinned standard label, and run a window command from an event.

#include <QString>
#include <functional>

#include "app/gui/error_display.h"
#include "skin/controls/skin_labels.h"

namespace lq {
class LqSkinData;
}

namespace longtail {

template <typename Control>
Control* Skinned(Control* control, lq::LqSkinData* data, const char* element,
                 const char* objectName) {
  control->setObjectName(QString::fromLatin1(objectName));
  control->SetSkinDataName(element);
  control->SetSkinData(data);
  return control;
}

inline lq::LqSkinStdLabel* Label(QWidget* parent, lq::LqSkinData* data, const char* objectName,
                                 const QString& caption) {
  auto* label = Skinned(new lq::LqSkinStdLabel(parent), data, "stdlabel", objectName);
  label->SetCaption(caption);
  return label;
}

// A slot that runs a command of the window; what escapes it goes to the default error
// display, so a failing command never unwinds through the signal's emitter. The signal's
// arguments, if any, are ignored.
template <typename Window>
auto Guarded(Window* window, void (Window::*command)()) {
  return [window, command](auto&&...) { RunGuarded([&] { (window->*command)(); }); };
}

}  // namespace longtail
