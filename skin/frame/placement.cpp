#include "skin/frame/placement.h"

#include <cstdlib>

#include "skin/frame/frame_metrics.h"

namespace lq {

int MinFrameWidth(const SizeLimitInput& in) {
  if (!in.skinReady) return in.minWidth > 0 ? in.minWidth : 120;
  if (in.minWidth > in.pictureWidth && !in.minimized) return in.minWidth;
  if (in.formminwidth > 0) return in.formminwidth;
  return in.pictureWidth;
}

int MinFrameHeight(const SizeLimitInput& in) {
  const int frameOnly = in.skinReady ? in.pictureHeight - in.clientrect.height()
                                     : kDefaultCaptionHeight + 2 * kDefaultBorder;
  if (in.minHeight > frameOnly && !in.rolledUp && !in.minimized) return in.minHeight;
  return frameOnly;
}

int MaxFrameWidth(const SizeLimitInput& in) {
  int w = in.monitorArea.width();
  if (in.maxWidth != 0 && in.maxWidth < w) w = in.maxWidth;
  return w;
}

int MaxFrameHeight(const SizeLimitInput& in) {
  int h = in.monitorArea.height();
  if (in.maxHeight != 0 && in.maxHeight < h) h = in.maxHeight;
  return h;
}

Rect MaximizeTarget(const Rect& monitor, const Rect& workArea, const Rect& screen,
                    bool fullScreen) {
  Rect target = fullScreen ? monitor : workArea;
  const bool nothingReserved =
      workArea.width() == monitor.width() && workArea.height() == monitor.height();
  if (nothingReserved && monitor == screen && screen.left == 0 && screen.top == 0)
    target = {target.left + 1, target.top + 1, target.right - 1, target.bottom - 1};
  return target;
}

Point ParkingPosition(const Rect& wa, int minWidth, int minHeight,
                      const std::function<bool(Point)>& slotTaken) {
  Point p{wa.left, wa.bottom - minHeight};
  const int step = minWidth > 0 ? minWidth : 1;
  const int rowStep = minHeight > 0 ? minHeight : 1;
  while (slotTaken(p)) {
    p.x += step;
    if (p.x + minWidth > wa.right) {
      p.x = wa.left;
      p.y -= rowStep;
      if (p.y < wa.top) return {wa.left, wa.bottom - minHeight};
    }
  }
  return p;
}

Point CentreInArea(const Rect& a, int width, int height) {
  return {a.left + a.width() / 2 - width / 2, a.top + a.height() / 2 - height / 2};
}

namespace {

// One edge: `pos` is the proposed coordinate, `anchor` where it snaps to, `cur` and
// `memo` the cursor coordinate now and when it stuck. Returns the new coordinate.
int SnapEdge(int pos, int edge, int anchor, int size, int cur, int& memo, bool& stuck) {
  const bool near = std::abs(edge) < size;
  int out = pos;
  if (near && !stuck) {
    out = anchor;
    memo = cur;
  } else if (stuck) {
    if (std::abs(cur - memo) > size)
      out = cur + anchor - memo;
    else
      out = anchor;
  }
  stuck = near;
  return out;
}

}  // namespace

Rect SnapToEdges(const Rect& proposed, const Rect& area, int s, Point cursor, MagneticState& st) {
  int l = proposed.left;
  int t = proposed.top;
  const int w = proposed.width();
  const int h = proposed.height();
  l = SnapEdge(l, l - area.left, area.left, s, cursor.x, st.cursor.x, st.left);
  t = SnapEdge(t, t - area.top, area.top, s, cursor.y, st.cursor.y, st.top);
  l = SnapEdge(l, l + w - area.right, area.right - w, s, cursor.x, st.cursor.x, st.right);
  t = SnapEdge(t, t + h - area.bottom, area.bottom - h, s, cursor.y, st.cursor.y, st.bottom);
  return {l, t, l + w, t + h};
}

}  // namespace lq
