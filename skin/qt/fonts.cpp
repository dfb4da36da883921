#include "skin/qt/fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace lq {

int SkinFontPixelSize(const QString& family, int height) {
  if (height == 0) return kDefaultFontPixelSize;
  if (height < 0) return -height;
  // Cell height is proportional to the em size: measure the ratio on a large probe, then make
  // sure rounding never gives a cell taller than asked for.
  QFont probe(family);
  probe.setPixelSize(200);
  const QFontMetricsF m(probe);
  const double cell = m.ascent() + m.descent();
  int size = cell > 0 ? std::max(1, int(std::lround(height * 200.0 / cell))) : height;
  for (; size > 1; --size) {
    QFont f(family);
    f.setPixelSize(size);
    if (QFontMetricsF(f).ascent() + QFontMetricsF(f).descent() <= height + 0.5) break;
  }
  return size;
}

QFont SkinFont(const QString& name, int height, unsigned style) {
  QFont font(name);
  font.setPixelSize(SkinFontPixelSize(name, height));
  font.setBold(style & kSkinFontBold);
  font.setItalic(style & kSkinFontItalic);
  font.setUnderline(style & kSkinFontUnderline);
  font.setStrikeOut(style & kSkinFontStrikeOut);
  return font;
}

void InstallSkinFontSubstitutions() {
  const QStringList cjk{QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei"),
                        QStringLiteral("Noto Sans CJK SC")};
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("WenQuanYi Zen Hei")};
  QFont::insertSubstitutions(QStringLiteral("宋体"), cjk);
  QFont::insertSubstitutions(QStringLiteral("新宋体"), cjk);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), cjk);
  QFont::insertSubstitutions(QStringLiteral("NSimSun"), cjk);
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}

}  // namespace lq
