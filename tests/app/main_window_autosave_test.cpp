#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/spin_edit.h"
#include "text/cp936.h"

namespace longtail::test {
namespace {

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

  f.autoSaveResults();
  QFile file(dir.filePath(QStringLiteral("words.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), Utf8ToCp936("手机") + "\r\nqq\r\n");

  period.SetValue(0);
  EXPECT_FALSE(timer.isActive());
  box.SetChecked(false);
  EXPECT_FALSE(timer.isActive());
}

}  // namespace
}  // namespace longtail::test
