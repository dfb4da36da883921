#include "skin/data/fbitmap.h"

namespace lq {

LqFBitmap::LqFBitmap(const Bitmap& source) : bitmap_(source) {
  rows_.reserve(std::size_t(bitmap_.height()));
  for (int y = 0; y < bitmap_.height(); ++y) rows_.push_back(bitmap_.row(y));
}

}  // namespace lq
