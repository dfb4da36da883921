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
  int Hit(int x, int y, const MaskTest* mask = nullptr) {
    return SkinnedHitTest(g, st, captions, skin.borderwidth, mask, x, y);
  }
};

TEST_F(SkinnedHitTestTable, CaptionDragsAndTheRestOfTheTopBorderIsAnObject) {
  EXPECT_EQ(Hit(100, 12), HTCAPTION);
  EXPECT_EQ(Hit(350, 12), HTOBJECT);  // beside the caption, over the buttons
  EXPECT_EQ(Hit(100, 25), HTOBJECT);  // top border under the caption
  EXPECT_EQ(Hit(200, 150), HTCLIENT);
}

TEST_F(SkinnedHitTestTable, EdgesWithinBorderwidthGiveSizingCodes) {
  EXPECT_EQ(Hit(1, 1), HTTOPLEFT);
  EXPECT_EQ(Hit(398, 2), HTTOPRIGHT);
  EXPECT_EQ(Hit(1, 298), HTBOTTOMLEFT);
  EXPECT_EQ(Hit(399, 299), HTBOTTOMRIGHT);
  EXPECT_EQ(Hit(200, 0), HTTOP);
  EXPECT_EQ(Hit(200, 2), HTTOP);
  EXPECT_EQ(Hit(200, 3), HTOBJECT);  // 3 px in: plain top border, not an edge
  EXPECT_EQ(Hit(200, 297), HTBOTTOM);
  EXPECT_EQ(Hit(0, 150), HTLEFT);
  EXPECT_EQ(Hit(397, 150), HTRIGHT);
  EXPECT_EQ(Hit(396, 150), HTOBJECT);
}

TEST_F(SkinnedHitTestTable, BottomLeftCornerMovesDownWithTheHeight) {
  // hittestleftbottompoint 10,200 at picture height 210: y 290 in a 300-high window.
  EXPECT_EQ(Hit(1, 290), HTBOTTOMLEFT);
  EXPECT_EQ(Hit(1, 289), HTLEFT);
  g = ComputeFrameMetrics(skin, 400, 500);
  EXPECT_EQ(Hit(1, 489), HTLEFT);
  EXPECT_EQ(Hit(1, 490), HTBOTTOMLEFT);
}

TEST_F(SkinnedHitTestTable, MaximizedOrFixedSizeWindowsGiveNoSizingCodes) {
  for (bool maximized : {true, false}) {
    st.maximized = maximized;
    st.resizable = maximized;
    EXPECT_EQ(Hit(0, 0), HTOBJECT);
    EXPECT_EQ(Hit(399, 299), HTOBJECT);
    EXPECT_EQ(Hit(0, 150), HTOBJECT);
    EXPECT_EQ(Hit(100, 12), HTCAPTION);
    EXPECT_EQ(Hit(200, 150), HTCLIENT);
  }
}

TEST_F(SkinnedHitTestTable, RolledUpMinimizedAndHotObjects) {
  st.rolledUp = true;
  EXPECT_EQ(Hit(100, 12), HTCAPTION);
  EXPECT_EQ(Hit(200, 150), HTOBJECT);  // no client while rolled up
  EXPECT_EQ(Hit(0, 0), HTOBJECT);
  st = {};
  st.objectHot = true;
  EXPECT_EQ(Hit(0, 0), HTOBJECT);  // an object under the mouse wins over sizing
  EXPECT_EQ(Hit(100, 12), HTCAPTION);
  EXPECT_EQ(Hit(200, 150), HTCLIENT);
  st.inSizeMove = true;
  EXPECT_EQ(Hit(0, 0), HTTOPLEFT);
}

TEST_F(SkinnedHitTestTable, MaskDecidesWhereTheEdgeIs) {
  // A window whose corners are cut off: the mask is black except a 6-pixel triangle.
  MaskTest mask = [](int x, int y) {
    if (x < 0 || y < 0 || x >= 400 || y >= 300) return false;
    return x + y >= 6;  // top-left corner transparent
  };
  EXPECT_EQ(Hit(3, 3, &mask), HTTOPLEFT);     // (0,3) probe is outside the shape
  EXPECT_EQ(Hit(200, 150, &mask), HTCLIENT);  // inside the mask rectangle: never an edge
  EXPECT_EQ(Hit(200, 10, &mask), HTCAPTION);
  EXPECT_EQ(Hit(200, 1, &mask), HTTOP);
}

TEST(DefaultHitTest, TwoPixelBorderCaptionAndClient) {
  HitTestState st;
  const Rect caption{3, 3, 340, 19};
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 2, 2), HTTOPLEFT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 398, 1), HTTOPRIGHT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 298), HTBOTTOMLEFT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 399, 299), HTBOTTOMRIGHT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 1, 100), HTLEFT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 0), HTTOP);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 398, 100), HTRIGHT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 298), HTBOTTOM);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 10), HTCAPTION);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 360, 10), HTOBJECT);  // a button
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 22), HTCLIENT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 20), HTOBJECT);
  st.maximized = true;
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 0), HTOBJECT);
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 100, 10), HTCAPTION);
  st = {};
  st.objectHot = true;
  EXPECT_EQ(DefaultHitTest(400, 300, caption, st, 0, 0), HTOBJECT);
}

}  // namespace
}  // namespace lq
