#include "skin/frame/menu_geometry.h"

#include <algorithm>

namespace lq {

int MenuItemHeight(const MenuSkin& skin, bool separator, int defaultItemHeight) {
  if (skin.item) return separator ? skin.item->dividerrect.height() : skin.item->skinrect.height();
  return separator ? 4 : defaultItemHeight;
}

PopupSize ComputePopupSize(const MenuSkin& skin, const PopupSizeInput& in) {
  PopupSize out;
  const int w = in.widestText + 2 + in.glyphWidth + 19;
  int frameHeight = 4;
  if (skin.window) {
    const PopupWindowSkin& win = *skin.window;
    int itemExtra = 0;
    if (skin.item) itemExtra = skin.item->skinrect.width() - skin.item->textrect.width();
    out.width = w + (win.window.width() - win.itemsrect.width()) + itemExtra;
    frameHeight = win.window.height() - win.itemsrect.height();
  } else {
    out.width = w + 10;
  }
  int total = frameHeight;
  for (int h : in.itemHeights) total += h;
  out.height = total;
  if (in.maxItems > 0 && int(in.itemHeights.size()) > in.maxItems) {
    const int itemHeight = skin.item ? skin.item->skinrect.height() : in.defaultItemHeight;
    out.height = in.maxItems * itemHeight + frameHeight + 2 * kScrollBandHeight;
    out.scrolling = out.limited = true;
  }
  if (in.workAreaHeight > 0 && out.height > in.workAreaHeight) {
    out.height = in.workAreaHeight;
    out.scrolling = true;
  }
  return out;
}

PopupFrameGeometry MapPopupGeometry(const MenuSkin& skin, int width, int height) {
  PopupFrameGeometry g;
  if (!skin.window) {
    g.itemsRect = {2, 2, width - 2, height - 2};
    return g;
  }
  const PopupWindowSkin& win = *skin.window;
  const int dx = width - win.window.width();
  const int dy = height - win.window.height();
  g.lefttop = win.lefttoppoint;
  g.righttop = {win.righttoppoint.x + dx, win.righttoppoint.y};
  g.leftbottom = {win.leftbottompoint.x, win.leftbottompoint.y + dy};
  g.rightbottom = {win.rightbottompoint.x + dx, win.rightbottompoint.y + dy};
  g.itemsRect = {win.itemsrect.left, win.itemsrect.top, win.itemsrect.right + dx,
                 win.itemsrect.bottom + dy};
  return g;
}

int LayoutMenuItems(const Rect& itemsRect, const std::vector<int>& heights, int visibleStart,
                    bool scrolling, std::vector<ItemSlot>& itemSlots) {
  itemSlots.assign(heights.size(), ItemSlot{});
  const int band = scrolling ? kScrollBandHeight : 0;
  const int bottom = itemsRect.bottom - band;
  int y = itemsRect.top + band;
  int shown = 0;
  const int start = std::max(visibleStart, 0);
  for (std::size_t i = std::size_t(start); i < heights.size(); ++i) {
    const Rect r{itemsRect.left, y, itemsRect.right, y + heights[i]};
    if (r.bottom > bottom) break;  // this and every later item stay hidden
    itemSlots[i] = {r, true};
    y = r.bottom;
    ++shown;
  }
  return shown;
}

int LastPageStart(const Rect& itemsRect, const std::vector<int>& heights) {
  const int room = itemsRect.height() - 2 * kScrollBandHeight;
  int used = 0;
  int start = int(heights.size());
  while (start > 0 && used + heights[std::size_t(start - 1)] <= room) {
    used += heights[std::size_t(start - 1)];
    --start;
  }
  return start;
}

Point PlacePopup(const PlacementInput& in) {
  const Rect& R = in.anchor;
  const Rect& WA = in.workArea;
  const int H = in.height;
  const int W = in.width;
  const bool upperHalf = R.top < WA.top + WA.height() / 2;
  bool moved = false;
  int top = 0;
  if (in.scrolling && !in.limited) {
    top = WA.top;
  } else if (in.submenu) {
    top = R.top - in.itemsTop;  // first item level with the parent item
    if (top + H > WA.bottom) {
      moved = true;
      top = upperHalf ? WA.bottom - H : R.bottom - H + in.itemsTop;
      top = std::max(top, WA.top);
    }
  } else if (in.popupUp) {
    top = R.top - H;
    if (top < WA.top) {
      moved = true;
      top = upperHalf ? std::min(R.bottom, WA.bottom - H) : WA.top;
    }
  } else {
    top = R.bottom;
    if (top + H > WA.bottom) {
      if (upperHalf) {
        moved = true;
        top = WA.bottom - H;
      } else {
        top = R.top - H;  // simply opens above the anchor
        if (top < WA.top) {
          moved = true;
          top = WA.top;
        }
      }
    }
  }
  int left = 0;
  const bool besideAnchor = in.submenu || (in.scrolling && !in.limited) || moved;
  if (!besideAnchor) {
    left = R.left;
    if (left + W > WA.right) left = WA.right - W;
    left = std::max(left, WA.left);
  } else {
    left = (R.right + 1 + W <= WA.right) ? R.right + 1 : R.left - W - 1;
  }
  return {left, top};
}

}  // namespace lq
