// Offscreen renders of the frame compared with images built from the drawing primitives.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "frame/test_frame_skin.h"
#include "skin/data/effects.h"
#include "skin/data/image_compose.h"
#include "skin/data/vector_glyphs.h"
#include "skin/frame/caption_object.h"
#include "skin/qt/fonts.h"
#include "skin/qt/text.h"
#include "support/screenshots.h"

namespace lq {
namespace {

Color At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The border strips a frame of this size should show, objects drawn on the top strip.
BorderStrips ExpectedStrips(const FrameSkin& skin, LqLacquerForm& frame, int w, int h) {
  const FrameSkinInfo& i = skin.info;
  const FrameGeometry source{i.lefttoppoint, i.righttoppoint, i.leftbottompoint, i.rightbottompoint,
                             i.clientrect};
  const FrameGeometry target = FitFrameGeometry(source, w - 285, h - 210);
  FrameFlags flags;
  flags.drawClient = false;
  BorderStrips s;
  BuildBorderStrips(source, target, flags, w, h, skin.main.rect(), skin.main, s);
  for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
    const auto* b = frame.FindObject(name);
    CopyRect(s.top, b->ObjectRect.left, b->ObjectRect.top, skin.activePictures[0], b->normalRect);
  }
  return s;
}

// Compares logical pixels; a grab at a device pixel ratio of 2 is sampled every 2 pixels.
void ExpectStripsDrawn(const QImage& image, const BorderStrips& s, int w, int h) {
  const int scale = image.width() / w;
  const int topH = s.top.height();
  int mismatches = 0;
  auto check = [&](const Bitmap& strip, int ox, int oy) {
    for (int y = 0; y < strip.height(); ++y)
      for (int x = 0; x < strip.width(); ++x)
        if (At(image, (ox + x) * scale, (oy + y) * scale) != strip.pixel(x, y) && ++mismatches < 5)
          ADD_FAILURE() << "pixel " << ox + x << "," << oy + y;
  };
  check(s.top, 0, 0);
  check(s.left, 0, topH);
  check(s.right, w - s.right.width(), topH);
  check(s.bottom, 0, h - s.bottom.height());
  EXPECT_EQ(mismatches, 0);
}

class FrameRender : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new LqLacquerForm(&form);
    frame->SetBorderIcons(biMinimize | biMaximize);
    frame->SetFrameSkin(skin);
    form.setGeometry(60, 60, 520, 300);
    form.show();
  }
  void SaveShot(const QImage& image, const char* name) {
    longtail::testing::SaveScreenshot(image, QString::fromLatin1(name) + ".png");
  }
  FrameSkin skin = test::ProgramLikeSkin(false);
  QWidget form;
  LqLacquerForm* frame = nullptr;
};

TEST_F(FrameRender, ActiveFrameIsTheStripsWithTheButtons) {
  test::Activate(form);
  ASSERT_TRUE(frame->IsFormActive());
  const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  SaveShot(image, "active_untitled");
  ExpectStripsDrawn(image, ExpectedStrips(skin, *frame, 520, 300), 520, 300);
  // The client area shows the client part of the main picture.
  const int scale = image.width() / 520;
  EXPECT_EQ(At(image, 200 * scale, 150 * scale), RGB(236, 233, 216));
}

TEST_F(FrameRender, InactiveFrameIsGrayscale) {
  QWidget other;
  test::Activate(other);
  ASSERT_FALSE(frame->IsFormActive());
  BorderStrips s = ExpectedStrips(skin, *frame, 520, 300);
  for (Bitmap* strip : {&s.top, &s.bottom, &s.left, &s.right}) {
    LqEffectBmp e(*strip);
    e.Grayscale();
    *strip = e.bitmap();
  }
  const QImage image = frame->RenderWindow();
  SaveShot(image, "inactive_untitled");
  ExpectStripsDrawn(image, s, 520, 300);
  EXPECT_EQ(ColorR(At(image, 100, 2)), ColorG(At(image, 100, 2)));
}

// Text pixels of the caption band: every pixel of the text colour, and the check that a
// white shadow pixel lies one down and right of each of them (or text again).
struct CaptionPixels {
  int count = 0;
  int minX = 1 << 30;
  int maxX = -1;
  bool shadowed = true;
};

