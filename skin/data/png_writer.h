#pragma once
// A minimal PNG encoder for Bitmaps: 8-bit RGB, no interlace, filter type 0 on every row,
// image data deflated with zlib. Enough to save composed skin images for inspection.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"

namespace lq {

// Encodes the bitmap; false with a message for an empty bitmap or a zlib failure.
bool EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& out, std::string& error);
// Encodes and writes to `path`; false with a message when that fails.
bool WritePngFile(const Bitmap& bitmap, const std::string& path, std::string& error);

}  // namespace lq
