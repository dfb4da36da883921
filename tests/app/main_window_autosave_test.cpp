#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "app/gui/error_notice.h"
#include "harvest/auto_save.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/spin_edit.h"
#include "text/cp936.h"

namespace longtail::test {
namespace {

// One auto-save tick, then the event loop until the worker's save has come back.
bool TickAndWait(MainWindow& f) {
  f.autoSaveResults();
  return WaitFor([&] { return !f.autoSave().Saving(); });
}

TEST(MainWindowAutoSave, CheckBoxPeriodAndTickDriveTheResultListFile) {
  DemoWindow w;
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").setText(dir.path() + QDir::separator());
  Child<lq::LqSkinEdit>(f, "autoSaveFileEdit").setText(QStringLiteral("words.txt"));
  f.results().Append("手机");
  f.results().Append("qq");
  auto& timer = Child<QTimer>(f, "autoSaveTimer");
  auto& box = Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox");
  auto& period = Child<lq::LqSkinSpinEdit>(f, "autoSavePeriodEdit");

  EXPECT_FALSE(timer.isActive());
  box.SetChecked(true);  // the box's click switches auto-save on
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(timer.interval(), 5000);
  period.SetValue(2);  // the period edit's change
  EXPECT_EQ(timer.interval(), 2000);

  ASSERT_TRUE(TickAndWait(f));
  QFile file(dir.filePath(QStringLiteral("words.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), Utf8ToCp936("手机") + "\r\nqq\r\n");

  period.SetValue(0);
  EXPECT_FALSE(timer.isActive());
  box.SetChecked(false);
  EXPECT_FALSE(timer.isActive());
}

// A failing save shows a notice that does not hold up the ticks: while it stands, the
// folder comes back and the next tick writes there; the failures of one streak share one
// notice.
TEST(MainWindowAutoSave, ErrorNoticeLeavesTheTicksRunning) {
  DemoWindow w;
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.filePath(QStringLiteral("later"));
  Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").setText(folder);
  Child<lq::LqSkinEdit>(f, "autoSaveFileEdit").setText(QStringLiteral("words.txt"));
  f.results().Append("qq");
  Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox").SetChecked(true);

  ASSERT_TRUE(TickAndWait(f));
  QMessageBox* notice = f.autoSaveNotice().Box();
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_FALSE(notice->isModal());
  EXPECT_NE(notice->text().indexOf(QStringLiteral("Cannot create file")), -1);
  ASSERT_TRUE(TickAndWait(f));  // the same streak: no second box
  EXPECT_EQ(f.findChildren<QMessageBox*>().size(), 1);
  EXPECT_TRUE(Child<QTimer>(f, "autoSaveTimer").isActive());

  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(TickAndWait(f));
  EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/words.txt")));
  EXPECT_EQ(f.autoSaveNotice().Box(), notice) << "the notice stays until dismissed";
}

}  // namespace
}  // namespace longtail::test
