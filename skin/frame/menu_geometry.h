#pragma once
// The arithmetic of popup menu windows, kept free of widgets so it can be checked exactly:
// window size from the items, the window's corner points and items rectangle at that size,
// stacking the items, and placing the window against the work area.

#include <vector>

#include "skin/data/geometry.h"
#include "skin/frame/menu_skin.h"

namespace lq {

// Height of the scroll marker bands at the top and bottom of the items rectangle.
constexpr int kScrollBandHeight = 10;

struct PopupSize {
  int width = 0;
  int height = 0;
  bool scrolling = false;  // scroll markers are shown
  bool limited = false;    // scrolling comes from the maximum-items limit
};

struct PopupSizeInput {
  std::vector<int> itemHeights;
  int widestText = 0;  // widest measured item text (caption, two spaces, shortcut)
  int glyphWidth = 19;
  int defaultItemHeight = 20;
  int maxItems = 0;  // 0: no limit
  int workAreaHeight = 0;
};

// Height of one item: the skin's skinrect/dividerrect height, else the default height or 4.
int MenuItemHeight(const MenuSkin& skin, bool separator, int defaultItemHeight);
PopupSize ComputePopupSize(const MenuSkin& skin, const PopupSizeInput& in);

struct PopupFrameGeometry {
  Point lefttop, righttop, leftbottom, rightbottom;
  Rect itemsRect;
};
// Corner points and items rectangle moved to a window of width x height.
PopupFrameGeometry MapPopupGeometry(const MenuSkin& skin, int width, int height);

struct ItemSlot {
  Rect rect;
  bool shown = false;
};
// Stacks the items from visibleStart inside the items rectangle; returns the number shown.
int LayoutMenuItems(const Rect& itemsRect, const std::vector<int>& heights, int visibleStart,
                    bool scrolling, std::vector<ItemSlot>& itemSlots);
// First start index from which the remaining items fit into the scrolling items area.
int LastPageStart(const Rect& itemsRect, const std::vector<int>& heights);

struct PlacementInput {
  Rect anchor;     // R, in screen coordinates
  Rect workArea;   // WA
  int width = 0;   // Wd
  int height = 0;  // H
  int itemsTop = 0;
  bool submenu = false;
  bool popupUp = false;
  bool scrolling = false;
  bool limited = false;
};
Point PlacePopup(const PlacementInput& in);

}  // namespace lq
