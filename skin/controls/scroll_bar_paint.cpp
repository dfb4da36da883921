#include "skin/controls/scroll_bar_paint.h"

#include <QPainter>

#include "skin/controls/control_style.h"
#include "skin/controls/element_image.h"

namespace lq {

void DrawBitmapAt(QImage& canvas, int x, int y, const Bitmap& image, bool transparent, Color key) {
  if (image.empty()) return;
  QImage piece = ToImage(image);
  if (transparent) {
    piece = piece.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = qRgb(ColorR(key), ColorG(key), ColorB(key));
    for (int row = 0; row < piece.height(); ++row) {
      auto* line = reinterpret_cast<QRgb*>(piece.scanLine(row));
      for (int col = 0; col < piece.width(); ++col)
        if ((line[col] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) line[col] = 0;
    }
  }
  QPainter p(&canvas);
  p.drawImage(x, y, piece);
}

void DrawDefaultPart(QImage& canvas, const Rect& r, DefaultPartState state) {
  if (r.isEmpty()) return;
  QPainter p(&canvas);
  QColor frame = ControlColor(state == DefaultPartState::Normal ? clBtnShadow : kDefaultNavy);
  QColor fill = ControlColor(state == DefaultPartState::Down  ? kDefaultDownFill
                             : state == DefaultPartState::Hot ? kDefaultHotFill
                                                              : clBtnFace);
  p.fillRect(QRect(r.left, r.top, r.width(), r.height()), frame);
  if (r.width() > 2 && r.height() > 2)
    p.fillRect(QRect(r.left + 1, r.top + 1, r.width() - 2, r.height() - 2), fill);
}

void DrawArrow(QImage& canvas, const Rect& r, int direction) {
  if (r.isEmpty()) return;
  QPainter p(&canvas);
  const int cx = r.left + r.width() / 2, cy = r.top + r.height() / 2;
  // A solid triangle four pixels deep, drawn row by row so it stays pixel exact.
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case 0:
        p.fillRect(QRect(cx - 2 + i, cy - i, 1, 2 * i + 1), Qt::black);
        break;
      case 2:
        p.fillRect(QRect(cx + 1 - i, cy - i, 1, 2 * i + 1), Qt::black);
        break;
      case 1:
        p.fillRect(QRect(cx - i, cy - 2 + i, 2 * i + 1, 1), Qt::black);
        break;
      default:
        p.fillRect(QRect(cx - i, cy + 1 - i, 2 * i + 1, 1), Qt::black);
        break;
    }
  }
}

}  // namespace lq
