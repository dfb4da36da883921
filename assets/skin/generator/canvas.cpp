#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace lq::art {
namespace {

int Clamp255(double v) {
  return std::clamp(int(std::lround(v)), 0, 255);
}

double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}

// Signed distance from p to a rounded rectangle (negative inside).
double RoundRectDistance(const Rect& r, double radius, unsigned corners, double px, double py) {
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const bool left = px < cx, top = py < cy;
  const unsigned corner = top ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
  const double rad = (corners & corner) ? std::max(radius, 0.0) : 0.0;
  const double qx = std::abs(px - cx) - (r.width() / 2.0 - rad);
  const double qy = std::abs(py - cy) - (r.height() / 2.0 - rad);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - rad;
}

double SegmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
  const double vx = x1 - x0, vy = y1 - y0;
  const double len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((px - x0) * vx + (py - y0) * vy) / len2 : 0;
  t = Clamp01(t);
  return std::hypot(px - (x0 + t * vx), py - (y0 + t * vy));
}

bool InTriangle(double px, double py, double x0, double y0, double x1, double y1, double x2,
                double y2) {
  auto side = [&](double ax, double ay, double bx, double by) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  const double a = side(x0, y0, x1, y1), b = side(x1, y1, x2, y2), c = side(x2, y2, x0, y0);
  return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
}

}  // namespace

Color Mix(Color a, Color b, double t) {
  t = Clamp01(t);
  return RGB(Clamp255(ColorR(a) + (ColorR(b) - ColorR(a)) * t),
             Clamp255(ColorG(a) + (ColorG(b) - ColorG(a)) * t),
             Clamp255(ColorB(a) + (ColorB(b) - ColorB(a)) * t));
}

Color GradientAt(const Gradient& g, double t) {
  if (g.empty()) return 0;
  if (t <= g.front().at) return g.front().color;
  for (std::size_t i = 1; i < g.size(); ++i) {
    if (t <= g[i].at) {
      const double span = g[i].at - g[i - 1].at;
      return Mix(g[i - 1].color, g[i].color, span > 0 ? (t - g[i - 1].at) / span : 1.0);
    }
  }
  return g.back().color;
}

void Fill(Bitmap& bmp, const Rect& r, Color c) {
  const Rect a = r.intersected(bmp.rect());
  for (int y = a.top; y < a.bottom; ++y)
    for (int x = a.left; x < a.right; ++x) bmp.setPixel(x, y, c);
}

void FillVGradient(Bitmap& bmp, const Rect& r, const Gradient& g) {
  for (int y = r.top; y < r.bottom; ++y) {
    const double t = r.height() > 1 ? double(y - r.top) / (r.height() - 1) : 0.0;
    Fill(bmp, {r.left, y, r.right, y + 1}, GradientAt(g, t));
  }
}

void FillHGradient(Bitmap& bmp, const Rect& r, const Gradient& g) {
  for (int x = r.left; x < r.right; ++x) {
    const double t = r.width() > 1 ? double(x - r.left) / (r.width() - 1) : 0.0;
    Fill(bmp, {x, r.top, x + 1, r.bottom}, GradientAt(g, t));
  }
}

void BlendPixel(Bitmap& bmp, int x, int y, Color c, double alpha) {
  if (x < 0 || y < 0 || x >= bmp.width() || y >= bmp.height() || alpha <= 0) return;
  bmp.setPixel(x, y, Mix(bmp.pixel(x, y), c, alpha));
}

double RoundRectCoverage(const Rect& r, double radius, unsigned corners, int x, int y) {
  if (r.isEmpty()) return 0;
  return Clamp01(0.5 - RoundRectDistance(r, radius, corners, x + 0.5, y + 0.5));
}

void PaintBox(Bitmap& bmp, const Rect& r, const BoxStyle& s) {
  const Rect in1{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  const Rect in2{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const double outer = RoundRectCoverage(r, s.radius, s.corners, x, y);
      if (outer <= 0) continue;
      const double inner = RoundRectCoverage(in1, s.radius - 1, s.corners, x, y);
      const double t = s.horizontalFill
                           ? (r.width() > 1 ? double(x - r.left) / (r.width() - 1) : 0.0)
                           : (r.height() > 1 ? double(y - r.top) / (r.height() - 1) : 0.0);
      Color c = Mix(bmp.pixel(x, y), s.border, outer);
      c = Mix(c, GradientAt(s.fill, t), inner);
      if (s.innerAlpha > 0) {
        const double core = RoundRectCoverage(in2, s.radius - 2, s.corners, x, y);
        c = Mix(c, s.inner, (inner - core) * s.innerAlpha);
      }
      bmp.setPixel(x, y, c);
    }
  }
}

void Mask::put(int x, int y, double a) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  double& v = a_[std::size_t(y) * w_ + x];
  v = std::max(v, Clamp01(a));
}

void Mask::clear(const Rect& r) {
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, h_); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, w_); ++x)
      a_[std::size_t(y) * w_ + x] = 0;
}

void Mask::line(double x0, double y0, double x1, double y1, double width) {
  const int l = int(std::floor(std::min(x0, x1) - width)),
            r = int(std::ceil(std::max(x0, x1) + width));
  const int t = int(std::floor(std::min(y0, y1) - width)),
            b = int(std::ceil(std::max(y0, y1) + width));
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x)
      put(x, y, width / 2 - SegmentDistance(x + 0.5, y + 0.5, x0, y0, x1, y1) + 0.5);
}

void Mask::rect(const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) put(x, y, 1);
}

void Mask::frame(const Rect& r, int top) {
  rect({r.left, r.top, r.right, r.top + top});
  rect({r.left, r.bottom - 1, r.right, r.bottom});
  rect({r.left, r.top, r.left + 1, r.bottom});
  rect({r.right - 1, r.top, r.right, r.bottom});
}

void Mask::triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  const int l = int(std::floor(std::min({x0, x1, x2}))), r = int(std::ceil(std::max({x0, x1, x2})));
  const int t = int(std::floor(std::min({y0, y1, y2}))), b = int(std::ceil(std::max({y0, y1, y2})));
  constexpr int kSamples = 4;
  for (int y = t; y <= b; ++y) {
    for (int x = l; x <= r; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += InTriangle(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples, x0, y0, x1, y1,
                             x2, y2);
      put(x, y, double(hits) / (kSamples * kSamples));
    }
  }
}

void Mask::disc(double cx, double cy, double radius) {
  for (int y = int(cy - radius) - 1; y <= int(cy + radius) + 1; ++y)
    for (int x = int(cx - radius) - 1; x <= int(cx + radius) + 1; ++x)
      put(x, y, radius - std::hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5);
}

void Mask::paint(Bitmap& bmp, int dx, int dy, Color c, double alpha) const {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) BlendPixel(bmp, dx + x, dy + y, c, at(x, y) * alpha);
}

void CopyRect(Bitmap& dst, int dx, int dy, const Bitmap& src, const Rect& s) {
  for (int y = s.top; y < s.bottom; ++y)
    for (int x = s.left; x < s.right; ++x) {
      const int tx = dx + x - s.left, ty = dy + y - s.top;
      if (tx >= 0 && ty >= 0 && tx < dst.width() && ty < dst.height())
        dst.setPixel(tx, ty, src.pixel(x, y));
    }
}

Bitmap Transposed(const Bitmap& src) {
  Bitmap out(src.height(), src.width());
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x) out.setPixel(y, x, src.pixel(x, y));
  return out;
}

}  // namespace lq::art
