#include "skin/frame/frame_metrics.h"

#include <gtest/gtest.h>

#include "frame/test_skin_info.h"

namespace lq {
namespace {

TEST(FrameMetrics, MovesForminfoValuesWithTheWindowSize) {
  const FrameSkinInfo s = test::ProgramLikeFrameInfo();
  const FrameMetrics g = ComputeFrameMetrics(s, 830, 661);
  EXPECT_EQ(g.dx, 545);
  EXPECT_EQ(g.dy, 451);
  EXPECT_EQ(g.leftTop, (Point{30, 27}));
  EXPECT_EQ(g.rightTop, (Point{800, 27}));
  EXPECT_EQ(g.leftBottom, (Point{30, 657}));
  EXPECT_EQ(g.rightBottom, (Point{800, 657}));
  EXPECT_EQ(g.client, (Rect{4, 27, 826, 657}));
  EXPECT_EQ(g.caption, (Rect{3, 5, 827, 24}));
  EXPECT_TRUE(g.buttons.isEmpty());
  EXPECT_EQ(g.hitLeftBottom, (Point{10, 651}));
  EXPECT_EQ(g.hitRightBottom, (Point{820, 651}));
  EXPECT_EQ(g.mask, (Rect{4, 27, 826, 657}));
}

TEST(FrameMetrics, ButtonsRectFollowsTheRightEdgeOnlyFromTheRightHalf) {
  FrameSkinInfo s = test::ProgramLikeFrameInfo();
  s.buttonsrect = {143, 5, 280, 24};  // left edge right of 285 / 2 = 142
  EXPECT_EQ(ComputeFrameMetrics(s, 385, 210).buttons, (Rect{243, 5, 380, 24}));
  s.buttonsrect = {142, 5, 280, 24};
  EXPECT_EQ(ComputeFrameMetrics(s, 385, 210).buttons, (Rect{142, 5, 280, 24}));
}

TEST(FrameMetrics, ClientOf822x630GivesOuterSize830x661) {
  const FrameInsets in = SkinnedFrameInsets(test::ProgramLikeFrameInfo());
  EXPECT_EQ(in, (FrameInsets{4, 27, 4, 4}));
  EXPECT_EQ(822 + in.left + in.right, 830);
  EXPECT_EQ(630 + in.top + in.bottom, 661);
  EXPECT_EQ(DefaultFrameInsets(), (FrameInsets{3, 22, 3, 3}));
}

TEST(FrameMetrics, PictureRectsMoveWithTheirCornerZone) {
  const FrameSkinInfo s = test::ProgramLikeFrameInfo();
  const FrameMetrics g = ComputeFrameMetrics(s, 385, 310);  // dx = dy = 100
  EXPECT_EQ(MapFramePictureRect(s, g, {2, 2, 20, 20}), (Rect{2, 2, 20, 20}));
  EXPECT_EQ(MapFramePictureRect(s, g, {260, 5, 281, 26}), (Rect{360, 5, 381, 26}));
  EXPECT_EQ(MapFramePictureRect(s, g, {2, 207, 20, 209}), (Rect{2, 307, 20, 309}));
  EXPECT_EQ(MapFramePictureRect(s, g, {260, 207, 281, 209}), (Rect{360, 307, 381, 309}));
  // Spanning zones: left-top to right-top grows, left-top to right-bottom grows both ways.
  EXPECT_EQ(MapFramePictureRect(s, g, {5, 4, 280, 24}), (Rect{5, 4, 380, 24}));
  EXPECT_EQ(MapFramePictureRect(s, g, {5, 4, 280, 208}), (Rect{5, 4, 380, 308}));
  EXPECT_EQ(MapFramePictureRect(s, g, {2, 207, 280, 209}), (Rect{2, 307, 380, 309}));
  EXPECT_EQ(MapFramePictureRect(s, g, {1, 5, 3, 208}), (Rect{1, 5, 3, 308}));
  EXPECT_EQ(MapFramePictureRect(s, g, {282, 5, 284, 208}), (Rect{382, 5, 384, 308}));
  // A rectangle in the middle of the picture stays.
  EXPECT_EQ(MapFramePictureRect(s, g, {100, 100, 120, 120}), (Rect{100, 100, 120, 120}));
}

}  // namespace
}  // namespace lq