CaptionPixels FindText(const QImage& image, Color text, const Rect& band) {
  CaptionPixels r;
  for (int y = band.top; y < band.bottom; ++y)
    for (int x = band.left; x < band.right; ++x) {
      if (At(image, x, y) != text) continue;
      ++r.count;
      r.minX = std::min(r.minX, x);
      r.maxX = std::max(r.maxX, x);
      const Color below = At(image, x + 1, y + 1);
      if (below != text && below != RGB(255, 255, 255)) r.shadowed = false;
    }
  return r;
}

TEST_F(FrameRender, CaptionTextColoursWithWhiteShadow) {
  skin.autorenderinginactiveimage = false;  // else the inactive effect greys the title too
  frame->SetFrameSkin(skin);
  form.setWindowTitle("Longtail keywords");
  test::Activate(form);
  QImage image = frame->RenderWindow();
  SaveShot(image, "active_caption");
  const Rect band{5, 4, 520 - 70, 24};
  const CaptionPixels active = FindText(image, 11168318, band);
  EXPECT_GT(active.count, 20);
  EXPECT_TRUE(active.shadowed);
  EXPECT_GE(active.minX, 9);  // left-aligned 4 pixels into the caption object
  EXPECT_LE(active.minX, 11);
  EXPECT_EQ(FindText(image, 16111036, band).count, 0);

  QWidget other;
  test::Activate(other);
  image = frame->RenderWindow();
  SaveShot(image, "inactive_caption");
  const CaptionPixels inactive = FindText(image, 16111036, band);
  EXPECT_GT(inactive.count, 20);
  EXPECT_TRUE(inactive.shadowed);
}

TEST_F(FrameRender, LongTitleEndsWithDotsBeforeTheMinimizeButton) {
  skin.autorenderinginactiveimage = false;
  frame->SetFrameSkin(skin);
  const QString title = QString("A very long window title ").repeated(8);
  form.setWindowTitle(title);
  test::Activate(form);
  const QImage image = frame->RenderWindow();
  SaveShot(image, "long_title");
  const int minLeft = frame->FindObject("minbutton")->ObjectRect.left;
  const CaptionPixels text = FindText(image, 11168318, {5, 4, 520, 24});
  EXPECT_GT(text.count, 100);
  EXPECT_LT(text.maxX + 1, minLeft);  // the shadow ends before the button too
  const auto* caption = frame->FirstCaption();
  QFont font = SkinFont("Arial", 16, fsBold);
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics m(font);
  const QString shown = TrimWideToWidth(m, title, caption->TextRect().width());
  EXPECT_TRUE(shown.endsWith("..."));
  EXPECT_LE(m.horizontalAdvance(shown), caption->TextRect().width());
  // The text drawn is exactly the shortened one: it reaches as far right as it measures.
  EXPECT_NEAR(text.maxX, 9 + m.horizontalAdvance(shown) - 1, 2);
}

TEST_F(FrameRender, MaskShapesTheCornersAtEverySize) {
  frame->SetFrameSkin(test::ProgramLikeSkin(true));
  for (QSize size : {QSize(300, 200), QSize(640, 480), QSize(1000, 700)}) {
    form.resize(size);
    const int w = size.width();
    const int h = size.height();
    const Region& region = frame->WindowRegion();
    EXPECT_EQ(region.boundingRect(), (Rect{0, 0, w, h}));
    for (Point p : {Point{0, 0}, Point{3, 0}, Point{0, 3}, Point{w - 1, 0}, Point{w - 4, 0}})
      EXPECT_FALSE(region.contains(p.x, p.y)) << w << " " << p.x << "," << p.y;
    for (Point p : {Point{4, 0}, Point{0, 4}, Point{w - 5, 0}, Point{0, h - 1}, Point{w - 1, h - 1},
                    Point{w / 2, 0}, Point{w / 2, h / 2}})
      EXPECT_TRUE(region.contains(p.x, p.y)) << w << " " << p.x << "," << p.y;
    EXPECT_FALSE(frame->MaskPixelInside(1, 1));
    EXPECT_TRUE(frame->MaskPixelInside(2, 2));
  }
  // The cut corners are not painted either (the window is transparent there).
  const QImage image = frame->RenderWindow();
  SaveShot(image, "mask_corners");
  EXPECT_EQ(At(image, 0, 0), RGB(0, 0, 0));
  EXPECT_NE(At(image, 4, 0), RGB(0, 0, 0));
  // Without a mask the window is a plain rectangle.
  frame->SetFrameSkin(test::ProgramLikeSkin(false));
  EXPECT_EQ(frame->WindowRegion().rects().size(), 1u);
  EXPECT_TRUE(frame->WindowRegion().contains(0, 0));
}

