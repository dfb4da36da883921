// The window's source picker: a skinned popup menu of check items on the "来源" button whose
// choice, with the expansion box, is what the next run asks.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "app/app_test_support.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/memo.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"

namespace longtail::test {
namespace {

TEST(SourcePicker, CheckedSourcesAreWhatTheNextRunAsks) {
  DemoWindow w;
  MainWindow& f = *w.window;
  auto& button = Child<QWidget>(f, "sourcesButton");
  auto& menu = Child<lq::LqSkinPopupMenu>(f, "sourcesMenu");
  EXPECT_EQ(menu.Items.Count(), 9);
  EXPECT_TRUE(MenuItemOf(f, "sourcesMenu", "soso").Checked);
  EXPECT_FALSE(MenuItemOf(f, "sourcesMenu", "google").Checked);

  f.activateWindow();
  QTest::mouseClick(&button, Qt::LeftButton);
  lq::FrameMenus* menus = menu.FindFrame();
  ASSERT_NE(menus, nullptr);
  ASSERT_TRUE(menus->SkinMenu().Visible());
  QWidget* popup = menus->SkinMenu().TopWindow();
  ASSERT_NE(popup, nullptr);
  EXPECT_GT(popup->height(), 9 * 15);
  EXPECT_GE(popup->y(), button.mapToGlobal(QPoint(0, button.height())).y() - 1);  // below it
  QImage shot = f.grab().toImage();
  {
    QPainter p(&shot);
    p.drawPixmap(popup->pos() - f.pos(), popup->grab());
  }
  SaveDocScreenshot(shot, "main-window-sources.png");

  MenuItemOf(f, "sourcesMenu", "google").Click();
  MenuItemOf(f, "sourcesMenu", "soso").Click();
  MenuItemOf(f, "sourcesMenu", "baidu-related").Click();
  MenuItemOf(f, "sourcesMenu", "google").Click();  // the last one stays checked
  EXPECT_TRUE(MenuItemOf(f, "sourcesMenu", "google").Checked);

  Child<lq::LqSkinCheckRadioBox>(f, "expandBox").SetChecked(true);
  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("手机"));
  f.startQuery();
  ASSERT_TRUE(WaitFor([&] { return f.run().Counts("google").answered >= 12; }));
  f.stopQuery();
  WaitFor([&] { return !f.run().Running(); });
  const std::vector<const Source*> asked = f.run().ChainSources();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_STREQ(asked[0]->id, "google");
  // The seed's expanded queries are asked, not listed.
  EXPECT_FALSE(f.results().ContainsExact("手机 a"));
  EXPECT_FALSE(f.results().ContainsExact("手机 z"));
  EXPECT_GT(f.results().Count(), 12);
}

}  // namespace
}  // namespace longtail::test
