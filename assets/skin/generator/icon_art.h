#pragma once
// The program's icon, drawn with the skin's palette so that it matches the window: a tile
// in the caption's gloss with a falling "long tail" of bars and a magnifier searching it.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"

namespace lq::art {

// The square sizes of the icon theme's raster icons.
const std::vector<int>& AppIconSizes();

struct IconImage {
  Bitmap pixels;
  std::vector<std::uint8_t> alpha;  // one byte per pixel, rows top-down, 0 = transparent
};

// The icon at `size` x `size` pixels, with parts snapped to whole pixels.
IconImage DrawAppIcon(int size);

// The same icon as an SVG document, for the theme's scalable folder.
std::string AppIconSvg();

}  // namespace lq::art
