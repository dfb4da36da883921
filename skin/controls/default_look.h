#pragma once
// Drawing helpers of the built-in default look, shared by the unbound controls.

#include <QPainter>
#include <QRect>
#include <QString>

#include "skin/controls/control_style.h"
#include "skin/qt/text.h"
#include "skin/qt/vector_glyph_painter.h"

namespace lq {

// One-pixel outline: light on top and left, dark on right and bottom.
void DrawControlFrame(QPainter& p, const QRect& r, Color light, Color dark);
// Outline and fill of a default-look part.
void DrawFramedFill(QPainter& p, const QRect& r, Color frame, Color fill);
// A push part of the default look: plain, hot (lit navy) or pressed (darker, navy).
void DrawDefaultPart(QPainter& p, const QRect& r, bool hot, bool down);
}  // namespace lq
