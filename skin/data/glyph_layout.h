#pragma once
// Placement of a button's glyph and caption inside its rectangle.

#include "skin/data/geometry.h"

namespace lq {

enum class GlyphLayout : int { Left = 0, Right = 1, Top = 2, Bottom = 3 };

struct GlyphTextPlacement {
  Point glyph;  // top-left of the glyph
  Point text;   // top-left of the caption
  friend bool operator==(const GlyphTextPlacement&, const GlyphTextPlacement&) = default;
};

// margin -1 centres glyph and text as one block; margin >= 0 puts the glyph that far from
// the edge named by layout, the text after it at `spacing`. Spacing counts only when there
// is a glyph (glyphWidth > 0). Divisions truncate toward zero. Unknown layouts act as left.
GlyphTextPlacement LayoutGlyphAndText(GlyphLayout layout, const Rect& rect, int glyphWidth,
                                      int glyphHeight, int margin, int spacing, int textWidth,
                                      int textHeight);

}  // namespace lq
