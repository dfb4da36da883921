#pragma once
// A window shape as a list of rectangles (what mask pictures turn into).
// Rectangles may overlap; containment and conversion to QRegion treat it as a union.

#include <vector>

#include "skin/data/geometry.h"

namespace lq {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& r) {
    if (!r.isEmpty()) rects_.push_back(r);
  }

  const std::vector<Rect>& rects() const { return rects_; }
  bool isEmpty() const { return rects_.empty(); }
  void addRect(const Rect& r) {
    if (!r.isEmpty()) rects_.push_back(r);
  }
  void translate(int dx, int dy) {
    for (Rect& r : rects_) r = r.translated(dx, dy);
  }
  bool contains(int x, int y) const {
    for (const Rect& r : rects_)
      if (r.contains(x, y)) return true;
    return false;
  }
  Rect boundingRect() const;
  // Adds every rectangle of the other region (a set union when the callers'
  // rectangles do not overlap, which holds for the strips of one frame).
  void unite(const Region& other) {
    rects_.insert(rects_.end(), other.rects_.begin(), other.rects_.end());
  }

 private:
  std::vector<Rect> rects_;
};

}  // namespace lq
