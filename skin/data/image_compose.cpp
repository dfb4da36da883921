#include "skin/data/image_compose.h"

#include <algorithm>

namespace lq {

namespace {

// Skin geometry comes from skin.ini and may hold any integer. Coordinates are kept within
// +-2^24 (far beyond any picture or screen) so that sums of a few of them never overflow.
constexpr int kCoordinateLimit = 1 << 24;
int Sane(int v) {
  return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}
Point Sane(Point p) {
  return {Sane(p.x), Sane(p.y)};
}
Rect Sane(const Rect& r) {
  return {Sane(r.left), Sane(r.top), Sane(r.right), Sane(r.bottom)};
}
FrameGeometry Sane(const FrameGeometry& g) {
  return {Sane(g.lefttop), Sane(g.righttop), Sane(g.leftbottom), Sane(g.rightbottom),
          Sane(g.client)};
}

// Index of the first tile of a grid starting at `start` with tiles of `size` that reaches
// `from`, rounding toward minus infinity.
int FirstTile(int from, int start, int size) {
  const int d = from - start;
  return d >= 0 ? d / size : -((-d + size - 1) / size);
}

Rect Offset(const Rect& r, const Rect& by) {
  return r.translated(by.left, by.top);
}

// Fills `area` from the source client rectangle: tiled (grid anchored at origin) or stretched
// as stretchType says. Type 1 stretches the source to the area's height and repeats it
// sideways; type 2 stretches it to the area's width and repeats it downwards.
void FillClient(Bitmap& out, const Rect& area, Point origin, const Bitmap& picture,
                const Rect& source, bool stretch, int stretchType) {
  if (area.isEmpty() || source.isEmpty()) return;
  if (!stretch) {
    TileArea(out, area, origin, picture, source);
    return;
  }
  // Types 1 and 2 repeat the source stretched along one axis; each repeat is stretched
  // straight into place, clipped to the area, so no area-sized scratch bitmap is needed.
  const Rect visible = area.intersected(out.rect());
  if (visible.isEmpty()) return;
  if (stretchType == 1) {
    const int sw = source.width();
    for (int x = origin.x + FirstTile(visible.left, origin.x, sw) * sw; x < visible.right; x += sw)
      StretchRect(out, {x, area.top, x + sw, area.bottom}, picture, source, visible);
  } else if (stretchType == 2) {
    const int sh = source.height();
    for (int y = origin.y + FirstTile(visible.top, origin.y, sh) * sh; y < visible.bottom; y += sh)
      StretchRect(out, {area.left, y, area.right, y + sh}, picture, source, visible);
  } else {
    StretchRect(out, area, picture, source);
  }
}

}  // namespace

int SaneCoordinate(int v) {
  return Sane(v);
}
Rect SaneRect(const Rect& r) {
  return Sane(r);
}
FrameGeometry SaneFrameGeometry(const FrameGeometry& g) {
  return Sane(g);
}

FrameGeometry FitFrameGeometry(const FrameGeometry& source, int dx, int dy) {
  FrameGeometry t = Sane(source);
  dx = Sane(dx);
  dy = Sane(dy);
  t.righttop.x += dx;
  t.leftbottom.y += dy;
  t.rightbottom.x += dx;
  t.rightbottom.y += dy;
  t.client.right += dx;
  t.client.bottom += dy;
  return t;
}

void TileHorizontally(Bitmap& target, int a, int b, int y, const Bitmap& picture,
                      const Rect& piece) {
  const int s = piece.width();
  if (s <= 0 || piece.height() <= 0 || b <= a) return;
  // Copies at a + i * s for i = 0 .. (b - a) div s, the last one cut at b; only those that
  // reach into the target are made.
  const int end = std::min(b, target.width());
  for (int i = a < 0 ? -a / s : 0;; ++i) {
    const int x = a + i * s;
    if (x >= end) break;
    const int w = std::min(s, b - x);
    CopyRect(target, x, y, picture, {piece.left, piece.top, piece.left + w, piece.bottom});
  }
}

void TileVertically(Bitmap& target, int a, int b, int x, const Bitmap& picture, const Rect& piece) {
  const int s = piece.height();
  if (s <= 0 || piece.width() <= 0 || b <= a) return;
  const int end = std::min(b, target.height());
  for (int i = a < 0 ? -a / s : 0;; ++i) {
    const int y = a + i * s;
    if (y >= end) break;
    const int h = std::min(s, b - y);
    CopyRect(target, x, y, picture, {piece.left, piece.top, piece.right, piece.top + h});
  }
}

void TileArea(Bitmap& target, const Rect& area, Point origin, const Bitmap& picture,
              const Rect& piece) {
  const int sw = piece.width(), sh = piece.height();
  const Rect clip = area.intersected(target.rect());
  if (sw <= 0 || sh <= 0 || clip.isEmpty()) return;
  for (int j = FirstTile(clip.top, origin.y, sh);; ++j) {
    const int ty = origin.y + j * sh;
    if (ty >= clip.bottom) break;
    for (int i = FirstTile(clip.left, origin.x, sw);; ++i) {
      const int tx = origin.x + i * sw;
      if (tx >= clip.right) break;
      const Rect tile = RectFromSize(tx, ty, sw, sh).intersected(clip);
      if (tile.isEmpty()) continue;
      CopyRect(target, tile.left, tile.top, picture,
               RectFromSize(piece.left + tile.left - tx, piece.top + tile.top - ty, tile.width(),
                            tile.height()));
    }
  }
}

void BuildFramedImage(const FrameGeometry& source, const FrameGeometry& target,
                      const FrameFlags& flags, int width, int height, const Rect& skinRect,
                      const Bitmap& picture, Bitmap& out) {
  EnsureSize(out, width, height);
  const FrameGeometry s = Sane(source), t = Sane(target);
  const Rect r = Sane(skinRect);
  if (s.rightbottom.x == s.lefttop.x || s.rightbottom.y == s.lefttop.y || picture.empty()) return;
  const int rw = r.width(), rh = r.height();
  const Rect& cr = s.client;
  const Rect& ncr = t.client;

  // Edges: stretched over their span or tiled from its start.
  const Rect top{r.left + s.lefttop.x, r.top, r.left + s.righttop.x, r.top + cr.top};
  if (flags.topStretch)
    StretchRect(out, {t.lefttop.x, 0, t.righttop.x, ncr.top}, picture, top);
  else
    TileHorizontally(out, t.lefttop.x, t.righttop.x, 0, picture, top);

  const Rect bottom{r.left + s.leftbottom.x, r.top + cr.bottom, r.left + s.rightbottom.x, r.bottom};
  if (flags.bottomStretch)
    StretchRect(out, {t.leftbottom.x, ncr.bottom, t.rightbottom.x, height}, picture, bottom);
  else
    TileHorizontally(out, t.leftbottom.x, t.rightbottom.x, ncr.bottom, picture, bottom);

  const Rect left{r.left, r.top + s.lefttop.y, r.left + cr.left, r.top + s.leftbottom.y};
  if (flags.leftStretch)
    StretchRect(out, {0, t.lefttop.y, ncr.left, t.leftbottom.y}, picture, left);
  else
    TileVertically(out, t.lefttop.y, t.leftbottom.y, 0, picture, left);

  const Rect right{r.left + cr.right, r.top + s.righttop.y, r.right, r.top + s.rightbottom.y};
  if (flags.rightStretch)
    StretchRect(out, {ncr.right, t.righttop.y, width, t.rightbottom.y}, picture, right);
  else
    TileVertically(out, t.righttop.y, t.rightbottom.y, ncr.right, picture, right);

  // Corners: each L-shaped corner is two rectangles copied 1:1.
  struct Piece {
    Rect from, to;
  };
  const Piece corners[] = {
      {{0, 0, s.lefttop.x, cr.top}, {0, 0, t.lefttop.x, ncr.top}},
      {{0, cr.top, cr.left, s.lefttop.y}, {0, ncr.top, ncr.left, t.lefttop.y}},
      {{s.righttop.x, 0, rw, cr.top}, {t.righttop.x, 0, width, ncr.top}},
      {{cr.right, cr.top, rw, s.righttop.y}, {ncr.right, ncr.top, width, t.righttop.y}},
      {{0, s.leftbottom.y, cr.left, rh}, {0, t.leftbottom.y, ncr.left, height}},
      {{cr.left, cr.bottom, s.leftbottom.x, rh}, {ncr.left, ncr.bottom, t.leftbottom.x, height}},
      {{s.rightbottom.x, cr.bottom, rw, rh}, {t.rightbottom.x, ncr.bottom, width, height}},
      {{cr.right, s.rightbottom.y, rw, cr.bottom}, {ncr.right, t.rightbottom.y, width, ncr.bottom}},
  };
  for (const Piece& p : corners) CopyRect(out, p.to, picture, Offset(p.from, r));

  if (flags.drawClient)
    FillClient(out, ncr, {ncr.left, ncr.top}, picture, Offset(cr, r), flags.clientStretch,
               flags.stretchType);
}

namespace {

// One horizontal border strip (top or bottom): the edge piece between the corner columns
// [x0, x1) of the source rows, then the two corners copied over the strip's ends.
void BuildHorizontalStrip(Bitmap& strip, int width, int rows, int sourceTop, int x0, int x1,
                          int tx0, int tx1, bool stretch, const Rect& r, const Bitmap& picture) {
  strip.resize(width, rows);
  if (picture.empty()) return;
  const Rect piece{r.left + x0, sourceTop, r.left + x1, sourceTop + rows};
  if (stretch)
    StretchRect(strip, {tx0, 0, tx1, rows}, picture, piece);
  else
    TileHorizontally(strip, 0, width, 0, picture, piece);
  CopyRect(strip, {0, 0, tx0, rows}, picture, {r.left, sourceTop, r.left + x0, sourceTop + rows});
  CopyRect(strip, {tx1, 0, width, rows}, picture,
           {r.left + x1, sourceTop, r.right, sourceTop + rows});
}

// One vertical border strip (left or right) of the columns [c0, c1) of R: the edge piece of
// rows [y0, y1), then the fixed pieces between the client's top and y0 and between y1 and
// the client's bottom copied to the strip's top and bottom.
void BuildVerticalStrip(Bitmap& strip, int rows, int maxCols, int c0, int c1, int y0, int y1,
                        const Rect& client, bool stretch, const Rect& r, const Bitmap& picture) {
  const int cols = std::min(c1 - c0, maxCols);
  strip.resize(cols, rows);
  if (picture.empty()) return;
  const Rect piece{r.left + c0, r.top + y0, r.left + c1, r.top + y1};
  const int head = y0 - client.top, tail = client.bottom - y1;
  if (stretch)
    StretchRect(strip, {0, head, cols, rows - tail}, picture, piece);
  else
    TileVertically(strip, 0, rows, 0, picture, piece);
  if (head > 0)
    CopyRect(strip, 0, 0, picture, {r.left + c0, r.top + client.top, r.left + c1, r.top + y0});
  if (tail > 0)
    CopyRect(strip, 0, rows - tail, picture,
             {r.left + c0, r.top + y1, r.left + c1, r.top + client.bottom});
}

}  // namespace

void BuildBorderStrips(const FrameGeometry& source, const FrameGeometry& target,
                       const FrameFlags& flags, int width, int height, const Rect& skinRect,
                       const Bitmap& picture, BorderStrips& out) {
  out = BorderStrips{};
  const FrameGeometry s = Sane(source), t = Sane(target);
  const Rect r = Sane(skinRect);
  const Rect& cr = s.client;
  // Strips are never thicker than the window they border (only geometry that does not fit
  // the picture could ask for that).
  const int topRows = std::min(cr.top, height);
  const int bottomRows = std::min(r.height() - cr.bottom, height);
  const int sideRows = std::min(height - topRows - bottomRows, height);

  if (width > 0 && topRows > 0 && s.righttop.x - s.lefttop.x > 0)
    BuildHorizontalStrip(out.top, width, topRows, r.top, s.lefttop.x, s.righttop.x, t.lefttop.x,
                         t.righttop.x, flags.topStretch, r, picture);
  if (width > 0 && bottomRows > 0 && s.rightbottom.x - s.leftbottom.x > 0)
    BuildHorizontalStrip(out.bottom, width, bottomRows, r.top + cr.bottom, s.leftbottom.x,
                         s.rightbottom.x, t.leftbottom.x, t.rightbottom.x, flags.bottomStretch, r,
                         picture);
  if (cr.left > 0 && sideRows > 0 && s.leftbottom.y - s.lefttop.y > 0)
    BuildVerticalStrip(out.left, sideRows, width, 0, cr.left, s.lefttop.y, s.leftbottom.y, cr,
                       flags.leftStretch, r, picture);
  if (r.width() - cr.right > 0 && sideRows > 0 && s.rightbottom.y - s.righttop.y > 0)
    BuildVerticalStrip(out.right, sideRows, width, cr.right, r.width(), s.righttop.y,
                       s.rightbottom.y, cr, flags.rightStretch, r, picture);
}

void BuildClientImage(const Rect& sourceClient, const Rect& targetClient, Bitmap& out,
                      int stretchType, bool clientStretch, int height, int width, const Rect& r,
                      const Bitmap& picture) {
  EnsureSize(out, width, height);
  if (picture.empty()) return;
  FillClient(out, Sane(targetClient), {0, 0}, picture, Offset(Sane(sourceClient), Sane(r)),
             clientStretch, stretchType);
}

void BuildStretchedImage(Bitmap& out, const Bitmap& picture, const Rect& skinRect, bool drawClient,
                         const Rect& clientRect) {
  const Rect r = Sane(skinRect), rc = Sane(clientRect);
  FrameGeometry s{
      {rc.left, rc.top}, {rc.right, rc.top}, {rc.left, rc.bottom}, {rc.right, rc.bottom}, rc};
  FrameGeometry t = FitFrameGeometry(s, out.width() - r.width(), out.height() - r.height());
  FrameFlags flags{true, true, true, true, drawClient, true, 0};
  BuildFramedImage(s, t, flags, out.width(), out.height(), r, picture, out);
}

void BuildHStrip(int leftPart, int rightPart, Bitmap& out, const Bitmap& picture,
                 const Rect& skinRect, int targetWidth, bool stretch) {
  const Rect r = Sane(skinRect);
  EnsureSize(out, targetWidth, r.height());
  if (picture.empty()) return;
  const int l = std::max(Sane(leftPart), 0), rp = std::max(Sane(rightPart), 0);
  if (l != 0) CopyRect(out, 0, 0, picture, {r.left, r.top, r.left + l, r.bottom});
  if (rp != 0)
    CopyRect(out, targetWidth - rp, 0, picture, {r.right - rp, r.top, r.right, r.bottom});
  Rect middle{r.left + l, r.top, r.right - rp, r.bottom};
  if (middle.width() <= 0) middle.right = middle.left + 1;  // a missing middle repeats one column
  if (stretch)
    StretchRect(out, {l, 0, targetWidth - rp, r.height()}, picture, middle);
  else
    TileHorizontally(out, l, targetWidth - rp, 0, picture, middle);
}

void BuildVStrip(int topPart, int bottomPart, Bitmap& out, const Bitmap& picture,
                 const Rect& skinRect, int targetHeight, bool stretch) {
  const Rect r = Sane(skinRect);
  EnsureSize(out, r.width(), targetHeight);
  if (picture.empty()) return;
  const int t = std::max(Sane(topPart), 0), b = std::max(Sane(bottomPart), 0);
  if (t != 0) CopyRect(out, 0, 0, picture, {r.left, r.top, r.right, r.top + t});
  if (b != 0)
    CopyRect(out, 0, targetHeight - b, picture, {r.left, r.bottom - b, r.right, r.bottom});
  const Rect middle{r.left, r.top + t, r.right, r.bottom - b};
  if (middle.height() <= 0) return;  // no middle rows: nothing to repeat
  if (stretch)
    StretchRect(out, {0, t, r.width(), targetHeight - b}, picture, middle);
  else
    TileVertically(out, t, targetHeight - b, 0, picture, middle);
}

}  // namespace lq
