#pragma once
// Buttons' glyph-and-caption drawing: an image-list glyph or one frame of a glyph strip,
// placed with LayoutGlyphAndText, with the optional marker lines of the default look.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "skin/data/bitmap.h"
#include "skin/data/glyph_layout.h"
#include "skin/qt/image_list.h"

namespace lq {

// Draws frame `frameNumber` (from 1) of a strip of `frameCount` frames side by side at
// (x, y). The strip's bottom-left pixel colour is transparent. Frames outside the strip
// draw nothing.
void DrawGlyphFrame(QPainter& canvas, int x, int y, int frameNumber, int frameCount,
                    const Bitmap& glyph);

// The caption is measured with word breaking in the space the glyph leaves, laid out with
// the glyph, moved by (1, 1) when pressed, and drawn centred in its rectangle (2 pixels
// wider) over the background. With `marker`: three lines of markerColor under the glyph
// (or under the caption without a glyph), or a filled block when there is neither.
void DrawImageListGlyphAndText(QPainter& canvas, const QRect& rect, int margin,
                               const QColor& markerColor, bool marker, bool enabled, bool pressed,
                               const ImageList* images, int imageIndex, const QString& caption,
                               GlyphLayout layout, int spacing);

// The same with one frame of a glyph strip; its marker lines span the whole strip, and the
// filled marker block moves down by one pixel when pressed.
void DrawBitmapGlyphAndText(QPainter& canvas, const QRect& rect, int margin,
                            const QColor& markerColor, bool marker, bool pressed, int frameNumber,
                            int frameCount, const Bitmap& glyph, const QString& caption,
                            GlyphLayout layout, int spacing);

}  // namespace lq
