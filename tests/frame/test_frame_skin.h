#pragma once
// A frame skin drawn in code with the program skin's geometry: main picture 285 x 210,
// client 4,27,281,206, a caption object 5,4,280,24 and 21 x 21 caption buttons in active
// picture 0, a mask whose top corners are cut off. Pixel colours encode their position so
// that a wrongly mapped piece shows.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "frame/test_skin_info.h"
#include "skin/data/blit.h"
#include "skin/frame/frame_skin.h"
#include "skin/frame/lacquer_form.h"

namespace lq::test {

// Button images in active picture 0: normal, hover, down, restore, restore hover in a row.
inline Rect ButtonCell(int row, int column) {
  return RectFromSize(column * 21, row * 21, 21, 21);
}

inline ObjectSpec StdButton(const char* name, FrameCommand command, int row) {
  ObjectSpec s;
  s.kind = FrameObjectKind::StdButton;
  s.IDName = name;
  s.skinrectinapicture = true;
  s.activepictureindex = 0;
  s.skinrect = ButtonCell(row, 0);
  s.activeskinrect = ButtonCell(row, 1);
  s.downrect = ButtonCell(row, 2);
  s.restorerect = ButtonCell(row, 3);
  s.restoreactiverect = ButtonCell(row, 4);
  s.command = command;
  return s;
}

inline ObjectSpec CaptionObject() {
  ObjectSpec s;
  s.kind = FrameObjectKind::Caption;
  s.IDName = "caption";
  s.skinrect = {5, 4, 280, 24};
  CaptionSpec& c = s.caption;
  c.textrect = {4, 2, 274, 20};
  c.fontname = "Arial";
  c.fontheight = 16;
  c.fontstyle = fsBold;
  c.fontcolor = 16111036;
  c.activefontcolor = 11168318;
  c.alignment = TextAlignment::Left;
  c.shadow = true;
  c.shadowcolor = 16777215;
  c.activeshadowcolor = 16777215;
  return s;
}

inline Bitmap PositionPicture(int w, int h, int salt) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, RGB(x % 251, y % 251, (x / 251) * 40 + salt));
  return b;
}

inline FrameSkin ProgramLikeSkin(bool withMask = true) {
  FrameSkin skin;
  skin.info = ProgramLikeFrameInfo();
  skin.info.hasMask = withMask;
  skin.main = PositionPicture(285, 210, 7);
  FillRect(skin.main, {4, 27, 281, 206}, RGB(236, 233, 216));  // client background
  Bitmap buttons(105, 126);
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 5; ++column)
      FillRect(buttons, ButtonCell(row, column), RGB(40 * row + 10, 50 * column + 5, 200));
  skin.activePictures.push_back(buttons);
  if (withMask) {
    skin.mask = Bitmap(285, 210);  // all black: inside
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x + y < 4; ++x) {
        skin.mask.setPixel(x, y, RGB(255, 255, 255));
        skin.mask.setPixel(284 - x, y, RGB(255, 255, 255));
      }
  }
  skin.autorenderinginactiveimage = true;
  skin.inactiveeffect = InactiveEffect::Grayscale;
  skin.objects = {StdButton("closebutton", FrameCommand::Close, 0),
                  StdButton("maxbutton", FrameCommand::Maximize, 1),
                  StdButton("minbutton", FrameCommand::Minimize, 2),
                  StdButton("rollupbutton", FrameCommand::RollUp, 3),
                  StdButton("sysmenubutton", FrameCommand::SysMenu, 4),
                  CaptionObject(),
                  StdButton("traybutton", FrameCommand::MinimizeToTray, 5)};
  skin.objects[4].skinrect = RectFromSize(0, 84, 14, 12);
  return skin;
}

// Makes the form the active window (the frame only tracks objects of active forms).
inline void Activate(QWidget& form) {
  form.show();
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  (void)QTest::qWaitForWindowActive(&form, 1000);
}

}  // namespace lq::test
