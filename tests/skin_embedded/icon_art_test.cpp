// The program's icon: a tile with transparent corners and an opaque body at every theme
// size, whose tail bars stay separate and inside the tile even at 16 pixels.

#include <gtest/gtest.h>

#include "icon_art.h"

namespace lq::art {
namespace {

TEST(AppIcon, EverySizeIsAnOpaqueTileWithClearCornersAndSeparateBars) {
  for (int size : AppIconSizes()) {
    SCOPED_TRACE(size);
    const IconImage icon = DrawAppIcon(size);
    ASSERT_EQ(icon.pixels.width(), size);
    ASSERT_EQ(icon.alpha.size(), std::size_t(size) * size);
    auto alpha = [&](int x, int y) { return icon.alpha[std::size_t(y) * size + x]; };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(size - 1, size - 1), 0);
    EXPECT_EQ(alpha(size / 2, size / 2), 255);
    EXPECT_EQ(alpha(size / 2, 1 + size / 16), 255);  // the tile's top edge is solid

    // Along the bars' bottom row, inside the tile's border: bar, gap, bar, ... - four runs
    // of the bars' blue, separated by the tile's face.
    const int row = int(0.82 * size) - 1;
    int runs = 0;
    bool inBar = false;
    for (int x = size / 8; x < size - size / 8; ++x) {
      const Color c = icon.pixels.pixel(x, row);
      const bool bar = ColorB(c) - ColorR(c) > 80;  // the bars' strong blue
      if (bar && !inBar) ++runs;
      inBar = bar;
    }
    EXPECT_EQ(runs, 4);
  }
  EXPECT_NE(AppIconSvg().find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace lq::art
