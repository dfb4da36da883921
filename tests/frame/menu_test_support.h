#pragma once
// Shared by the menu and hint tests: the manual clock, a scripted cursor and a small skin
// built in code with the documented geometry of the program's popup window and menu item.

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <memory>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/frame/menu_clock.h"
#include "skin/frame/menu_skin.h"
#include "support/manual_clock.h"

namespace lq::testing {

using longtail::testing::ManualClock;

class ScriptedCursor : public CursorProbe {
 public:
  CursorState state() const override { return state_; }
  void moveTo(QPoint p) { state_.global = p; }
  CursorState state_{QPoint(-5000, -5000), false};
};

// Documented geometry: window picture 93 x 55 with items rectangle 2,2,91,53; item skinrect
// 89 x 22 with text rectangle 23,1,86,20; divider 3 pixels high.
inline MenuSkin ProgramLikeMenuSkin() {
  MenuSkin skin;
  PopupWindowSkin w;
  w.window = Bitmap(93, 55);
  w.window.fill(RGB(90, 110, 150));
  for (int y = 2; y < 53; ++y)
    for (int x = 2; x < 91; ++x) w.window.setPixel(x, y, RGB(235, 238, 245));
  w.lefttoppoint = {3, 3};
  w.righttoppoint = {90, 3};
  w.leftbottompoint = {3, 52};
  w.rightbottompoint = {90, 52};
  w.itemsrect = {2, 2, 91, 53};
  w.scrollmarkercolor = RGB(120, 120, 120);
  w.scrollmarkeractivecolor = RGB(200, 0, 0);
  skin.window = w;
  MenuItemSkin item;
  item.active = Bitmap(89, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 89; ++x)
      item.active.setPixel(x, y,
                           y < 22   ? RGB(235, 238, 245)
                           : y < 44 ? RGB(60, 100, 200)
                                    : RGB(150, 150, 170));
  item.skinrect = {0, 0, 89, 22};
  item.activeskinrect = {0, 22, 89, 44};
  item.dividerrect = {0, 45, 89, 48};
  item.textrect = {23, 1, 86, 20};
  item.itemleftoffset = item.itemrightoffset = 3;
  item.font.name = "宋体";
  item.font.height = 12;
  item.fontcolor = RGB(0, 0, 0);
  item.activefontcolor = RGB(255, 255, 255);
  item.unenabledfontcolor = RGB(128, 128, 128);
  skin.item = item;
  return skin;
}

// The same skin as a loaded skin data component: window picture 0, item picture 1.
inline std::unique_ptr<LqSkinData> ProgramLikeSkinData() {
  const MenuSkin skin = ProgramLikeMenuSkin();
  auto data = std::make_unique<LqSkinData>();
  data->Empty = false;
  data->ActivePictures = {skin.window->window, skin.item->active};
  LqDataSkinPopupWindow& pw = data->PopupWindowDescriptor;
  pw.windowpictureindex = 0;
  pw.lefttoppoint = skin.window->lefttoppoint;
  pw.righttoppoint = skin.window->righttoppoint;
  pw.leftbottompoint = skin.window->leftbottompoint;
  pw.rightbottompoint = skin.window->rightbottompoint;
  pw.itemsrect = skin.window->itemsrect;
  pw.scrollmarkercolor = skin.window->scrollmarkercolor;
  pw.scrollmarkeractivecolor = skin.window->scrollmarkeractivecolor;
  auto item = std::make_unique<LqDataSkinMenuItem>("menuitem");
  item->activepictureindex = 1;
  item->skinrect = skin.item->skinrect;
  item->activeskinrect = skin.item->activeskinrect;
  item->dividerrect = skin.item->dividerrect;
  item->textrect = skin.item->textrect;
  item->itemleftoffset = item->itemrightoffset = 3;
  item->fontname = skin.item->font.name;
  item->fontheight = skin.item->font.height;
  item->activefontcolor = skin.item->activefontcolor;
  item->unenabledfontcolor = skin.item->unenabledfontcolor;
  data->ObjectDescriptors.push_back(std::make_unique<LqDataSkinStdButton>("closebutton"));
  data->ObjectDescriptors.push_back(std::move(item));
  return data;
}

inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace lq::testing
