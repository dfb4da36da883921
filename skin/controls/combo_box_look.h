#pragma once
// What the combo box copies from a "combobox" descriptor (and from the list-box element
// it names for its drop-down frame) on every bind, and where the parts go at a width.

#include <string>

#include "skin/controls/control_looks.h"
#include "skin/controls/slice_geometry.h"
#include "skin/data/bitmap.h"

namespace lq {

class LqSkinData;

// The drop-down list's frame: a nine-part element, or a plain line when pictureindex is -1.
struct ComboListFrame {
  int pictureindex = -1;
  SliceGeometry geometry;
  Color linecolor = 0;  // the plain frame's colour
};

struct ComboBoxLook {
  int pictureindex = -1;
  SliceGeometry geometry;  // skinrect (picture coordinates), points, clientrect, flags
  Rect activeskinrect;     // empty in the skin: skinrect
  FontLook font;
  Color activefontcolor = 0, focusfontcolor = 0, disabledfontcolor = 0;
  // Items of the drop-down list (picture coordinates; the text rectangle is relative).
  Rect itemrect, activeitemrect, focusitemrect, itemtextrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  bool itemstretcheffect = false, focusitemstretcheffect = false;
  // The button relative to skinrect, and its state images in the picture.
  Rect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  ComboListFrame list;

  int SkinWidth() const { return geometry.skinrect.width(); }
  int SkinHeight() const { return geometry.skinrect.height(); }
  int RightFixedWidth() const { return SkinWidth() - geometry.righttoppoint.x; }
};

// Binds name in data to a combo-box descriptor: its index (or -1) and its look.
// A descriptor of another kind counts as not found.
int BindComboBoxLook(const LqSkinData* data, const std::string& name, ComboBoxLook& out);

// The button at a control width: it keeps its distance from the element's right edge.
Rect ComboButtonRect(const ComboBoxLook& look, int width);
// The client rectangle at a control width: it grows with the stretching middle.
Rect ComboClientRect(const ComboBoxLook& look, int width);

}  // namespace lq
