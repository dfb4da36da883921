#pragma once
// A 24-bit picture: pixels blue, green, red; rows top-down, each padded to 4 bytes.
// Every skin pixel operation works on this type; the Qt layer wraps it without copying.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/geometry.h"

namespace lq {

// Colours are 0x00BBGGRR (red in the low byte), as stored in skin.ini.
using Color = std::uint32_t;
constexpr Color RGB(int r, int g, int b) {
  return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int ColorR(Color c) {
  return int(c & 0xFF);
}
constexpr int ColorG(Color c) {
  return int((c >> 8) & 0xFF);
}
constexpr int ColorB(Color c) {
  return int((c >> 16) & 0xFF);
}

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height) { resize(width, height); }

  // Resizes and clears to black. Negative sizes count as 0.
  void resize(int width, int height);
  void fill(Color c);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  // Bytes per row: width * 3 rounded up to a multiple of 4.
  int stride() const { return stride_; }
  static int StrideFor(int width) { return (width * 3 + 3) & ~3; }
  Rect rect() const { return {0, 0, width_, height_}; }

  std::uint8_t* row(int y) { return data_.data() + std::size_t(y) * stride_; }
  const std::uint8_t* row(int y) const { return data_.data() + std::size_t(y) * stride_; }
  std::uint8_t* bits() { return data_.data(); }
  const std::uint8_t* bits() const { return data_.data(); }
  std::size_t byteSize() const { return data_.size(); }

  Color pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + x * 3;
    return RGB(p[2], p[1], p[0]);
  }
  void setPixel(int x, int y, Color c) {
    std::uint8_t* p = row(y) + x * 3;
    p[0] = std::uint8_t(ColorB(c));
    p[1] = std::uint8_t(ColorG(c));
    p[2] = std::uint8_t(ColorR(c));
  }

  friend bool operator==(const Bitmap& a, const Bitmap& b) {
    return a.width_ == b.width_ && a.height_ == b.height_ && a.data_ == b.data_;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint8_t> data_;
};

}  // namespace lq
