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

}  // namespace lq
