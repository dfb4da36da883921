#pragma once
// The skin drawing primitives in the shape the menu and hint windows use them: images
// returned by value, nine-part geometry given once as source corner points and client.

#include "skin/data/bitmap.h"
#include "skin/data/region.h"
#include "skin/data/skin_types.h"

namespace lq::compose {

void Copy(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect);
void Stretch(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);
void Tile(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);
void FillRect(Bitmap& dst, const Rect& r, Color c);
void FrameRect(Bitmap& dst, const Rect& r, Color c);
// Morphs a towards b (same size) by the skin's morph kind: t = 0 gives a, t = 1 gives b.
Bitmap Blend(const Bitmap& a, const Bitmap& b, double t, MorphKind kind = MorphKind::Fade);

// Left and right parts copied, middle stretched or tiled, to width x height(r).
Bitmap HStrip(const Bitmap& src, const Rect& r, int leftPart, int rightPart, int width,
              bool stretch);

struct FrameSpec {
  Point lt, rt, lb, rb;  // corner points relative to the source rectangle
  Rect client;           // client rectangle relative to the source rectangle
  bool leftStretch = false, topStretch = false, rightStretch = false, bottomStretch = false;
  bool clientStretch = false;
  int stretchType = 0;
  bool drawClient = true;
};
// Nine-part image of the source rectangle at width x height.
Bitmap Framed(const Bitmap& src, const Rect& srcRect, const FrameSpec& def, int width, int height);
// Mask region of a width x height window: the mask's black pixels along the four border
// strips plus the mapped client rectangle. Empty when the target is inverted.
Region FramedRegion(const Bitmap& mask, const FrameSpec& def, int width, int height);

}  // namespace lq::compose
