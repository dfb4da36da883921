#include "skin/controls/control_style.h"

#include <QFontMetricsF>
#include <cmath>

namespace lq {

QFont MakeQFont(const QString& name, int height, TFontStyles style) {
  QFont font(name);
  font.setBold(style & fsBold);
  font.setItalic(style & fsItalic);
  font.setUnderline(style & fsUnderline);
  font.setStrikeOut(style & fsStrikeOut);
  // Control texts are drawn crisp, as the desktop draws small UI fonts: exact
  // colours, and the same pixels on every machine.
  font.setStyleStrategy(QFont::NoAntialias);
  if (height < 0) {
    font.setPixelSize(-height);
  } else if (height > 0) {
    // A cell height includes the internal leading: scale the em size so that
    // ascent + descent come out at the requested height.
    constexpr int kReference = 100;
    font.setPixelSize(kReference);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    font.setPixelSize(std::max(1, int(std::lround(height * kReference / cell))));
  }
  return font;
}

Color ResolveColor(Color c) {
  if ((c & 0xFF000000u) != 0xFF000000u) return c & 0x00FFFFFFu;
  switch (c & 0xFF) {
    case 5:
      return RGB(255, 255, 255);  // window
    case 8:
      return RGB(0, 0, 0);  // window text
    case 13:
      return RGB(51, 153, 255);  // selection
    case 14:
      return RGB(255, 255, 255);  // selection text
    case 15:
      return RGB(240, 240, 240);  // button face
    case 16:
      return RGB(160, 160, 160);  // button shadow
    case 17:
      return RGB(109, 109, 109);  // grey text
    case 18:
      return RGB(0, 0, 0);  // button text
    case 20:
      return RGB(255, 255, 255);  // button highlight
    default:
      return RGB(0, 0, 0);
  }
}

QColor ToQColor(Color c) {
  const Color r = ResolveColor(c);
  return QColor(ColorR(r), ColorG(r), ColorB(r));
}

}  // namespace lq
