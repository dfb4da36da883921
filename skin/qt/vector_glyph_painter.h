#pragma once
// The default look's small glyphs on a QPainter, pixel for pixel as on a Bitmap.

#include <QColor>
#include <QPainter>

#include "skin/data/vector_glyphs.h"

namespace lq {

void DrawGlyph(QPainter& painter, const GlyphShape& shape, const QColor& color);

inline void DrawCloseGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, CloseGlyph(x, y), c);
}
inline void DrawMaximizeGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, MaximizeGlyph(x, y), c);
}
inline void DrawRestoreGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, RestoreGlyph(x, y), c);
}
inline void DrawMinimizeGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, MinimizeGlyph(x, y), c);
}
inline void DrawRollUpGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, RollUpGlyph(x, y), c);
}
inline void DrawRollDownGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, RollDownGlyph(x, y), c);
}
inline void DrawSysMenuGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, SysMenuGlyph(x, y), c);
}
inline void DrawTrayGlyph(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, TrayGlyph(x, y), c);
}
inline void DrawCheckMark(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, CheckMarkGlyph(x, y), c);
}
inline void DrawRadioDot(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, RadioDotGlyph(x, y), c);
}
inline void DrawDropArrow(QPainter& p, int x, int y, const QColor& c) {
  DrawGlyph(p, DropArrowGlyph(x, y), c);
}
inline void DrawDirectionArrow(QPainter& p, const Rect& r, ArrowDirection direction,
                               const QColor& c) {
  DrawGlyph(p, DirectionArrowGlyph(r, direction), c);
}
void DrawFrame3D(QPainter& painter, const Rect& rect, const QColor& light, const QColor& dark);

}  // namespace lq
