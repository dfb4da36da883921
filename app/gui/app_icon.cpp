#include "app/gui/app_icon.h"

#include <QImage>
#include <QPixmap>

#include "icon_art.h"

namespace longtail {

QIcon AppIcon() {
  QIcon icon;
  for (int size : lq::art::AppIconSizes()) {
    const lq::art::IconImage art = lq::art::DrawAppIcon(size);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < size; ++x) {
        const lq::Color c = art.pixels.pixel(x, y);
        line[x] = qRgba(lq::ColorR(c), lq::ColorG(c), lq::ColorB(c),
                        art.alpha[std::size_t(y) * size + x]);
      }
    }
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace longtail
