#include "skin/qt/glyph_text.h"

#include <gtest/gtest.h>

#include <QImage>

#include "skin/qt/bridge.h"
#include "skin/qt/fonts.h"
#include "skin/qt/screen.h"
#include "skin/qt/vector_glyph_painter.h"
#include "support/screenshots.h"

#include <QWidget>

namespace lq {
namespace {

const QColor kBack(255, 255, 255);

// A strip of two 4 x 3 frames: frame 1 red, frame 2 blue, with a magenta pixel in the
// bottom-left corner of each frame as the transparent colour.
Bitmap GlyphStrip() {
  Bitmap b(8, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 8; ++x) b.setPixel(x, y, x < 4 ? RGB(255, 0, 0) : RGB(0, 0, 255));
  b.setPixel(0, 2, RGB(255, 0, 255));
  b.setPixel(4, 2, RGB(255, 0, 255));
  return b;
}

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kBack);
  return image;
}

TEST(GlyphText, GlyphFrameIsDrawnWithItsBottomLeftColourTransparent) {
  QImage image = Canvas(10, 10);
  {
    QPainter p(&image);
    DrawGlyphFrame(p, 2, 3, 2, 2, GlyphStrip());
    DrawGlyphFrame(p, 0, 0, 3, 2, GlyphStrip());  // no third frame: nothing
  }
  EXPECT_EQ(image.pixelColor(2, 3), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(2, 5), kBack);  // transparent corner
  EXPECT_EQ(image.pixelColor(6, 3), kBack);  // one frame only
  EXPECT_EQ(image.pixelColor(0, 0), kBack);
}

TEST(GlyphText, BitmapGlyphIsPlacedByTheLayoutAndMovesWhenPressed) {
  QImage image = Canvas(40, 20);
  {
    QPainter p(&image);
    // No caption, margin -1: the block is glyph + spacing (4 + 4), centred: x = 20 - 4.
    DrawBitmapGlyphAndText(p, QRect(0, 0, 40, 20), -1, Qt::black, false, false, 1, 2, GlyphStrip(),
                           QString(), GlyphLayout::Left, 4);
  }
  EXPECT_EQ(image.pixelColor(16, 9), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(15, 9), kBack);
  QImage pressed = Canvas(40, 20);
  {
    QPainter p(&pressed);
    DrawBitmapGlyphAndText(p, QRect(0, 0, 40, 20), -1, Qt::black, true, true, 1, 2, GlyphStrip(),
                           QString(), GlyphLayout::Left, 4);
  }
  EXPECT_EQ(pressed.pixelColor(17, 10), QColor(255, 0, 0));
  EXPECT_EQ(pressed.pixelColor(16, 9), kBack);
  // Marker: three lines under the glyph (rows y + h - 2 .. y + h), as wide as the strip.
  for (int y = 11; y <= 13; ++y) EXPECT_EQ(pressed.pixelColor(24, y), QColor(0, 0, 0)) << y;
  EXPECT_EQ(pressed.pixelColor(25, 13), kBack);
  EXPECT_EQ(pressed.pixelColor(17, 14), kBack);
}

TEST(GlyphText, MarkerWithoutGlyphOrCaptionFillsTheButton) {
  QImage image = Canvas(30, 20);
  {
    QPainter p(&image);
    DrawImageListGlyphAndText(p, QRect(0, 0, 30, 20), -1, Qt::black, true, true, false, nullptr, 0,
                              QString(), GlyphLayout::Left, 4);
  }
  EXPECT_EQ(image.pixelColor(4, 4), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(27, 15), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(28, 15), kBack);  // right - 2 is exclusive
  EXPECT_EQ(image.pixelColor(27, 16), kBack);
  EXPECT_EQ(image.pixelColor(3, 4), kBack);
}

TEST(GlyphText, ImageListGlyphAndCaptionShareTheButton) {
  ImageList list(8, 8);
  QImage red(8, 8, QImage::Format_ARGB32);
  red.fill(QColor(255, 0, 0));
  list.Add(red);
  QImage image = Canvas(120, 30);
  {
    QPainter p(&image);
    p.setFont(SkinFont(QStringLiteral("Liberation Sans"), -12, 0));
    p.setPen(Qt::black);
    DrawImageListGlyphAndText(p, QRect(0, 0, 120, 30), 3, Qt::black, false, true, false, &list, 0,
                              QStringLiteral("Query"), GlyphLayout::Left, 4);
  }
  longtail::testing::SaveScreenshot(image, "glyph_and_caption.png");
  EXPECT_EQ(image.pixelColor(3, 11), QColor(255, 0, 0));  // glyph 3 px from the left
  EXPECT_EQ(image.pixelColor(2, 11), kBack);
  int inkLeft = 1000;
  for (int y = 0; y < 30; ++y)
    for (int x = 11; x < 120; ++x)
      if (qGray(image.pixel(x, y)) < 100) inkLeft = std::min(inkLeft, x);
  EXPECT_GE(inkLeft, 3 + 8 + 4);  // the caption follows after the spacing
  EXPECT_LT(inkLeft, 3 + 8 + 4 + 4);
  // Disabled: the glyph's shape in grey with a white copy shifted by (1, 1).
  QImage disabled = Canvas(20, 20);
  {
    QPainter p(&disabled);
    list.Draw(p, 2, 2, 0, false);
  }
  EXPECT_EQ(disabled.pixelColor(2, 2), QColor(128, 128, 128));
  EXPECT_EQ(disabled.pixelColor(10, 10), QColor(255, 255, 255));
}

TEST(VectorGlyphPainter, DrawsTheSamePixelsAsTheBitmapVersion) {
  Bitmap bitmap(40, 20);
  DrawGlyph(bitmap, CloseGlyph(1, 2), RGB(255, 255, 255));
  DrawGlyph(bitmap, RestoreGlyph(15, 3), RGB(255, 255, 255));
  DrawFrame3D(bitmap, {28, 2, 38, 15}, RGB(255, 255, 255), RGB(128, 128, 128));
  Bitmap painted(40, 20);
  {
    QImage view = BitmapAsQImage(painted);
    QPainter p(&view);
    DrawCloseGlyph(p, 1, 2, Qt::white);
    DrawRestoreGlyph(p, 15, 3, Qt::white);
    DrawFrame3D(p, {28, 2, 38, 15}, Qt::white, QColor(128, 128, 128));
  }
  EXPECT_EQ(painted, bitmap);
}

TEST(Screen, WorkAreaComesFromTheWindowsScreenAndAlphaSetsOpacity) {
  QWidget window;
  window.setGeometry(10, 10, 100, 80);
  const QRect whole = GetMonitorWorkArea(&window, false);
  const QRect work = GetMonitorWorkArea(&window, true);
  EXPECT_FALSE(whole.isEmpty());
  EXPECT_TRUE(whole.contains(work));
  EXPECT_EQ(GetMonitorWorkArea(nullptr, false), whole);  // single screen: the primary one
  SetWindowAlpha(&window, 51);
  EXPECT_NEAR(window.windowOpacity(), 0.2, 0.01);
  SetWindowAlpha(&window, 400);
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

}  // namespace
}  // namespace lq
