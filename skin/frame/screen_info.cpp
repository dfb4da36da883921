#include "skin/frame/screen_info.h"

#include <QGuiApplication>
#include <QScreen>

#include <climits>

namespace lq {

namespace {

Rect ToRect(const QRect& r) {
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

// Squared distance from the window's centre to the screen: 0 when the centre is on it.
long long DistanceTo(const QRect& screen, int cx, int cy) {
  const long long dx = cx < screen.left()    ? screen.left() - cx
                       : cx > screen.right() ? cx - screen.right()
                                             : 0;
  const long long dy = cy < screen.top()      ? screen.top() - cy
                       : cy > screen.bottom() ? cy - screen.bottom()
                                              : 0;
  return dx * dx + dy * dy;
}

}  // namespace

Rect QtScreenInfo::MonitorRect(const Rect& window, bool workArea) const {
  const int cx = window.left + window.width() / 2;
  const int cy = window.top + window.height() / 2;
  QScreen* best = QGuiApplication::primaryScreen();
  long long bestDistance = LLONG_MAX;
  for (QScreen* s : QGuiApplication::screens()) {
    const long long d = DistanceTo(s->geometry(), cx, cy);
    if (d < bestDistance) {
      bestDistance = d;
      best = s;
    }
  }
  if (!best) return {0, 0, 800, 600};
  return ToRect(workArea ? best->availableGeometry() : best->geometry());
}

Rect QtScreenInfo::ScreenRect() const {
  QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {0, 0, 800, 600};
  const QRect g = s->geometry();
  return {0, 0, g.width(), g.height()};
}

}  // namespace lq
