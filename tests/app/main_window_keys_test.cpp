// The window's keys, clipboard and drag and drop: F5, Esc and Ctrl+S press the run's and the
// export's buttons, the focused list copies, pastes and deletes, and result phrases dragged
// onto the export list are copied there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include "app/app_test_support.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "support/screenshots.h"

namespace longtail::test {
namespace {

void Fill(PhraseList& list, const std::vector<std::string>& items) {
  for (const std::string& s : items) list.Append(s);
}

std::vector<std::string> Utf8Items(const PhraseList& list) {
  return list.Items();
}

QWidget* ViewOf(MainWindow& f, const char* list) {
  return Child<lq::LqSkinListBox>(f, list).ListBox();
}

void ShowActive(MainWindow& f) {
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

TEST(MainWindowKeys, FocusedListCopiesPastesWithoutRepeatsAndDeletes) {
  DemoWindow w;
  MainWindow& f = *w.window;
  ShowActive(f);
  Fill(f.results(), {"手机", "qq空间", "电脑", "表情 x"});
  for (int i : {0, 1, 3}) f.results().SetSelected(i, true);
  QWidget* results = ViewOf(f, "resultList");
  results->setFocus();
  QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("手机\nqq空间\n表情 x"));

  QTest::keyClick(results, Qt::Key_Delete);
  EXPECT_EQ(Utf8Items(f.results()), (std::vector<std::string>{"电脑"}));

  // Ctrl+V pastes only into the export list: every line once, letter case ignored.
  QApplication::clipboard()->setText(QStringLiteral(" QQ空间 \r\n\r\n手机\rnew\nNEW\n"));
  QTest::keyClick(results, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.results().Count(), 1);
  Fill(f.exports(), {"qq空间"});
  QWidget* exports = ViewOf(f, "exportList");
  exports->setFocus();
  QTest::keyClick(exports, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"qq空间", "手机", "new"}));

  // Nothing selected: the clipboard keeps its text.
  QTest::keyClick(exports, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" QQ空间 \r\n\r\n手机\rnew\nNEW\n"));
  f.exports().SetSelected(2, true);
  QTest::keyClick(exports, Qt::Key_Delete);
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"qq空间", "手机"}));
  EXPECT_EQ(f.results().Count(), 1);
}

TEST(MainWindowKeys, F5QueriesEscStopsARunCtrlSExportsAndTheHintsSaySo) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(20);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  ShowActive(f);
  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("qq"));
  QWidget* memo = &Child<QWidget>(f, "seedsMemo");
  QTest::keyClick(memo, Qt::Key_Escape);  // no run: nothing to stop
  EXPECT_FALSE(f.run().StopPending());
  QTest::keyClick(memo, Qt::Key_F5);
  EXPECT_TRUE(f.run().Running());
  QTest::keyClick(memo, Qt::Key_Escape);
  EXPECT_TRUE(WaitFor([&] { return !f.run().Running(); }));

  auto& saveDialog = Child<lq::LqSkinSaveDialog>(f, "saveDialog");
  bool opened = false;
  QTimer::singleShot(0, [&] {
    opened = saveDialog.Form() != nullptr;
    if (opened) saveDialog.Form()->reject();
  });
  QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(opened);

  EXPECT_EQ(Child<QWidget>(f, "queryButton").toolTip(), QStringLiteral("查询 (F5)"));
  EXPECT_EQ(Child<QWidget>(f, "stopButton").toolTip(), QStringLiteral("停止查询 (Esc)"));
  EXPECT_EQ(Child<QWidget>(f, "exportButton").toolTip(), QStringLiteral("导出为文本文件 (Ctrl+S)"));

  // Each hint as it shows under its button, gathered into one picture.
  QImage shot = f.grab().toImage();
  QPainter painter(&shot);
  for (const char* name : {"queryButton", "stopButton", "exportButton"}) {
    auto& button = Child<QWidget>(f, name);
    const QPoint below = button.mapToGlobal(QPoint(8, button.height() + 4));
    QToolTip::showText(below, button.toolTip(), &button);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    ASSERT_NE(tip, nullptr);
    painter.drawPixmap(f.mapFromGlobal(tip->pos()), tip->grab());
    QToolTip::hideText();
  }
  painter.end();
  longtail::testing::SaveDocScreenshot(shot, QStringLiteral("button-hints.png"));
}

TEST(MainWindowKeys, DraggingSelectedResultsOntoTheExportListCopiesThem) {
  DemoWindow w;
  MainWindow& f = *w.window;
  ShowActive(f);
  Fill(f.results(), {"a", "b", "c", "d"});
  Fill(f.exports(), {"C"});
  QWidget* results = ViewOf(f, "resultList");
  QWidget* exports = ViewOf(f, "exportList");
  // The drop is delivered by hand where a platform would deliver it.
  f.setDragRunner([&](QDrag& drag) {
    const QPoint at = exports->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
    QApplication::sendEvent(exports, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, drag.mimeData(), Qt::LeftButton, {});
    QApplication::sendEvent(exports, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  });
  QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(20, 10));                   // row 0
  QTest::mouseClick(results, Qt::LeftButton, Qt::ControlModifier, QPoint(20, 50));  // row 2
  QTest::mousePress(results, Qt::LeftButton, {}, QPoint(20, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 12), results->mapToGlobal(QPointF(60, 12)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(results, &move);
  QTest::mouseRelease(results, Qt::LeftButton, {}, QPoint(60, 12));
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"C", "a"}));
  EXPECT_EQ(f.results().Count(), 4) << "a drag copies";

  // Text from elsewhere is taken too; the result list takes no drops.
  QMimeData text;
  text.setText(QStringLiteral("x\ny"));
  QDragEnterEvent onResults(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
  QApplication::sendEvent(results, &onResults);
  EXPECT_FALSE(onResults.isAccepted());
}

}  // namespace
}  // namespace longtail::test
