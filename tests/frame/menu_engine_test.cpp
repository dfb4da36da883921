#include "skin/frame/menu_engine.h"

#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "frame/menu_test_support.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/menu_messages.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"

namespace lq {
namespace {

// Counts the menu notifications an object receives.
class MessageSpy : public QObject {
 public:
  bool event(QEvent* e) override {
    if (const int m = AsMenuMessage(e)) {
      log.push_back(m);
      return true;
    }
    return QObject::event(e);
  }
  std::vector<int> log;
};

class MenuFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<QWidget>();
    form->setGeometry(100, 100, 400, 300);
    clock = std::make_shared<testing::ManualClock>();
    cursor = std::make_shared<testing::ScriptedCursor>();
    menus = new FrameMenus(form.get(), clock, cursor);
    menus->SkinMenu().SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
    QObject::connect(menus, &FrameMenus::menuClosed, [this] { ++menuModeEnds; });
  }
  void TearDown() override {
    form.reset();
    testing::FlushDeletes();
  }

  LqSkinMenu& engine() { return menus->SkinMenu(); }
  LqSkinPopupWindow* top() { return engine().TopWindow(); }
  QPoint itemCentre(LqSkinPopupWindow* w, int i) {
    const Rect& r = w->Item(i)->rect;
    return w->ScreenRect().topLeft() + QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // Moves the scripted cursor and lets one mouse poll run.
  void hover(QPoint global) {
    cursor->moveTo(global);
    clock->advance(50);
  }
  void key(int k, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QCoreApplication::sendEvent(form.get(), &press);
  }

  std::unique_ptr<QWidget> form;
  std::shared_ptr<testing::ManualClock> clock;
  std::shared_ptr<testing::ScriptedCursor> cursor;
  FrameMenus* menus = nullptr;
  int menuModeEnds = 0;
};

// The result list's menu and the export list's menu of the main window.
void FillResultMenu(LqSkinPopupMenu& m, std::vector<QString>* ran) {
  for (const char* text : {"所选关键词导出到导出列表", "导出所有关键词到导出列表", "删除选中关键词",
                           "清空所有关键词", "到百度搜索", "到谷歌搜索"}) {
    const QString caption = QString::fromUtf8(text);
    m.Items.Add(caption, [ran, caption] {
      if (ran) ran->push_back(caption);
    });
  }
}

void FillExportMenu(LqSkinPopupMenu& m, std::vector<QString>* ran) {
  for (const char* text :
       {"删除选中关键词", "清空列表", "导出为TXT文件(&O)", "到百度搜索", "到谷歌搜索"}) {
    const QString caption = QString::fromUtf8(text);
    m.Items.Add(caption, [ran, caption] { ran->push_back(caption); });
  }
}

TEST_F(MenuFixture, ResultListMenuOpensAtThePointWithFirstItemHighlighted) {
  LqSkinPopupMenu popup(form.get());
  auto skinData = testing::ProgramLikeSkinData();
  popup.SkinData = skinData.get();
  FillResultMenu(popup, nullptr);
  popup.Popup(200, 150);
  ASSERT_TRUE(engine().Visible());
  ASSERT_EQ(engine().WindowCount(), 1);
  EXPECT_TRUE(menus->SkinMenuOpen());
  LqSkinPopupWindow* w = top();
  EXPECT_EQ(w->ScreenRect().topLeft(), QPoint(200, 150));
  EXPECT_EQ(w->WindowSize().height(), 136);
  const QFontMetrics m(w->ItemFont());
  int widest = 0;
  for (int i = 0; i < popup.Items.Count(); ++i)
    widest = std::max(widest, m.horizontalAdvance(popup.Items.Item(i)->Caption));
  EXPECT_EQ(w->WindowSize().width(), widest + 70);
  EXPECT_EQ(w->ActiveIndex(), 0);
  EXPECT_TRUE(w->Item(0)->active);
  EXPECT_TRUE(w->Item(0)->keySelected);
}

TEST_F(MenuFixture, KeyboardWrapsAndAcceleratorRunsTheItemAfterTheMenuClosed) {
  std::vector<QString> ran;
  MessageSpy control;
  LqSkinPopupMenu popup(form.get());
  FillExportMenu(popup, &ran);
  popup.Items.Item(2)->SetClickHandler([&] {
    EXPECT_FALSE(engine().Visible());  // closed before the handler runs
    EXPECT_EQ(engine().WindowCount(), 0);
    ran.push_back("O");
  });
  popup.PopupAt(QRect(300, 200, 0, 0), false, &control);
  ASSERT_EQ(top()->ActiveIndex(), 0);
  key(Qt::Key_Up);  // wraps from the first to the last
  EXPECT_EQ(top()->ActiveIndex(), 4);
  key(Qt::Key_Down);  // and from the last to the first
  EXPECT_EQ(top()->ActiveIndex(), 0);
  EXPECT_FALSE(top()->Item(4)->active);
  key(Qt::Key_O, "o");
  EXPECT_EQ(ran, std::vector<QString>{"O"});
  EXPECT_FALSE(menus->SkinMenuOpen());
  EXPECT_EQ(menuModeEnds, 1);
  EXPECT_EQ(control.log, (std::vector<int>{LQM_CLOSESKINMENU, LQM_MENUITEMCLICKED}));
}

TEST_F(MenuFixture, EscClosesTheMenuAndEndsMenuMode) {
  LqSkinPopupMenu popup(form.get());
  FillExportMenu(popup, nullptr);
  int closes = 0;
  QObject::connect(&popup, &LqSkinPopupMenu::closed, [&] { ++closes; });
  popup.Popup(10, 10);
  key(Qt::Key_Left);  // one window: nothing
  EXPECT_TRUE(engine().Visible());
  key(Qt::Key_Escape);
  EXPECT_FALSE(engine().Visible());
  EXPECT_FALSE(menus->SkinMenuOpen());
  EXPECT_EQ(menuModeEnds, 1);
  EXPECT_EQ(closes, 1);
  // Keys reach the form again once menu mode is over.
  EXPECT_FALSE(menus->MenuKeyDown(Qt::Key_Down, {}));
}

TEST_F(MenuFixture, EnterClicksTheActiveItemAndDisabledItemsAreSkipped) {
  std::vector<QString> ran;
  LqSkinPopupMenu popup(form.get());
  FillExportMenu(popup, &ran);
  popup.Items.Item(1)->Enabled = false;
  popup.Items.Insert(1, std::make_unique<MenuItem>("-"));
  popup.Popup(10, 10);
  key(Qt::Key_Down);  // over the separator and the disabled item
  EXPECT_EQ(top()->Item(top()->ActiveIndex())->Item()->Caption,
            QString::fromUtf8("导出为TXT文件(&O)"));
  key(Qt::Key_Return);
  ASSERT_EQ(ran.size(), 1u);
  EXPECT_EQ(ran[0], QString::fromUtf8("导出为TXT文件(&O)"));
}

TEST_F(MenuFixture, MouseHoverHighlightsAndReleaseClicks) {
  std::vector<QString> ran;
  LqSkinPopupMenu popup(form.get());
  FillResultMenu(popup, &ran);
  popup.Popup(50, 50);
  LqSkinPopupWindow* w = top();
  hover(itemCentre(w, 3));
  EXPECT_EQ(w->ActiveIndex(), 3);
  EXPECT_FALSE(w->Item(0)->active);
  EXPECT_FALSE(w->Item(3)->keySelected);
  const Rect r = w->Item(3)->rect;
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(r.left + 5, r.top + 5),
                      QPointF(itemCentre(w, 3)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
  EXPECT_EQ(ran, std::vector<QString>{QString::fromUtf8("清空所有关键词")});
  EXPECT_FALSE(engine().Visible());
}

TEST_F(MenuFixture, AQuickClickBeforeTheNextPollClicksTheItemUnderTheMouse) {
  std::vector<QString> ran;
  LqSkinPopupMenu popup(form.get());
  FillResultMenu(popup, &ran);
  popup.Popup(50, 50);
  LqSkinPopupWindow* w = top();
  const Rect r = w->Item(4)->rect;
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(r.left + 5, r.top + 5),
                      QPointF(itemCentre(w, 4)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
  EXPECT_EQ(ran, std::vector<QString>{QString::fromUtf8("到百度搜索")});
}

TEST_F(MenuFixture, ClicksMovesAndDeactivationOfTheFormCloseTheMenu) {
  LqSkinPopupMenu popup(form.get());
  FillResultMenu(popup, nullptr);
  const std::vector<QEvent::Type> closers{QEvent::MouseButtonPress, QEvent::Move, QEvent::Resize,
                                          QEvent::WindowDeactivate};
  for (QEvent::Type type : closers) {
    popup.Popup(50, 50);
    ASSERT_TRUE(engine().Visible());
    if (type == QEvent::MouseButtonPress) {
      QMouseEvent press(type, QPointF(5, 5), QPointF(105, 105), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(form.get(), &press);
    } else {
      QEvent e(type);
      QCoreApplication::sendEvent(form.get(), &e);
    }
    EXPECT_FALSE(engine().Visible()) << type;
    EXPECT_FALSE(menus->SkinMenuOpen()) << type;
  }
}

TEST_F(MenuFixture, MouseWheelIsSwallowedWhileTheMenuIsOpen) {
  LqSkinPopupMenu popup(form.get());
  FillResultMenu(popup, nullptr);
  popup.Popup(50, 50);
  QWidget child(form.get());
  QWheelEvent wheel(QPointF(1, 1), QPointF(101, 101), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  // The application filter consumes it before the widget sees it.
  struct WheelCounter : QObject {
    int seen = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Wheel) ++seen;
      return false;
    }
  } counter;
  child.installEventFilter(&counter);
  QCoreApplication::sendEvent(&child, &wheel);
  EXPECT_EQ(counter.seen, 0);
  key(Qt::Key_Escape);
  QCoreApplication::sendEvent(&child, &wheel);
  EXPECT_EQ(counter.seen, 1);
}

TEST_F(MenuFixture, ItemLimitScrollsOneItemPer100MsWhileHoveringAMarker) {
  engine().MaxMenuItemsInWindow = 3;
  LqSkinPopupMenu popup(form.get());
  auto skinData = testing::ProgramLikeSkinData();
  popup.SkinData = skinData.get();
  FillResultMenu(popup, nullptr);
  popup.Popup(100, 100);
  LqSkinPopupWindow* w = top();
  EXPECT_EQ(w->WindowSize().height(), 3 * 22 + 4 + 20);
  EXPECT_TRUE(w->Scrolling());
  EXPECT_EQ(w->VisibleCount(), 3);
  const QPoint bottomBand = w->ScreenRect().topLeft() + QPoint(40, w->WindowSize().height() - 6);
  hover(bottomBand);
  EXPECT_EQ(w->ScrollDirection(), 2);
  EXPECT_EQ(w->VisibleStart(), 0);
  clock->advance(100);
  EXPECT_EQ(w->VisibleStart(), 1);
  clock->advance(100);
  EXPECT_EQ(w->VisibleStart(), 2);
  clock->advance(500);  // stops at the last page
  EXPECT_EQ(w->VisibleStart(), 3);
  EXPECT_FALSE(w->ScrollTimerActive());
  hover(itemCentre(w, 4));  // leaving the bands stops scrolling
  EXPECT_EQ(w->ScrollDirection(), 0);
  // Keys: Down from the last item wraps to the first page, Up from the first to the last.
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  EXPECT_EQ(w->ActiveIndex(), 0);
  EXPECT_EQ(w->VisibleStart(), 0);
  key(Qt::Key_Up);
  EXPECT_EQ(w->ActiveIndex(), 5);
  EXPECT_EQ(w->VisibleStart(), 3);
  EXPECT_TRUE(w->Item(5)->shown);
  EXPECT_FALSE(w->Item(2)->shown);
}

TEST_F(MenuFixture, SubmenuOpensAfter500MsAndAPlainItemCancelsTheWait) {
  LqSkinPopupMenu popup(form.get());
  popup.Items.Add("Plain");
  MenuItem* sub = popup.Items.Add("More");
  sub->Add("Inner 1");
  sub->Add("Inner 2");
  popup.Popup(100, 100);
  LqSkinPopupWindow* w = top();
  hover(itemCentre(w, 1));
  EXPECT_TRUE(engine().WaitTimerActive());
  clock->advance(499);
  EXPECT_EQ(engine().WindowCount(), 1);
  clock->advance(1);
  ASSERT_EQ(engine().WindowCount(), 2);
  EXPECT_TRUE(w->Item(1)->down);
  LqSkinPopupWindow* inner = top();
  EXPECT_EQ(inner->ScreenRect().left(), w->ScreenRect().left() + w->Item(1)->rect.right + 1);
  EXPECT_EQ(inner->ScreenRect().top() + inner->Geometry().itemsRect.top,
            w->ScreenRect().top() + w->Item(1)->rect.top);
  key(Qt::Key_Escape);  // closes only the submenu
  EXPECT_EQ(engine().WindowCount(), 1);
  EXPECT_FALSE(w->Item(1)->down);
  EXPECT_TRUE(menus->SkinMenuOpen());

  hover(itemCentre(w, 0));
  hover(itemCentre(w, 1));
  clock->advance(200);
  hover(itemCentre(w, 0));  // a plain item before the wait is over
  EXPECT_FALSE(engine().WaitTimerActive());
  clock->advance(1000);
  EXPECT_EQ(engine().WindowCount(), 1);
  // Right opens the submenu of the active item at once; Left closes it.
  key(Qt::Key_Down);
  key(Qt::Key_Right);
  EXPECT_EQ(engine().WindowCount(), 2);
  key(Qt::Key_Left);
  EXPECT_EQ(engine().WindowCount(), 1);
}

TEST_F(MenuFixture, MenuWithoutShownItemsOpensNothingAndLeavesMenuMode) {
  LqSkinPopupMenu popup(form.get());
  popup.Items.Add("Hidden")->Visible = false;
  popup.Popup(10, 10);
  EXPECT_FALSE(engine().Visible());
  EXPECT_FALSE(menus->SkinMenuOpen());
  LqSkinPopupMenu orphan;  // no form, no frame: nothing happens
  orphan.Items.Add("A");
  orphan.Popup(10, 10);
  EXPECT_FALSE(engine().Visible());
}

TEST_F(MenuFixture, ActivationMovingToTheMenuKeepsItOpenAndElsewhereClosesIt) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  LqSkinPopupMenu popup(form.get());
  FillExportMenu(popup, nullptr);
  popup.Popup(150, 150);
  ASSERT_TRUE(menus->SkinMenuOpen());
  // Some platforms (this test's among them) activate even a window shown without
  // activation.
  QCoreApplication::processEvents();
  ASSERT_TRUE(menus->SkinMenuOpen());
  ASSERT_NE(top(), nullptr);
  top()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top()));
  EXPECT_TRUE(menus->SkinMenuOpen());
  QWidget other;
  other.setGeometry(600, 100, 100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_FALSE(menus->SkinMenuOpen()) << "the form's own activation closes the menu";
}

TEST_F(MenuFixture, DestroyingAnOpenPopupMenuClosesItsWindows) {
  auto popup = std::make_unique<LqSkinPopupMenu>(form.get());
  FillResultMenu(*popup, nullptr);
  popup->Popup(10, 10);
  ASSERT_TRUE(engine().Visible());
  popup.reset();
  EXPECT_FALSE(engine().Visible());
  EXPECT_FALSE(menus->SkinMenuOpen());
}

TEST_F(MenuFixture, ContextMenuOfAControlNeedsASkin) {
  LqSkinPopupMenu popup(form.get());
  FillResultMenu(popup, nullptr);
  popup.PopupFromControl(form.get(), 10, 10);
  EXPECT_FALSE(engine().Visible());
  auto skinData = testing::ProgramLikeSkinData();
  menus->SetMenusSkinDataSource([&] { return skinData.get(); });
  popup.PopupFromControl(form.get(), 10, 10);
  EXPECT_TRUE(engine().Visible());
  EXPECT_EQ(popup.SkinData, skinData.get());  // taken from the frame and kept
}

}  // namespace
}  // namespace lq
