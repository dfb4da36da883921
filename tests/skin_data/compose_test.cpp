#include "skin/data/image_compose.h"

#include "skin/data/mask_region.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <random>

#include "skin_data/pixel_helpers.h"

namespace lq {
namespace {

using testing::CoordinatePicture;
using testing::Source;

// A 30 x 30 element at (7, 3) of a 50 x 40 picture: corners end at 10 and begin at 20 in
// both directions, the client is (5, 5)-(25, 25). Edge pieces are 10 pixels long.
const Rect kSkin{7, 3, 37, 33};
const FrameGeometry kGeometry{{10, 10}, {20, 10}, {10, 20}, {20, 20}, {5, 5, 25, 25}};

FrameGeometry TargetFor(int w, int h) {
  return FitFrameGeometry(kGeometry, w - kSkin.width(), h - kSkin.height());
}

// The picture pixel at element position (x, y).
Color At(int x, int y) {
  return Source(kSkin.left + x, kSkin.top + y);
}

TEST(FramedImage, TiledTopEdgeRepeatsFromTheStartOfThePiece) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  BuildFramedImage(kGeometry, TargetFor(45, 30), FrameFlags{}, 45, 30, kSkin, picture, out);
  ASSERT_EQ(out.width(), 45);
  // Span 10..35 is 25 pixels: 10 + 10 + 5, the last piece from the piece's first 5 columns.
  for (int k = 0; k < 25; ++k)
    for (int y = 0; y < 5; ++y) ASSERT_EQ(out.pixel(10 + k, y), At(10 + k % 10, y)) << k;
  // The right corner follows at 35.
  for (int x = 35; x < 45; ++x) EXPECT_EQ(out.pixel(x, 0), At(x - 15, 0));
}

TEST(FramedImage, TargetOfTheSourceSizeReproducesTheSource) {
  Bitmap picture = CoordinatePicture(50, 40);
  for (bool stretch : {false, true}) {
    FrameFlags flags{stretch, stretch, stretch, stretch, true, stretch, 0};
    Bitmap out;
    BuildFramedImage(kGeometry, kGeometry, flags, 30, 30, kSkin, picture, out);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) ASSERT_EQ(out.pixel(x, y), At(x, y)) << x << "," << y;
  }
}

