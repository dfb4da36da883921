#pragma once
// Small rectangle and point tests shared by the skin's layout code.

#include "skin/data/geometry.h"

namespace lq {

inline int RectWidth(const Rect& r) {
  return r.right - r.left;
}
inline int RectHeight(const Rect& r) {
  return r.bottom - r.top;
}
inline Rect NullRect() {
  return {};
}
// A rectangle with no area (width or height not positive) counts as null.
inline bool IsNullRect(const Rect& r) {
  return RectWidth(r) <= 0 || RectHeight(r) <= 0;
}
// A skin point with either coordinate 0 counts as "not set".
inline bool IsNullPoint(const Point& p) {
  return p.x == 0 || p.y == 0;
}
inline bool RectsEqual(const Rect& a, const Rect& b) {
  return a == b;
}
// Unlike Rect::contains, the right and bottom edges count as inside.
inline bool PointInRectInclusive(const Point& p, const Rect& r) {
  return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}
// Both corners of `inner` must lie in `outer` by the half-open rule (right and bottom
// excluded), so a rectangle touching the outer right or bottom edge is not inside.
inline bool RectInsideRect(const Rect& inner, const Rect& outer) {
  return outer.contains(inner.left, inner.top) && outer.contains(inner.right, inner.bottom);
}

}  // namespace lq
