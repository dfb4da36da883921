#include "skin/data/vector_glyphs.h"

#include <gtest/gtest.h>

#include <string>

namespace lq {
namespace {

// Draws the shape into a w x h bitmap and returns it as text: '#' for drawn pixels.
std::string Art(const GlyphShape& shape, int w, int h) {
  Bitmap b(w, h);
  DrawGlyph(b, shape, RGB(255, 255, 255));
  std::string s;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s += b.pixel(x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

TEST(VectorGlyphs, CloseIsADoubledCrossWithoutLineEnds) {
  EXPECT_EQ(Art(CloseGlyph(0, 0), 11, 10),
            "...........\n"
            ".##.....##.\n"
            "..##...##..\n"
            "...##.##...\n"
            "....###....\n"
            "....###....\n"
            "...##.##...\n"
            "..##...##..\n"
            ".##.....##.\n"
            "...........\n");
}

TEST(VectorGlyphs, CaptionButtonShapes) {
  EXPECT_EQ(Art(MaximizeGlyph(0, 0), 11, 10),
            "###########\n###########\n#.........#\n#.........#\n#.........#\n"
            "#.........#\n#.........#\n#.........#\n#.........#\n###########\n");
  EXPECT_EQ(Art(MinimizeGlyph(0, 0), 11, 10).substr(8 * 12), ".#########.\n.#########.\n");
  EXPECT_EQ(Art(RollUpGlyph(0, 0), 9, 8),
            ".........\n.........\n#########\n.#######.\n..#####..\n...###...\n....#....\n"
            ".........\n");
  EXPECT_EQ(Art(RollDownGlyph(0, 0), 9, 7).substr(2 * 10, 10), "....#....\n");
  EXPECT_EQ(Art(SysMenuGlyph(0, 0), 10, 7),
            "..........\n..........\n..........\n.########.\n.#......#.\n.########.\n"
            "..........\n");
  EXPECT_EQ(Art(RestoreGlyph(0, 0), 10, 10),
            "..########\n"
            "..########\n"
            "..#......#\n"
            "..#......#\n"
            "#######..#\n"
            "##########\n"
            "#.....#...\n"
            "#.....#...\n"
            "#.....#...\n"
            "#######...\n");
}

TEST(VectorGlyphs, CheckMarkArrowsAndDot) {
  EXPECT_EQ(Art(CheckMarkGlyph(0, 0), 8, 8),
            "........\n"
            "......#.\n"
            ".....##.\n"
            "#...###.\n"
            "##.###..\n"
            "#####...\n"
            ".###....\n"
            "..#.....\n");
  EXPECT_EQ(Art(DropArrowGlyph(1, 1), 7, 4), ".......\n.#####.\n..###..\n...#...\n");
  EXPECT_EQ(
      Art(DirectionArrowGlyph({0, 0, 11, 8}, ArrowDirection::Down), 11, 8).substr(2 * 12, 4 * 12),
      "..#######..\n...#####...\n....###....\n.....#.....\n");
  EXPECT_EQ(Art(DirectionArrowGlyph({0, 0, 4, 7}, ArrowDirection::Left), 4, 7),
            "...#\n..##\n.###\n####\n.###\n..##\n...#\n");
  EXPECT_TRUE(DirectionArrowGlyph({0, 0, 9, 9}, static_cast<ArrowDirection>(0)).empty());
  EXPECT_EQ(RadioDotGlyph(2, 3), (GlyphShape{{2, 3, 8, 9}}));
}

TEST(VectorGlyphs, Frame3DDarkTakesTheOppositeCorners) {
  Bitmap b(4, 3);
  DrawFrame3D(b, b.rect(), RGB(255, 255, 255), RGB(9, 9, 9));
  EXPECT_EQ(b.pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(b.pixel(3, 0), RGB(9, 9, 9));
  EXPECT_EQ(b.pixel(0, 2), RGB(9, 9, 9));
  EXPECT_EQ(b.pixel(0, 1), RGB(255, 255, 255));
  EXPECT_EQ(b.pixel(1, 1), 0u);
}

}  // namespace
}  // namespace lq
