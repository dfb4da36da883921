#pragma once
// Between the Qt-free skin data and Qt: Bitmaps shown as QImages without copying, regions as
// QRegions, and the small value conversions.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include "skin/data/bitmap.h"
#include "skin/data/region.h"

namespace lq {

// A QImage (Format_BGR888) over the bitmap's own pixels: valid while the bitmap lives and is
// not resized; painting into it paints into the bitmap. Null for an empty bitmap.
QImage BitmapAsQImage(Bitmap& bitmap);
// Read-only view of the same kind.
QImage BitmapAsQImage(const Bitmap& bitmap);
// A copy of any QImage as a Bitmap (alpha is dropped).
Bitmap QImageToBitmap(const QImage& image);

QRegion RegionToQRegion(const Region& region);

inline QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}
inline Rect FromQRect(const QRect& r) {
  return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}
inline QColor ToQColor(Color c) {
  return QColor(ColorR(c), ColorG(c), ColorB(c));
}
inline Color FromQColor(const QColor& c) {
  return RGB(c.red(), c.green(), c.blue());
}

// Draws the whole bitmap at (x, y) in one operation.
void DrawBitmap(QPainter& painter, int x, int y, const Bitmap& bitmap);

}  // namespace lq
