#include "skin/qt/bridge.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/data/mask_region.h"

namespace lq {
namespace {

TEST(Bridge, QImageSharesTheBitmapsPixels) {
  Bitmap b(5, 3);  // stride 16: padded rows must line up
  b.setPixel(4, 2, RGB(10, 20, 30));
  QImage image = BitmapAsQImage(b);
  ASSERT_EQ(image.format(), QImage::Format_BGR888);
  EXPECT_EQ(image.constBits(), b.bits());  // no copy
  EXPECT_EQ(image.pixelColor(4, 2), QColor(10, 20, 30));
  {
    QPainter p(&image);
    p.fillRect(QRect(1, 0, 1, 1), QColor(200, 100, 50));
  }
  EXPECT_EQ(b.pixel(1, 0), RGB(200, 100, 50));
  EXPECT_TRUE(BitmapAsQImage(Bitmap()).isNull());
  EXPECT_EQ(QImageToBitmap(image), b);
}

TEST(Bridge, RegionsConvertToTheSamePointSet) {
  // A noisy mask (many short runs) plus overlapping and out-of-order rectangles.
  std::mt19937 random(3);
  Bitmap mask(60, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if (random() % 3 == 0) mask.setPixel(x, y, RGB(255, 255, 255));
  Region region = MaskToRegion(mask);
  region.addRect({50, 30, 70, 50});
  region.addRect({-5, -5, 3, 2});
  region.addRect({10, 10, 20, 11});
  QRegion q = RegionToQRegion(region);
  for (int y = -6; y < 52; ++y)
    for (int x = -6; x < 72; ++x)
      ASSERT_EQ(q.contains(QPoint(x, y)), region.contains(x, y)) << x << "," << y;
  EXPECT_TRUE(RegionToQRegion(Region()).isEmpty());
}

TEST(Bridge, RectAndColourConversionsRoundTrip) {
  Rect r{3, 4, 10, 12};
  EXPECT_EQ(ToQRect(r), QRect(3, 4, 7, 8));
  EXPECT_EQ(FromQRect(ToQRect(r)), r);
  EXPECT_EQ(FromQColor(ToQColor(RGB(1, 2, 3))), RGB(1, 2, 3));
}

}  // namespace
}  // namespace lq
