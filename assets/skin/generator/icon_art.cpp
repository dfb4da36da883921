#include "icon_art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "canvas.h"
#include "palette.h"

namespace lq::art {
namespace {

// The icon's parts at one size. Raster and SVG output share it, so they cannot drift apart.
struct IconLayout {
  Rect tile;
  double tileRadius;
  std::vector<Rect> bars;  // the long tail, tallest first
  double barRadius;
  double lensX, lensY, lensRadius, ringWidth;
  double handleX, handleY, handleWidth;  // the handle runs from the ring to this point
};

// Vertical gloss of the tile: the caption band's two-part gradient.
const Gradient& TileFace() {
  static const Gradient g = [] {
    Gradient out;
    for (const Stop& s : palette::kCaptionUpper) out.push_back({s.at * 0.5, s.color});
    for (const Stop& s : palette::kCaptionLower) out.push_back({0.5 + s.at * 0.5, s.color});
    return out;
  }();
  return g;
}

IconLayout LayoutFor(int size) {
  const double s = size;
  auto px = [&](double f) { return int(std::lround(f * s)); };
  IconLayout l;
  const int inset = std::max(1, px(1.0 / 16));
  l.tile = {inset, inset, size - inset, size - inset};
  l.tileRadius = 0.19 * s;
  // Four bars whose heights fall off like a long-tail distribution.
  const double heights[] = {0.50, 0.29, 0.18, 0.12};
  const int left = px(0.20), right = px(0.80), base = px(0.82);
  const int gap = std::max(1, px(0.035));
  const int barWidth = (right - left - 3 * gap) / 4;
  for (int i = 0; i < 4; ++i) {
    const int x = left + i * (barWidth + gap);
    l.bars.push_back({x, base - std::max(2, px(heights[i])), x + barWidth, base});
  }
  l.barRadius = std::max(0.5, 0.025 * s);
  l.lensX = 0.63 * s;
  l.lensY = 0.37 * s;
  l.lensRadius = 0.16 * s;
  l.ringWidth = std::max(1.4, 0.055 * s);
  l.handleX = 0.84 * s;
  l.handleY = 0.58 * s;
  l.handleWidth = std::max(1.8, 0.085 * s);
  return l;
}

// Start of the handle: where the ring meets the line towards the handle's end.
void HandleStart(const IconLayout& l, double* x, double* y) {
  const double dx = l.handleX - l.lensX, dy = l.handleY - l.lensY;
  const double len = std::hypot(dx, dy);
  *x = l.lensX + dx / len * l.lensRadius;
  *y = l.lensY + dy / len * l.lensRadius;
}

void PaintRing(Bitmap& bmp, const IconLayout& l, Color c) {
  const double half = l.ringWidth / 2;
  const int reach = int(std::ceil(l.lensRadius + half)) + 1;
  const int x0 = std::max(0, int(l.lensX) - reach),
            x1 = std::min(bmp.width(), int(l.lensX) + reach);
  const int y0 = std::max(0, int(l.lensY) - reach),
            y1 = std::min(bmp.height(), int(l.lensY) + reach);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const double d = std::hypot(x + 0.5 - l.lensX, y + 0.5 - l.lensY);
      const double cover = std::min(l.lensRadius + half - d, d - (l.lensRadius - half)) + 0.5;
      BlendPixel(bmp, x, y, c, std::clamp(cover, 0.0, 1.0));
    }
}

std::string Hex(Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", ColorR(c), ColorG(c), ColorB(c));
  return buf;
}

std::string SvgStops(const Gradient& g) {
  std::string out;
  for (const Stop& s : g)
    out += "<stop offset=\"" + std::to_string(s.at) + "\" stop-color=\"" + Hex(s.color) + "\"/>";
  return out;
}

}  // namespace

const std::vector<int>& AppIconSizes() {
  static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
  return sizes;
}

IconImage DrawAppIcon(int size) {
  const IconLayout l = LayoutFor(size);
  IconImage icon;
  // Outside the tile the colour is the border's, so scaled or blended edges stay clean.
  icon.pixels = Bitmap(size, size);
  icon.pixels.fill(palette::kFrameBorder);
  PaintBox(icon.pixels, l.tile,
           {.radius = l.tileRadius,
            .border = palette::kFrameBorder,
            .fill = TileFace(),
            .inner = palette::kFrameHighlight,
            .innerAlpha = size >= 32 ? 0.9 : 0.0});
  for (const Rect& bar : l.bars)
    PaintBox(icon.pixels, bar,
             {.radius = l.barRadius,
              .border = palette::kFocusBorder,
              .fill = palette::kFocusFace,
              .horizontalFill = false});
  Mask glass(size, size);
  glass.disc(l.lensX, l.lensY, l.lensRadius - l.ringWidth / 2);
  glass.paint(icon.pixels, 0, 0, palette::kWindow, 0.6);
  PaintRing(icon.pixels, l, palette::kGlyph);
  double hx, hy;
  HandleStart(l, &hx, &hy);
  Mask handle(size, size);
  handle.line(hx, hy, l.handleX, l.handleY, l.handleWidth);
  handle.paint(icon.pixels, 0, 0, palette::kGlyph);

  icon.alpha.resize(std::size_t(size) * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      icon.alpha[std::size_t(y) * size + x] = std::uint8_t(
          std::lround(255 * RoundRectCoverage(l.tile, l.tileRadius, kAllCorners, x, y)));
  return icon;
}

std::string AppIconSvg() {
  const int size = 256;
  const IconLayout l = LayoutFor(size);
  auto num = [](double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return std::string(buf);
  };
  auto rect = [&](const Rect& r, double radius, const std::string& fill, Color stroke) {
    return "<rect x=\"" + num(r.left + 0.5) + "\" y=\"" + num(r.top + 0.5) + "\" width=\"" +
           num(r.width() - 1) + "\" height=\"" + num(r.height() - 1) + "\" rx=\"" + num(radius) +
           "\" fill=\"" + fill + "\" stroke=\"" + Hex(stroke) + "\"/>\n";
  };
  double hx, hy;
  HandleStart(l, &hx, &hy);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n<defs>\n"
      "<linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">" +
      SvgStops(TileFace()) +
      "</linearGradient>\n"
      "<linearGradient id=\"bar\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">" +
      SvgStops(palette::kFocusFace) + "</linearGradient>\n</defs>\n";
  svg += rect(l.tile, l.tileRadius, "url(#tile)", palette::kFrameBorder);
  for (const Rect& bar : l.bars) svg += rect(bar, l.barRadius, "url(#bar)", palette::kFocusBorder);
  svg += "<circle cx=\"" + num(l.lensX) + "\" cy=\"" + num(l.lensY) + "\" r=\"" +
         num(l.lensRadius) + "\" fill=\"" + Hex(palette::kWindow) +
         "\" fill-opacity=\"0.6\" stroke=\"" + Hex(palette::kGlyph) + "\" stroke-width=\"" +
         num(l.ringWidth) + "\"/>\n";
  svg += "<line x1=\"" + num(hx) + "\" y1=\"" + num(hy) + "\" x2=\"" + num(l.handleX) + "\" y2=\"" +
         num(l.handleY) + "\" stroke=\"" + Hex(palette::kGlyph) + "\" stroke-width=\"" +
         num(l.handleWidth) + "\" stroke-linecap=\"round\"/>\n</svg>\n";
  return svg;
}

}  // namespace lq::art
