#include "skin/data/glyph_layout.h"

#include <gtest/gtest.h>

#include "skin/data/rect_utils.h"

namespace lq {
namespace {

// A 100 x 40 button at (10, 20): centre (60, 40). Glyph 16 x 12, text 30 x 10, spacing 4.
const Rect kButton{10, 20, 110, 60};

GlyphTextPlacement Layout(GlyphLayout layout, int margin, bool glyph = true) {
  return LayoutGlyphAndText(layout, kButton, glyph ? 16 : 0, glyph ? 12 : 0, margin, 4, 30, 10);
}

TEST(GlyphLayout, MarginPlacesTheGlyphFromTheNamedEdge) {
  EXPECT_EQ(Layout(GlyphLayout::Left, 5), (GlyphTextPlacement{{15, 34}, {35, 35}}));
  EXPECT_EQ(Layout(GlyphLayout::Right, 5), (GlyphTextPlacement{{89, 34}, {55, 35}}));
  EXPECT_EQ(Layout(GlyphLayout::Top, 5), (GlyphTextPlacement{{52, 25}, {45, 41}}));
  EXPECT_EQ(Layout(GlyphLayout::Bottom, 5), (GlyphTextPlacement{{52, 43}, {45, 29}}));
  // Margin 0: the glyph touches the edge.
  EXPECT_EQ(Layout(GlyphLayout::Left, 0).glyph.x, kButton.left);
  EXPECT_EQ(Layout(GlyphLayout::Bottom, 0).glyph.y + 12, kButton.bottom);
}

TEST(GlyphLayout, MarginMinusOneCentresGlyphAndTextAsOneBlock) {
  // Block 16 + 4 + 30 = 50 wide (half 25), 12 + 4 + 10 = 26 high (half 13).
  EXPECT_EQ(Layout(GlyphLayout::Left, -1), (GlyphTextPlacement{{35, 34}, {55, 35}}));
  EXPECT_EQ(Layout(GlyphLayout::Right, -1), (GlyphTextPlacement{{69, 34}, {35, 35}}));
  EXPECT_EQ(Layout(GlyphLayout::Top, -1), (GlyphTextPlacement{{52, 27}, {45, 43}}));
  EXPECT_EQ(Layout(GlyphLayout::Bottom, -1), (GlyphTextPlacement{{52, 41}, {45, 27}}));
}

TEST(GlyphLayout, WithoutAGlyphSpacingIsIgnoredAndTheTextIsCentred) {
  for (GlyphLayout layout :
       {GlyphLayout::Left, GlyphLayout::Right, GlyphLayout::Top, GlyphLayout::Bottom}) {
    GlyphTextPlacement p = Layout(layout, -1, false);
    EXPECT_EQ(p.text, (Point{45, 35})) << int(layout);
  }
  EXPECT_EQ(Layout(GlyphLayout::Left, 3, false).text.x, 13);  // no spacing after a missing glyph
  EXPECT_EQ(Layout(GlyphLayout::Top, 3, false).text.y, 23);
}

TEST(RectUtils, EdgesCountAsTheRulesSay) {
  EXPECT_TRUE(IsNullRect({5, 5, 5, 9}));
  EXPECT_TRUE(IsNullRect({5, 5, 3, 9}));
  EXPECT_FALSE(IsNullRect({0, 0, 1, 1}));
  EXPECT_TRUE(IsNullPoint({0, 7}));
  EXPECT_FALSE(IsNullPoint({1, 7}));
  EXPECT_TRUE(PointInRectInclusive({10, 20}, {0, 0, 10, 20}));
  EXPECT_TRUE(RectInsideRect({1, 1, 9, 9}, {0, 0, 10, 10}));
  EXPECT_FALSE(RectInsideRect({1, 1, 10, 9}, {0, 0, 10, 10}));  // right edge is outside
  EXPECT_EQ(RectWidth({3, 0, 10, 0}), 7);
  EXPECT_EQ(NullRect(), Rect{});
}

}  // namespace
}  // namespace lq
