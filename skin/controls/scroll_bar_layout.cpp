#include "skin/controls/scroll_bar_layout.h"

#include <algorithm>
#include <cmath>

namespace lq {

int RoundEven(double v) {
  return int(std::nearbyint(v));
}

int ScrollBarMaxPosition(const ScrollBarRange& r) {
  return r.pageSize == 0 ? r.max : r.max - r.pageSize + 1;
}

int ClampScrollBarPosition(const ScrollBarRange& r, int wanted) {
  int v = std::min(wanted, ScrollBarMaxPosition(r));
  return std::max(v, r.min);
}

namespace {

// Axis-neutral view of a rectangle: "along" is y for vertical bars, x for horizontal ones.
struct Axis {
  bool vertical;
  int start(const Rect& r) const { return vertical ? r.top : r.left; }
  int end(const Rect& r) const { return vertical ? r.bottom : r.right; }
  int crossStart(const Rect& r) const { return vertical ? r.left : r.top; }
  int crossSize(const Rect& r) const { return vertical ? r.width() : r.height(); }
  int length(const Rect& r) const { return end(r) - start(r); }
  Rect make(int along0, int along1, int cross0, int cross1) const {
    return vertical ? Rect{cross0, along0, cross1, along1} : Rect{along0, cross0, along1, cross1};
  }
  Rect shift(const Rect& r, int d) const {
    return vertical ? r.translated(0, d) : r.translated(d, 0);
  }
};

// Thumb fraction along the travel; horizontal bars with a page wider than the
// range sit at the far end, vertical ones at the start.
double ThumbFraction(const ScrollBarRange& r, bool vertical) {
  if (r.pageSize > 0) {
    int divisor = r.max + 1 - r.pageSize - r.min;
    if (divisor > 0) return double(r.position - r.min) / divisor;
    return vertical ? 0.0 : 1.0;
  }
  if (r.max == r.min) return 0.0;
  return double(r.position - r.min) / double(r.max - r.min);
}

int PagedLength(int trackLength, const ScrollBarRange& r, int minimum) {
  int divisor = r.max - r.min + 1;
  int len = divisor == 0 ? 0 : RoundEven(double(trackLength) * r.pageSize / divisor);
  return std::max(len, minimum);
}

void PlaceThumb(ScrollBarLayout& l, const Axis& a, const ScrollBarRange& r, int thickness) {
  int half = l.thumbLength / 2;
  l.firstCentre = a.start(l.track) + half;
  l.lastCentre = a.end(l.track) - half;
  l.centreOffset = RoundEven(ThumbFraction(r, a.vertical) * (l.lastCentre - l.firstCentre));
  int centre = l.firstCentre + l.centreOffset;
  int cross0 = a.crossStart(l.track) + a.crossSize(l.track) / 2 - thickness / 2;
  l.thumb = a.make(centre - half, centre + half, cross0, cross0 + thickness);
}

}  // namespace

ScrollBarLayout LayoutSkinnedScrollBar(const ScrollBarSkin& s, bool vertical, int width, int height,
                                       const ScrollBarRange& range) {
  Axis a{vertical};
  ScrollBarLayout l;
  int thickness = a.crossSize(s.thumbrect);
  int minLength = s.thumbminsize != 0 ? s.thumbminsize : a.length(s.thumbrect);
  int grow = vertical ? height - s.skinrect.height() : width - s.skinrect.width();
  int fixedEnd = vertical ? s.leftbottompoint.y : s.righttoppoint.x;

  l.track = s.trackarea;
  if (vertical)
    l.track.bottom += grow;
  else
    l.track.right += grow;
  l.increase = s.upbuttonrect;
  l.decrease = s.downbuttonrect;
  if (a.start(l.increase) >= fixedEnd) l.increase = a.shift(l.increase, grow);
  if (a.start(l.decrease) >= fixedEnd) l.decrease = a.shift(l.decrease, grow);

  if (range.pageSize > 0)
    l.thumbLength = PagedLength(a.length(l.track), range, minLength);
  else
    l.thumbLength = s.thumbminpagesize != 0 ? s.thumbminpagesize : minLength;
  PlaceThumb(l, a, range, thickness);
  return l;
}

ScrollBarLayout LayoutDefaultScrollBar(bool vertical, int width, int height,
                                       const ScrollBarRange& range, int bothMarkerWidth) {
  Axis a{vertical};
  ScrollBarLayout l;
  if (vertical) {
    l.decrease = {1, 1, width - 1, 17};
    l.increase = {1, height - 17, width - 1, height - 1};
    l.track = {1, 17, width - 1, height - 17};
  } else {
    int usable = width - std::max(0, bothMarkerWidth);
    l.decrease = {1, 1, 17, height - 1};
    l.increase = {usable - 17, 1, usable - 1, height - 1};
    l.track = {17, 1, usable - 17, height - 1};
  }
  l.thumbLength = range.pageSize > 0 ? PagedLength(a.length(l.track), range, 16) : 16;
  PlaceThumb(l, a, range, a.crossSize(l.track));
  return l;
}

int ScrollBarDragPosition(const ScrollBarLayout& l, const ScrollBarRange& r, int startOffset,
                          int delta) {
  int travel = l.lastCentre - l.firstCentre;
  double fraction = travel > 0 ? double(startOffset + delta) / travel : 0.0;
  fraction = std::clamp(fraction, 0.0, 1.0);
  int span = r.pageSize > 0 ? r.max - r.min - r.pageSize + 1 : r.max - r.min;
  return r.min + RoundEven(fraction * span);
}

ScrollBarPart ScrollBarPartAt(const ScrollBarLayout& l, int x, int y, bool thumbVisible) {
  if (thumbVisible && l.thumb.contains(x, y)) return ScrollBarPart::Thumb;
  if (l.increase.contains(x, y)) return ScrollBarPart::Increase;
  if (l.decrease.contains(x, y)) return ScrollBarPart::Decrease;
  return ScrollBarPart::None;
}

}  // namespace lq
