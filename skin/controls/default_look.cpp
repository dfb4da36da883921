#include "skin/controls/default_look.h"

namespace lq {

void DrawControlFrame(QPainter& p, const QRect& r, Color light, Color dark) {
  if (r.width() <= 0 || r.height() <= 0) return;
  const int l = r.left(), t = r.top(), rr = r.left() + r.width() - 1, b = r.top() + r.height() - 1;
  p.fillRect(QRect(l, t, r.width(), 1), ControlColor(light));
  p.fillRect(QRect(l, t, 1, r.height()), ControlColor(light));
  p.fillRect(QRect(rr, t, 1, r.height()), ControlColor(dark));
  p.fillRect(QRect(l, b, r.width(), 1), ControlColor(dark));
}

void DrawFramedFill(QPainter& p, const QRect& r, Color frame, Color fill) {
  p.fillRect(r, ControlColor(fill));
  DrawControlFrame(p, r, frame, frame);
}

void DrawDefaultPart(QPainter& p, const QRect& r, bool hot, bool down) {
  if (down)
    DrawFramedFill(p, r, kDefaultNavy, kDefaultDownFill);
  else if (hot)
    DrawFramedFill(p, r, kDefaultNavy, kDefaultHotFill);
  else
    DrawFramedFill(p, r, clBtnShadow, clBtnFace);
}

}  // namespace lq
