#include "skin/controls/default_look.h"

#include <QFontMetrics>

namespace lq {

void DrawFrame3D(QPainter& p, const QRect& r, Color light, Color dark) {
  if (r.width() <= 0 || r.height() <= 0) return;
  const int l = r.left(), t = r.top(), rr = r.left() + r.width() - 1, b = r.top() + r.height() - 1;
  p.fillRect(QRect(l, t, r.width(), 1), ToQColor(light));
  p.fillRect(QRect(l, t, 1, r.height()), ToQColor(light));
  p.fillRect(QRect(rr, t, 1, r.height()), ToQColor(dark));
  p.fillRect(QRect(l, b, r.width(), 1), ToQColor(dark));
}

void DrawFramedFill(QPainter& p, const QRect& r, Color frame, Color fill) {
  p.fillRect(r, ToQColor(fill));
  DrawFrame3D(p, r, frame, frame);
}

void DrawCheckMark(QPainter& p, int x, int y, Color c) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(c), 1));
  for (int i = 0; i < 3; ++i) {
    p.drawLine(x, y + 5 - i, x + 2, y + 7 - i);
    p.drawLine(x + 2, y + 7 - i, x + 7, y + 2 - i);
  }
  p.restore();
}

void DrawRadioDot(QPainter& p, int x, int y, Color c) {
  p.fillRect(x, y, 6, 6, ToQColor(c));
}

void DrawRollArrow(QPainter& p, int x, int y, bool pointingUp, Color c) {
  for (int i = 0; i < 5; ++i) {
    const int width = 9 - 2 * i;
    const int row = pointingUp ? y + 6 - i : y + 2 + i;
    p.fillRect(x + i, row, width, 1, ToQColor(c));
  }
}

QString TrimToWidth(const QFontMetrics& metrics, const QString& text, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const QString dots = QStringLiteral("...");
  // Binary search for the longest prefix that fits with the dots: linear-time
  // measuring per step keeps long status texts cheap.
  int lo = 0, hi = int(text.size());
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (metrics.horizontalAdvance(text.left(mid) + dots) <= width)
      lo = mid;
    else
      hi = mid - 1;
  }
  return text.left(lo) + dots;
}

}  // namespace lq
