#include "skin/qt/vector_glyph_painter.h"

#include "skin/qt/bridge.h"

namespace lq {

void DrawGlyph(QPainter& painter, const GlyphShape& shape, const QColor& color) {
  for (const Rect& r : shape) painter.fillRect(ToQRect(r), color);
}

void DrawFrame3D(QPainter& painter, const Rect& rect, const QColor& light, const QColor& dark) {
  Frame3DShape f = Frame3DGlyph(rect);
  DrawGlyph(painter, f.light, light);
  DrawGlyph(painter, f.dark, dark);
}

}  // namespace lq
