#pragma once
// Rectangle transfers between Bitmaps: plain copy, stretch and transparent copy.
// Every routine clips to both bitmaps, so callers may pass rectangles that reach
// outside them; pixels outside either bitmap are simply not transferred.
//
// Stretching uses nearest-neighbour sampling everywhere: target pixel i of a span of
// length d maps to source pixel (2i + 1) * s / (2d) of a span of length s (the source
// pixel under the target pixel's centre). It is exact, cheap and never invents colours,
// which keeps mask pictures pure black and white when they are stretched.

#include "skin/data/bitmap.h"

namespace lq {

// Copies srcRect of src 1:1 so that its top-left lands at (x, y) in dst.
void CopyRect(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect);
// Copies 1:1 from srcRect's top-left into dstRect; the block is as large as the
// smaller of the two rectangles in each direction.
void CopyRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);
// Scales srcRect onto dstRect (nearest neighbour). Inverted or empty rectangles draw nothing.
void StretchRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect);
// The same, drawing only the part of dstRect inside clip.
void StretchRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                 const Rect& clip);
// Like StretchRect, but source pixels of the colour `transparent` leave dst unchanged.
void TransparentStretch(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                        Color transparent);
// The part of src under r (clipped to src) as a bitmap of its own.
Bitmap CropBitmap(const Bitmap& src, const Rect& r);
// Resizes only when the size differs, so a target of the right size keeps its pixels.
void EnsureSize(Bitmap& b, int width, int height);
// Fills r (clipped) with one colour.
void FillRect(Bitmap& b, const Rect& r, Color c);

}  // namespace lq
