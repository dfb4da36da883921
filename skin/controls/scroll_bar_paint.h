#pragma once
// Putting pieces of skin pictures and default-look parts onto a control's canvas;
// shared by the scroll bar, the list box and the splitter.

#include <QImage>

#include "skin/data/bitmap.h"

namespace lq {

// Draws image at (x, y); with transparent set, pixels of colour key are skipped.
void DrawBitmapAt(QImage& canvas, int x, int y, const Bitmap& image, bool transparent = false,
                  Color key = 0);

// One part of the built-in look: framed one pixel and filled by state.
enum class DefaultPartState { Normal, Hot, Down };
void DrawDefaultPart(QImage& canvas, const Rect& r, DefaultPartState state);

// A small black arrow centred in r, pointing in direction 0 left, 1 up, 2 right, 3 down.
void DrawArrow(QImage& canvas, const Rect& r, int direction);

}  // namespace lq
