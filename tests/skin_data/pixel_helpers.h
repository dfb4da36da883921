#pragma once
// Test pictures whose every pixel tells where it came from.

#include "skin/data/bitmap.h"

namespace lq::testing {

// Pixel (x, y) is RGB(x, y, 77): any copy can be traced back to its source position.
inline Bitmap CoordinatePicture(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, RGB(x, y, 77));
  return b;
}

inline Color Source(int x, int y) {
  return RGB(x, y, 77);
}

}  // namespace lq::testing
