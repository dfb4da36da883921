#include "skin/frame/hit_test.h"

namespace lq {

namespace {

bool InAnyCaption(const CaptionRects& captions, int x, int y) {
  for (const Rect& r : captions)
    if (r.contains(x, y)) return true;
  return false;
}

int InteriorCode(const FrameMetrics& g, const CaptionRects& captions, int x, int y) {
  if (g.client.contains(x, y)) return HTCLIENT;
  if (InAnyCaption(captions, x, y)) return HTCAPTION;
  return HTOBJECT;
}

bool NearEdge(const FrameMetrics& g, int d, const MaskTest* mask, int x, int y) {
  const Point probes[4] = {{x - d, y}, {x, y - d}, {x + d, y}, {x, y + d}};
  if (!mask) {
    const Rect window{0, 0, g.width, g.height};
    for (const Point& p : probes)
      if (!window.contains(p.x, p.y)) return true;
    return false;
  }
  if (g.mask.contains(x, y)) return false;
  for (const Point& p : probes)
    if (!(*mask)(p.x, p.y)) return true;
  return false;
}

}  // namespace

int SkinnedHitTest(const FrameMetrics& g, const HitTestState& st, const CaptionRects& captions,
                   int borderwidth, const MaskTest* mask, int x, int y) {
  if (st.rolledUp || st.minimized) return InAnyCaption(captions, x, y) ? HTCAPTION : HTOBJECT;
  if (st.objectHot && !InAnyCaption(captions, x, y) && !g.client.contains(x, y) && !st.inSizeMove)
    return HTOBJECT;
  if (st.maximized || !st.resizable) return InteriorCode(g, captions, x, y);
  if (!NearEdge(g, borderwidth, mask, x, y)) return InteriorCode(g, captions, x, y);
  if (x <= g.hitLeftTop.x && y <= g.hitLeftTop.y) return HTTOPLEFT;
  if (x >= g.hitRightTop.x && y <= g.hitRightTop.y) return HTTOPRIGHT;
  if (x <= g.hitLeftBottom.x && y >= g.hitLeftBottom.y) return HTBOTTOMLEFT;
  if (x >= g.hitRightBottom.x && y >= g.hitRightBottom.y) return HTBOTTOMRIGHT;
  if (Rect{g.hitLeftTop.x, 0, g.hitRightTop.x, g.client.top}.contains(x, y)) return HTTOP;
  if (Rect{g.hitLeftBottom.x, g.client.bottom, g.hitRightBottom.x, g.height}.contains(x, y))
    return HTBOTTOM;
  if (Rect{0, g.hitLeftTop.y, g.client.left, g.hitLeftBottom.y}.contains(x, y)) return HTLEFT;
  if (Rect{g.client.right, g.hitRightTop.y, g.width, g.hitRightBottom.y}.contains(x, y))
    return HTRIGHT;
  return InteriorCode(g, captions, x, y);
}

int DefaultHitTest(int w, int h, const Rect& caption, const HitTestState& st, int x, int y) {
  const bool sizing = !(st.maximized || st.rolledUp || st.minimized || !st.resizable);
  if (sizing) {
    if (st.objectHot) return HTOBJECT;
    const int b = 2;
    if (x <= b && y <= b) return HTTOPLEFT;
    if (x >= w - b && y <= b) return HTTOPRIGHT;
    if (x <= b && y >= h - b) return HTBOTTOMLEFT;
    if (x >= w - b && y >= h - b) return HTBOTTOMRIGHT;
    if (x <= b) return HTLEFT;
    if (y <= b) return HTTOP;
    if (x >= w - b) return HTRIGHT;
    if (y >= h - b) return HTBOTTOM;
  }
  if (caption.contains(x, y)) return HTCAPTION;
  const int border = kDefaultBorder;
  if (Rect{border, kDefaultCaptionHeight + border, w - border, h - border}.contains(x, y))
    return HTCLIENT;
  return HTOBJECT;
}

}  // namespace lq
