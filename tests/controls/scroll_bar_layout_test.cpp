#include "skin/controls/scroll_bar_layout.h"

#include <gtest/gtest.h>

#include "controls/scroll_bar_test_skin.h"

namespace lq {
namespace {

TEST(ScrollBarRangeTest, ClampKeepsPositionInsideRangeAndPage) {
  ScrollBarRange r{0, 99, 10, 0};
  EXPECT_EQ(ClampScrollBarPosition(r, 99), 90);
  EXPECT_EQ(ClampScrollBarPosition(r, -5), 0);
  r.pageSize = 0;
  EXPECT_EQ(ClampScrollBarPosition(r, 150), 99);
  // A page wider than the range leaves the position at Min.
  ScrollBarRange wide{5, 9, 20, 0};
  EXPECT_EQ(ClampScrollBarPosition(wide, 7), 5);
}

TEST(ScrollBarLayoutTest, ProgramSkinAt154PixelsPlacesButtonsAndTrack) {
  ScrollBarSkin skin = test::VScrollBarSkin();
  ScrollBarLayout l = LayoutSkinnedScrollBar(skin, true, 17, 154, {0, 0, 0, 0});
  EXPECT_EQ(l.decrease, (Rect{0, 0, 17, 16}));
  EXPECT_EQ(l.increase, (Rect{0, 138, 17, 154}));
  EXPECT_EQ(l.track, (Rect{0, 16, 17, 138}));
  EXPECT_EQ(l.track.height(), 122);
  // Without a page the thumb keeps the picture's 14 pixels at the start.
  EXPECT_EQ(l.thumb, (Rect{0, 16, 17, 30}));
}

TEST(ScrollBarLayoutTest, PagedThumbFollowsPageAndPosition) {
  ScrollBarSkin skin = test::VScrollBarSkin();
  // Track 122 px, page 61 of 122 items: half the track.
  ScrollBarLayout top = LayoutSkinnedScrollBar(skin, true, 17, 154, {0, 121, 61, 0});
  EXPECT_EQ(top.thumbLength, 61);
  EXPECT_EQ(top.thumb.top, 16);
  ScrollBarLayout end = LayoutSkinnedScrollBar(skin, true, 17, 154, {0, 121, 61, 61});
  EXPECT_EQ(end.thumb.bottom, 138);
  // A tiny page still gets the minimum thumb length of the picture.
  ScrollBarLayout tiny = LayoutSkinnedScrollBar(skin, true, 17, 154, {0, 99999, 5, 0});
  EXPECT_EQ(tiny.thumbLength, 14);
}

TEST(ScrollBarLayoutTest, DegenerateRangesNeverDivideByZero) {
  ScrollBarSkin skin = test::VScrollBarSkin();
  ScrollBarLayout same = LayoutSkinnedScrollBar(skin, true, 17, 100, {3, 3, 0, 3});
  EXPECT_EQ(same.centreOffset, 0);
  // Page covering everything: vertical bars stay at the start, horizontal at the end.
  ScrollBarLayout v = LayoutDefaultScrollBar(true, 19, 200, {0, 9, 10, 0}, 0);
  EXPECT_EQ(v.centreOffset, 0);
  ScrollBarLayout h = LayoutDefaultScrollBar(false, 200, 19, {0, 9, 10, 0}, 0);
  EXPECT_EQ(h.centreOffset, h.lastCentre - h.firstCentre);
  ScrollBarLayout empty = LayoutDefaultScrollBar(true, 19, 200, {0, -1, 1, 0}, 0);
  EXPECT_EQ(empty.thumbLength, 16);
}

TEST(ScrollBarLayoutTest, DefaultLayoutLeavesRoomForBothMarker) {
  ScrollBarLayout v = LayoutDefaultScrollBar(true, 19, 100, {0, 100, 0, 0}, 19);
  EXPECT_EQ(v.decrease, (Rect{1, 1, 18, 17}));
  EXPECT_EQ(v.increase, (Rect{1, 83, 18, 99}));
  EXPECT_EQ(v.thumb, (Rect{1, 17, 18, 33}));
  ScrollBarLayout h = LayoutDefaultScrollBar(false, 200, 19, {0, 100, 0, 100}, 19);
  EXPECT_EQ(h.increase, (Rect{164, 1, 180, 18}));
  EXPECT_EQ(h.thumb.right, 164);
}

TEST(ScrollBarLayoutTest, DragMapsTravelOntoRangeAndClamps) {
  ScrollBarLayout l = LayoutDefaultScrollBar(true, 19, 133, {0, 99, 0, 0}, 0);
  // Track 17..116, thumb 16: travel 25..108 = 83 pixels.
  ASSERT_EQ(l.lastCentre - l.firstCentre, 83);
  ScrollBarRange r{0, 99, 0, 0};
  EXPECT_EQ(ScrollBarDragPosition(l, r, 0, 0), 0);
  EXPECT_EQ(ScrollBarDragPosition(l, r, 0, 1000), 99);
  EXPECT_EQ(ScrollBarDragPosition(l, r, 0, -1000), 0);
  EXPECT_EQ(ScrollBarDragPosition(l, r, 0, 83 / 2), RoundEven(41.0 / 83 * 99));
  ScrollBarRange paged{0, 99, 10, 0};
  EXPECT_EQ(ScrollBarDragPosition(l, paged, 0, 1000), 90);
}

TEST(ScrollBarLayoutTest, RoundingTiesGoToEven) {
  EXPECT_EQ(RoundEven(2.5), 2);
  EXPECT_EQ(RoundEven(3.5), 4);
  EXPECT_EQ(RoundEven(-0.5), 0);
}

TEST(ScrollBarLayoutTest, HitTestPrefersThumbAndHonoursVisibility) {
  ScrollBarLayout l = LayoutDefaultScrollBar(true, 19, 100, {0, 100, 0, 0}, 0);
  EXPECT_EQ(ScrollBarPartAt(l, 5, 20, true), ScrollBarPart::Thumb);
  EXPECT_EQ(ScrollBarPartAt(l, 5, 20, false), ScrollBarPart::None);
  EXPECT_EQ(ScrollBarPartAt(l, 5, 90, true), ScrollBarPart::Increase);
  EXPECT_EQ(ScrollBarPartAt(l, 5, 5, true), ScrollBarPart::Decrease);
  EXPECT_EQ(ScrollBarPartAt(l, 5, 60, true), ScrollBarPart::None);
}

}  // namespace
}  // namespace lq
