#pragma once
// Window shapes from mask pictures: every pure black pixel (blue, green and red all 0) is
// inside, every other colour outside. Each row's maximal runs of black pixels become one
// rectangle each; rows are not merged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/image_compose.h"
#include "skin/data/region.h"

namespace lq {

// A mask yields at most this many rectangles. Past it, the rows that no longer fit are
// kept whole: one rectangle spanning the mask's full width from the first such row to the
// bottom. A window shaped by an over-detailed mask thus loses holes, never visible parts.
constexpr std::size_t kMaxMaskRects = 10000;

// Rectangle list of a mask in the layout of a region-data block: a 32-byte header (header
// size, type 1, count, 0, bounding rectangle) followed by 16 bytes per rectangle.
struct RegionData {
  Rect bounds;
  std::vector<Rect> rects;
  // 0 for an empty mask, else 32 + 16 * number of rectangles.
  std::size_t byteSize() const;
  // The block itself, little-endian 32-bit integers; empty for an empty mask.
  std::vector<std::uint8_t> bytes() const;
  Region toRegion() const;
};

// The black pixels of `mask` moved by (xOffset, yOffset).
RegionData MaskToRegionData(const Bitmap& mask, int xOffset, int yOffset);
// The black pixels of the whole mask picture.
Region MaskToRegion(const Bitmap& mask);

// Four mask strips, cut exactly like BuildBorderStrips but around the mask rectangle:
// `source.client` is the mask rectangle (relative to maskRect's picture rectangle r) and
// `target.client` its counterpart in the window.
void BuildMaskBorderStrips(const FrameGeometry& source, const FrameGeometry& target,
                           const FrameFlags& flags, int width, int height, const Rect& r,
                           const Bitmap& mask, BorderStrips& out);

// The shape of a width x height window: the target mask rectangle (target.client) plus the
// black pixels of the four mask strips placed around it. No region (nullopt) when the target
// is inverted (right-top left of left-top, or left-bottom above left-top).
std::optional<Region> BuildFramedRegion(const FrameGeometry& source, const FrameGeometry& target,
                                        const FrameFlags& flags, int width, int height,
                                        const Rect& r, const Bitmap& mask);

}  // namespace lq
