#pragma once
// Composition of a control's element image, border strips and window region at a
// size, from the element geometry and the skin pictures, plus the conversions
// between skin bitmaps and Qt images the controls paint with.

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "skin/controls/slice_geometry.h"
#include "skin/data/bitmap.h"
#include "skin/data/image_compose.h"

namespace lq {

// The element image for the slice mode at width x height, from the source
// rectangle (skinrect or a state rectangle of the same size). Mode 0 gives the
// source unscaled; mode 1 the nine-part image (client drawn when drawClient).
Bitmap ComposeElement(SliceMode sliceMode, const SliceGeometry& g, const FittedGeometry& f,
                      const Rect& source, const Bitmap& picture, int width, int height,
                      bool drawClient);

// The nine-part image cut into four border strips (slice mode 1).
BorderStrips ComposeStrips(const SliceGeometry& g, const FittedGeometry& f, const Rect& source,
                           const Bitmap& picture, int width, int height);

// The window region cut from the mask picture for the slice mode at width x height.
// Returns false when no region can be built.
bool ComposeRegion(SliceMode sliceMode, const SliceGeometry& g, const FittedGeometry& f,
                   const Bitmap& mask, int width, int height, QRegion& out);

// The region of the pure black pixels of a mask image.
QRegion MaskImageRegion(const QImage& mask);

// A copy of part of a picture (clipped to the picture).
Bitmap CutPicture(const Bitmap& picture, const Rect& r);

// Fills target with image: tiled from its top-left, or stretched by stretchType.
void FillClientImage(QPainter& p, const QImage& image, const QRect& target, bool stretch,
                     int stretchType);

// Deep copies between skin bitmaps and Qt images.
QImage ToImage(const Bitmap& b);
Bitmap FromImage(const QImage& image);

}  // namespace lq
