#include "skin/controls/control_style.h"

#include "skin/qt/fonts.h"

namespace lq {

QFont MakeQFont(const QString& name, int height, TFontStyles style) {
  // Face names the skin and the forms ask for map to installed faces.
  static const bool substituted = (InstallSkinFontSubstitutions(), true);
  Q_UNUSED(substituted);
  QFont font = SkinFont(name, height, style);
  // Control texts are drawn crisp, as the desktop draws small UI fonts: exact
  // colours, and the same pixels on every machine.
  font.setStyleStrategy(QFont::NoAntialias);
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

QColor ControlColor(Color c) {
  const Color r = ResolveColor(c);
  return QColor(ColorR(r), ColorG(r), ColorB(r));
}

}  // namespace lq
