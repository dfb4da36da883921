#include "skin/data/region.h"

#include <algorithm>

namespace lq {

Rect Region::boundingRect() const {
  if (rects_.empty()) return {};
  Rect b = rects_.front();
  for (const Rect& r : rects_) {
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

}  // namespace lq
