#include "skin/data/bitmap.h"

#include <algorithm>

namespace lq {

void Bitmap::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = StrideFor(width_);
  data_.assign(std::size_t(stride_) * height_, 0);
}

void Bitmap::fill(Color c) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) setPixel(x, y, c);
}

}  // namespace lq
