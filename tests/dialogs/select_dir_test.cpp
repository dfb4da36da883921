#include "skin/dialogs/select_dir_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QTreeView>

#include "dialog_test_support.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/dialog_frame.h"
#include "support/temp_dir.h"

namespace lq {
namespace {

using lqtest::ExecuteWith;

QString Q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

TEST(SelectDirectoryDialog, ReopensAtTheLastChoice) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directories(dir.path() / "one" / "two");
  LqSkinSelectDirectoryDialog d;
  d.Title = QStringLiteral("选择目录");
  QString first;
  ASSERT_TRUE(ExecuteWith(d, [&](LqSelDirDlgForm& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("选择目录"));
    EXPECT_EQ(form.ClientSize(), QSize(280, 280));
    first = form.SelectedPath();
    ASSERT_TRUE(form.SelectPath(Q(dir.path() / "one" / "two")));
    form.Frame().SetClientSize(QSize(300, 320));
    emit form.OkButton()->clicked();
  }));
  EXPECT_EQ(first, QStringLiteral("/")) << "without a choice the computer is selected";
  EXPECT_EQ(d.Directory, Q(dir.path() / "one" / "two"));
  QString reopened;
  QSize size;
  EXPECT_FALSE(ExecuteWith(d, [&](LqSelDirDlgForm& form) {
    reopened = form.SelectedPath();
    size = form.ClientSize();
    ASSERT_TRUE(form.SelectPath(Q(dir.path())));
    emit form.CancelButton()->clicked();
  }));
  EXPECT_EQ(reopened, Q(dir.path() / "one" / "two"));
  EXPECT_EQ(size, QSize(300, 320));
  EXPECT_EQ(d.Directory, Q(dir.path() / "one" / "two")) << "cancel keeps the choice";
}

TEST(SelectDirectoryDialog, EnterInTheTreeConfirmsAndEscCancels) {
  longtail::testing::TempDir dir;
  LqSkinSelectDirectoryDialog d;
  EXPECT_TRUE(ExecuteWith(d, [&](LqSelDirDlgForm& form) {
    ASSERT_TRUE(form.SelectPath(Q(dir.path())));
    QTest::keyClick(form.Tree(), Qt::Key_Return);
  }));
  EXPECT_EQ(d.Directory, Q(dir.path()));
  EXPECT_FALSE(ExecuteWith(d, [&](LqSelDirDlgForm& form) {
    ASSERT_TRUE(form.SelectPath(QStringLiteral("/")));
    QTest::keyClick(form.Tree(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible()) << "Esc closes the window";
  }));
  EXPECT_EQ(d.Directory, Q(dir.path()));
}

TEST(SelectDirectoryDialog, MissingLastChoiceFallsBackToTheComputer) {
  LqSkinSelectDirectoryDialog d;
  d.Directory = QStringLiteral("/no/such/folder/here");
  QString selected;
  ExecuteWith(d, [&](LqSelDirDlgForm& form) { selected = form.SelectedPath(); });
  EXPECT_EQ(selected, QStringLiteral("/"));
  EXPECT_EQ(d.Directory, QStringLiteral("/no/such/folder/here"));
}

}  // namespace
}  // namespace lq
