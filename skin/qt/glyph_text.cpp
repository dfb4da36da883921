#include "skin/qt/glyph_text.h"

#include "skin/data/glyph_layout.h"
#include "skin/qt/text.h"

namespace lq {

namespace {

// Measures the caption with word breaking in the space next to (or under) the glyph.
QSize MeasureCaption(QPainter& canvas, const QRect& rect, GlyphLayout layout, int gw, int gh,
                     const QString& caption) {
  if (caption.isEmpty()) return {0, 0};
  const bool across = layout == GlyphLayout::Top || layout == GlyphLayout::Bottom;
  QRect measure(0, 0, across ? rect.width() : rect.width() - gw,
                across ? rect.height() - gh : rect.height());
  DrawWideText(canvas, caption, measure,
               TextFlag::CalcRect | TextFlag::WordBreak | TextFlag::ExpandTabs);
  return measure.size();
}

// Lines at y - 2, y - 1 and y, `width` wide from x.
void MarkerLines(QPainter& canvas, int x, int y, int width, const QColor& color) {
  if (width > 0) canvas.fillRect(QRect(x, y - 2, width, 3), color);
}

struct Placed {
  QPoint glyph;
  QRect text;
};

Placed Place(QPainter& canvas, const QRect& rect, int margin, bool pressed, int gw, int gh,
             const QString& caption, GlyphLayout layout, int spacing) {
  const QSize text = MeasureCaption(canvas, rect, layout, gw, gh, caption);
  GlyphTextPlacement p =
      LayoutGlyphAndText(layout, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}, gw,
                         gh, margin, spacing, text.width(), text.height());
  const int shift = pressed ? 1 : 0;
  return {QPoint(p.glyph.x + shift, p.glyph.y + shift),
          QRect(p.text.x + shift, p.text.y + shift, text.width(), text.height())};
}

void DrawCaption(QPainter& canvas, const QRect& textRect, const QString& caption) {
  if (caption.isEmpty()) return;
  QRect r = textRect.adjusted(0, 0, 2, 0);
  DrawWideText(canvas, caption, r, TextFlag::Center | TextFlag::WordBreak | TextFlag::ExpandTabs);
}

}  // namespace

void DrawGlyphFrame(QPainter& canvas, int x, int y, int frameNumber, int frameCount,
                    const Bitmap& glyph) {
  if (glyph.empty() || frameCount < 1 || frameNumber < 1 || frameNumber > frameCount) return;
  const int fw = glyph.width() / frameCount, h = glyph.height();
  if (fw <= 0) return;
  const Color key = glyph.pixel(0, h - 1);
  QImage frame(fw, h, QImage::Format_ARGB32);
  const int x0 = (frameNumber - 1) * fw;
  for (int row = 0; row < h; ++row) {
    auto* out = reinterpret_cast<QRgb*>(frame.scanLine(row));
    for (int col = 0; col < fw; ++col) {
      const Color c = glyph.pixel(x0 + col, row);
      out[col] = c == key ? 0 : qRgb(ColorR(c), ColorG(c), ColorB(c));
    }
  }
  canvas.drawImage(x, y, frame);
}

void DrawImageListGlyphAndText(QPainter& canvas, const QRect& rect, int margin,
                               const QColor& markerColor, bool marker, bool enabled, bool pressed,
                               const ImageList* images, int imageIndex, const QString& caption,
                               GlyphLayout layout, int spacing) {
  const bool hasGlyph = images && images->IsValidIndex(imageIndex);
  const int gw = hasGlyph ? images->Width() : 0, gh = hasGlyph ? images->Height() : 0;
  const Placed at = Place(canvas, rect, margin, pressed, gw, gh, caption, layout, spacing);
  DrawCaption(canvas, at.text, caption);
  if (hasGlyph) images->Draw(canvas, at.glyph.x(), at.glyph.y(), imageIndex, enabled);
  if (!marker) return;
  if (hasGlyph)
    MarkerLines(canvas, at.glyph.x(), at.glyph.y() + gh, gw, markerColor);
  else if (!caption.isEmpty())
    MarkerLines(canvas, at.text.x(), at.text.y() + at.text.height(), at.text.width(), markerColor);
  else
    canvas.fillRect(QRect(QPoint(rect.left() + 4, rect.top() + 4),
                          QPoint(rect.right() + 1 - 2 - 1, rect.bottom() + 1 - 4 - 1)),
                    markerColor);
}

void DrawBitmapGlyphAndText(QPainter& canvas, const QRect& rect, int margin,
                            const QColor& markerColor, bool marker, bool pressed, int frameNumber,
                            int frameCount, const Bitmap& glyph, const QString& caption,
                            GlyphLayout layout, int spacing) {
  const bool hasGlyph = !glyph.empty() && frameCount >= 1 && glyph.width() / frameCount > 0;
  const int gw = hasGlyph ? glyph.width() / frameCount : 0, gh = hasGlyph ? glyph.height() : 0;
  const Placed at = Place(canvas, rect, margin, pressed, gw, gh, caption, layout, spacing);
  DrawCaption(canvas, at.text, caption);
  if (hasGlyph) DrawGlyphFrame(canvas, at.glyph.x(), at.glyph.y(), frameNumber, frameCount, glyph);
  if (!marker) return;
  if (hasGlyph) {
    MarkerLines(canvas, at.glyph.x(), at.glyph.y() + gh, glyph.width(), markerColor);
  } else if (!caption.isEmpty()) {
    MarkerLines(canvas, at.text.x(), at.text.y() + at.text.height(), at.text.width(), markerColor);
  } else {
    const int down = pressed ? 1 : 0;
    canvas.fillRect(QRect(QPoint(rect.left() + 4, rect.top() + 4 + down),
                          QPoint(rect.right() + 1 - 2 - 1, rect.bottom() + 1 - 4 + down - 1)),
                    markerColor);
  }
}

}  // namespace lq
