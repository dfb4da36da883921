#include "skin/frame/frame_text.h"

#include <cstdlib>

#include "skin/data/skin_types.h"

namespace lq {

QFont SkinFont(const std::string& name, int height, unsigned styles) {
  QFont font(QString::fromStdString(name));
  font.setBold(styles & fsBold);
  font.setItalic(styles & fsItalic);
  font.setUnderline(styles & fsUnderline);
  font.setStrikeOut(styles & fsStrikeOut);
  // Skin text is drawn crisp, in exactly the colours the skin names.
  font.setStyleStrategy(QFont::NoAntialias);
  const int h = height == 0 ? 14 : std::abs(height);
  font.setPixelSize(h);
  if (height > 0) {
    // A cell height includes the internal leading: scale the em size down to fit.
    const QFontMetrics m(font);
    const int cell = m.ascent() + m.descent();
    if (cell > h) font.setPixelSize(std::max(1, h * h / cell));
  }
  return font;
}

QString TrimWideToWidth(const QFontMetrics& metrics, const QString& text, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  QString rest = text;
  while (!rest.isEmpty()) {
    rest.chop(1);
    if (metrics.horizontalAdvance(rest + "...") <= width) break;
  }
  return rest + "...";
}

}  // namespace lq