TEST(FramedImage, CornersAreCopiedOneToOneAtEverySize) {
  Bitmap picture = CoordinatePicture(50, 40);
  // The eight corner rectangles in element coordinates; those at 20 and beyond move with
  // the target's growth.
  const Rect corners[] = {{0, 0, 10, 5},  {0, 5, 5, 10},   {20, 0, 30, 5},   {25, 5, 30, 10},
                          {0, 20, 5, 30}, {5, 25, 10, 30}, {20, 25, 30, 30}, {25, 20, 30, 25}};
  for (int w = 30; w <= 93; w += 7) {
    for (int h = 30; h <= 84; h += 9) {
      for (bool stretch : {false, true}) {
        FrameFlags flags{stretch, stretch, stretch, stretch, true, stretch, 0};
        Bitmap out;
        BuildFramedImage(kGeometry, TargetFor(w, h), flags, w, h, kSkin, picture, out);
        for (const Rect& c : corners) {
          const int mx = c.left >= 20 ? w - 30 : 0, my = c.top >= 20 ? h - 30 : 0;
          for (int y = c.top; y < c.bottom; ++y)
            for (int x = c.left; x < c.right; ++x)
              ASSERT_EQ(out.pixel(x + mx, y + my), At(x, y))
                  << w << "x" << h << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(FramedImage, ClientTilesInRowsAndColumnsWithShortenedLastOnes) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  const int w = 73, h = 58;  // client 63 x 48 from a 20 x 20 source: 3 + 3/20, 2 + 8/20
  BuildFramedImage(kGeometry, TargetFor(w, h), FrameFlags{}, w, h, kSkin, picture, out);
  for (int y = 5; y < h - 5; ++y)
    for (int x = 5; x < w - 5; ++x)
      ASSERT_EQ(out.pixel(x, y), At(5 + (x - 5) % 20, 5 + (y - 5) % 20)) << x << "," << y;
}

TEST(FramedImage, StretchedEdgesAndClientUseNearestNeighbour) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  FrameFlags flags{true, true, true, true, true, true, 0};
  BuildFramedImage(kGeometry, TargetFor(50, 30), flags, 50, 30, kSkin, picture, out);
  // Top edge 10 -> 30 pixels: each source column three times.
  for (int k = 0; k < 30; ++k) ASSERT_EQ(out.pixel(10 + k, 2), At(10 + k / 3, 2)) << k;
  // Client 20 -> 40 columns: each twice, rows unchanged.
  for (int k = 0; k < 40; ++k) ASSERT_EQ(out.pixel(5 + k, 7), At(5 + k / 2, 7)) << k;
}

TEST(FramedImage, ClientStretchTypesStretchOneWayAndRepeatTheOther) {
  Bitmap picture = CoordinatePicture(50, 40);
  const int w = 55, h = 70;  // client 45 x 60
  Bitmap horizontal, vertical;
  BuildFramedImage(kGeometry, TargetFor(w, h), {false, false, false, false, true, true, 1}, w, h,
                   kSkin, picture, horizontal);
  BuildFramedImage(kGeometry, TargetFor(w, h), {false, false, false, false, true, true, 2}, w, h,
                   kSkin, picture, vertical);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 45; ++x) {
      // Type 1: 20 rows stretched to 60 (each row 3 times), columns repeat every 20.
      ASSERT_EQ(horizontal.pixel(5 + x, 5 + y), At(5 + x % 20, 5 + y / 3));
      // Type 2: 20 columns stretched to 45, rows repeat every 20.
      ASSERT_EQ(vertical.pixel(5 + x, 5 + y), At(5 + (2 * x + 1) * 20 / 90, 5 + y % 20));
    }
}

TEST(FramedImage, DegenerateGeometryOrEmptyPictureOnlyResizes) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  FrameGeometry flat = kGeometry;
  flat.rightbottom.x = flat.lefttop.x;
  BuildFramedImage(flat, flat, FrameFlags{}, 40, 35, kSkin, picture, out);
  EXPECT_EQ(out, Bitmap(40, 35));
  BuildFramedImage(kGeometry, TargetFor(40, 35), FrameFlags{}, 40, 35, kSkin, Bitmap(), out);
  EXPECT_EQ(out, Bitmap(40, 35));
}

TEST(FramedImage, WithoutDrawClientTheClientKeepsWhatTheTargetHeld) {
  Bitmap picture = CoordinatePicture(50, 40), out(30, 30);
  out.fill(RGB(1, 2, 3));
  FrameFlags flags;
  flags.drawClient = false;
  BuildFramedImage(kGeometry, kGeometry, flags, 30, 30, kSkin, picture, out);
  EXPECT_EQ(out.pixel(15, 15), RGB(1, 2, 3));
  EXPECT_EQ(out.pixel(2, 2), At(2, 2));
}

TEST(BorderStrips, StripsAreAnchoredAtTheirOwnStartAndCornersCoverTheEnds) {
  Bitmap picture = CoordinatePicture(50, 40);
  const int w = 47, h = 61;
  BorderStrips s;
  BuildBorderStrips(kGeometry, TargetFor(w, h), FrameFlags{}, w, h, kSkin, picture, s);
  ASSERT_EQ(s.top.width(), w);
  ASSERT_EQ(s.top.height(), 5);
  ASSERT_EQ(s.bottom.height(), 5);
  ASSERT_EQ(s.left.width(), 5);
  ASSERT_EQ(s.left.height(), h - 10);
  ASSERT_EQ(s.right.width(), 5);
  // Top: the tile grid starts at x = 0, so x = 10..36 shows piece column x mod 10.
  for (int x = 10; x < w - 10; ++x) ASSERT_EQ(s.top.pixel(x, 1), At(10 + x % 10, 1)) << x;
  for (int x = 0; x < 10; ++x) ASSERT_EQ(s.top.pixel(x, 1), At(x, 1));
  for (int x = w - 10; x < w; ++x) ASSERT_EQ(s.top.pixel(x, 1), At(x - (w - 30), 1));
  // Bottom strip: rows 25..30 of the element.
  EXPECT_EQ(s.bottom.pixel(3, 4), At(3, 29));
  // Left: fixed head rows 5..10 of the element on top, tiled rows 10..20 from y = 0 between,
  // fixed tail rows 20..25 at the bottom.
  const int rows = h - 10;
  for (int y = 0; y < rows; ++y) {
    Color expect = y < 5           ? At(2, 5 + y)
                   : y >= rows - 5 ? At(2, 20 + y - (rows - 5))
                                   : At(2, 10 + y % 10);
    ASSERT_EQ(s.left.pixel(2, y), expect) << y;
  }
  EXPECT_EQ(s.right.pixel(0, 0), At(25, 5));
}

TEST(BorderStrips, StretchedStripsMatchTheFramedImageAndEmptyPartsStayEmpty) {
  Bitmap picture = CoordinatePicture(50, 40), full;
  FrameFlags flags{true, true, true, true, true, false, 0};
  const int w = 64, h = 52;
  BorderStrips s;
  BuildBorderStrips(kGeometry, TargetFor(w, h), flags, w, h, kSkin, picture, s);
  BuildFramedImage(kGeometry, TargetFor(w, h), flags, w, h, kSkin, picture, full);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(s.top.pixel(x, y), full.pixel(x, y));
      ASSERT_EQ(s.bottom.pixel(x, y), full.pixel(x, h - 5 + y));
    }
  for (int y = 0; y < h - 10; ++y)
    for (int x = 0; x < 5; ++x) {
      ASSERT_EQ(s.left.pixel(x, y), full.pixel(x, 5 + y));
      ASSERT_EQ(s.right.pixel(x, y), full.pixel(w - 5 + x, 5 + y));
    }
  // Too low for side strips: they stay empty instead of failing.
  BuildBorderStrips(kGeometry, TargetFor(w, 10), flags, w, 10, kSkin, picture, s);
  EXPECT_TRUE(s.left.empty());
  EXPECT_TRUE(s.right.empty());
  EXPECT_FALSE(s.top.empty());
}

