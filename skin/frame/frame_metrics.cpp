#include "skin/frame/frame_metrics.h"
#include "skin/data/geometry.h"

namespace lq {

FrameMetrics ComputeFrameMetrics(const FrameSkinInfo& s, int width, int height) {
  FrameMetrics g;
  g.width = width;
  g.height = height;
  g.dx = width - s.pictureWidth;
  g.dy = height - s.pictureHeight;
  const int dx = g.dx;
  const int dy = g.dy;
  g.leftTop = s.lefttoppoint;
  g.rightTop = {s.righttoppoint.x + dx, s.righttoppoint.y};
  g.leftBottom = {s.leftbottompoint.x, s.leftbottompoint.y + dy};
  g.rightBottom = {s.rightbottompoint.x + dx, s.rightbottompoint.y + dy};
  g.client = s.clientrect;
  g.client.right += dx;
  g.client.bottom += dy;
  g.caption = s.captionrect;
  if (!g.caption.isEmpty()) g.caption.right += dx;
  g.buttons = s.buttonsrect;
  // Buttons anchored in the right half of the picture follow the right edge.
  if (!g.buttons.isEmpty() && g.buttons.left > s.pictureWidth / 2)
    g.buttons = g.buttons.translated(dx, 0);
  g.buttonsOffset = s.buttonsoffset;
  g.buttonsInLeft = s.buttonsinleft;
  g.hitLeftTop = s.hittestlefttoppoint;
  g.hitRightTop = {s.hittestrighttoppoint.x + dx, s.hittestrighttoppoint.y};
  g.hitLeftBottom = {s.hittestleftbottompoint.x, s.hittestleftbottompoint.y + dy};
  g.hitRightBottom = {s.hittestrightbottompoint.x + dx, s.hittestrightbottompoint.y + dy};
  g.mask = s.maskrectarea;
  g.mask.right += dx;
  g.mask.bottom += dy;
  return g;
}

FrameInsets SkinnedFrameInsets(const FrameSkinInfo& s) {
  return {s.clientrect.left, s.clientrect.top, s.pictureWidth - s.clientrect.right,
          s.pictureHeight - s.clientrect.bottom};
}

FrameInsets DefaultFrameInsets() {
  return {kDefaultBorder, kDefaultCaptionHeight + kDefaultBorder, kDefaultBorder, kDefaultBorder};
}

namespace {

enum Zone { kNone, kLeftTop, kRightTop, kLeftBottom, kRightBottom };

Zone ZoneOf(const FrameSkinInfo& s, int x, int y) {
  const int pw = s.pictureWidth;
  const int ph = s.pictureHeight;
  if (Rect{0, 0, s.lefttoppoint.x, s.lefttoppoint.y}.contains(x, y)) return kLeftTop;
  if (Rect{s.righttoppoint.x, 0, pw, s.righttoppoint.y}.contains(x, y)) return kRightTop;
  if (Rect{0, s.leftbottompoint.y, s.leftbottompoint.x, ph}.contains(x, y)) return kLeftBottom;
  if (Rect{s.rightbottompoint.x, s.rightbottompoint.y, pw, ph}.contains(x, y)) return kRightBottom;
  return kNone;
}

}  // namespace

Rect MapFramePictureRect(const FrameSkinInfo& s, const FrameMetrics& g, const Rect& r) {
  const int dx = g.dx;
  const int dy = g.dy;
  // Corners are tested with the platform rule that excludes right and bottom.
  const Zone a = ZoneOf(s, r.left, r.top);
  const Zone b = ZoneOf(s, r.right, r.bottom);
  if (a == b) {
    switch (a) {
      case kLeftTop:
        return r;
      case kRightTop:
        return r.translated(dx, 0);
      case kLeftBottom:
        return r.translated(0, dy);
      case kRightBottom:
        return r.translated(dx, dy);
      case kNone:
        return r;
    }
  }
  Rect out = r;
  if (a == kLeftTop && b == kRightBottom) {
    out.right += dx;
    out.bottom += dy;
  } else if (a == kLeftTop && b == kRightTop) {
    out.right += dx;
  } else if (a == kLeftBottom && b == kRightBottom) {
    out.right += dx;
    out.top += dy;
    out.bottom += dy;
  } else if (a == kLeftTop && b == kLeftBottom) {
    out.bottom += dy;
  } else if (a == kRightTop && b == kRightBottom) {
    out.left += dx;
    out.right += dx;
    out.bottom += dy;
  }
  return out;
}

}  // namespace lq
