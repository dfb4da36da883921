#include "skin/qt/text.h"

#include <gtest/gtest.h>

#include <QImage>

#include "skin/qt/fonts.h"
#include "support/screenshots.h"

namespace lq {
namespace {

QFont TestFont() {
  return SkinFont(QStringLiteral("Liberation Sans"), -14, 0);
}

TEST(Text, TrimKeepsFittingTextAndEndsShortenedTextWithDots) {
  QFontMetrics m(TestFont());
  const QString text = QStringLiteral("long tail keyword harvester");
  EXPECT_EQ(TrimToWidth(m, text, m.horizontalAdvance(text)), text);
  const int width = m.horizontalAdvance(QStringLiteral("long tail..."));
  QString trimmed = TrimToWidth(m, text, width);
  EXPECT_TRUE(trimmed.endsWith(QStringLiteral("...")));
  EXPECT_LE(m.horizontalAdvance(trimmed), width);
  EXPECT_TRUE(text.startsWith(trimmed.chopped(3)));
  // One more character would not fit.
  QString longer = text.left(trimmed.size() - 3 + 1) + QStringLiteral("...");
  EXPECT_GT(m.horizontalAdvance(longer), width);
}

TEST(Text, NarrowerThanTheDotsGivesTheDots) {
  QFontMetrics m(TestFont());
  const int dots = m.horizontalAdvance(QStringLiteral("..."));
  EXPECT_EQ(TrimToWidth(m, QStringLiteral("abcdef"), dots - 1), QStringLiteral("..."));
  EXPECT_EQ(TrimWideToWidth(m, QStringLiteral("关键词挖掘"), 0), QStringLiteral("..."));
  EXPECT_EQ(TrimToWidth(m, QString(), 0), QString());
}

TEST(Text, SurrogatePairsAreNeverCut) {
  QFontMetrics m(TestFont());
  QString text;
  for (int i = 0; i < 12; ++i) text += QString::fromUcs4(U"\U0001F600");
  for (int w = 0; w < m.horizontalAdvance(text); w += 3) {
    QString t = TrimWideToWidth(m, text, w);
    ASSERT_FALSE(t.chopped(3).endsWith(QChar(0xD83D))) << w;  // no lone high surrogate
  }
}

TEST(Text, CalcRectMeasuresAndWordBreakWraps) {
  QImage image(200, 100, QImage::Format_RGB32);
  QPainter p(&image);
  p.setFont(TestFont());
  QRect one(5, 7, 0, 0);
  const int h =
      DrawWideText(p, QStringLiteral("harvest"), one, TextFlag::CalcRect | TextFlag::SingleLine);
  EXPECT_EQ(one.topLeft(), QPoint(5, 7));
  EXPECT_EQ(one.width(), WideTextWidth(p, QStringLiteral("harvest")));
  EXPECT_EQ(one.height(), h);
  QRect wrapped(0, 0, 60, 0);
  DrawWideText(p, QStringLiteral("long tail keyword harvester"), wrapped,
               TextFlag::CalcRect | TextFlag::WordBreak);
  EXPECT_LE(wrapped.width(), 60);
  EXPECT_GE(wrapped.height(), 3 * h);
}

// Rows of `image` that contain a pixel darker than the white background.
std::pair<int, int> InkRows(const QImage& image) {
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        if (top < 0) top = y;
        bottom = y;
      }
  return {top, bottom};
}

TEST(Text, VCenteredAndIndentedTextSitInTheMiddleAndClip) {
  QImage image(120, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setFont(TestFont());
    p.setPen(Qt::black);
    DrawTextVCentered(p, QStringLiteral("Hxg"), QRect(0, 0, 120, 60));
  }
  auto [top, bottom] = InkRows(image);
  ASSERT_GE(top, 0);
  EXPECT_NEAR((top + bottom) / 2.0, 30, 4);
  longtail::testing::SaveScreenshot(image, "text_vcentered.png");

  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setFont(TestFont());
    p.setPen(Qt::black);
    DrawTextIndented(p, QStringLiteral("WWWWWWWWWWWW"), QRect(10, 20, 40, 20), 5);
  }
  int left = 1000, right = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
        ASSERT_TRUE(y >= 20 && y < 40) << y;
      }
  EXPECT_GE(left, 17);   // left + indent + 2
  EXPECT_LT(right, 50);  // clipped at the rectangle
}

TEST(Fonts, HeightsFollowTheCellAndEmConventions) {
  QFont em = SkinFont(QStringLiteral("Arial"), -12, kSkinFontBold | kSkinFontUnderline);
  EXPECT_EQ(em.pixelSize(), 12);
  EXPECT_TRUE(em.bold());
  EXPECT_TRUE(em.underline());
  EXPECT_FALSE(em.italic());
  for (int cell : {12, 14, 19, 30}) {
    QFont f = SkinFont(QStringLiteral("Liberation Sans"), cell, 0);
    QFontMetricsF m(f);
    EXPECT_LE(m.ascent() + m.descent(), cell + 0.5) << cell;
    EXPECT_GE(m.ascent() + m.descent(), cell - 2.5) << cell;
    EXPECT_LT(f.pixelSize(), cell);  // the cell includes internal leading
  }
  EXPECT_EQ(SkinFont(QStringLiteral("Arial"), 0, 0).pixelSize(), kDefaultFontPixelSize);
}

TEST(Fonts, SkinFaceNamesResolveToInstalledFaces) {
  InstallSkinFontSubstitutions();
  EXPECT_TRUE(QFont::substitutes(QStringLiteral("宋体"))
                  .contains(QStringLiteral("AR PL UMing CN"), Qt::CaseInsensitive));
  // The Chinese face must draw Chinese: its metrics know the characters.
  QFontMetrics song(SkinFont(QStringLiteral("宋体"), -12, 0));
  EXPECT_TRUE(song.inFont(QChar(0x5173)));  // 关
  EXPECT_GT(song.horizontalAdvance(QStringLiteral("关键词")), 24);
}

}  // namespace
}  // namespace lq
