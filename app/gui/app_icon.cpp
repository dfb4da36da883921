#include "app/gui/app_icon.h"

#include <QImage>
#include <QPixmap>

#include "icon_art.h"

namespace longtail {

namespace {
constexpr int kLargestWindowIcon = 64;
}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : lq::art::AppIconSizes()) {
    // Window icons are shown at 64 pixels at most; the larger ones cost milliseconds at
    // start-up and come from the installed theme icon the menu entry names.
    if (size > kLargestWindowIcon) continue;
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
