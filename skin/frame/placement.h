#pragma once
// Window-state geometry that does not depend on the skin's pictures: size limits,
// the maximize target, parking slots of minimized forms, centring and magnetic edges.

#include <functional>

#include "skin/data/geometry.h"

namespace lq {

// Inputs of the size limits (0 for a limit means "not set").
struct SizeLimitInput {
  bool skinReady = false;
  int pictureWidth = 0;
  int pictureHeight = 0;
  Rect clientrect;
  int formminwidth = 0;
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool minimized = false;
  bool rolledUp = false;
  Rect monitorArea;  // work area, or the whole monitor with MaximizeOnFullScreen
};

int MinFrameWidth(const SizeLimitInput& in);
int MinFrameHeight(const SizeLimitInput& in);
int MaxFrameWidth(const SizeLimitInput& in);
int MaxFrameHeight(const SizeLimitInput& in);

// Where a maximized window goes. On a single screen with nothing reserved (no taskbar)
// a 1-pixel gap is left on every side so an auto-hidden taskbar stays reachable.
Rect MaximizeTarget(const Rect& monitor, const Rect& workArea, const Rect& screen, bool fullScreen);

// The first free parking slot for a minimized form: the bottom row of the work area
// from left to right, then the rows above; with none free, the bottom row's first slot.
Point ParkingPosition(const Rect& workArea, int minWidth, int minHeight,
                      const std::function<bool(Point)>& slotTaken);

// Top-left that centres a window of the given size on the area (division truncates).
Point CentreInArea(const Rect& area, int width, int height);

// State of one magnetic drag: which edges are stuck and where the cursor was then.
struct MagneticState {
  bool left = false, top = false, right = false, bottom = false;
  Point cursor;
  void clearEdges() { left = top = right = bottom = false; }
};

// Adjusts a proposed window rectangle while moving: edges closer than `size` to the
// area's edges stick, and come free once the cursor moved more than `size` away.
Rect SnapToEdges(const Rect& proposed, const Rect& area, int size, Point cursor,
                 MagneticState& state);

}  // namespace lq
