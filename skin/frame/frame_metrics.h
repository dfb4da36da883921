#pragma once
// The [FORMINFO] values a skinned frame works with, and their mapping to a window of a
// given size. Plain data and arithmetic; the frame component feeds it from LqSkinData.

#include "skin/data/geometry.h"

namespace lq {

// Frame information of one skin, in main-picture pixels (already normalised by the
// loader: hit-test points defaulted, mask rectangle widened, corners clamped).
struct FrameSkinInfo {
  int pictureWidth = 0;   // pw: the main picture's size
  int pictureHeight = 0;  // ph
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  Rect captionrect;
  Rect buttonsrect;
  int buttonsoffset = 0;
  bool buttonsinleft = false;
  Point hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  Rect maskrectarea;
  bool hasMask = false;  // a mask picture shapes the window
  int borderwidth = 0;
  int formminwidth = 0;
};

// The same values moved to window coordinates for a window of width x height.
struct FrameMetrics {
  int width = 0;
  int height = 0;
  int dx = 0;  // width - picture width
  int dy = 0;  // height - picture height
  Point leftTop, rightTop, leftBottom, rightBottom;
  Rect client;
  Rect caption;
  Rect buttons;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
  Rect mask;
};

FrameMetrics ComputeFrameMetrics(const FrameSkinInfo& skin, int width, int height);

// Distances from the window edges to the client area; the same at every window size.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const FrameInsets&, const FrameInsets&) = default;
};

FrameInsets SkinnedFrameInsets(const FrameSkinInfo& skin);

// The frame drawn without a skin: a caption band and three one-pixel rings.
constexpr int kDefaultCaptionHeight = 19;
constexpr int kDefaultButtonSize = 17;
constexpr int kDefaultBorder = 3;
FrameInsets DefaultFrameInsets();

// Maps a source rectangle of the frame picture to window coordinates by the corner zone
// its corners fall in (objects drawn as part of the frame picture move with their zone).
Rect MapFramePictureRect(const FrameSkinInfo& skin, const FrameMetrics& g, const Rect& r);

}  // namespace lq
