#pragma once
// Monitor geometry and window transparency over Qt's screens and window opacity.

#include <QRect>

class QWidget;

namespace lq {

// The work area (workArea true: without panels and docks) or the whole area of the screen
// that holds the window; the primary screen when the window has none yet. An empty rect when
// there is no screen at all.
QRect GetMonitorWorkArea(const QWidget* window, bool workArea);
// Sets the window's constant alpha (0 transparent .. 255 opaque); values outside are clamped.
void SetWindowAlpha(QWidget* window, int alpha);

}  // namespace lq
