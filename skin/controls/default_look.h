#pragma once
// Drawing helpers of the built-in default look, shared by the unbound controls.

#include <QPainter>
#include <QRect>
#include <QString>

#include "skin/controls/control_style.h"

namespace lq {

// One-pixel outline: light on top and left, dark on right and bottom.
void DrawFrame3D(QPainter& p, const QRect& r, Color light, Color dark);
// Outline and fill of a default-look part.
void DrawFramedFill(QPainter& p, const QRect& r, Color frame, Color fill);
// Check mark of the default look: three stacked polylines from (x, y + 5 - i) through
// (x + 2, y + 7 - i) to (x + 7, y + 2 - i), i = 0..2.
void DrawCheckMark(QPainter& p, int x, int y, Color c);
// A filled 6 x 6 square.
void DrawRadioDot(QPainter& p, int x, int y, Color c);
// A 5-line triangle 9 wide, pointing down (rolled down) or up.
void DrawRollArrow(QPainter& p, int x, int y, bool pointingUp, Color c);

// The text cut from the end until it followed by "..." fits width ("..." when
// nothing fits); text that fits is returned unchanged.
QString TrimToWidth(const QFontMetrics& metrics, const QString& text, int width);

}  // namespace lq
