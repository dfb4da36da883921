#include "skin/data/glyph_layout.h"

namespace lq {

GlyphTextPlacement LayoutGlyphAndText(GlyphLayout layout, const Rect& rect, int gw, int gh,
                                      int margin, int spacing, int tw, int th) {
  if (gw == 0) spacing = 0;
  const int cx = rect.left + rect.width() / 2;
  const int cy = rect.top + rect.height() / 2;
  GlyphTextPlacement p;
  const bool horizontal = layout != GlyphLayout::Top && layout != GlyphLayout::Bottom;
  if (horizontal) {
    p.glyph.y = cy - gh / 2;
    p.text.y = cy - th / 2;
  } else {
    p.glyph.x = cx - gw / 2;
    p.text.x = cx - tw / 2;
  }
  if (margin != -1) {
    switch (layout) {
      case GlyphLayout::Right:
        p.glyph.x = rect.right - gw - margin;
        p.text.x = p.glyph.x - spacing - tw;
        break;
      case GlyphLayout::Top:
        p.glyph.y = rect.top + margin;
        p.text.y = p.glyph.y + gh + spacing;
        break;
      case GlyphLayout::Bottom:
        p.glyph.y = rect.bottom - gh - margin;
        p.text.y = p.glyph.y - spacing - th;
        break;
      default:
        p.glyph.x = rect.left + margin;
        p.text.x = rect.left + margin + gw + spacing;
        break;
    }
    return p;
  }
  const int hw = (gw + tw + spacing) / 2;
  const int hh = (gh + th + spacing) / 2;
  switch (layout) {
    case GlyphLayout::Right:
      p.text.x = cx - hw;
      p.glyph.x = cx + hw - gw;
      break;
    case GlyphLayout::Top:
      p.glyph.y = cy - hh;
      p.text.y = cy + hh - th;
      break;
    case GlyphLayout::Bottom:
      p.text.y = cy - hh;
      p.glyph.y = cy + hh - gh;
      break;
    default:
      p.glyph.x = cx - hw;
      p.text.x = cx + hw - tw;
      break;
  }
  return p;
}

}  // namespace lq
