#include "skin/data/mask_region.h"

namespace lq {

namespace {

void PutInt(std::vector<std::uint8_t>& out, std::int32_t v) {
  const auto u = std::uint32_t(v);
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
}

void PutRect(std::vector<std::uint8_t>& out, const Rect& r) {
  PutInt(out, r.left);
  PutInt(out, r.top);
  PutInt(out, r.right);
  PutInt(out, r.bottom);
}

bool IsBlack(const std::uint8_t* p) {
  return (p[0] | p[1] | p[2]) == 0;
}

}  // namespace

std::size_t RegionData::byteSize() const {
  if (bounds.isEmpty()) return 0;
  return 32 + 16 * rects.size();
}

std::vector<std::uint8_t> RegionData::bytes() const {
  std::vector<std::uint8_t> out;
  if (bounds.isEmpty()) return out;
  out.reserve(byteSize());
  PutInt(out, 32);  // header size
  PutInt(out, 1);   // rectangles
  PutInt(out, std::int32_t(rects.size()));
  PutInt(out, 0);
  PutRect(out, bounds);
  for (const Rect& r : rects) PutRect(out, r);
  return out;
}

Region RegionData::toRegion() const {
  Region region;
  for (const Rect& r : rects) region.addRect(r);
  return region;
}

RegionData MaskToRegionData(const Bitmap& mask, int xOffset, int yOffset) {
  RegionData data;
  if (mask.empty()) return data;
  xOffset = SaneCoordinate(xOffset);
  yOffset = SaneCoordinate(yOffset);
  const int w = mask.width(), h = mask.height();
  data.bounds = {xOffset, yOffset, xOffset + w, yOffset + h};
  std::vector<Rect>& rects = data.rects;
  std::vector<Rect> row;
  for (int y = 0; y < h; ++y) {
    row.clear();
    const std::uint8_t* p = mask.row(y);
    for (int x = 0; x < w;) {
      if (!IsBlack(p + 3 * x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < w && IsBlack(p + 3 * x)) ++x;
      row.push_back({start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
    }
    if (rects.size() + row.size() <= kMaxMaskRects) {
      rects.insert(rects.end(), row.begin(), row.end());
      continue;
    }
    // Over the limit: this row and everything below become one full-width rectangle. When
    // the list is already full, the previous row gives up its runs to make room for it.
    int fillFrom = y;
    if (rects.size() >= kMaxMaskRects) {
      const int lastRow = rects.back().top;
      while (!rects.empty() && rects.back().top == lastRow) rects.pop_back();
      fillFrom = lastRow - yOffset;
    }
    rects.push_back({xOffset, fillFrom + yOffset, xOffset + w, yOffset + h});
    break;
  }
  return data;
}

Region MaskToRegion(const Bitmap& mask) {
  return MaskToRegionData(mask, 0, 0).toRegion();
}

void BuildMaskBorderStrips(const FrameGeometry& source, const FrameGeometry& target,
                           const FrameFlags& flags, int width, int height, const Rect& r,
                           const Bitmap& mask, BorderStrips& out) {
  BuildBorderStrips(source, target, flags, width, height, r, mask, out);
}

std::optional<Region> BuildFramedRegion(const FrameGeometry& source,
                                        const FrameGeometry& unclampedTarget,
                                        const FrameFlags& flags, int width, int height,
                                        const Rect& r, const Bitmap& mask) {
  const FrameGeometry target = SaneFrameGeometry(unclampedTarget);
  if (target.righttop.x < target.lefttop.x || target.leftbottom.y < target.lefttop.y)
    return std::nullopt;
  BorderStrips strips;
  BuildMaskBorderStrips(source, target, flags, width, height, r, mask, strips);
  const Rect& m = target.client;
  Region region(m);
  auto add = [&region](const Bitmap& strip, int x, int y) {
    if (!strip.empty()) region.unite(MaskToRegionData(strip, x, y).toRegion());
  };
  add(strips.top, 0, 0);
  add(strips.bottom, 0, m.bottom);
  add(strips.left, 0, m.top);
  add(strips.right, m.right, m.top);
  return region;
}

}  // namespace lq
