#pragma once
// A minimal PNG encoder for Bitmaps: 8-bit RGB (or RGBA with an alpha plane), no interlace,
// filter type 0 on every row, image data deflated with zlib. Enough to save composed skin
// images for inspection and the program's icons.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"

namespace lq {

// Encodes the bitmap; false with a message for an empty bitmap or a zlib failure.
bool EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& out, std::string& error);
// With an alpha plane: one byte per pixel, rows top-down without padding (0 = transparent).
// False with a message when the plane's size does not match the bitmap.
bool EncodePng(const Bitmap& bitmap, const std::vector<std::uint8_t>& alpha,
               std::vector<std::uint8_t>& out, std::string& error);
// Writes encoded PNG bytes to `path`; false with a message when that fails.
bool WritePngBytes(const std::vector<std::uint8_t>& png, const std::string& path,
                   std::string& error);
// Encodes and writes to `path`; false with a message when that fails.
bool WritePngFile(const Bitmap& bitmap, const std::string& path, std::string& error);

}  // namespace lq
