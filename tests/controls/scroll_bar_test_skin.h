#pragma once
// The "vscrollbar" element geometry of the program's skin, for tests that run
// before (or without) the packed skin.

#include "skin/controls/scroll_bar_layout.h"

namespace lq::test {

inline ScrollBarSkin VScrollBarSkin() {
  ScrollBarSkin s;
  s.skinrect = {223, 25, 240, 93};
  s.lefttoppoint = {0, 16};
  s.leftbottompoint = {0, 43};
  s.trackarea = {0, 16, 17, 52};
  s.downbuttonrect = {0, 0, 17, 16};
  s.upbuttonrect = {0, 52, 17, 68};
  s.activedownbuttonrect = {241, 25, 258, 41};
  s.activeupbuttonrect = {241, 41, 258, 57};
  s.thumbrect = {241, 78, 258, 92};
  s.activethumbrect = {259, 78, 276, 92};
  return s;
}

}  // namespace lq::test
