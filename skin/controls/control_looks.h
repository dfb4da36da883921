#pragma once
// What each control kind copies from its descriptor on every bind. Keeping copies of the
// descriptor value (instead of descriptor pointers) means nothing of an old skin is reached
// after the control has been released.

#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/control_descriptors.h"
#include "skin/data/skin_types.h"

namespace lq {

struct FontLook {
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
};

using PanelLook = LqDataSkinPanelControl;
using ButtonLook = LqDataSkinButtonControl;
using CheckLook = LqDataSkinCheckRadioControl;
using LabelLook = LqDataSkinLabelControl;
using StdLabelLook = LqDataSkinStdLabelControl;

// Copies the descriptor into out when it is of kind D (or derived from it); returns false,
// leaving out untouched, for any other kind or no descriptor.
template <class D>
bool CopyLook(const LqDataSkinControl* d, D& out) {
  const auto* from = dynamic_cast<const D*>(d);
  if (!from) return false;
  out = *from;
  return true;
}

// The four font keys of a descriptor (or look) that has them.
template <class D>
FontLook FontOf(const D& d) {
  return FontLook{d.fontname, d.fontheight, d.fontstyle, d.fontcolor};
}

}  // namespace lq
