#include "skin/frame/menu_geometry.h"

#include <gtest/gtest.h>

#include "frame/menu_test_support.h"

namespace lq {
namespace {

PopupSizeInput SixItems(int widest) {
  PopupSizeInput in;
  in.itemHeights.assign(6, 0);
  in.widestText = widest;
  in.workAreaHeight = 800;
  return in;
}

TEST(MenuGeometry, SixPlainItemsWithProgramSkinAre136HighAndWidestTextPlus70Wide) {
  const MenuSkin skin = testing::ProgramLikeMenuSkin();
  PopupSizeInput in = SixItems(100);
  for (int& h : in.itemHeights) h = MenuItemHeight(skin, false, 20);
  const PopupSize size = ComputePopupSize(skin, in);
  EXPECT_EQ(size.height, 136);
  EXPECT_EQ(size.width, 170);
  EXPECT_FALSE(size.scrolling);
  EXPECT_EQ(MenuItemHeight(skin, true, 20), 3);  // divider height, not 4
}

TEST(MenuGeometry, DefaultLookUsesDefaultItemHeightAndTenPixelFrame) {
  const MenuSkin skin;
  PopupSizeInput in = SixItems(100);
  in.itemHeights = {20, 20, 4, 20};
  const PopupSize size = ComputePopupSize(skin, in);
  EXPECT_EQ(size.height, 64 + 4);
  EXPECT_EQ(size.width, 100 + 2 + 19 + 19 + 10);
  EXPECT_EQ(MapPopupGeometry(skin, 150, 68).itemsRect, (Rect{2, 2, 148, 66}));
}

TEST(MenuGeometry, ItemLimitGivesThreeItemHeightsPlusFrameAndBands) {
  const MenuSkin skin = testing::ProgramLikeMenuSkin();
  PopupSizeInput in = SixItems(50);
  for (int& h : in.itemHeights) h = 22;
  in.maxItems = 3;
  PopupSize size = ComputePopupSize(skin, in);
  EXPECT_EQ(size.height, 3 * 22 + 4 + 20);
  EXPECT_TRUE(size.scrolling);
  EXPECT_TRUE(size.limited);
  in.maxItems = 6;  // not more items than the limit: no scrolling
  EXPECT_FALSE(ComputePopupSize(skin, in).scrolling);
}

TEST(MenuGeometry, MenuTallerThanWorkAreaScrollsWithoutBeingLimited) {
  PopupSizeInput in = SixItems(50);
  in.itemHeights.assign(100, 20);
  in.workAreaHeight = 600;
  const PopupSize size = ComputePopupSize(MenuSkin{}, in);
  EXPECT_EQ(size.height, 600);
  EXPECT_TRUE(size.scrolling);
  EXPECT_FALSE(size.limited);
}

TEST(MenuGeometry, CornerPointsAndItemsRectFollowTheWindowSize) {
  const MenuSkin skin = testing::ProgramLikeMenuSkin();
  const PopupFrameGeometry g = MapPopupGeometry(skin, 193, 136);
  EXPECT_EQ(g.lefttop, (Point{3, 3}));
  EXPECT_EQ(g.righttop, (Point{190, 3}));
  EXPECT_EQ(g.leftbottom, (Point{3, 133}));
  EXPECT_EQ(g.rightbottom, (Point{190, 133}));
  EXPECT_EQ(g.itemsRect, (Rect{2, 2, 191, 134}));
}

TEST(MenuGeometry, LayoutStacksItemsAndHidesThoseBelowTheItemsArea) {
  std::vector<ItemSlot> laid;
  const Rect items{2, 2, 91, 90};
  const std::vector<int> heights(6, 22);
  EXPECT_EQ(LayoutMenuItems(items, heights, 0, false, laid), 4);
  EXPECT_EQ(laid[0].rect, (Rect{2, 2, 91, 24}));
  EXPECT_EQ(laid[3].rect, (Rect{2, 68, 91, 90}));
  EXPECT_FALSE(laid[4].shown);
  // Scrolling: the bands take 10 pixels at each end; items before the start are hidden.
  EXPECT_EQ(LayoutMenuItems(items, heights, 2, true, laid), 3);
  EXPECT_FALSE(laid[1].shown);
  EXPECT_EQ(laid[2].rect, (Rect{2, 12, 91, 34}));
  EXPECT_EQ(LastPageStart(items, heights), 3);
}

PlacementInput Context(int x, int y) {
  PlacementInput in;
  in.anchor = {x, y, x, y};
  in.workArea = {0, 0, 800, 600};
  in.width = 170;
  in.height = 136;
  in.itemsTop = 2;
  return in;
}

TEST(MenuPlacement, ContextMenuOpensAtThePointShiftedLeftAtTheRightEdge) {
  EXPECT_EQ(PlacePopup(Context(100, 100)), (Point{100, 100}));
  EXPECT_EQ(PlacePopup(Context(750, 100)), (Point{630, 100}));
}

TEST(MenuPlacement, NearTheBottomItOpensUpwardsFromThePoint) {
  EXPECT_EQ(PlacePopup(Context(100, 550)), (Point{100, 414}));
  // Both edges at once: up and shifted left.
  EXPECT_EQ(PlacePopup(Context(790, 590)), (Point{630, 454}));
}

TEST(MenuPlacement, TallMenuAnchoredInTheUpperHalfMovesUpAndBesideTheAnchor) {
  PlacementInput in = Context(100, 200);
  in.height = 500;
  EXPECT_EQ(PlacePopup(in), (Point{101, 100}));
}

TEST(MenuPlacement, SubmenuSitsBesideItsParentItemOrToTheLeft) {
  PlacementInput in = Context(0, 0);
  in.submenu = true;
  in.anchor = {200, 50, 370, 72};
  EXPECT_EQ(PlacePopup(in), (Point{371, 48}));  // first item level with the parent item
  in.anchor = {600, 50, 770, 72};
  EXPECT_EQ(PlacePopup(in), (Point{600 - 170 - 1, 48}));
  in.anchor = {200, 560, 370, 582};  // lower half, too low: ends at the parent's bottom
  EXPECT_EQ(PlacePopup(in).y, 582 - 136 + 2);
}

TEST(MenuPlacement, PopupUpMenuOpensAboveTheButtonWhenThereIsRoom) {
  PlacementInput in = Context(0, 0);
  in.popupUp = true;
  in.anchor = {50, 300, 71, 321};
  EXPECT_EQ(PlacePopup(in), (Point{50, 164}));
  in.anchor = {50, 100, 71, 121};  // no room above, upper half: below the button
  EXPECT_EQ(PlacePopup(in), (Point{72, 121}));
}

TEST(MenuPlacement, ScrollingMenuStartsAtTheWorkAreaTop) {
  PlacementInput in = Context(100, 300);
  in.height = 600;
  in.scrolling = true;
  EXPECT_EQ(PlacePopup(in), (Point{101, 0}));
}

}  // namespace
}  // namespace lq