TEST(DefaultFrameRender, StripedCaptionRingsAndButtons) {
  QWidget form;
  LqLacquerForm frame(&form);
  frame.SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  form.setGeometry(50, 50, 400, 200);
  form.setWindowTitle("Default");
  test::Activate(form);
  const QImage image = frame.RenderWindow();
  longtail::testing::SaveScreenshot(image, "default_frame.png");
  EXPECT_EQ(frame.Insets(), (FrameInsets{3, 22, 3, 3}));
  auto sys = [&](int role) {
    const QColor c = frame.FrameSysColor(role);
    return RGB(c.red(), c.green(), c.blue());
  };
  EXPECT_EQ(At(image, 0, 0), sys(22));      // outer ring: light top-left
  EXPECT_EQ(At(image, 399, 199), sys(21));  // dark bottom-right
  EXPECT_EQ(At(image, 1, 1), sys(20));
  EXPECT_EQ(At(image, 398, 198), sys(16));
  EXPECT_EQ(At(image, 2, 2), sys(15));
  // Stripes in the caption band outside the text: highlight on even rows, shadow on odd.
  const int x = 40;  // left of the centred title
  EXPECT_EQ(At(image, x, 3 + 2), sys(20));
  EXPECT_EQ(At(image, x, 3 + 3), sys(16));
  EXPECT_EQ(At(image, x, 3 + 15), sys(16));
  EXPECT_EQ(At(image, x, 3 + 16), sys(15));
  // Buttons from the right: close, maximize, minimize, each 17 wide at top 4.
  const auto* close = dynamic_cast<LqSkinStdButtonObject*>(frame.FindObject("closebutton"));
  ASSERT_TRUE(close);
  EXPECT_EQ(close->ObjectRect, (Rect{380, 4, 397, 21}));
  EXPECT_EQ(frame.FindObject("minbutton")->ObjectRect, (Rect{346, 4, 363, 21}));
  EXPECT_EQ(frame.FindObject("sysmenubutton")->ObjectRect, (Rect{3, 4, 20, 21}));
  EXPECT_FALSE(frame.FindObject("rollupbutton")->visible);
  // The close glyph of the default look, in button-text colour.
  Bitmap glyph(17, 17);
  glyph.fill(sys(15));
  DrawGlyph(glyph, CloseGlyph(17 / 2 - 5, 17 / 2 - 4), sys(18));
  for (int y = 0; y < 17; ++y)
    for (int gx = 0; gx < 17; ++gx)
      ASSERT_EQ(At(image, 380 + gx, 4 + y), glyph.pixel(gx, y)) << gx << "," << y;
  // The title is centred between the buttons with a cleared background.
  bool text = false;
  for (int tx = 150; tx < 250; ++tx)
    for (int ty = 5; ty < 20; ++ty)
      if (At(image, tx, ty) == sys(18)) text = true;
  EXPECT_TRUE(text);
  // Hit testing without a skin.
  EXPECT_EQ(frame.HitTest(100, 10), HitCode::Caption);
  EXPECT_EQ(frame.HitTest(1, 100), HitCode::Left);
  EXPECT_EQ(frame.HitTest(385, 10), HitCode::Object);
  EXPECT_EQ(frame.HitTest(100, 100), HitCode::Client);
}

TEST(DefaultFrameRender, LongTitleIsShortenedBetweenTheButtons) {
  QWidget form;
  LqLacquerForm frame(&form);
  frame.SetBorderIcons(biMinimize | biMaximize);
  form.setGeometry(50, 50, 260, 120);
  form.setWindowTitle(QString("Default frame title that does not fit ").repeated(3));
  test::Activate(form);
  const QImage image = frame.RenderWindow();
  longtail::testing::SaveScreenshot(image, "default_long_title.png");
  const Rect minRect = frame.FindObject("minbutton")->ObjectRect;
  const QColor t = frame.FrameSysColor(18);
  int maxX = -1;
  for (int y = 4; y < 20; ++y)
    for (int x = 3; x < minRect.left; ++x)
      if (image.pixelColor(x, y) == t) maxX = std::max(maxX, x);
  EXPECT_GT(maxX, 100);
  EXPECT_LT(maxX, minRect.left);
}

}  // namespace
}  // namespace lq
