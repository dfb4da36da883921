// What the window asks before data goes and tells when it cannot do something: clearing
// both lists, closing with unsaved results or during a run, exporting over a file, and a
// search without a browser.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "harvest/auto_save.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"

namespace longtail::test {
namespace {

TEST(MainWindowQuestions, ClearAllAsksWhenThereIsDataAndCancelKeepsIt) {
  DemoWindow w;
  MainWindow& f = *w.window;
  ClickCentre(Child<QWidget>(f, "clearAllButton"));
  EXPECT_TRUE(w.asked.empty()) << "nothing to lose, nothing asked";
  f.results().Append("a");
  f.exports().Append("b");
  w.answer = false;
  ClickCentre(Child<QWidget>(f, "clearAllButton"));
  ASSERT_EQ(w.asked.size(), 1u);
  EXPECT_EQ(f.results().Count() + f.exports().Count(), 2);
  w.answer = true;
  ClickCentre(Child<QWidget>(f, "clearAllButton"));
  EXPECT_EQ(f.results().Count() + f.exports().Count(), 0);
}

TEST(MainWindowQuestions, ClosingAsksWhileResultsAreUnsavedOrARunGoes) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(300);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  f.results().Append("unsaved");
  w.answer = false;
  EXPECT_FALSE(f.close());
  ASSERT_EQ(w.asked.size(), 1u);
  EXPECT_TRUE(f.isVisible());

  // Once auto-save has written the list, closing asks nothing.
  Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").setText(dir.path() + QLatin1Char('/'));
  f.autoSaveResults();
  ASSERT_TRUE(WaitFor([&] { return !f.autoSave().Saving(); }));
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("words.txt"))));
  EXPECT_TRUE(f.close());
  EXPECT_EQ(w.asked.size(), 1u);

  f.show();
  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("qq"));
  f.startQuery();
  ASSERT_TRUE(f.run().Running());
  EXPECT_FALSE(f.close());
  ASSERT_EQ(w.asked.size(), 2u);
  EXPECT_TRUE(w.asked.back().contains(QStringLiteral("查询"))) << w.asked.back().toStdString();
  EXPECT_TRUE(f.run().Running());
  f.stopQuery();
}

TEST(MainWindowQuestions, ExportOverAnExistingFileAsksAndCancelLeavesItAlone) {
  DemoWindow w;
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("list.txt"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
  }
  f.exports().Append("new");
  auto& saveDialog = Child<lq::LqSkinSaveDialog>(f, "saveDialog");
  saveDialog.InitialDir = dir.path();
  auto exportAs = [&](bool answer) {
    w.answer = answer;
    QTimer::singleShot(0, [&] {
      lq::LqOpenDlgForm* form = saveDialog.Form();
      ASSERT_NE(form, nullptr);
      form->FileNameEdit()->setText(QStringLiteral("list"));
      emit form->ConfirmButton()->clicked();
      // Still open after a "no".
      if (saveDialog.Form() && saveDialog.Form()->isVisible()) saveDialog.Form()->reject();
    });
    ClickCentre(Child<QWidget>(f, "exportButton"));
  };
  auto contents = [&] {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  exportAs(false);
  ASSERT_EQ(w.asked.size(), 1u);
  EXPECT_EQ(contents(), QByteArray("old\r\n"));
  exportAs(true);
  EXPECT_EQ(w.asked.size(), 2u);
  EXPECT_EQ(contents(), QByteArray("new\r\n"));
}

TEST(MainWindowBrowser, WithoutABrowserTheAddressGoesToTheClipboardAndANotice) {
  MainWindowSettings settings;
  settings.autoSaveDir = QStringLiteral("/opt/longtail");
  MainWindow f(settings);
  std::vector<std::string> tried;
  std::vector<QString> told;
  f.setBrowser([&](const std::string& url) {
    tried.push_back(url);
    return false;
  });
  f.setMessages({{}, [&](const QString& notice) { told.push_back(notice); }});
  f.results().Append("qq");
  f.results().SetSelected(0, true);
  f.results().SetItemIndex(0);
  QGuiApplication::clipboard()->clear();
  f.searchResultOnBaidu();
  ASSERT_EQ(tried.size(), 1u);
  const QString url = QString::fromStdString(tried[0]);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), url);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].contains(url)) << told[0].toStdString();
}

}  // namespace
}  // namespace longtail::test
