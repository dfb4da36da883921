#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

#include "frame/menu_test_support.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_painter.h"
#include "skin/frame/popup_window.h"
#include "support/screenshots.h"

namespace lq {
namespace {

QImage ToImage(Bitmap b) {
  return WrapBitmap(b).copy();
}

class MenuPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    clock = std::make_shared<testing::ManualClock>();
    cursor = std::make_shared<testing::ScriptedCursor>();
    menu = std::make_unique<LqSkinMenu>(nullptr, clock, cursor);
    menu->SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
    for (const char* text : {"所选关键词导出到导出列表", "导出所有关键词到导出列表",
                             "删除选中关键词", "清空所有关键词", "到百度搜索", "到谷歌搜索"})
      items.Add(QString::fromUtf8(text));
  }
  void TearDown() override {
    menu.reset();
    testing::FlushDeletes();
  }

  std::shared_ptr<testing::ManualClock> clock;
  std::shared_ptr<testing::ScriptedCursor> cursor;
  std::unique_ptr<LqSkinMenu> menu;
  MenuItem items;
};

TEST_F(MenuPaint, DefaultLookHasRingsGlyphColumnAndNavyHighlight) {
  menu->Popup(nullptr, nullptr, false, &items, QRect(10, 10, 0, 0), 0);
  LqSkinPopupWindow* w = menu->TopWindow();
  const Bitmap b = w->Render();
  EXPECT_EQ(b.pixel(0, 0), syscolor::BtnShadow);
  EXPECT_EQ(b.pixel(1, 1), syscolor::Window);
  const Rect hot = w->Item(0)->rect;
  EXPECT_EQ(b.pixel(hot.left, hot.top), syscolor::HotFrame);
  EXPECT_EQ(b.pixel(hot.right - 1, hot.bottom - 1), syscolor::HotFrame);
  EXPECT_EQ(b.pixel(hot.left + 2, hot.top + 2), syscolor::HotFill);
  const Rect normal = w->Item(1)->rect;
  EXPECT_EQ(b.pixel(normal.left + 2, normal.top + 2), syscolor::BtnFace);  // glyph column
  EXPECT_EQ(b.pixel(normal.right - 2, normal.top + 2), syscolor::Window);
  bool anyText = false;  // the caption is drawn in the window text colour
  for (int x = normal.left + 19; x < normal.right && !anyText; ++x)
    for (int y = normal.top; y < normal.bottom && !anyText; ++y)
      anyText = b.pixel(x, y) == syscolor::WindowText;
  EXPECT_TRUE(anyText);
  longtail::testing::SaveDocScreenshot(ToImage(b), "menu_result_list_default.png");
}

TEST_F(MenuPaint, SkinnedLookUsesItemImagesAndFrame) {
  auto skin = std::make_shared<MenuSkin>(testing::ProgramLikeMenuSkin());
  menu->Popup(nullptr, skin, false, &items, QRect(10, 10, 0, 0), 0);
  LqSkinPopupWindow* w = menu->TopWindow();
  EXPECT_EQ(w->WindowSize().height(), 136);
  const Bitmap b = w->Render();
  EXPECT_EQ(b.pixel(0, 0), RGB(90, 110, 150));  // frame picture corner
  EXPECT_EQ(b.pixel(w->WindowSize().width() - 1, 135), RGB(90, 110, 150));
  const Rect hot = w->Item(0)->rect;
  EXPECT_EQ(b.pixel(hot.left + 1, hot.top + 1), RGB(60, 100, 200));
  const Rect normal = w->Item(1)->rect;
  EXPECT_EQ(b.pixel(normal.left + 1, normal.top + 1), RGB(235, 238, 245));
}

TEST_F(MenuPaint, ScrollMarkersUseTheActiveColourInTheScrollingDirection) {
  menu->MaxMenuItemsInWindow = 3;
  auto skin = std::make_shared<MenuSkin>(testing::ProgramLikeMenuSkin());
  menu->Popup(nullptr, skin, false, &items, QRect(10, 10, 0, 0), 0);
  LqSkinPopupWindow* w = menu->TopWindow();
  auto countColour = [](const Bitmap& b, Color c, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
    return n;
  };
  const int H = w->WindowSize().height();
  Bitmap b = w->Render();
  EXPECT_EQ(countColour(b, RGB(120, 120, 120), 2, 12), 16);  // 7 + 5 + 3 + 1 pixels
  EXPECT_EQ(countColour(b, RGB(120, 120, 120), H - 12, H - 2), 16);
  w->StartScroll(2);
  b = w->Render();
  EXPECT_EQ(countColour(b, RGB(200, 0, 0), H - 12, H - 2), 16);
  EXPECT_EQ(countColour(b, RGB(200, 0, 0), 2, 12), 0);
  w->StopScroll();
}

TEST_F(MenuPaint, MorphingStepsByAFifthEvery20Ms) {
  MenuSkin s = testing::ProgramLikeMenuSkin();
  s.item->morphing = true;
  menu->Popup(nullptr, std::make_shared<MenuSkin>(s), false, &items, QRect(10, 10, 0, 0), 0);
  LqSkinPopupWindow* w = menu->TopWindow();
  EXPECT_TRUE(w->MorphTimerActive());
  EXPECT_DOUBLE_EQ(w->Item(0)->morph, 0.0);
  clock->advance(20);
  EXPECT_NEAR(w->Item(0)->morph, 0.2, 1e-9);
  clock->advance(80);
  EXPECT_NEAR(w->Item(0)->morph, 1.0, 1e-9);
  clock->advance(20);  // a tick where nothing moved stops the timer
  EXPECT_FALSE(w->MorphTimerActive());
  // Half way, the item shows a blend of the normal and highlighted images.
  w->Item(0)->morph = 0.5;
  const Bitmap b = w->Render();
  const Color c = b.pixel(w->Item(0)->rect.left + 1, w->Item(0)->rect.top + 1);
  EXPECT_GT(ColorR(c), 60);
  EXPECT_LT(ColorR(c), 235);
  EXPECT_GT(ColorB(c), 200);
  EXPECT_LT(ColorB(c), 245);
}

TEST_F(MenuPaint, ItemAnimationRunsItsFramesForwardAndBackward) {
  MenuSkin s = testing::ProgramLikeMenuSkin();
  s.item->framecount = 3;
  s.item->animateskinrect = {0, 0, 89, 66};  // three frames stacked vertically
  s.item->animateinterval = 30;
  s.item->inactiveanimation = true;
  menu->Popup(nullptr, std::make_shared<MenuSkin>(s), false, &items, QRect(10, 10, 0, 0), 0);
  LqSkinPopupWindow* w = menu->TopWindow();
  LqSkinMenuItem* first = w->Item(0);
  clock->advance(30);
  EXPECT_EQ(first->frame, 1);
  // Frame 2 is the picture's second band: the highlighted colour of the test skin.
  clock->advance(30);
  EXPECT_EQ(first->frame, 2);
  EXPECT_EQ(w->Render().pixel(first->rect.left + 1, first->rect.top + 1), RGB(60, 100, 200));
  clock->advance(60);
  EXPECT_EQ(first->frame, 4);  // past the last frame: the plain highlighted image
  clock->advance(30);
  EXPECT_FALSE(w->MorphTimerActive());
  w->KeyDown(Qt::Key_Down, {});  // the highlight moves on: frames run backwards
  EXPECT_EQ(first->frame, 4);
  clock->advance(4 * 30);
  EXPECT_EQ(first->frame, 0);
}

}  // namespace
}  // namespace lq
