#include "skin/dialogs/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace lq {

QImage DrawToolGlyph(ToolGlyph glyph) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter p(&image);
  const QColor ink(40, 70, 130);
  const QColor folder(230, 190, 70);
  p.setPen(QPen(ink, 1));
  switch (glyph) {
    case ToolGlyph::Back: {
      QPainterPath arrow;
      arrow.moveTo(2, 8);
      arrow.lineTo(8, 2);
      arrow.lineTo(8, 5);
      arrow.lineTo(14, 5);
      arrow.lineTo(14, 11);
      arrow.lineTo(8, 11);
      arrow.lineTo(8, 14);
      arrow.closeSubpath();
      p.fillPath(arrow, QColor(60, 140, 60));
      p.drawPath(arrow);
      break;
    }
    case ToolGlyph::Up: {
      p.fillRect(2, 6, 12, 8, folder);
      p.drawRect(2, 6, 11, 7);
      QPainterPath arrow;
      arrow.moveTo(8, 1);
      arrow.lineTo(12, 6);
      arrow.lineTo(10, 6);
      arrow.lineTo(10, 11);
      arrow.lineTo(6, 11);
      arrow.lineTo(6, 6);
      arrow.lineTo(4, 6);
      arrow.closeSubpath();
      p.fillPath(arrow, QColor(60, 140, 60));
      p.drawPath(arrow);
      break;
    }
    case ToolGlyph::NewFolder:
      p.fillRect(1, 5, 12, 9, folder);
      p.drawRect(1, 5, 11, 8);
      p.fillRect(1, 3, 5, 2, folder);
      p.setPen(QPen(QColor(200, 120, 0), 2));
      p.drawLine(13, 1, 13, 7);
      p.drawLine(10, 4, 15, 4);
      break;
    case ToolGlyph::ViewStyle:
      for (int y = 2; y < 14; y += 4) {
        p.fillRect(2, y, 3, 3, ink);
        p.fillRect(7, y + 1, 7, 1, ink);
      }
      break;
  }
  return image;
}

}  // namespace lq
