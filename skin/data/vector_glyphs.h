#pragma once
// The small glyphs of the default look (caption buttons, check marks, arrows), as lists of
// pixel rectangles so that the Bitmap and the Qt painter draw exactly the same pixels.
// x, y is the top-left of the glyph box. Lines follow the pen rule of the window system:
// the start pixel is drawn, the end pixel is not.

#include <vector>

#include "skin/data/bitmap.h"

namespace lq {

using GlyphShape = std::vector<Rect>;

GlyphShape CloseGlyph(int x, int y);
GlyphShape MaximizeGlyph(int x, int y);
GlyphShape RestoreGlyph(int x, int y);
GlyphShape MinimizeGlyph(int x, int y);
GlyphShape RollUpGlyph(int x, int y);    // triangle pointing down
GlyphShape RollDownGlyph(int x, int y);  // triangle pointing up
GlyphShape SysMenuGlyph(int x, int y);
GlyphShape TrayGlyph(int x, int y);
GlyphShape CheckMarkGlyph(int x, int y);
GlyphShape RadioDotGlyph(int x, int y);
GlyphShape DropArrowGlyph(int x, int y);

enum class ArrowDirection : int { Left = 1, Right = 2, Up = 3, Down = 4 };
// A four-line triangle centred in rect; unknown directions give nothing.
GlyphShape DirectionArrowGlyph(const Rect& rect, ArrowDirection direction);

// The outline of rect: light on top and left, dark on right and bottom (the dark pixels
// take the top-right and bottom-left corners).
struct Frame3DShape {
  GlyphShape light;
  GlyphShape dark;
};
Frame3DShape Frame3DGlyph(const Rect& rect);

// A 1-pixel pen line from `from` to `to`, end pixel excluded.
void AddLine(GlyphShape& shape, Point from, Point to);
// The 1-pixel outline of r (right and bottom exclusive).
void AddFrame(GlyphShape& shape, const Rect& r);

void DrawGlyph(Bitmap& target, const GlyphShape& shape, Color color);
void DrawFrame3D(Bitmap& target, const Rect& rect, Color light, Color dark);

}  // namespace lq
