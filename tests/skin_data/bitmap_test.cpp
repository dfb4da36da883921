#include "skin/data/bitmap.h"

#include <gtest/gtest.h>

#include "skin/data/region.h"

namespace lq {
namespace {

TEST(Bitmap, RowsArePaddedToFourBytesAndPixelsAreBgr) {
  Bitmap b(5, 2);
  EXPECT_EQ(b.stride(), 16);  // 15 bytes of pixels + 1 pad
  EXPECT_EQ(b.byteSize(), 32u);
  b.setPixel(4, 1, RGB(10, 20, 30));
  const std::uint8_t* p = b.row(1) + 12;
  EXPECT_EQ(p[0], 30);  // blue first
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 10);
  EXPECT_EQ(b.pixel(4, 1), RGB(10, 20, 30));
  EXPECT_EQ(b.pixel(0, 0), 0u);
}

TEST(Bitmap, NegativeSizeIsEmpty) {
  Bitmap b(-3, 4);
  EXPECT_TRUE(b.empty());
  EXPECT_EQ(b.byteSize(), 0u);
}

TEST(Region, BoundingRectAndContainment) {
  Region r;
  r.addRect({0, 0, 2, 1});
  r.addRect({5, 3, 7, 4});
  r.addRect({1, 1, 1, 9});  // empty, ignored
  EXPECT_EQ(r.rects().size(), 2u);
  EXPECT_EQ(r.boundingRect(), (Rect{0, 0, 7, 4}));
  EXPECT_TRUE(r.contains(6, 3));
  EXPECT_FALSE(r.contains(7, 3));
}

}  // namespace
}  // namespace lq