TEST(ClientImage, TilesFromTheOriginAndDrawsNothingIntoAnEmptyRectangle) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  BuildClientImage({5, 5, 25, 25}, {0, 0, 45, 33}, out, 0, false, 33, 45, kSkin, picture);
  ASSERT_EQ(out.width(), 45);
  for (int y = 0; y < 33; ++y)
    for (int x = 0; x < 45; ++x) ASSERT_EQ(out.pixel(x, y), At(5 + x % 20, 5 + y % 20));
  BuildClientImage({5, 5, 25, 25}, {0, 0, 0, 33}, out, 0, false, 33, 45, kSkin, picture);
  EXPECT_EQ(out.pixel(3, 3), At(8, 8));  // same size: previous content kept, nothing drawn
}

TEST(StretchedImage, CornersStayAndTheRestStretches) {
  Bitmap picture = CoordinatePicture(50, 40), out(60, 30);
  BuildStretchedImage(out, picture, kSkin, true, {5, 5, 25, 25});
  EXPECT_EQ(out.pixel(0, 0), At(0, 0));
  EXPECT_EQ(out.pixel(59, 29), At(29, 29));
  EXPECT_EQ(out.pixel(55, 0), At(25, 0));
  for (int k = 0; k < 50; ++k) ASSERT_EQ(out.pixel(5 + k, 10), At(5 + (2 * k + 1) * 20 / 100, 10));
}

TEST(Strips, HorizontalStripKeepsEndsAndTilesTheMiddleUpToTheRightPart) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  BuildHStrip(4, 6, out, picture, kSkin, 57, false);
  ASSERT_EQ(out.width(), 57);
  ASSERT_EQ(out.height(), 30);
  for (int x = 0; x < 57; ++x) {
    Color expect = x < 4 ? At(x, 3) : x >= 51 ? At(24 + x - 51, 3) : At(4 + (x - 4) % 20, 3);
    ASSERT_EQ(out.pixel(x, 3), expect) << x;
  }
  BuildHStrip(4, 6, out, picture, kSkin, 44, true);
  for (int k = 0; k < 34; ++k) ASSERT_EQ(out.pixel(4 + k, 0), At(4 + (2 * k + 1) * 20 / 68, 0));
  // Fixed parts meeting in the middle: a missing middle repeats one column.
  BuildHStrip(15, 15, out, picture, kSkin, 40, false);
  for (int x = 15; x < 25; ++x) EXPECT_EQ(out.pixel(x, 0), At(15, 0));
}

