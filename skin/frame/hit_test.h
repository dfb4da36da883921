#pragma once
// Answers "what part of the window is this point?" for a skinned or a default frame,
// with the platform's hit codes (the frame maps them to moves, resizes and cursors).

#include <functional>
#include <vector>

#include "skin/data/geometry.h"
#include "skin/frame/frame_metrics.h"

namespace lq {

enum class HitCode : int {
  Nowhere = 0,
  Client = 1,
  Caption = 2,
  Left = 10,
  Right = 11,
  Top = 12,
  TopLeft = 13,
  TopRight = 14,
  Bottom = 15,
  BottomLeft = 16,
  BottomRight = 17,
  Object = 19,  // a frame object or plain frame: the system takes no action there
};

inline bool IsSizingCode(HitCode code) {
  return int(code) >= int(HitCode::Left) && int(code) <= int(HitCode::BottomRight);
}

// The window state bits the hit test depends on.
struct HitTestState {
  bool rolledUp = false;
  bool minimized = false;
  bool maximized = false;
  bool resizable = true;
  bool objectHot = false;  // a frame object is under the mouse
  bool inSizeMove = false;
};

// Rectangles of the caption objects in window coordinates (the only drag area).
using CaptionRects = std::vector<Rect>;

// Whether a window point lies on the mask's black pixels (see MaskStrips).
using MaskTest = std::function<bool(int x, int y)>;

HitCode SkinnedHitTest(const FrameMetrics& g, const HitTestState& st, const CaptionRects& captions,
                       int borderwidth, const MaskTest* mask, int x, int y);

// Default frame: caption rectangle (3, 3, captionRight, 19) was laid out by the caller.
HitCode DefaultHitTest(int width, int height, const Rect& caption, const HitTestState& st, int x,
                       int y);

}  // namespace lq
