#pragma once
// What the edit and the memos copy from an "edit" or "memo" descriptor on every bind,
// plus the font and colour helpers the text controls share.

#include <QColor>
#include <QFont>
#include <string>

#include "skin/controls/control_looks.h"
#include "skin/controls/slice_geometry.h"
#include "skin/data/bitmap.h"

namespace lq {

class LqSkinData;

struct EditLook {
  int pictureindex = -1;
  SliceGeometry geometry;  // skinrect (picture coordinates), points, clientrect, flags
  Rect activeskinrect;     // empty in the skin: skinrect
  FontLook font;
  Color activefontcolor = 0, disabledfontcolor = 0;
  Rect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  bool isMemo = false;
  Color bgcolor = 0, activebgcolor = 0;

  int SkinWidth() const { return geometry.skinrect.width(); }
  int SkinHeight() const { return geometry.skinrect.height(); }
  // Width of the fixed part right of the stretching middle.
  int RightFixedWidth() const { return SkinWidth() - geometry.righttoppoint.x; }
};

// Binds name in data to an edit or memo descriptor: its index (or -1) and its look.
// A descriptor of another kind counts as not found.
int BindEditLook(const LqSkinData* data, const std::string& name, EditLook& out);

// The disabled text colour of the skin's "edit" element, or the system grey text.
Color SkinDisabledEditColor(const LqSkinData* data);

// The character set for text controls: the skin strings' when present, else fallback.
int EditCharSet(const LqSkinData* data, int fallback);

}  // namespace lq
