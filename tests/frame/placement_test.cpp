#include "skin/frame/placement.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace lq {
namespace {

SizeLimitInput ProgramSkinLimits() {
  SizeLimitInput in;
  in.skinReady = true;
  in.pictureWidth = 285;
  in.pictureHeight = 210;
  in.clientrect = {4, 27, 281, 206};
  in.formminwidth = 200;
  in.monitorArea = {0, 0, 800, 760};
  return in;
}

TEST(SizeLimits, ProgramSkinGives200x31) {
  SizeLimitInput in = ProgramSkinLimits();
  EXPECT_EQ(MinFrameWidth(in), 200);
  EXPECT_EQ(MinFrameHeight(in), 31);
  in.minWidth = 300;  // above the picture width: wins unless minimized
  in.minHeight = 100;
  EXPECT_EQ(MinFrameWidth(in), 300);
  EXPECT_EQ(MinFrameHeight(in), 100);
  in.minimized = true;
  EXPECT_EQ(MinFrameWidth(in), 200);
  EXPECT_EQ(MinFrameHeight(in), 31);
  in.minimized = false;
  in.rolledUp = true;
  EXPECT_EQ(MinFrameHeight(in), 31);
  in = ProgramSkinLimits();
  in.formminwidth = 0;
  EXPECT_EQ(MinFrameWidth(in), 285);
  in.skinReady = false;
  EXPECT_EQ(MinFrameWidth(in), 120);
  EXPECT_EQ(MinFrameHeight(in), 25);
}

TEST(SizeLimits, MaximumIsTheMonitorUnlessCapped) {
  SizeLimitInput in = ProgramSkinLimits();
  EXPECT_EQ(MaxFrameWidth(in), 800);  // MaxWidth 0: only the monitor limits
  EXPECT_EQ(MaxFrameHeight(in), 760);
  in.maxWidth = 640;
  in.maxHeight = 900;
  EXPECT_EQ(MaxFrameWidth(in), 640);
  EXPECT_EQ(MaxFrameHeight(in), 760);
}

TEST(MaximizeTarget, GapOnlyWhenNothingIsReservedOnThePrimaryScreen) {
  const Rect screen{0, 0, 800, 800};
  EXPECT_EQ(MaximizeTarget(screen, screen, screen, false), (Rect{1, 1, 799, 799}));
  const Rect work{0, 0, 800, 760};
  EXPECT_EQ(MaximizeTarget(screen, work, screen, false), work);
  EXPECT_EQ(MaximizeTarget(screen, work, screen, true), screen);
  const Rect second{800, 0, 1600, 800};  // a second monitor: no gap
  EXPECT_EQ(MaximizeTarget(second, second, screen, false), second);
}

TEST(Parking, FillsTheBottomRowThenTheRowsAbove) {
  const Rect wa{0, 0, 500, 400};
  std::set<std::pair<int, int>> taken;
  auto isTaken = [&](Point p) { return taken.count({p.x, p.y}) > 0; };
  std::vector<Point> got;
  for (int i = 0; i < 5; ++i) {
    const Point p = ParkingPosition(wa, 200, 31, isTaken);
    got.push_back(p);
    taken.insert({p.x, p.y});
  }
  EXPECT_EQ(got[0], (Point{0, 369}));
  EXPECT_EQ(got[1], (Point{200, 369}));
  EXPECT_EQ(got[2], (Point{0, 338}));  // 400 + 200 > 500: next row up
  EXPECT_EQ(got[3], (Point{200, 338}));
  EXPECT_EQ(got[4], (Point{0, 307}));
}

TEST(Parking, FullAreaEndsAtTheFirstSlot) {
  const Rect wa{0, 0, 200, 62};
  EXPECT_EQ(ParkingPosition(wa, 200, 31, [](Point) { return true; }), (Point{0, 31}));
}

TEST(Centre, TruncatesTowardZero) {
  EXPECT_EQ(CentreInArea({0, 0, 800, 800}, 301, 201), (Point{250, 300}));
  EXPECT_EQ(CentreInArea({100, 50, 901, 851}, 300, 200), (Point{350, 350}));
}

TEST(Magnetic, SticksWithin4PixelsAndComesFreeAfter5) {
  // A drag in which the proposed left edge is the cursor x minus 45.
  const Rect area{0, 0, 800, 760};
  MagneticState st;
  auto drag = [&](int cursorX) {
    const int l = cursorX - 45;
    return SnapToEdges({l, 100, l + 300, 300}, area, 5, {cursorX, 150}, st).left;
  };
  EXPECT_EQ(drag(50), 5);  // 5 pixels away is not near
  EXPECT_EQ(drag(49), 0);  // 4 pixels: sticks
  EXPECT_TRUE(st.left);
  EXPECT_EQ(drag(47), 0);
  EXPECT_EQ(drag(44), 0);   // pushed 5 pixels past where it stuck: still held
  EXPECT_EQ(drag(43), -6);  // 6 pixels: follows the cursor again
  // Moving back out of the near band releases the edge.
  EXPECT_EQ(drag(49), 0);
  EXPECT_EQ(drag(50), 0);
  EXPECT_FALSE(st.left);
  EXPECT_EQ(drag(51), 6);
}

TEST(Magnetic, RightAndBottomEdgesSnapTheFarSide) {
  const Rect area{0, 0, 800, 760};
  MagneticState st;
  Rect r = SnapToEdges({497, 457, 797, 757}, area, 5, {600, 600}, st);
  EXPECT_EQ(r, (Rect{500, 460, 800, 760}));
  EXPECT_TRUE(st.right);
  EXPECT_TRUE(st.bottom);
  r = SnapToEdges({480, 440, 780, 740}, area, 5, {590, 590}, st);  // 10 px: released
  EXPECT_EQ(r, (Rect{490, 450, 790, 750}));
}

}  // namespace
}  // namespace lq
