#include "skin/frame/hit_test.h"

#include <gtest/gtest.h>

#include "frame/test_skin_info.h"

namespace lq {
namespace {

class SkinnedHitTestTable : public ::testing::Test {
 protected:
  FrameSkinInfo skin = test::ProgramLikeFrameInfo();
  FrameMetrics g = ComputeFrameMetrics(skin, 400, 300);
  CaptionRects captions{{3, 5, 330, 24}};  // ends at the minimize button
  HitTestState st;
  HitCode Hit(int x, int y, const MaskTest* mask = nullptr) {
    return SkinnedHitTest(g, st, captions, skin.borderwidth, mask, x, y);
  }
};

TEST_F(SkinnedHitTestTable, CaptionDragsAndTheRestOfTheTopBorderIsAnObject) {
  EXPECT_EQ(Hit(100, 12), HitCode::Caption);
  EXPECT_EQ(Hit(350, 12), HitCode::Object);  // beside the caption, over the buttons
  EXPECT_EQ(Hit(100, 25), HitCode::Object);  // top border under the caption
  EXPECT_EQ(Hit(200, 150), HitCode::Client);
}

TEST_F(SkinnedHitTestTable, EdgesWithinBorderwidthGiveSizingCodes) {
  EXPECT_EQ(Hit(1, 1), HitCode::TopLeft);
  EXPECT_EQ(Hit(398, 2), HitCode::TopRight);
  EXPECT_EQ(Hit(1, 298), HitCode::BottomLeft);
  EXPECT_EQ(Hit(399, 299), HitCode::BottomRight);
  EXPECT_EQ(Hit(200, 0), HitCode::Top);
  EXPECT_EQ(Hit(200, 2), HitCode::Top);
  EXPECT_EQ(Hit(200, 3), HitCode::Object);  // 3 px in: plain top border, not an edge
  EXPECT_EQ(Hit(200, 297), HitCode::Bottom);
  EXPECT_EQ(Hit(0, 150), HitCode::Left);
  EXPECT_EQ(Hit(397, 150), HitCode::Right);
  EXPECT_EQ(Hit(396, 150), HitCode::Object);
}

TEST_F(SkinnedHitTestTable, BottomLeftCornerMovesDownWithTheHeight) {
  // hittestleftbottompoint 10,200 at picture height 210: y 290 in a 300-high window.
  EXPECT_EQ(Hit(1, 290), HitCode::BottomLeft);
  EXPECT_EQ(Hit(1, 289), HitCode::Left);
  g = ComputeFrameMetrics(skin, 400, 500);
  EXPECT_EQ(Hit(1, 489), HitCode::Left);
  EXPECT_EQ(Hit(1, 490), HitCode::BottomLeft);
}

TEST_F(SkinnedHitTestTable, MaximizedOrFixedSizeWindowsGiveNoSizingCodes) {
  for (bool maximized : {true, false}) {
    st.maximized = maximized;
    st.resizable = maximized;
    EXPECT_EQ(Hit(0, 0), HitCode::Object);
    EXPECT_EQ(Hit(399, 299), HitCode::Object);
    EXPECT_EQ(Hit(0, 150), HitCode::Object);
    EXPECT_EQ(Hit(100, 12), HitCode::Caption);
    EXPECT_EQ(Hit(200, 150), HitCode::Client);
  }
}

TEST_F(SkinnedHitTestTable, RolledUpMinimizedAndHotObjects) {
  st.rolledUp = true;
  EXPECT_EQ(Hit(100, 12), HitCode::Caption);
  EXPECT_EQ(Hit(200, 150), HitCode::Object);  // no client while rolled up
  EXPECT_EQ(Hit(0, 0), HitCode::Object);
  st = {};
  st.objectHot = true;
  EXPECT_EQ(Hit(0, 0), HitCode::Object);  // an object under the mouse wins over sizing
  EXPECT_EQ(Hit(100, 12), HitCode::Caption);
  EXPECT_EQ(Hit(200, 150), HitCode::Client);
  st.inSizeMove = true;
  EXPECT_EQ(Hit(0, 0), HitCode::TopLeft);
}

TEST_F(SkinnedHitTestTable, MaskDecidesWhereTheEdgeIs) {
  // A window whose corners are cut off: the mask is black except a 6-pixel triangle.
  MaskTest mask = [](int x, int y) {
    if (x < 0 || y < 0 || x >= 400 || y >= 300) return false;
    return x + y >= 6;  // top-left corner transparent
  };
  EXPECT_EQ(Hit(3, 3, &mask), HitCode::TopLeft);     // (0,3) probe is outside the shape
  EXPECT_EQ(Hit(200, 150, &mask), HitCode::Client);  // inside the mask rectangle: never an edge
  EXPECT_EQ(Hit(200, 10, &mask), HitCode::Caption);
  EXPECT_EQ(Hit(200, 1, &mask), HitCode::Top);
}

TEST(DefaultHitTest, TwoPixelBorderCaptionAndClient) {
  HitTestState st;
  const Rect caption{3, 3, 340, 19};
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 2, 2), HitCode::TopLeft);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 398, 1), HitCode::TopRight);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 298), HitCode::BottomLeft);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 399, 299), HitCode::BottomRight);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 1, 100), HitCode::Left);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 0), HitCode::Top);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 398, 100), HitCode::Right);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 298), HitCode::Bottom);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 10), HitCode::Caption);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 360, 10), HitCode::Object);  // a button
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 22), HitCode::Client);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 20), HitCode::Object);
  st.maximized = true;
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 0), HitCode::Object);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 10), HitCode::Caption);
  st = {};
  st.objectHot = true;
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 0), HitCode::Object);
}

}  // namespace
}  // namespace lq
