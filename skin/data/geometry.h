#pragma once
// Rectangles and points in skin-picture pixels: right and bottom are exclusive.

#include <algorithm>

namespace lq {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  // Empty in the platform's sense: no width or no height.
  bool isEmpty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect intersected(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
           std::min(bottom, o.bottom)};
    return r.isEmpty() ? Rect{} : r;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect RectFromSize(int x, int y, int w, int h) {
  return {x, y, x + w, y + h};
}

}  // namespace lq
