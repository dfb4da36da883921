#pragma once
// Windows bitmap files, read and written by our own code. A picture keeps the bit depth
// and colour table it was read with, so it can be written back in the same form; all
// drawing uses its 24-bit pixels.
//
// Reading accepts 1, 4, 8, 24 and 32 bits per pixel (32 with or without bit-field masks),
// bottom-up and top-down rows, and the core (12-byte), info (40-byte) and larger V2-V5
// headers. Pictures wider or higher than kMaxBmpSide pixels are refused.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"

namespace lq {

constexpr int kMaxBmpSide = 16384;
constexpr std::uint64_t kMaxBmpPixels = std::uint64_t(kMaxBmpSide) * kMaxBmpSide;

struct BmpPicture {
  Bitmap pixels;               // 24-bit pixels used for drawing
  int bitsPerPixel = 24;       // as read: 1, 4, 8, 24 or 32; written back as 1, 4, 8 or 24
  std::vector<Color> palette;  // colour table (1/4/8 bits)
};

// Reads one complete BMP file from data[0..size), consuming exactly its own bytes: the
// file size its header states, or the end of its pixel rows when that size is 0.
// Pictures of more than `maxPixels` pixels are refused before anything is allocated.
// On failure returns false with `error` saying what was wrong; `out` is then unspecified.
bool ReadBmp(const std::uint8_t* data, std::size_t size, BmpPicture& out, std::size_t& consumed,
             std::string& error, std::uint64_t maxPixels = kMaxBmpPixels);

// Writes a BMP file with a 40-byte info header. 1/4/8-bit pictures keep their colour table
// (a colour missing from it is added while the table has room, otherwise it takes the
// nearest entry); without a table, one is made from the picture's colours when they fit,
// otherwise the file is written at 24 bits. 32-bit pictures are written at 24 bits.
std::vector<std::uint8_t> WriteBmp(const BmpPicture& picture);

// Convenience: a picture of a plain bitmap written at 24 bits.
inline std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
  BmpPicture p;
  p.pixels = bitmap;
  return WriteBmp(p);
}

}  // namespace lq
