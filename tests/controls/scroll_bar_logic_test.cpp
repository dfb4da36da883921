#include "skin/controls/scroll_bar_logic.h"

#include <gtest/gtest.h>

#include "support/manual_clock.h"

namespace lq {
namespace {

// A default-look vertical bar 19 x 200: decrease button 1..17, increase 183..199,
// track 17..183. It counts what the logic reports.
struct Bar : ScrollBarListener {
  longtail::testing::ManualClock clock;
  ScrollBarLogic logic{clock};
  longtail::PeriodicTimer* timer = clock.latest();
  int changes = 0, dragsEnded = 0, pagesTowardsMax = 0;
  // Arrow steps taken here instead of by the logic (counted only while on).
  bool takeArrowSteps = false;
  int stepsTowardsMax = 0, stepsTowardsMin = 0;

  Bar() {
    logic.vertical = true;
    logic.setLayoutProvider(
        [this] { return LayoutDefaultScrollBar(true, 19, 200, logic.range(), 0); });
    logic.setListener(this);
  }
  void positionChanged() override { ++changes; }
  void thumbDragEnded() override { ++dragsEnded; }
  void pagedTowardsMax() override { ++pagesTowardsMax; }
  bool arrowStepTowardsMax() override {
    if (takeArrowSteps) ++stepsTowardsMax;
    return takeArrowSteps;
  }
  bool arrowStepTowardsMin() override {
    if (takeArrowSteps) ++stepsTowardsMin;
    return takeArrowSteps;
  }
};

TEST(ScrollBarLogicTest, SettersKeepTheInvariantAndOnlyPositionReportsAChange) {
  Bar b;
  b.logic.setRange(0, 99, 10, 0);
  EXPECT_EQ(b.changes, 0);
  b.logic.setPosition(99);
  EXPECT_EQ(b.logic.position(), 90);
  EXPECT_EQ(b.changes, 1);
  b.logic.setPosition(90);  // unchanged: no event
  EXPECT_EQ(b.changes, 1);
  b.logic.setRange(0, 50, 0, 70);
  EXPECT_EQ(b.logic.position(), 50);
  b.logic.setMax(20);
  EXPECT_EQ(b.logic.position(), 20);
  b.logic.setMin(30);
  EXPECT_EQ(b.logic.position(), 30);
  EXPECT_EQ(b.changes, 1);
}

TEST(ScrollBarLogicTest, PageSizeThatWouldPassTheEndIsIgnored) {
  Bar b;
  b.logic.setRange(0, 99, 0, 95);
  b.logic.setPageSize(10);  // 100 < 10 + 95
  EXPECT_EQ(b.logic.range().pageSize, 0);
  b.logic.setPageSize(5);
  EXPECT_EQ(b.logic.range().pageSize, 5);
  b.logic.setPageSize(-3);
  EXPECT_EQ(b.logic.range().pageSize, 5);
  // Max with a page lowers the position to the last full page, never below Min.
  b.logic.setMax(50);
  EXPECT_EQ(b.logic.position(), 46);
}

TEST(ScrollBarLogicTest, HoldingTheIncreaseArrowRepeatsAfter550ThenEvery50) {
  Bar b;
  b.logic.setRange(0, 1000, 0, 0);
  b.logic.mousePress(9, 190);
  EXPECT_EQ(b.logic.position(), 1);  // one step at once
  b.clock.advanceTo(549);
  EXPECT_EQ(b.logic.position(), 1);
  b.clock.advanceTo(550);
  EXPECT_EQ(b.logic.position(), 2);
  b.clock.advanceTo(599);
  EXPECT_EQ(b.logic.position(), 2);
  b.clock.advanceTo(1000);
  EXPECT_EQ(b.logic.position(), 11);
  // Moving off the arrow pauses, coming back resumes at the fast rate.
  b.logic.mouseMove(9, 100);
  b.clock.advanceTo(2000);
  EXPECT_EQ(b.logic.position(), 11);
  b.logic.mouseMove(9, 190);
  b.clock.advanceTo(2050);
  EXPECT_EQ(b.logic.position(), 12);
  b.logic.mouseRelease(9, 190, true);
  EXPECT_FALSE(b.timer->isActive());
  EXPECT_FALSE(b.logic.isPressed(ScrollBarPart::Increase));
  EXPECT_TRUE(b.logic.isHot(ScrollBarPart::Increase));
}

TEST(ScrollBarLogicTest, AListenerTakingArrowStepsReplacesTheDefaultStep) {
  Bar b;
  b.logic.setRange(0, 10, 0, 5);
  b.takeArrowSteps = true;
  b.logic.mousePress(9, 190);
  b.logic.mouseRelease(9, 190, true);
  b.logic.mousePress(9, 5);
  b.logic.mouseRelease(9, 5, true);
  EXPECT_EQ(b.stepsTowardsMax, 1);
  EXPECT_EQ(b.stepsTowardsMin, 1);
  EXPECT_EQ(b.logic.position(), 5);
}

TEST(ScrollBarLogicTest, PagingBelowTheThumbStopsWhenTheThumbPassesTheMouse) {
  Bar b;
  b.logic.setRange(0, 99, 10, 0);
  b.logic.largeChange = 10;
  // Thumb at 17..33 (length round(166*10/100) = 17 -> half 8). Press at y 120.
  b.logic.mousePress(9, 120);
  EXPECT_EQ(b.logic.position(), 10);
  b.clock.advanceTo(10000);
  EXPECT_FALSE(b.timer->isActive());
  ScrollBarLayout l = b.logic.layout();
  EXPECT_LE(l.thumb.top, 120);
  EXPECT_GT(l.thumb.bottom, 120 - 1);
  EXPECT_LT(b.logic.position(), 90);
  EXPECT_EQ(b.pagesTowardsMax, b.logic.position() / 10);
  b.logic.mouseRelease(9, 120, true);
  EXPECT_EQ(b.logic.repeatMode(), 0);
}

TEST(ScrollBarLogicTest, ThumbDragReportsChangesWhileMovingAndItsEndOnRelease) {
  Bar b;
  b.logic.setRange(0, 166 - 16, 0, 0);  // one position per pixel of travel
  b.logic.mousePress(9, 20);
  EXPECT_TRUE(b.logic.dragging());
  b.logic.mouseMove(9, 50);
  EXPECT_EQ(b.logic.position(), 30);
  EXPECT_EQ(b.dragsEnded, 0);
  b.logic.mouseMove(9, 5000);
  EXPECT_EQ(b.logic.position(), 150);
  b.logic.mouseMove(9, 20);
  EXPECT_EQ(b.logic.position(), 0);
  b.logic.mouseRelease(9, 20, true);
  EXPECT_EQ(b.dragsEnded, 1);
  EXPECT_FALSE(b.logic.dragging());
  EXPECT_GE(b.changes, 3);
}

TEST(ScrollBarLogicTest, DisabledBarHasNoThumbToGrab) {
  Bar b;
  b.logic.setRange(0, 100, 0, 0);
  b.logic.enabled = false;
  b.logic.mousePress(9, 20);  // where the thumb would be: a page step instead
  EXPECT_FALSE(b.logic.dragging());
}

TEST(ScrollBarLogicTest, LeavingClearsHotUnlessCaptured) {
  Bar b;
  b.logic.setRange(0, 100, 0, 0);
  b.logic.mouseMove(9, 5);
  EXPECT_TRUE(b.logic.isHot(ScrollBarPart::Decrease));
  b.logic.mouseLeave();
  EXPECT_FALSE(b.logic.isHot(ScrollBarPart::Decrease));
  b.logic.mousePress(9, 20);
  b.logic.mouseLeave();
  EXPECT_TRUE(b.logic.isHot(ScrollBarPart::Thumb));
}

}  // namespace
}  // namespace lq
