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

namespace longtail {
namespace {

TEST(Form1AutoSave, CheckBoxPeriodAndTickDriveTheResultListFile) {
  test::DemoWindow w;
  TForm1& f = *w.form;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  f.edt1->setText(dir.path() + QDir::separator());
  f.edt2->setText(QStringLiteral("words.txt"));
  f.Results().Append(Utf8ToCp936("手机"));
  f.Results().Append("qq");

  EXPECT_FALSE(f.tmr1->isActive());
  f.lqchck1->SetChecked(true);  // runs lqchck1Click
  EXPECT_TRUE(f.tmr1->isActive());
  EXPECT_EQ(f.tmr1->interval(), 5000);
  f.lqknspndt1->SetValue(2);  // runs lqknspndt1Change
  EXPECT_EQ(f.tmr1->interval(), 2000);

  f.tmr1Timer();
  QFile file(dir.filePath(QStringLiteral("words.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), Utf8ToCp936("手机") + "\r\nqq\r\n");

  f.lqknspndt1->SetValue(0);
  EXPECT_FALSE(f.tmr1->isActive());
  f.lqchck1->SetChecked(false);
  EXPECT_FALSE(f.tmr1->isActive());
}

}  // namespace
}  // namespace longtail
