#pragma once
// Geometry and arithmetic of the skinned scroll bar, kept free of widgets so that
// the range rules, the thumb placement and the drag mapping can be checked exactly.

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"

namespace lq {

// Part numbers used for hit testing, hot and captured state.
enum class ScrollBarPart { None = -1, Thumb = 0, Increase = 1, Decrease = 2 };

struct ScrollBarRange {
  int min = 0;
  int max = 100;
  int pageSize = 0;
  int position = 0;
};

// Highest position allowed: Max without a page, Max - PageSize + 1 with one.
int ScrollBarMaxPosition(const ScrollBarRange& r);
// Clamps a wanted position into [Min, highest]; a page wider than the range leaves Min.
int ClampScrollBarPosition(const ScrollBarRange& r, int wanted);

// The skin geometry a bar copies from its descriptor, in element coordinates.
struct ScrollBarSkin {
  Rect skinrect;  // picture coordinates
  Point lefttoppoint, righttoppoint, leftbottompoint;
  Rect trackarea;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  Rect thumbrect, activethumbrect, downthumbrect;
  int thumboffset1 = 0, thumboffset2 = 0;
  bool thumbtransparent = false;
  Color thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  int thumbminsize = 0, thumbminpagesize = 0;
  Rect glyphrect, activeglyphrect, downglyphrect;
  bool glyphtransparent = false;
  Color glyphtransparentcolor = 0;
};

struct ScrollBarLayout {
  Rect track;
  Rect thumb;
  Rect increase;
  Rect decrease;
  int thumbLength = 0;   // wanted length along the axis (before halving)
  int firstCentre = 0;   // thumb centre at the start of its travel
  int lastCentre = 0;    // thumb centre at the end of its travel
  int centreOffset = 0;  // current centre minus firstCentre
};

// Layout of a bar drawn from the skin at width x height.
ScrollBarLayout LayoutSkinnedScrollBar(const ScrollBarSkin& skin, bool vertical, int width,
                                       int height, const ScrollBarRange& range);
// Layout of the built-in look; usableWidth excludes the corner marker of a Both bar.
ScrollBarLayout LayoutDefaultScrollBar(bool vertical, int width, int height,
                                       const ScrollBarRange& range, int bothMarkerWidth);

// Position for a thumb dragged to startOffset + delta along its travel.
int ScrollBarDragPosition(const ScrollBarLayout& layout, const ScrollBarRange& range,
                          int startOffset, int delta);

// Which part lies under (x, y): thumb first, then the buttons.
ScrollBarPart ScrollBarPartAt(const ScrollBarLayout& layout, int x, int y, bool thumbVisible);

// Rounding to nearest with ties to even, as the bar's arithmetic requires.
int RoundEven(double v);

}  // namespace lq
