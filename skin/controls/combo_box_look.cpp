#include "skin/controls/combo_box_look.h"

#include "skin/controls/control_style.h"
#include "skin/controls/edit_look.h"
#include "skin/controls/skin_access.h"
#include "skin/data/control_descriptors.h"

namespace lq {
namespace {

Rect OrElse(const Rect& r, const Rect& fallback) {
  return r.isEmpty() ? fallback : r;
}

// The named list-box element's frame, or a plain line in the skin's shadow colour.
ComboListFrame BindListFrame(const LqSkinData* data, const std::string& name) {
  ComboListFrame frame;
  frame.linecolor = SkinButtonShadow(data);
  const int index = name.empty() ? -1 : LookupControl(data, name);
  if (index < 0) return frame;
  SliceGeometry g;
  int picture = -1, mask = -1;
  if (!CopyElementGeometry(ControlAt(data, index), g, picture, mask)) return frame;
  // Only an element that stretches both ways can frame a list of any size.
  if (SliceModeFor(g) != SliceMode::Both || !ActivePicture(data, picture)) return frame;
  frame.pictureindex = picture;
  frame.geometry = g;
  return frame;
}

}  // namespace

int BindComboBoxLook(const LqSkinData* data, const std::string& name, ComboBoxLook& out) {
  const int index = LookupControl(data, name);
  if (index < 0) return -1;
  const auto* d = dynamic_cast<const LqDataSkinComboBox*>(ControlAt(data, index));
  if (!d) return -1;
  ComboBoxLook look;
  int mask = -1;
  CopyElementGeometry(d, look.geometry, look.pictureindex, mask);
  look.activeskinrect = OrElse(d->activeskinrect, d->skinrect);
  look.font = FontOf(*d);
  look.activefontcolor = d->activefontcolor;
  look.focusfontcolor = d->focusfontcolor;
  // The element has no disabled colour of its own: text fields share the edit's.
  look.disabledfontcolor = SkinDisabledEditColor(data);
  look.itemrect = d->itemrect;
  look.activeitemrect = OrElse(d->activeitemrect, d->itemrect);
  look.focusitemrect = OrElse(d->focusitemrect, look.activeitemrect);
  look.itemtextrect = d->itemtextrect;
  look.itemleftoffset = d->itemleftoffset;
  look.itemrightoffset = d->itemrightoffset;
  look.itemstretcheffect = d->itemstretcheffect;
  look.focusitemstretcheffect = d->focusitemstretcheffect;
  look.buttonrect = d->buttonrect;
  look.activebuttonrect = d->activebuttonrect;
  look.downbuttonrect = OrElse(d->downbuttonrect, d->activebuttonrect);
  look.unenabledbuttonrect = d->unenabledbuttonrect;
  look.list = BindListFrame(data, d->listboxname);
  out = look;
  return index;
}

Rect ComboButtonRect(const ComboBoxLook& look, int width) {
  return look.buttonrect.translated(width - look.SkinWidth(), 0);
}

Rect ComboClientRect(const ComboBoxLook& look, int width) {
  const Rect& c = look.geometry.clientrect;
  return {c.left, c.top, c.right + width - look.SkinWidth(), c.bottom};
}

}  // namespace lq
