#include "skin/qt/image_list.h"

namespace lq {

namespace {

// The image's shape (its non-transparent pixels) in one colour.
QImage Silhouette(const QImage& image, const QColor& color) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* p = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      p[x] = qAlpha(p[x]) ? qRgba(color.red(), color.green(), color.blue(), qAlpha(p[x])) : 0;
  }
  return out;
}

}  // namespace

int ImageList::Add(const QImage& image) {
  QImage stored =
      image.size() == QSize(width_, height_)
          ? image
          : image.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  images_.push_back(stored.convertToFormat(QImage::Format_ARGB32));
  return Count() - 1;
}

void ImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
  if (!IsValidIndex(index)) return;
  const QImage& image = images_[std::size_t(index)];
  if (enabled) {
    painter.drawImage(x, y, image);
    return;
  }
  painter.drawImage(x + 1, y + 1, Silhouette(image, QColor(255, 255, 255)));
  painter.drawImage(x, y, Silhouette(image, QColor(128, 128, 128)));
}

}  // namespace lq
