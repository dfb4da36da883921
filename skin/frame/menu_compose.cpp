#include "skin/frame/menu_compose.h"

#include <algorithm>

namespace lq::compose {
namespace {

Rect Clip(const Rect& r, const Bitmap& b) {
  return r.intersected(b.rect());
}

}  // namespace

void Copy(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect) {
  const Rect s = Clip(srcRect, src);
  for (int sy = s.top; sy < s.bottom; ++sy) {
    const int dy = y + sy - srcRect.top;
    if (dy < 0 || dy >= dst.height()) continue;
    for (int sx = s.left; sx < s.right; ++sx) {
      const int dx = x + sx - srcRect.left;
      if (dx < 0 || dx >= dst.width()) continue;
      dst.setPixel(dx, dy, src.pixel(sx, sy));
    }
  }
}

void Stretch(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  const Rect s = Clip(srcRect, src);
  if (s.isEmpty() || dstRect.isEmpty()) return;
  const Rect d = Clip(dstRect, dst);
  for (int y = d.top; y < d.bottom; ++y) {
    const int sy = s.top + int((long long)(y - dstRect.top) * s.height() / dstRect.height());
    for (int x = d.left; x < d.right; ++x) {
      const int sx = s.left + int((long long)(x - dstRect.left) * s.width() / dstRect.width());
      dst.setPixel(x, y, src.pixel(sx, sy));
    }
  }
}

void Tile(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  const Rect s = Clip(srcRect, src);
  if (s.isEmpty() || dstRect.isEmpty()) return;
  const Rect d = Clip(dstRect, dst);
  for (int y = d.top; y < d.bottom; ++y) {
    const int sy = s.top + (y - dstRect.top) % s.height();
    for (int x = d.left; x < d.right; ++x)
      dst.setPixel(x, y, src.pixel(s.left + (x - dstRect.left) % s.width(), sy));
  }
}

void FillRect(Bitmap& dst, const Rect& r, Color c) {
  const Rect d = Clip(r, dst);
  for (int y = d.top; y < d.bottom; ++y)
    for (int x = d.left; x < d.right; ++x) dst.setPixel(x, y, c);
}

void FrameRect(Bitmap& dst, const Rect& r, Color c) {
  if (r.isEmpty()) return;
  FillRect(dst, {r.left, r.top, r.right, r.top + 1}, c);
  FillRect(dst, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  FillRect(dst, {r.left, r.top, r.left + 1, r.bottom}, c);
  FillRect(dst, {r.right - 1, r.top, r.right, r.bottom}, c);
}

Bitmap Blend(const Bitmap& a, const Bitmap& b, double t) {
  Bitmap out = a;
  if (a.width() != b.width() || a.height() != b.height()) return out;
  t = std::clamp(t, 0.0, 1.0);
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const Color ca = a.pixel(x, y), cb = b.pixel(x, y);
      auto mix = [t](int u, int v) { return int(u + (v - u) * t + 0.5); };
      out.setPixel(x, y,
                   RGB(mix(ColorR(ca), ColorR(cb)), mix(ColorG(ca), ColorG(cb)),
                       mix(ColorB(ca), ColorB(cb))));
    }
  return out;
}

Bitmap HStrip(const Bitmap& src, const Rect& r, int leftPart, int rightPart, int width,
              bool stretch) {
  Bitmap out(std::max(width, 0), std::max(r.height(), 0));
  if (out.empty() || r.isEmpty()) return out;
  if (leftPart > 0) Copy(out, 0, 0, src, {r.left, r.top, r.left + leftPart, r.bottom});
  if (rightPart > 0)
    Copy(out, width - rightPart, 0, src, {r.right - rightPart, r.top, r.right, r.bottom});
  Rect middle{r.left + leftPart, r.top, r.right - rightPart, r.bottom};
  if (middle.width() <= 0) middle.right = middle.left + 1;
  const Rect target{leftPart, 0, width - rightPart, r.height()};
  if (stretch)
    Stretch(out, target, src, middle);
  else
    Tile(out, target, src, middle);
  return out;
}

Bitmap Framed(const Bitmap& src, const Rect& R, const FrameSpec& s, int W, int H) {
  Bitmap out(std::max(W, 0), std::max(H, 0));
  if (out.empty() || src.empty() || s.rb.x == s.lt.x || s.rb.y == s.lt.y) return out;
  const int dx = W - R.width(), dy = H - R.height();
  const Point nlt = s.lt, nrt{s.rt.x + dx, s.rt.y}, nlb{s.lb.x, s.lb.y + dy},
              nrb{s.rb.x + dx, s.rb.y + dy};
  const Rect cr = s.client;
  const Rect ncr{cr.left, cr.top, cr.right + dx, cr.bottom + dy};
  auto src_ = [&](int l, int t, int r, int b) {
    return Rect{R.left + l, R.top + t, R.left + r, R.top + b};
  };
  auto edge = [&](const Rect& from, const Rect& to, bool stretch) {
    if (stretch)
      Stretch(out, to, src, from);
    else
      Tile(out, to, src, from);
  };
  edge(src_(s.lt.x, 0, s.rt.x, cr.top), {nlt.x, 0, nrt.x, ncr.top}, s.topStretch);
  edge(src_(s.lb.x, cr.bottom, s.rb.x, R.height()), {nlb.x, ncr.bottom, nrb.x, H}, s.bottomStretch);
  edge(src_(0, s.lt.y, cr.left, s.lb.y), {0, nlt.y, ncr.left, nlb.y}, s.leftStretch);
  edge(src_(cr.right, s.rt.y, R.width(), s.rb.y), {ncr.right, nrt.y, W, nrb.y}, s.rightStretch);
  auto corner = [&](int l, int t, int r, int b, int x, int y) {
    if (r > l && b > t) Copy(out, x, y, src, src_(l, t, r, b));
  };
  corner(0, 0, s.lt.x, cr.top, 0, 0);
  corner(0, cr.top, cr.left, s.lt.y, 0, ncr.top);
  corner(s.rt.x, 0, R.width(), cr.top, nrt.x, 0);
  corner(cr.right, cr.top, R.width(), s.rt.y, ncr.right, ncr.top);
  corner(0, s.lb.y, cr.left, R.height(), 0, nlb.y);
  corner(cr.left, cr.bottom, s.lb.x, R.height(), ncr.left, ncr.bottom);
  corner(s.rb.x, cr.bottom, R.width(), R.height(), nrb.x, ncr.bottom);
  corner(cr.right, s.rb.y, R.width(), cr.bottom, ncr.right, nrb.y);
  if (s.drawClient && !ncr.isEmpty()) {
    const Rect from = src_(cr.left, cr.top, cr.right, cr.bottom);
    if (s.clientStretch)
      Stretch(out, ncr, src, from);
    else
      Tile(out, ncr, src, from);
  }
  return out;
}

Region FramedRegion(const Bitmap& mask, const FrameSpec& spec, int width, int height) {
  Region region;
  const int dx = width - mask.width(), dy = height - mask.height();
  if (spec.rt.x + dx < spec.lt.x || spec.lb.y + dy < spec.lt.y) return region;
  FrameSpec s = spec;
  s.drawClient = false;
  const Bitmap framed = Framed(mask, mask.rect(), s, width, height);
  const Rect client{spec.client.left, spec.client.top, spec.client.right + dx,
                    spec.client.bottom + dy};
  for (int y = 0; y < framed.height(); ++y) {
    int x = 0;
    while (x < framed.width()) {
      const bool inside = framed.pixel(x, y) == 0 && !client.contains(x, y);
      if (!inside) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < framed.width() && framed.pixel(x, y) == 0 && !client.contains(x, y)) ++x;
      region.addRect({start, y, x, y + 1});
    }
  }
  region.addRect(client);
  return region;
}

}  // namespace lq::compose