TEST(Strips, VerticalStripIsTheHorizontalOneTurned) {
  Bitmap picture = CoordinatePicture(50, 40), out;
  BuildVStrip(3, 5, out, picture, kSkin, 71, false);
  ASSERT_EQ(out.width(), 30);
  ASSERT_EQ(out.height(), 71);
  for (int y = 0; y < 71; ++y) {
    Color expect = y < 3 ? At(1, y) : y >= 66 ? At(1, 25 + y - 66) : At(1, 3 + (y - 3) % 22);
    ASSERT_EQ(out.pixel(1, y), expect) << y;
  }
  // No middle rows: the ends are drawn and nothing else.
  BuildVStrip(15, 15, out, picture, kSkin, 40, false);
  EXPECT_EQ(out.pixel(0, 20), 0u);
  EXPECT_EQ(out.pixel(0, 39), At(0, 29));
}

TEST(Blit, CopiesAreClippedToBothBitmaps) {
  Bitmap picture = CoordinatePicture(10, 10), out(8, 8);
  CopyRect(out, -2, 5, picture, {-3, 0, 6, 4});  // source starts 3 left of the picture
  EXPECT_EQ(out.pixel(1, 5), Source(0, 0));      // the clipped-off source columns shift the block
  EXPECT_EQ(out.pixel(4, 7), Source(3, 2));
  EXPECT_EQ(out.pixel(0, 5), 0u);
  StretchRect(out, {0, 0, 8, 8}, picture, {20, 20, 30, 30});  // nothing to read: unchanged
  EXPECT_EQ(out.pixel(1, 5), Source(0, 0));
  Bitmap key = CoordinatePicture(4, 1);
  key.setPixel(1, 0, RGB(255, 0, 255));
  TransparentStretch(out, {0, 0, 4, 1}, key, key.rect(), RGB(255, 0, 255));
  EXPECT_EQ(out.pixel(0, 0), Source(0, 0));
  EXPECT_EQ(out.pixel(1, 0), 0u);  // transparent: the black target shows through
}

// Geometry straight from a skin file may be anything: every routine must stay inside its
// bitmaps, give the promised sizes and finish quickly, whatever the numbers.
TEST(Compose, ArbitraryGeometryNeverLeavesTheBitmaps) {
  std::mt19937 random(17);
  const int extremes[] = {0, 1, -1, 5, 29, 30, 31, -40, 1000000, -1000000, INT_MAX, INT_MIN};
  auto value = [&] {
    return random() % 3 == 0 ? extremes[random() % std::size(extremes)] : int(random() % 70) - 20;
  };
  auto point = [&] { return Point{value(), value()}; };
  auto rect = [&] { return Rect{value(), value(), value(), value()}; };
  Bitmap picture = CoordinatePicture(50, 40);
  for (int round = 0; round < 400; ++round) {
    FrameGeometry s{point(), point(), point(), point(), rect()};
    FrameGeometry t{point(), point(), point(), point(), rect()};
    FrameFlags flags{random() % 2 == 0, random() % 2 == 0, random() % 2 == 0, random() % 2 == 0,
                     random() % 2 == 0, random() % 2 == 0, int(random() % 4)};
    const int w = int(random() % 90), h = int(random() % 90);
    const Rect r = random() % 2 ? rect() : kSkin;
    Bitmap out;
    BuildFramedImage(s, t, flags, w, h, r, picture, out);
    ASSERT_EQ(out.width(), w);
    ASSERT_EQ(out.height(), h);
    BuildFramedImage(s, FitFrameGeometry(s, value(), value()), flags, w, h, r, picture, out);
    BorderStrips strips;
    BuildBorderStrips(s, t, flags, w, h, kSkin, picture, strips);
    EXPECT_LE(strips.top.width(), w);
    EXPECT_LE(strips.left.height(), h);
    std::optional<Region> region = BuildFramedRegion(s, t, flags, w, h, r, picture);
    if (region) {
      EXPECT_LE(region->rects().size(), 4 * kMaxMaskRects + 1);
    }
    BuildClientImage(rect(), rect(), out, flags.stretchType, flags.clientStretch, h, w, r, picture);
    Bitmap strip;
    BuildHStrip(value(), value(), strip, picture, kSkin, w, flags.topStretch);
    ASSERT_EQ(strip.width(), w);
    BuildVStrip(value(), value(), strip, picture, kSkin, h, flags.leftStretch);
    ASSERT_EQ(strip.height(), h);
    Bitmap stretched(w, h);
    BuildStretchedImage(stretched, picture, r, true, rect());
  }
}

}  // namespace
}  // namespace lq
