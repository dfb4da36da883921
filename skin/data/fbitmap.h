#pragma once
// LqFBitmap: a 24-bit copy of a picture with a table of row addresses, for code that walks
// pixels row by row (mask scanning, effects) without per-pixel calls.

#include <cstdint>
#include <vector>

#include "skin/data/bitmap.h"

namespace lq {

class LqFBitmap {
 public:
  explicit LqFBitmap(const Bitmap& source);
  LqFBitmap(const LqFBitmap&) = delete;
  LqFBitmap& operator=(const LqFBitmap&) = delete;

  int Width() const { return bitmap_.width(); }
  int Height() const { return bitmap_.height(); }
  // width * 3 + width mod 4: the row length rounded up to a multiple of 4.
  int BytesPerRow() const { return bitmap_.stride(); }
  // Padding bytes at the end of each row (width mod 4).
  int Gap() const { return Width() % 4; }
  std::size_t TotalSize() const { return std::size_t(BytesPerRow()) * Height(); }

  std::uint8_t* Row(int y) { return rows_[std::size_t(y)]; }
  const std::uint8_t* Row(int y) const { return rows_[std::size_t(y)]; }
  const Bitmap& bitmap() const { return bitmap_; }

 private:
  Bitmap bitmap_;
  std::vector<std::uint8_t*> rows_;
};

}  // namespace lq
