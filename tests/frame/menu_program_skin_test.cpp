// Menus and hints drawn with the program's own skin (the embedded store).
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QWidget>

#include "frame/menu_test_support.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/hint_component.h"
#include "skin/frame/hint_window.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"
#include "skin/qt/bridge.h"
#include "skin/qt/fonts.h"
#include "support/screenshots.h"

namespace lq {
namespace {

class ProgramSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallSkinFontSubstitutions();
    store_ = new LqCompressedStoredSkin;
    const auto stream = EmbeddedSkinStream();
    ASSERT_TRUE(store_->LoadFromCompressedStream(stream.data(), stream.size()));
    skin_ = new LqSkinData;
    skin_->SetCompressedStoredSkin(store_);
    ASSERT_FALSE(skin_->Empty);
  }
  static void TearDownTestSuite() {
    delete skin_;
    delete store_;
  }
  void SetUp() override {
    form = std::make_unique<QWidget>();
    clock = std::make_shared<testing::ManualClock>();
    cursor = std::make_shared<testing::ScriptedCursor>();
    menus = new FrameMenus(form.get(), clock, cursor);
    menus->SkinMenu().SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
    menus->SetMenusSkinDataSource([] { return skin_; });
  }
  void TearDown() override {
    form.reset();
    testing::FlushDeletes();
  }

  static LqCompressedStoredSkin* store_;
  static LqSkinData* skin_;
  std::unique_ptr<QWidget> form;
  std::shared_ptr<testing::ManualClock> clock;
  std::shared_ptr<testing::ScriptedCursor> cursor;
  FrameMenus* menus = nullptr;
};
LqCompressedStoredSkin* ProgramSkin::store_ = nullptr;
LqSkinData* ProgramSkin::skin_ = nullptr;

TEST_F(ProgramSkin, ResultListMenuIs136HighAndWidestTextPlus70Wide) {
  LqSkinPopupMenu popup(form.get());
  for (const char* text : {"所选关键词导出到导出列表", "导出所有关键词到导出列表", "删除选中关键词",
                           "清空所有关键词", "到百度搜索", "到谷歌搜索"})
    popup.Items.Add(QString::fromUtf8(text));
  popup.Popup(300, 200);
  ASSERT_EQ(menus->SkinMenu().WindowCount(), 1);
  LqSkinPopupWindow* w = menus->SkinMenu().TopWindow();
  EXPECT_EQ(w->WindowSize().height(), 136);
  const QFontMetrics m(w->ItemFont());
  int widest = 0;
  for (int i = 0; i < popup.Items.Count(); ++i)
    widest = std::max(widest, m.horizontalAdvance(popup.Items.Item(i)->Caption));
  EXPECT_EQ(w->WindowSize().width(), widest + 70);
  EXPECT_EQ(w->ActiveIndex(), 0);
  // Second item hovered, as when the mouse moves down the menu.
  cursor->moveTo(w->ScreenRect().topLeft() + QPoint(40, w->Item(1)->rect.top + 5));
  clock->advance(50);
  EXPECT_EQ(w->ActiveIndex(), 1);
  longtail::testing::SaveDocScreenshot(BitmapAsQImage(w->Render()), "menu_result_list_skinned.png");
}

TEST_F(ProgramSkin, ExportListMenuShowsTheAcceleratorUnderlined) {
  LqSkinPopupMenu popup(form.get());
  for (const char* text :
       {"删除选中关键词", "清空列表", "导出为TXT文件(&O)", "到百度搜索", "到谷歌搜索"})
    popup.Items.Add(QString::fromUtf8(text));
  popup.Popup(300, 200);
  LqSkinPopupWindow* w = menus->SkinMenu().TopWindow();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->WindowSize().height(), 4 + 5 * 22);
  longtail::testing::SaveDocScreenshot(BitmapAsQImage(w->Render()), "menu_export_list_skinned.png");
}

TEST_F(ProgramSkin, HintIsTextPlus13By6) {
  LqSkinHint hint(nullptr, clock, cursor);
  hint.SkinData = skin_;
  hint.SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
  hint.Window().ActivateHint(QRect(100, 100, 0, 0), QString::fromUtf8("到百度搜索@Baidu"));
  ASSERT_TRUE(hint.Window().Skinned());
  const QSize t = hint.Window().TextSize();
  EXPECT_EQ(hint.Window().Geometry().width, t.width() + 13);
  EXPECT_EQ(hint.Window().Geometry().height, t.height() + 6);
  longtail::testing::SaveDocScreenshot(BitmapAsQImage(hint.Window().Render()), "hint_skinned.png");
}

}  // namespace
}  // namespace lq
