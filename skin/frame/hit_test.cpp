#include "skin/frame/hit_test.h"

namespace lq {

namespace {

bool InAnyCaption(const CaptionRects& captions, int x, int y) {
  for (const Rect& r : captions)
    if (r.contains(x, y)) return true;
  return false;
}

HitCode InteriorCode(const FrameMetrics& g, const CaptionRects& captions, int x, int y) {
  if (g.client.contains(x, y)) return HitCode::Client;
  if (InAnyCaption(captions, x, y)) return HitCode::Caption;
  return HitCode::Object;
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

HitCode SkinnedHitTest(const FrameMetrics& g, const HitTestState& st, const CaptionRects& captions,
                       int borderwidth, const MaskTest* mask, int x, int y) {
  if (st.rolledUp || st.minimized)
    return InAnyCaption(captions, x, y) ? HitCode::Caption : HitCode::Object;
  if (st.objectHot && !InAnyCaption(captions, x, y) && !g.client.contains(x, y) && !st.inSizeMove)
    return HitCode::Object;
  if (st.maximized || !st.resizable) return InteriorCode(g, captions, x, y);
  if (!NearEdge(g, borderwidth, mask, x, y)) return InteriorCode(g, captions, x, y);
  if (x <= g.hitLeftTop.x && y <= g.hitLeftTop.y) return HitCode::TopLeft;
  if (x >= g.hitRightTop.x && y <= g.hitRightTop.y) return HitCode::TopRight;
  if (x <= g.hitLeftBottom.x && y >= g.hitLeftBottom.y) return HitCode::BottomLeft;
  if (x >= g.hitRightBottom.x && y >= g.hitRightBottom.y) return HitCode::BottomRight;
  if (Rect{g.hitLeftTop.x, 0, g.hitRightTop.x, g.client.top}.contains(x, y)) return HitCode::Top;
  if (Rect{g.hitLeftBottom.x, g.client.bottom, g.hitRightBottom.x, g.height}.contains(x, y))
    return HitCode::Bottom;
  if (Rect{0, g.hitLeftTop.y, g.client.left, g.hitLeftBottom.y}.contains(x, y))
    return HitCode::Left;
  if (Rect{g.client.right, g.hitRightTop.y, g.width, g.hitRightBottom.y}.contains(x, y))
    return HitCode::Right;
  return InteriorCode(g, captions, x, y);
}

HitCode DefaultHitTest(int w, int h, const Rect& caption, const HitTestState& st, int x, int y) {
  const bool sizing = !(st.maximized || st.rolledUp || st.minimized || !st.resizable);
  if (sizing) {
    if (st.objectHot) return HitCode::Object;
    const int b = 2;
    if (x <= b && y <= b) return HitCode::TopLeft;
    if (x >= w - b && y <= b) return HitCode::TopRight;
    if (x <= b && y >= h - b) return HitCode::BottomLeft;
    if (x >= w - b && y >= h - b) return HitCode::BottomRight;
    if (x <= b) return HitCode::Left;
    if (y <= b) return HitCode::Top;
    if (x >= w - b) return HitCode::Right;
    if (y >= h - b) return HitCode::Bottom;
  }
  if (caption.contains(x, y)) return HitCode::Caption;
  const int border = kDefaultBorder;
  if (Rect{border, kDefaultCaptionHeight + border, w - border, h - border}.contains(x, y))
    return HitCode::Client;
  return HitCode::Object;
}

}  // namespace lq
