#pragma once
// How an element image may be sized, decided by which of its corner points are set.

namespace lq {

enum class SliceMode : int {
  None = -1,       // empty skin rectangle: nothing to fit
  Fixed = 0,       // the element's own size only
  Both = 1,        // rightbottompoint set: stretches both ways
  Horizontal = 2,  // righttoppoint set: width only
  Vertical = 3,    // leftbottompoint set: height only
};

// The mode of anything that carries an element's skin rectangle and corner points (a
// descriptor or the geometry copied from one).
template <class Element>
SliceMode SliceModeOfPoints(const Element& e) {
  if (e.skinrect.isEmpty()) return SliceMode::None;
  if (e.rightbottompoint.x != 0 && e.rightbottompoint.y != 0) return SliceMode::Both;
  if (e.righttoppoint.x != 0 || e.righttoppoint.y != 0) return SliceMode::Horizontal;
  if (e.leftbottompoint.x != 0 || e.leftbottompoint.y != 0) return SliceMode::Vertical;
  return SliceMode::Fixed;
}

}  // namespace lq
