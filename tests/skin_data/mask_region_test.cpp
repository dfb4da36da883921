#include "skin/data/mask_region.h"

#include <gtest/gtest.h>

namespace lq {
namespace {

const Color kWhite = RGB(255, 255, 255);

Bitmap WhiteMask(int w, int h) {
  Bitmap b(w, h);
  b.fill(kWhite);
  return b;
}

TEST(MaskRegion, EachRunOfBlackPixelsInARowIsOneRectangle) {
  Bitmap mask = WhiteMask(4, 2);
  mask.setPixel(0, 1, 0);
  mask.setPixel(1, 1, 0);
  mask.setPixel(3, 1, 0);
  mask.setPixel(2, 0, RGB(0, 0, 1));  // nearly black is still outside
  RegionData data = MaskToRegionData(mask, 10, 20);
  ASSERT_EQ(data.rects.size(), 2u);
  EXPECT_EQ(data.rects[0], (Rect{10, 21, 12, 22}));
  EXPECT_EQ(data.rects[1], (Rect{13, 21, 14, 22}));
  EXPECT_EQ(data.bounds, (Rect{10, 20, 14, 22}));
  EXPECT_EQ(data.byteSize(), 32u + 2 * 16u);
  std::vector<std::uint8_t> bytes = data.bytes();
  ASSERT_EQ(bytes.size(), data.byteSize());
  EXPECT_EQ(bytes[0], 32);            // header size
  EXPECT_EQ(bytes[4], 1);             // rectangles
  EXPECT_EQ(bytes[8], 2);             // count
  EXPECT_EQ(bytes[16], 10);           // bounds.left
  EXPECT_EQ(bytes[32 + 16 + 0], 13);  // second rectangle's left
}

TEST(MaskRegion, BlackFreeMaskGivesNoRectanglesAndAnEmptyMaskNoData) {
  RegionData data = MaskToRegionData(WhiteMask(7, 3), 0, 0);
  EXPECT_TRUE(data.rects.empty());
  EXPECT_EQ(data.byteSize(), 32u);
  EXPECT_TRUE(MaskToRegion(WhiteMask(7, 3)).isEmpty());
  RegionData none = MaskToRegionData(Bitmap(), 3, 3);
  EXPECT_EQ(none.byteSize(), 0u);
  EXPECT_TRUE(none.bytes().empty());
}

TEST(MaskRegion, RowsAreNotMergedAndAllBlackRowsAreWholeRuns) {
  Bitmap mask(5, 3);  // all black
  Region r = MaskToRegion(mask);
  ASSERT_EQ(r.rects().size(), 3u);
  EXPECT_EQ(r.rects()[2], (Rect{0, 2, 5, 3}));
}

TEST(MaskRegion, OverTheRunLimitTheRestOfTheMaskIsKeptWhole) {
  // Every other pixel black: 150 runs per row, 15,000 runs over 100 rows.
  Bitmap mask = WhiteMask(300, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 300; x += 2) mask.setPixel(x, y, 0);
  RegionData data = MaskToRegionData(mask, 0, 0);
  ASSERT_LE(data.rects.size(), kMaxMaskRects);
  Region region = data.toRegion();
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 300; x += 2) ASSERT_TRUE(region.contains(x, y)) << x << "," << y;
  // Rows that fitted keep their holes; the rest is one full-width rectangle.
  EXPECT_FALSE(region.contains(1, 0));
  EXPECT_TRUE(region.contains(1, 99));
  EXPECT_EQ(data.rects.back(), (Rect{0, 66, 300, 100}));
  // Exactly at the limit: 100 rows of 100 runs fit without a filler.
  Bitmap exact = WhiteMask(200, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; x += 2) exact.setPixel(x, y, 0);
  EXPECT_EQ(MaskToRegionData(exact, 0, 0).rects.size(), kMaxMaskRects);
}

// A 20 x 20 mask element whose corners are rounded off (white) and everything else black.
Bitmap RoundedMask() {
  Bitmap mask(20, 20);
  for (int k = 0; k < 3; ++k)
    for (int j = 0; j < 3 - k; ++j) {
      mask.setPixel(j, k, kWhite);
      mask.setPixel(19 - j, k, kWhite);
      mask.setPixel(j, 19 - k, kWhite);
      mask.setPixel(19 - j, 19 - k, kWhite);
    }
  mask.setPixel(9, 0, kWhite);  // a notch in the top edge piece
  return mask;
}

const FrameGeometry kMaskGeometry{{6, 6}, {14, 6}, {6, 14}, {14, 14}, {4, 4, 16, 16}};

TEST(FramedRegion, MatchesTheBlackPixelsOfTheStretchedMaskImage) {
  Bitmap mask = RoundedMask();
  FrameFlags stretch{true, true, true, true, true, true, 0};
  for (auto [w, h] : {std::pair{20, 20}, {57, 33}, {120, 91}}) {
    FrameGeometry t = FitFrameGeometry(kMaskGeometry, w - 20, h - 20);
    std::optional<Region> region =
        BuildFramedRegion(kMaskGeometry, t, stretch, w, h, mask.rect(), mask);
    ASSERT_TRUE(region.has_value());
    Bitmap image;
    BuildFramedImage(kMaskGeometry, t, stretch, w, h, mask.rect(), mask, image);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(region->contains(x, y), image.pixel(x, y) == 0)
            << w << "x" << h << " " << x << "," << y;
    EXPECT_FALSE(region->contains(0, 0));
    EXPECT_FALSE(region->contains(w - 1, h - 1));
    EXPECT_TRUE(region->contains(w / 2, h / 2));
  }
}

TEST(FramedRegion, TiledEdgesRepeatTheNotchFromTheStripStart) {
  Bitmap mask = RoundedMask();
  const int w = 60, h = 20;
  FrameGeometry t = FitFrameGeometry(kMaskGeometry, w - 20, 0);
  std::optional<Region> region =
      BuildFramedRegion(kMaskGeometry, t, FrameFlags{}, w, h, mask.rect(), mask);
  ASSERT_TRUE(region.has_value());
  // The top edge piece is columns 6..14 with the notch at 9; tiles start at x = 0, so the
  // notch shows at 3, 11, 19, ... up to the right corner at 54.
  for (int x = 6; x < 54; ++x) EXPECT_EQ(region->contains(x, 0), x % 8 != 3) << x;
}

TEST(FramedRegion, InvertedTargetGivesNoRegion) {
  Bitmap mask = RoundedMask();
  FrameGeometry t = FitFrameGeometry(kMaskGeometry, -10, 0);  // right-top left of left-top
  EXPECT_FALSE(BuildFramedRegion(kMaskGeometry, t, FrameFlags{}, 10, 20, mask.rect(), mask));
  t = FitFrameGeometry(kMaskGeometry, 0, -10);
  EXPECT_FALSE(BuildFramedRegion(kMaskGeometry, t, FrameFlags{}, 20, 10, mask.rect(), mask));
}

}  // namespace
}  // namespace lq
