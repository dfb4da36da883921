#include "skin/data/blit.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace lq {

namespace {

// Source coordinate under the centre of target pixel i of a span of length d mapped from a
// span of length s starting at `start`.
int NearestSource(int i, int d, int s, int start) {
  return start + int((2 * std::int64_t(i) + 1) * s / (2 * std::int64_t(d)));
}

// For the target columns [from, to) of dstRect: the source column of each, or -1 when that
// column lies outside the source bitmap.
std::vector<int> SourceMap(int from, int to, int dstStart, int dstLen, int srcStart, int srcLen,
                           int srcLimit) {
  std::vector<int> map(std::size_t(std::max(0, to - from)));
  for (int t = from; t < to; ++t) {
    int s = NearestSource(t - dstStart, dstLen, srcLen, srcStart);
    map[std::size_t(t - from)] = (s >= 0 && s < srcLimit) ? s : -1;
  }
  return map;
}

void StretchImpl(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                 const Rect& clipRect, bool useKey, Color key) {
  if (dstRect.isEmpty() || srcRect.isEmpty() || dst.empty() || src.empty()) return;
  if (&dst == &src) {
    Bitmap copy = src;
    StretchImpl(dst, dstRect, copy, srcRect, clipRect, useKey, key);
    return;
  }
  const Rect clip = dstRect.intersected(dst.rect()).intersected(clipRect);
  if (clip.isEmpty()) return;
  const std::vector<int> xs = SourceMap(clip.left, clip.right, dstRect.left, dstRect.width(),
                                        srcRect.left, srcRect.width(), src.width());
  const std::uint8_t kb = std::uint8_t(ColorB(key)), kg = std::uint8_t(ColorG(key)),
                     kr = std::uint8_t(ColorR(key));
  int previousSourceRow = -1;
  int previousTargetRow = -1;
  for (int y = clip.top; y < clip.bottom; ++y) {
    int sy = NearestSource(y - dstRect.top, dstRect.height(), srcRect.height(), srcRect.top);
    if (sy < 0 || sy >= src.height()) continue;
    std::uint8_t* out = dst.row(y) + clip.left * 3;
    // Enlarging repeats source rows: reuse the row just produced instead of sampling again.
    if (!useKey && sy == previousSourceRow && previousTargetRow == y - 1) {
      std::memcpy(out, dst.row(y - 1) + clip.left * 3, std::size_t(clip.width()) * 3);
      previousTargetRow = y;
      continue;
    }
    const std::uint8_t* in = src.row(sy);
    for (std::size_t i = 0; i < xs.size(); ++i, out += 3) {
      if (xs[i] < 0) continue;
      const std::uint8_t* p = in + xs[i] * 3;
      if (useKey && p[0] == kb && p[1] == kg && p[2] == kr) continue;
      out[0] = p[0];
      out[1] = p[1];
      out[2] = p[2];
    }
    previousSourceRow = sy;
    previousTargetRow = y;
  }
}

}  // namespace

void CopyRect(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect) {
  if (&dst == &src) {
    Bitmap copy = src;
    CopyRect(dst, x, y, copy, srcRect);
    return;
  }
  Rect s = srcRect.intersected(src.rect());
  if (s.isEmpty()) return;
  x += s.left - srcRect.left;
  y += s.top - srcRect.top;
  Rect d = RectFromSize(x, y, s.width(), s.height()).intersected(dst.rect());
  if (d.isEmpty()) return;
  const int sx = s.left + (d.left - x), sy = s.top + (d.top - y);
  const std::size_t bytes = std::size_t(d.width()) * 3;
  for (int row = 0; row < d.height(); ++row)
    std::memcpy(dst.row(d.top + row) + d.left * 3, src.row(sy + row) + sx * 3, bytes);
}

void CopyRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  int w = std::min(dstRect.width(), srcRect.width());
  int h = std::min(dstRect.height(), srcRect.height());
  if (w <= 0 || h <= 0) return;
  CopyRect(dst, dstRect.left, dstRect.top, src, RectFromSize(srcRect.left, srcRect.top, w, h));
}

void StretchRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  StretchImpl(dst, dstRect, src, srcRect, dst.rect(), false, 0);
}

void StretchRect(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                 const Rect& clip) {
  StretchImpl(dst, dstRect, src, srcRect, clip, false, 0);
}

void TransparentStretch(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                        Color transparent) {
  StretchImpl(dst, dstRect, src, srcRect, dst.rect(), true, transparent);
}

Bitmap CropBitmap(const Bitmap& src, const Rect& r) {
  Rect s = r.intersected(src.rect());
  Bitmap out(s.width(), s.height());
  CopyRect(out, 0, 0, src, s);
  return out;
}

void EnsureSize(Bitmap& b, int width, int height) {
  if (b.width() != std::max(width, 0) || b.height() != std::max(height, 0)) b.resize(width, height);
}

void FillRect(Bitmap& b, const Rect& r, Color c) {
  Rect d = r.intersected(b.rect());
  for (int y = d.top; y < d.bottom; ++y)
    for (int x = d.left; x < d.right; ++x) b.setPixel(x, y, c);
}

}  // namespace lq
