#pragma once
// Element images composed from a skin picture: the nine-part image (corners copied 1:1,
// edges and centre stretched or tiled), its four border strips, client-only fills and the
// three-part strips. All routines are stateless and never fail: an empty picture or a
// degenerate geometry leaves the target at its new size with whatever it held.

#include "skin/data/bitmap.h"
#include "skin/data/blit.h"

namespace lq {

// The corner points and client rectangle of a nine-part element, measured from the
// top-left of the element's rectangle in the picture (or in the target, for target geometry).
struct FrameGeometry {
  Point lefttop;
  Point righttop;
  Point leftbottom;
  Point rightbottom;
  Rect client;
  friend bool operator==(const FrameGeometry&, const FrameGeometry&) = default;
};

// Skin geometry comes from skin.ini and may hold any integer. The routines here keep every
// coordinate within +-2^24 (far beyond any picture or screen), so that sums of a few of them
// never overflow; these are the clamps they use.
int SaneCoordinate(int v);
Rect SaneRect(const Rect& r);
FrameGeometry SaneFrameGeometry(const FrameGeometry& g);

// Geometry of the same element grown by (dx, dy): right corners move by dx, bottom corners
// by dy, the client rectangle's right and bottom edges with them.
FrameGeometry FitFrameGeometry(const FrameGeometry& source, int dx, int dy);

// How the pieces between the corners are filled. Edges and client tile unless told to stretch.
struct FrameFlags {
  bool leftStretch = false;
  bool topStretch = false;
  bool rightStretch = false;
  bool bottomStretch = false;
  bool drawClient = true;
  bool clientStretch = false;  // stretcheffect
  int stretchType = 0;         // stretchtype: 0 both directions, 1 horizontal, 2 vertical
};

// Copies of `piece` laid along [a, b) from a, each at the piece's size; the last one is cut
// at b and shows the start of the piece. A piece of length 0 draws nothing.
void TileHorizontally(Bitmap& target, int a, int b, int y, const Bitmap& picture,
                      const Rect& piece);
void TileVertically(Bitmap& target, int a, int b, int x, const Bitmap& picture, const Rect& piece);
// Tiles `piece` over `area` with the tile grid anchored at `origin`; tiles are cut at the area.
void TileArea(Bitmap& target, const Rect& area, Point origin, const Bitmap& picture,
              const Rect& piece);

// The nine-part image of skinRect (inside picture) at width x height into target.
void BuildFramedImage(const FrameGeometry& source, const FrameGeometry& target,
                      const FrameFlags& flags, int width, int height, const Rect& skinRect,
                      const Bitmap& picture, Bitmap& out);

struct BorderStrips {
  Bitmap top;
  Bitmap bottom;
  Bitmap left;
  Bitmap right;
};

// The nine-part image cut into four strips: top (width x client.top), bottom (width x rows
// below the client), left and right (as high as the space between top and bottom strips).
// A strip whose size or edge piece is empty is left empty (0 x 0). Tiles start at each
// strip's own start; the fixed corner pieces cover the strip's ends.
void BuildBorderStrips(const FrameGeometry& source, const FrameGeometry& target,
                       const FrameFlags& flags, int width, int height, const Rect& skinRect,
                       const Bitmap& picture, BorderStrips& out);

// Resizes out to width x height and lays the source client area (relative to skinRect) into
// targetClient: tiled with the grid anchored at the target's origin, or stretched by
// stretchType when clientStretch is set. Nothing is drawn for an empty targetClient.
void BuildClientImage(const Rect& sourceClient, const Rect& targetClient, Bitmap& out,
                      int stretchType, bool clientStretch, int height, int width,
                      const Rect& skinRect, const Bitmap& picture);

// Nine-part image at out's current size with the corners at clientRect's corners (relative to
// skinRect) and every edge and the client stretched.
void BuildStretchedImage(Bitmap& out, const Bitmap& picture, const Rect& skinRect, bool drawClient,
                         const Rect& clientRect);

// Three-part image targetWidth x height(skinRect): fixed left and right parts, middle
// stretched or tiled from the left part on.
void BuildHStrip(int leftPart, int rightPart, Bitmap& out, const Bitmap& picture,
                 const Rect& skinRect, int targetWidth, bool stretch);
// The same turned: width(skinRect) x targetHeight, middle tiled downwards.
void BuildVStrip(int topPart, int bottomPart, Bitmap& out, const Bitmap& picture,
                 const Rect& skinRect, int targetHeight, bool stretch);

}  // namespace lq
