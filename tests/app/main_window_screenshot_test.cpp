// What the user sees: the window at start-up, during a run, with the result list's popup
// menu open, and while a blocking service makes the run pause. The images go to docs/ when LONGTAIL_DOCS_SCREENSHOTS is set.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "app/app_test_support.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"

namespace longtail::test {
namespace {

// Pixels of a widget's area that differ clearly from its most common colour: text and
// lines drawn on a plain face.
int InkPixels(const QImage& image, const QRect& area) {
  const QRgb face = image.pixel(area.topLeft() + QPoint(2, 2));
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qAbs(qGray(image.pixel(x, y)) - qGray(face)) > 60) ++ink;
  return ink;
}

QRect AreaIn(QWidget* form, QWidget* w) {
  return QRect(w->mapTo(form, QPoint(0, 0)), w->size());
}

TEST(MainWindowScreens, StartUpRunAndPopupMenu) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(2);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  f.show();
  WaitFor([] { return false; }, 100);
  const QImage start = f.grab().toImage();
  SaveDocScreenshot(start, "main-window.png");
  // Captions are drawn: the query button and the filter button carry dark text.
  EXPECT_GT(InkPixels(start, AreaIn(&f, &Child<QWidget>(f, "queryButton")).adjusted(8, 4, -8, -4)),
            20);
  EXPECT_GT(InkPixels(start, AreaIn(&f, &Child<QWidget>(f, "filterButton")).adjusted(8, 4, -8, -4)),
            200);

  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("手机\nqq\n电脑"));
  f.startQuery();
  ASSERT_TRUE(WaitFor([&] { return f.results().Count() >= 300; }));
  f.stopQuery();
  WaitFor([&] { return !f.run().Running(); });
  WaitFor([] { return false; }, 600);  // a count refresh
  for (int i : {3, 5, 6, 9}) f.results().SetSelected(i, true);
  f.results().SetItemIndex(9);
  f.copySelectedToExport();
  WaitFor([] { return false; }, 600);
  const QImage running = f.grab().toImage();
  auto& resultList = Child<QWidget>(f, "resultList");
  SaveDocScreenshot(running, "main-window-run.png");
  EXPECT_GT(InkPixels(running, AreaIn(&f, &resultList).adjusted(4, 4, -24, -4)), 500);

  const QPoint at = resultList.mapToGlobal(QPoint(120, 90));
  f.activateWindow();
  auto& menu = Child<lq::LqSkinPopupMenu>(f, "resultMenu");
  menu.Popup(at.x(), at.y());
  lq::FrameMenus* menus = menu.FindFrame();
  ASSERT_NE(menus, nullptr);
  ASSERT_TRUE(menus->SkinMenu().Visible());
  QWidget* window = menus->SkinMenu().TopWindow();
  ASSERT_NE(window, nullptr);
  QImage withMenu = f.grab().toImage();
  {
    QPainter p(&withMenu);
    p.drawPixmap(window->pos() - f.pos(), window->grab());
  }
  EXPECT_GT(window->height(), 6 * 15);  // six items
  SaveDocScreenshot(withMenu, "main-window-menu.png");
}

// A service that starts asking for a human check: the run keeps what it found, says which
// service pauses and for how long, and Stop then ends the run at once.
TEST(MainWindowScreens, BlockedPause) {
  demo::DemoOptions options;
  options.blockAfter = 40;
  options.blockFor = std::chrono::seconds(30);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  auto& status = Child<lq::LqSkinStatusPanel>(f, "statusPanel");
  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("手机"));
  f.startQuery();
  ASSERT_TRUE(WaitFor([&] { return status.Caption().contains(QStringLiteral("暂停")); }))
      << status.Caption().toStdString();
  EXPECT_TRUE(status.Caption().contains(QStringLiteral("暂停 30 秒：")))
      << status.Caption().toStdString();
  const int found = f.results().Count();
  EXPECT_GT(found, 0);
  WaitFor([] { return false; }, 600);  // a count refresh
  SaveDocScreenshot(f.grab().toImage(), "main-window-blocked.png");
  // Nothing of the verification page became a phrase.
  for (const std::string& phrase : f.results().Items())
    EXPECT_EQ(phrase.find('<'), std::string::npos) << phrase;
  f.stopQuery();
  EXPECT_TRUE(WaitFor([&] { return !f.run().Running(); }, 6000));
}

}  // namespace
}  // namespace longtail::test
