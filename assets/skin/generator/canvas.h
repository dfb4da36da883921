#pragma once
// Small anti-aliased painting kit for the skin art: gradients, rounded boxes, lines and
// triangles on lq::Bitmap. Coordinates are pixel edges; pixel (x, y) covers [x, x+1).

#include <vector>

#include "skin/data/bitmap.h"

namespace lq::art {

// Linear mix of two colours: t = 0 gives a, t = 1 gives b.
Color Mix(Color a, Color b, double t);

// A gradient as stops at positions 0..1.
struct Stop {
  double at;
  Color color;
};
using Gradient = std::vector<Stop>;
Color GradientAt(const Gradient& g, double t);
inline Gradient Solid(Color c) {
  return {{0, c}, {1, c}};
}

void Fill(Bitmap& bmp, const Rect& r, Color c);
// Rows of r take the gradient from top (t = 0) to bottom (t = 1).
void FillVGradient(Bitmap& bmp, const Rect& r, const Gradient& g);
// Columns of r take the gradient from left to right.
void FillHGradient(Bitmap& bmp, const Rect& r, const Gradient& g);
void BlendPixel(Bitmap& bmp, int x, int y, Color c, double alpha);

enum Corners : unsigned {
  kTopLeft = 1,
  kTopRight = 2,
  kBottomLeft = 4,
  kBottomRight = 8,
  kTopCorners = kTopLeft | kTopRight,
  kAllCorners = 15,
};

// How much of pixel (x, y) a rounded rectangle covers, 0..1.
double RoundRectCoverage(const Rect& r, double radius, unsigned corners, int x, int y);

// A rounded box: a one-pixel border, an optional one-pixel inner ring (a highlight), and a
// fill whose gradient runs over the box's rows (or columns when `horizontalFill`).
struct BoxStyle {
  double radius = 3;
  unsigned corners = kAllCorners;
  Color border = 0;
  Gradient fill;
  Color inner = 0;
  double innerAlpha = 0;
  bool horizontalFill = false;
};
void PaintBox(Bitmap& bmp, const Rect& r, const BoxStyle& style);

// An alpha mask the size of a bitmap, used to build glyphs from several strokes and
// composite them once in one colour.
class Mask {
 public:
  Mask(int width, int height) : w_(width), h_(height), a_(std::size_t(width) * height, 0.0) {}
  double at(int x, int y) const { return a_[std::size_t(y) * w_ + x]; }
  void put(int x, int y, double a);  // keeps the larger alpha
  void clear(const Rect& r);
  // Round-capped line between two points (pixel-space coordinates).
  void line(double x0, double y0, double x1, double y1, double width);
  void rect(const Rect& r);                // solid pixels
  void frame(const Rect& r, int top = 1);  // one-pixel outline, `top` rows thick at the top
  void triangle(double x0, double y0, double x1, double y1, double x2, double y2);
  void disc(double cx, double cy, double radius);
  // Draws the mask at (dx, dy) in one colour.
  void paint(Bitmap& bmp, int dx, int dy, Color c, double alpha = 1.0) const;

 private:
  int w_, h_;
  std::vector<double> a_;
};

// Copies src's rectangle s to (dx, dy) in dst.
void CopyRect(Bitmap& dst, int dx, int dy, const Bitmap& src, const Rect& s);
// The bitmap mirrored over its main diagonal (x and y swapped).
Bitmap Transposed(const Bitmap& src);

}  // namespace lq::art
