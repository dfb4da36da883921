#include "skin/qt/bridge.h"

#include <cstring>
#include <vector>

namespace lq {

QImage BitmapAsQImage(Bitmap& bitmap) {
  if (bitmap.empty()) return QImage();
  return QImage(bitmap.bits(), bitmap.width(), bitmap.height(), bitmap.stride(),
                QImage::Format_BGR888);
}

QImage BitmapAsQImage(const Bitmap& bitmap) {
  if (bitmap.empty()) return QImage();
  return QImage(bitmap.bits(), bitmap.width(), bitmap.height(), bitmap.stride(),
                QImage::Format_BGR888);
}

Bitmap QImageToBitmap(const QImage& image) {
  Bitmap out(image.width(), image.height());
  if (image.isNull()) return out;
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  for (int y = 0; y < bgr.height(); ++y)
    std::memcpy(out.row(y), bgr.constScanLine(y), std::size_t(bgr.width()) * 3);
  return out;
}

QRegion RegionToQRegion(const Region& region) {
  // QRegion::setRects takes y-x banded lists (sorted, equal heights per band, no overlap,
  // nothing abutting sideways) in one go; mask scans produce exactly such runs. Rectangles
  // are gathered into such runs and the runs united, so any rectangle list converts.
  QRegion result;
  std::vector<QRect> run;
  auto flush = [&] {
    if (run.empty()) return;
    QRegion part;
    part.setRects(run.data(), int(run.size()));
    result = result.isEmpty() ? part : result.united(part);
    run.clear();
  };
  const Rect* previous = nullptr;
  for (const Rect& r : region.rects()) {
    if (r.isEmpty()) continue;
    const bool sameBand = previous && r.top == previous->top && r.bottom == previous->bottom &&
                          r.left > previous->right;
    const bool nextBand = previous && r.top >= previous->bottom;
    if (!sameBand && !nextBand) flush();
    run.push_back(ToQRect(r));
    previous = &r;
  }
  flush();
  return result;
}

void DrawBitmap(QPainter& painter, int x, int y, const Bitmap& bitmap) {
  if (!bitmap.empty()) painter.drawImage(x, y, BitmapAsQImage(bitmap));
}

}  // namespace lq
