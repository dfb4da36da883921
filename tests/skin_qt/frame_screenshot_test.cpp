// Composes a whole window frame the way the skinned frame does (border strips, client fill,
// mask region) and saves it, so the result can be looked at as well as checked.
#include <gtest/gtest.h>

#include <QImage>

#include "skin/data/effects.h"
#include "skin/data/image_compose.h"
#include "skin/data/mask_region.h"
#include "skin/qt/bridge.h"
#include "skin/qt/vector_glyph_painter.h"
#include "support/screenshots.h"

namespace lq {
namespace {

// A 60 x 40 frame picture: a blue caption (rows 0..12) with a lighter stripe, grey borders of
// 4 pixels, a pale client with a dot pattern, and a round-cornered mask.
struct FramePicture {
  Bitmap picture{60, 40};
  Bitmap mask{60, 40};
  FrameGeometry geometry{{12, 14}, {48, 14}, {12, 30}, {48, 30}, {4, 13, 56, 36}};
};

FramePicture MakeFrame() {
  FramePicture f;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      Color c = RGB(150, 150, 150);
      if (y < 13) c = y == 3 || y == 4 ? RGB(120, 160, 255) : RGB(30, 60, 170 + y * 5);
      if (x >= 4 && x < 56 && y >= 13 && y < 36)
        c = (x + y) % 6 == 0 ? RGB(220, 220, 235) : RGB(245, 245, 250);
      f.picture.setPixel(x, y, c);
      const int dx = std::min(x, 59 - x), dy = std::min(y, 39 - y);
      const bool cut = dx < 4 && dy < 4 && (4 - dx) * (4 - dx) + (4 - dy) * (4 - dy) > 16;
      f.mask.setPixel(x, y, cut ? RGB(255, 255, 255) : 0);
    }
  return f;
}

TEST(FrameScreenshot, StripsClientAndRegionMakeTheWindow) {
  FramePicture f = MakeFrame();
  const int w = 320, h = 200;
  const FrameGeometry t = FitFrameGeometry(f.geometry, w - 60, h - 40);
  FrameFlags flags;
  flags.topStretch = true;
  BorderStrips strips;
  BuildBorderStrips(f.geometry, t, flags, w, h, f.picture.rect(), f.picture, strips);
  Bitmap client;
  BuildClientImage(f.geometry.client, {0, 0, t.client.width(), t.client.height()}, client, 0, false,
                   t.client.height(), t.client.width(), f.picture.rect(), f.picture);
  std::optional<Region> region =
      BuildFramedRegion(f.geometry, t, flags, w, h, f.picture.rect(), f.mask);
  ASSERT_TRUE(region.has_value());

  QImage window(w, h, QImage::Format_RGB32);
  window.fill(QColor(255, 0, 255));  // outside the region
  {
    QPainter p(&window);
    p.setClipRegion(RegionToQRegion(*region));
    DrawBitmap(p, 0, 0, strips.top);
    DrawBitmap(p, 0, strips.top.height(), strips.left);
    DrawBitmap(p, w - strips.right.width(), strips.top.height(), strips.right);
    DrawBitmap(p, 0, h - strips.bottom.height(), strips.bottom);
    DrawBitmap(p, t.client.left, t.client.top, client);
    DrawCloseGlyph(p, w - 16, 2, Qt::white);
  }
  longtail::testing::SaveScreenshot(window, "frame_screenshot.png");

  EXPECT_EQ(window.pixelColor(0, 0), QColor(255, 0, 255));  // rounded corner cut
  EXPECT_EQ(window.pixelColor(w - 1, h - 1), QColor(255, 0, 255));
  EXPECT_EQ(window.pixelColor(w / 2, 3), QColor(120, 160, 255));  // stretched caption stripe
  EXPECT_EQ(window.pixelColor(1, h / 2), QColor(150, 150, 150));  // left border
  EXPECT_EQ(window.pixelColor(12, 18), QColor(220, 220, 235));    // client dots tile from origin
  EXPECT_EQ(window.pixelColor(w - 16 + 1, 2 + 1), QColor(255, 255, 255));

  // The inactive look: the same strip through an effect, leaving the picture untouched.
  LqEffectBmp inactive(strips.top);
  inactive.ApplyInactiveEffect(InactiveEffect::Grayscale);
  QImage grey = BitmapAsQImage(inactive.bitmap()).copy();
  longtail::testing::SaveScreenshot(grey, "frame_caption_inactive.png");
  EXPECT_EQ(grey.pixelColor(w / 2, 3).red(), grey.pixelColor(w / 2, 3).blue());
  EXPECT_EQ(strips.top.pixel(w / 2, 3), RGB(120, 160, 255));
}

}  // namespace
}  // namespace lq
