#include "skin/controls/splitter_drag.h"

#include <gtest/gtest.h>

namespace lq {
namespace {

// The list area of the main window: result frame docked left, the splitter
// after it, the export frame filling the rest of the 822-pixel width.
std::vector<SplitterSibling> ListArea(int resultWidth, int splitterWidth) {
  return {
      {{0, 0, resultWidth, 341}, true},
      {{resultWidth, 0, resultWidth + splitterWidth, 341}, true, true, true, true},
      {{resultWidth + splitterWidth, 0, 822, 341}, false},
  };
}

TEST(SplitterDragTest, FindsTheControlJustBeforeTheLeadingEdge) {
  auto s = ListArea(409, 5);
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Left), 0);
  // Right-aligned splitter resizes the control after it.
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Right), 2);
  // Hidden or disabled neighbours do not count.
  s[0].visible = false;
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Left), -1);
  s[0].visible = true;
  s[0].enabled = false;
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Left), -1);
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Undocked), -1);
}

TEST(SplitterDragTest, CollapsedNeighbourIsStillFound) {
  auto s = ListArea(0, 5);
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Left), 0);
}

TEST(SplitterDragTest, MaximumLeavesMinSizeForTheRest) {
  auto s = ListArea(409, 5);
  int max = SplitterMaxSize(s, 0, SplitterSide::Left, 822, 341, 30);
  EXPECT_EQ(max, 787);
  // Dragging far right stops at the maximum; the offset is corrected by the clamp.
  SplitterProposal p = ProposeSplitterSize(409, 1000, SplitterSide::Left, 30, max);
  EXPECT_EQ(p.size, 787);
  EXPECT_EQ(p.split, 787 - 409);
  // Far left stops at MinSize; the caller snaps that to 0.
  p = ProposeSplitterSize(409, -1000, SplitterSide::Left, 30, max);
  EXPECT_EQ(p.size, 30);
  EXPECT_EQ(p.split, 30 - 409);
}

TEST(SplitterDragTest, TrailingSplitterGrowsAgainstTheOffset) {
  SplitterProposal p = ProposeSplitterSize(200, -50, SplitterSide::Right, 30, 500);
  EXPECT_EQ(p.size, 250);
  EXPECT_EQ(p.split, -50);
  p = ProposeSplitterSize(200, 400, SplitterSide::Bottom, 30, 500);
  EXPECT_EQ(p.size, 30);
  EXPECT_EQ(p.split, 170);
}

TEST(SplitterDragTest, HorizontalSplitCountsTopAndBottomDockedControls) {
  std::vector<SplitterSibling> s = {
      {{0, 0, 300, 100}, true},
      {{0, 100, 300, 105}, true, true, true, true},
      {{0, 260, 300, 300}, true},
      {{0, 105, 300, 260}, false},
  };
  EXPECT_EQ(FindSplitterNeighbour(s, s[1].bounds, SplitterSide::Top), 0);
  EXPECT_EQ(SplitterMaxSize(s, 0, SplitterSide::Top, 300, 300, 30), 300 - 100 - 5 - 40 + 100 - 30);
}

}  // namespace
}  // namespace lq
