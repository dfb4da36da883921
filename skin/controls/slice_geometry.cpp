#include "skin/controls/slice_geometry.h"

namespace lq {
namespace {

Point Moved(Point p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

// The platform's point-in-rectangle rule: right and bottom are outside.
bool Inside(const Rect& zone, int x, int y) {
  return zone.contains(x, y);
}

enum Zone { kNoZone, kLeftTop, kRightTop, kLeftBottom, kRightBottom };

Zone ZoneOf(const SliceGeometry& g, int x, int y) {
  const int sw = g.skinWidth(), sh = g.skinHeight();
  const Rect lt{0, 0, g.lefttoppoint.x, g.lefttoppoint.y};
  const Rect rt{g.righttoppoint.x, 0, sw, g.righttoppoint.y};
  const Rect lb{0, g.leftbottompoint.y, g.leftbottompoint.x, sh};
  const Rect rb{g.rightbottompoint.x, g.rightbottompoint.y, sw, sh};
  if (Inside(lt, x, y)) return kLeftTop;
  if (Inside(rt, x, y)) return kRightTop;
  if (Inside(lb, x, y)) return kLeftBottom;
  if (Inside(rb, x, y)) return kRightBottom;
  return kNoZone;
}

Rect MapBothWays(const SliceGeometry& g, const Rect& r, int dx, int dy) {
  const Zone a = ZoneOf(g, r.left, r.top);
  const Zone b = ZoneOf(g, r.right, r.bottom);
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
      case kNoZone:
        return r;
    }
  }
  if (a == kLeftTop && b == kRightBottom) return {r.left, r.top, r.right + dx, r.bottom + dy};
  if (a == kLeftTop && b == kRightTop) return {r.left, r.top, r.right + dx, r.bottom};
  if (a == kLeftBottom && b == kRightBottom)
    return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
  if (a == kLeftTop && b == kLeftBottom) return {r.left, r.top, r.right, r.bottom + dy};
  if (a == kRightTop && b == kRightBottom) return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
  return r;
}

}  // namespace

SliceMode SliceModeFor(const SliceGeometry& g) {
  return SliceModeOfPoints(g);
}

void FitSizeToSkin(SliceMode sliceMode, const SliceGeometry& g, int& width, int& height,
                   FittedGeometry& f) {
  const int sw = g.skinWidth(), sh = g.skinHeight();
  switch (sliceMode) {
    case SliceMode::Fixed:
      width = sw;
      height = sh;
      f = {g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.clientrect};
      return;
    case SliceMode::Both: {
      const int dx = width - sw, dy = height - sh;
      f.lefttop = g.lefttoppoint;
      f.righttop = Moved(g.righttoppoint, dx, 0);
      f.leftbottom = Moved(g.leftbottompoint, 0, dy);
      f.rightbottom = Moved(g.rightbottompoint, dx, dy);
      f.client = {g.clientrect.left, g.clientrect.top, g.clientrect.right + dx,
                  g.clientrect.bottom + dy};
      return;
    }
    case SliceMode::Horizontal: {
      height = sh;
      const int dx = width - sw;
      f.lefttop = g.lefttoppoint;
      f.righttop = Moved(g.righttoppoint, dx, 0);
      f.leftbottom = g.leftbottompoint;
      f.rightbottom = Moved(g.rightbottompoint, dx, 0);
      f.client = {g.clientrect.left, g.clientrect.top, g.clientrect.right + dx,
                  g.clientrect.bottom};
      return;
    }
    case SliceMode::Vertical: {
      width = sw;
      const int dy = height - sh;
      f.lefttop = g.lefttoppoint;
      f.righttop = g.righttoppoint;
      f.leftbottom = Moved(g.leftbottompoint, 0, dy);
      f.rightbottom = Moved(g.rightbottompoint, 0, dy);
      f.client = {g.clientrect.left, g.clientrect.top, g.clientrect.right,
                  g.clientrect.bottom + dy};
      return;
    }
    default:
      return;
  }
}

Rect MapSkinRect(SliceMode sliceMode, const SliceGeometry& g, const Rect& r, int width,
                 int height) {
  const int dx = width - g.skinWidth(), dy = height - g.skinHeight();
  switch (sliceMode) {
    case SliceMode::Both:
      return MapBothWays(g, r, dx, dy);
    case SliceMode::Horizontal:
      if (r.left <= g.lefttoppoint.x && r.right >= g.righttoppoint.x)
        return {r.left, r.top, r.right + dx, r.bottom};
      if (r.left >= g.righttoppoint.x && r.right > g.righttoppoint.x) return r.translated(dx, 0);
      return r;
    case SliceMode::Vertical:
      if (r.top <= g.lefttoppoint.y && r.bottom >= g.leftbottompoint.y)
        return {r.left, r.top, r.right, r.bottom + dy};
      if (r.top >= g.leftbottompoint.y && r.bottom > g.leftbottompoint.y)
        return r.translated(0, dy);
      return r;
    default:
      return r;
  }
}

}  // namespace lq
