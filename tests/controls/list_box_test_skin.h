#pragma once
// A small skin built in code with the documented geometry of the program's
// "vscrollbar", "listbox" and "vsplitter" elements. Every piece of the picture
// has its own flat colour so that tests can tell by pixel which piece was drawn.

#include <memory>

#include "skin/data/skin_data.h"

namespace lq::test {

// Colours of the picture's pieces.
constexpr Color kPicBackground = RGB(10, 10, 10);
constexpr Color kScrollElement = RGB(200, 0, 0);   // the bar's element image
constexpr Color kScrollActive = RGB(0, 200, 0);    // hot arrow images
constexpr Color kThumb = RGB(0, 0, 200);           // thumbrect
constexpr Color kThumbActive = RGB(0, 100, 200);   // activethumbrect
constexpr Color kListFrame = RGB(120, 60, 0);      // list box frame
constexpr Color kListClient = RGB(250, 250, 240);  // list box client image
constexpr Color kItemPlain = RGB(240, 240, 255);   // itemrect
constexpr Color kItemActive = RGB(90, 90, 250);    // activeitemrect
constexpr Color kItemFocus = RGB(40, 40, 160);     // focusitemrect
constexpr Color kSplitter = RGB(60, 160, 60);      // splitter strip
constexpr Color kGripper = RGB(250, 250, 0);       // gripper (with a magenta key pixel)
constexpr Color kMagenta = RGB(255, 0, 255);

inline void FillPiece(Bitmap& b, const Rect& r, Color c) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) b.setPixel(x, y, c);
}

inline std::unique_ptr<LqSkinData> MakeTestSkin() {
  auto data = std::make_unique<LqSkinData>();
  Bitmap pic(300, 260);
  pic.fill(kPicBackground);

  auto vs = std::make_unique<LqDataSkinScrollBarControl>("vscrollbar");
  vs->pictureindex = 0;
  vs->skinrect = {223, 25, 240, 93};
  vs->lefttoppoint = {0, 16};
  vs->leftbottompoint = {0, 43};
  vs->trackarea = {0, 16, 17, 52};
  vs->downbuttonrect = {0, 0, 17, 16};
  vs->upbuttonrect = {0, 52, 17, 68};
  vs->activedownbuttonrect = {241, 25, 258, 41};
  vs->activeupbuttonrect = {241, 41, 258, 57};
  vs->thumbrect = {241, 78, 258, 92};
  vs->activethumbrect = {259, 78, 276, 92};
  FillPiece(pic, vs->skinrect, kScrollElement);
  FillPiece(pic, {241, 25, 258, 57}, kScrollActive);
  FillPiece(pic, vs->thumbrect, kThumb);
  FillPiece(pic, vs->activethumbrect, kThumbActive);
  data->ControlDescriptors.push_back(std::move(vs));

  auto lb = std::make_unique<LqDataSkinListBox>("listbox");
  lb->pictureindex = 0;
  lb->skinrect = {0, 0, 59, 52};
  lb->lefttoppoint = {2, 2};
  lb->righttoppoint = {57, 2};
  lb->leftbottompoint = {2, 50};
  lb->rightbottompoint = {57, 50};
  lb->clientrect = {2, 2, 57, 50};
  lb->itemrect = {0, 100, 60, 120};
  lb->activeitemrect = {0, 120, 60, 140};
  lb->focusitemrect = {0, 140, 60, 160};
  lb->itemleftoffset = 2;
  lb->itemrightoffset = 2;
  lb->itemtextrect = {2, 2, 58, 18};
  lb->fontname = "Arial";
  lb->fontheight = 14;
  lb->fontcolor = RGB(0, 0, 0);
  lb->activefontcolor = RGB(255, 255, 255);
  lb->focusfontcolor = RGB(255, 255, 0);
  FillPiece(pic, lb->skinrect, kListFrame);
  FillPiece(pic, {2, 2, 57, 50}, kListClient);
  FillPiece(pic, lb->itemrect, kItemPlain);
  FillPiece(pic, lb->activeitemrect, kItemActive);
  FillPiece(pic, lb->focusitemrect, kItemFocus);
  data->ControlDescriptors.push_back(std::move(lb));

  auto sp = std::make_unique<LqDataSkinSplitterControl>("vsplitter");
  sp->pictureindex = 0;
  sp->skinrect = {118, 191, 123, 213};
  sp->lefttoppoint = {0, 5};
  sp->leftbottompoint = {0, 18};
  sp->gripperrect = {127, 206, 130, 214};
  sp->grippertransparent = true;
  sp->grippertransparentcolor = kMagenta;
  FillPiece(pic, sp->skinrect, kSplitter);
  FillPiece(pic, sp->gripperrect, kGripper);
  pic.setPixel(127, 206, kMagenta);
  data->ControlDescriptors.push_back(std::move(sp));

  data->ActivePictures.push_back(std::move(pic));
  data->Empty = false;
  return data;
}

}  // namespace lq::test
