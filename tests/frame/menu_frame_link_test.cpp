// The frame's system menu shown through the menu engine.
#include "skin/frame/menu_frame_link.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QMoveEvent>

#include "frame/menu_test_support.h"
#include "frame/test_frame_skin.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"

namespace lq {
namespace {

class FrameSystemMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    LqLacquerForm::SetApplicationMainForm(&mainForm);
    frame = new LqLacquerForm(&form);
    frame->SetScreenInfo(screen);
    frame->SetBorderIcons(biMinimize | biMaximize);  // the main window's border icons
    frame->SetFrameSkin(test::ProgramLikeSkin());
    form.setGeometry(100, 80, 400, 300);
    menus = AttachFrameMenus(*frame, clock, cursor);
  }
  void TearDown() override {
    LqLacquerForm::SetApplicationMainForm(nullptr);
    testing::FlushDeletes();
  }
  QStringList Shown() {
    QStringList out;
    LqSkinPopupWindow* w = menus->SkinMenu().TopWindow();
    for (int i = 0; w && i < w->ItemCount(); ++i) out << w->Item(i)->Item()->Caption;
    return out;
  }
  void key(int k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &press);
  }

  std::shared_ptr<FixedScreenInfo> screen =
      std::make_shared<FixedScreenInfo>(Rect{0, 0, 800, 800}, Rect{0, 0, 800, 760});
  std::shared_ptr<testing::ManualClock> clock = std::make_shared<testing::ManualClock>();
  std::shared_ptr<testing::ScriptedCursor> cursor = std::make_shared<testing::ScriptedCursor>();
  QWidget mainForm;
  QWidget form;
  LqLacquerForm* frame = nullptr;
  FrameMenus* menus = nullptr;
};

QStringList U(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

TEST_F(FrameSystemMenu, NormalAndMaximizedMainWindowMenus) {
  EXPECT_EQ(AttachFrameMenus(*frame), menus);  // attached once
  frame->ShowSystemMenu(QPoint(150, 90));
  ASSERT_TRUE(menus->SkinMenu().Visible());
  EXPECT_TRUE(frame->SkinMenuOpen());
  EXPECT_EQ(Shown(), U({"最小化(&N)", "最大化(&X)", "-", "关闭(&C)"}));
  EXPECT_EQ(menus->SkinMenu().TopWindow()->ScreenRect().topLeft(), QPoint(150, 90));
  key(Qt::Key_Escape);
  EXPECT_FALSE(menus->SkinMenu().Visible());
  EXPECT_FALSE(frame->SkinMenuOpen());

  frame->SetFrameState(FrameState::Maximized);
  frame->ShowSystemMenu(QPoint(150, 90));
  EXPECT_EQ(Shown(), U({"最小化(&N)", "恢复(&R)", "-", "关闭(&C)"}));
  key(Qt::Key_Down);  // onto 恢复(&R)
  key(Qt::Key_Return);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  EXPECT_FALSE(frame->SkinMenuOpen());
}

TEST_F(FrameSystemMenu, EditorWindowShowsOnlyCloseAndMovingTheFormClosesTheMenu) {
  frame->SetBorderIcons(0);
  frame->ShowSystemMenu(QPoint(150, 90));
  EXPECT_EQ(Shown(), U({"关闭(&C)"}));
  QMoveEvent moved(QPoint(120, 100), QPoint(100, 80));  // a hidden form gets no real move
  QCoreApplication::sendEvent(&form, &moved);
  EXPECT_FALSE(menus->SkinMenu().Visible());
  EXPECT_FALSE(frame->SkinMenuOpen());
}

TEST_F(FrameSystemMenu, TrayMenuRestoresAndCloses) {
  LqSkinPopupMenu* tray = FrameTrayMenu(*frame);
  ASSERT_TRUE(tray);
  EXPECT_EQ(FrameTrayMenu(*frame), tray);
  tray->Popup(700, 740);
  ASSERT_TRUE(menus->SkinMenu().Visible());
  EXPECT_EQ(Shown(), U({"恢复(&R)", "-", "关闭(&C)"}));
  // Near the bottom of the work area the menu opens upwards from the point.
  EXPECT_EQ(menus->SkinMenu().TopWindow()->ScreenRect().bottom(), 739);
}

TEST(FrameMenusLookup, APopupMenuOnAFramedFormGivesTheFrameItsMenus) {
  QWidget form;
  auto* frame = new LqLacquerForm(&form);
  QWidget list(&form);
  LqSkinPopupMenu popup(&list);  // owned by a control of the form
  popup.Items.Add("A");
  EXPECT_EQ(FrameMenus::Find(&form), nullptr);
  FrameMenus* menus = popup.FindFrame();
  ASSERT_TRUE(menus);
  EXPECT_EQ(menus, FrameMenus::Find(&form));
  EXPECT_EQ(menus->Form(), frame->Form());
}

}  // namespace
}  // namespace lq
