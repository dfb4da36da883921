#pragma once
// Geometry a skinned control copies from its element: the nine-part points, the
// client rectangle and the stretch flags, plus the rules that fit a control's
// size to what the element allows and move sub-rectangles with that size.

#include "skin/data/geometry.h"
#include "skin/data/slice_mode.h"

namespace lq {

struct SliceGeometry {
  Rect skinrect;  // picture coordinates
  // Relative to the top-left corner of skinrect.
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  bool stretcheffect = false;
  int stretchtype = 0;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;

  int skinWidth() const { return skinrect.width(); }
  int skinHeight() const { return skinrect.height(); }
};

// The corner points and client rectangle moved for one control size.
struct FittedGeometry {
  Point lefttop, righttop, leftbottom, rightbottom;
  Rect client;
};

SliceMode SliceModeFor(const SliceGeometry& g);

// Adjusts a proposed size (in/out) to the slice mode and computes the fitted
// geometry for it. Mode -1 leaves everything unchanged.
void FitSizeToSkin(SliceMode sliceMode, const SliceGeometry& g, int& width, int& height,
                   FittedGeometry& fitted);

// Maps a rectangle given in skin coordinates to control coordinates at the
// control size width x height.
Rect MapSkinRect(SliceMode sliceMode, const SliceGeometry& g, const Rect& r, int width, int height);

}  // namespace lq
