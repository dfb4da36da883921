#include "skin/data/vector_glyphs.h"

#include <cstdlib>

#include "skin/data/blit.h"

namespace lq {

void AddLine(GlyphShape& shape, Point from, Point to) {
  int x = from.x, y = from.y;
  const int dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
  const int sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
  int err = dx + dy;
  while (x != to.x || y != to.y) {
    shape.push_back({x, y, x + 1, y + 1});
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void AddFrame(GlyphShape& shape, const Rect& r) {
  if (r.isEmpty()) return;
  shape.push_back({r.left, r.top, r.right, r.top + 1});
  shape.push_back({r.left, r.bottom - 1, r.right, r.bottom});
  shape.push_back({r.left, r.top, r.left + 1, r.bottom});
  shape.push_back({r.right - 1, r.top, r.right, r.bottom});
}

namespace {

// Horizontal pixel run from x0 to x1 inclusive.
Rect Run(int x0, int x1, int y) {
  return {x0, y, x1 + 1, y + 1};
}
Rect Column(int x, int y0, int y1) {
  return {x, y0, x + 1, y1 + 1};
}

}  // namespace

GlyphShape CloseGlyph(int x, int y) {
  GlyphShape s;
  AddLine(s, {x + 1, y + 1}, {x + 9, y + 9});
  AddLine(s, {x + 9, y + 1}, {x + 1, y + 9});
  AddLine(s, {x + 2, y + 1}, {x + 10, y + 9});
  AddLine(s, {x + 8, y + 1}, {x, y + 9});
  return s;
}

GlyphShape MaximizeGlyph(int x, int y) {
  GlyphShape s;
  AddFrame(s, {x, y, x + 11, y + 10});
  s.push_back(Run(x, x + 10, y + 1));
  return s;
}

GlyphShape RestoreGlyph(int x, int y) {
  GlyphShape s;
  AddFrame(s, {x + 2, y, x + 10, y + 6});
  s.push_back(Run(x + 2, x + 9, y + 1));
  AddFrame(s, {x, y + 4, x + 7, y + 10});
  s.push_back(Run(x, x + 6, y + 5));
  return s;
}

GlyphShape MinimizeGlyph(int x, int y) {
  return {Run(x + 1, x + 9, y + 8), Run(x + 1, x + 9, y + 9)};
}

GlyphShape RollUpGlyph(int x, int y) {
  GlyphShape s;
  for (int k = 0; k < 5; ++k) s.push_back(Run(x + k, x + 8 - k, y + 2 + k));
  return s;
}

GlyphShape RollDownGlyph(int x, int y) {
  GlyphShape s;
  for (int k = 0; k < 5; ++k) s.push_back(Run(x + k, x + 8 - k, y + 6 - k));
  return s;
}

GlyphShape SysMenuGlyph(int x, int y) {
  GlyphShape s;
  AddFrame(s, {x + 1, y + 3, x + 9, y + 6});
  return s;
}

GlyphShape TrayGlyph(int x, int y) {
  return {{x + 2, y + 2, x + 7, y + 7}};
}

GlyphShape CheckMarkGlyph(int x, int y) {
  GlyphShape s;
  for (int i = 0; i < 3; ++i) {
    AddLine(s, {x, y + 5 - i}, {x + 2, y + 7 - i});
    AddLine(s, {x + 2, y + 7 - i}, {x + 7, y + 2 - i});
  }
  return s;
}

GlyphShape RadioDotGlyph(int x, int y) {
  return {{x, y, x + 6, y + 6}};
}

GlyphShape DropArrowGlyph(int x, int y) {
  return {Run(x, x + 4, y), Run(x + 1, x + 3, y + 1), Run(x + 2, x + 2, y + 2)};
}

GlyphShape DirectionArrowGlyph(const Rect& rect, ArrowDirection direction) {
  GlyphShape s;
  const bool across = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
  const int boxW = across ? 4 : 7, boxH = across ? 7 : 4;
  const int x0 = rect.left + (rect.width() - boxW) / 2;
  const int y0 = rect.top + (rect.height() - boxH) / 2;
  for (int k = 0; k < 4; ++k) {
    switch (direction) {
      case ArrowDirection::Left:
        s.push_back(Column(x0 + k, y0 + 3 - k, y0 + 3 + k));
        break;
      case ArrowDirection::Right:
        s.push_back(Column(x0 + k, y0 + k, y0 + 6 - k));
        break;
      case ArrowDirection::Up:
        s.push_back(Run(x0 + 3 - k, x0 + 3 + k, y0 + k));
        break;
      case ArrowDirection::Down:
        s.push_back(Run(x0 + k, x0 + 6 - k, y0 + k));
        break;
      default:
        return s;
    }
  }
  return s;
}

Frame3DShape Frame3DGlyph(const Rect& r) {
  Frame3DShape f;
  if (r.isEmpty()) return f;
  f.light.push_back({r.left, r.top, r.right - 1, r.top + 1});
  f.light.push_back({r.left, r.top, r.left + 1, r.bottom - 1});
  f.dark.push_back({r.right - 1, r.top, r.right, r.bottom});
  f.dark.push_back({r.left, r.bottom - 1, r.right, r.bottom});
  return f;
}

void DrawGlyph(Bitmap& target, const GlyphShape& shape, Color color) {
  for (const Rect& r : shape) FillRect(target, r, color);
}

void DrawFrame3D(Bitmap& target, const Rect& rect, Color light, Color dark) {
  Frame3DShape f = Frame3DGlyph(rect);
  DrawGlyph(target, f.light, light);
  DrawGlyph(target, f.dark, dark);
}

}  // namespace lq
