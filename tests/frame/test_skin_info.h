#pragma once
// Frame information shaped like the program's skin: main picture 285 x 210, client
// 4,27,281,206, caption 3,5,282,24, buttons 2 apart, smallest width 200.

#include "skin/frame/frame_metrics.h"

namespace lq::test {

inline FrameSkinInfo ProgramLikeFrameInfo() {
  FrameSkinInfo s;
  s.pictureWidth = 285;
  s.pictureHeight = 210;
  s.lefttoppoint = {30, 27};
  s.righttoppoint = {255, 27};
  s.leftbottompoint = {30, 206};
  s.rightbottompoint = {255, 206};
  s.clientrect = {4, 27, 281, 206};
  s.captionrect = {3, 5, 282, 24};
  s.buttonsoffset = 2;
  s.hittestlefttoppoint = {10, 10};
  s.hittestrighttoppoint = {275, 10};
  s.hittestleftbottompoint = {10, 200};
  s.hittestrightbottompoint = {275, 200};
  s.maskrectarea = {4, 27, 281, 206};
  s.hasMask = false;
  s.borderwidth = 3;
  s.formminwidth = 200;
  return s;
}

}  // namespace lq::test
