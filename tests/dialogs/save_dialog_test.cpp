#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QIcon>
#include <QKeyEvent>
#include <QTest>
#include <QTreeView>

#include "dialog_test_support.h"
#include "skin/controls/edit.h"
#include "skin/dialogs/dialog_combo_boxes.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/file_list_view.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/speed_button.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"
#include "support/temp_dir.h"

namespace lq {
namespace {

using lqtest::ExecuteWith;
using lqtest::WaitUntil;

QString Q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

// The save dialog of the program's export command.
struct ExportDialog {
  LqSkinSaveDialog dialog;
  ExportDialog() {
    dialog.Title = QStringLiteral("导出为TXT文件");
    dialog.Filter = QStringLiteral("文本文件|*.txt");
    dialog.LVHeaderSkinDataName = "button";
  }
};

void Touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(SaveDialog, TypedNameGetsTheFilterExtensionUnlessItHasOne) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  EXPECT_EQ(d.dialog.Title, QStringLiteral("导出为TXT文件"));
  bool ok = ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->setText(QStringLiteral("list"));
    form.FileNameEnter();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "list.txt"));

  ok = ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->setText(QStringLiteral("list.csv"));
    form.ConfirmClicked();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "list.csv"));
}

TEST(SaveDialog, TheNameFieldTakesAFolderToOpenOrAFullPathToSaveAs) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "sub");
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  QStringList errors;
  d.dialog.SetErrorPresenter([&](const QString& text) { errors << text; });
  QString openedFolder, textAfterFolder;
  bool openAfterBadPath = false;
  const bool ok = ExecuteWith(d.dialog, [&](LqOpenDlgForm& form) {
    form.FileNameEdit()->setText(Q(dir.path() / "sub"));
    form.FileNameEnter();
    openedFolder = form.CurrentFolder();
    textAfterFolder = form.FileNameEdit()->text();
    form.FileNameEdit()->setText(Q(dir.path() / "missing" / "name"));
    form.ConfirmClicked();
    openAfterBadPath = form.isVisible();
    form.FileNameEdit()->setText(Q(dir.path() / "name"));
    form.FileNameEnter();
  });
  EXPECT_EQ(openedFolder, Q(dir.path() / "sub"));
  EXPECT_EQ(textAfterFolder, QString()) << "the field is free for the file's name";
  EXPECT_TRUE(openAfterBadPath);
  EXPECT_EQ(errors.size(), 1);
  EXPECT_TRUE(ok);
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "name.txt"));
}

TEST(SaveDialog, FoldersAndFilesShowDifferentIcons) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "sub");
  Touch(Q(dir.path() / "a.txt"));
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  QImage folderIcon, fileIcon;
  ExecuteWith(d.dialog, [&](LqOpenDlgForm& form) {
    ASSERT_TRUE(WaitUntil([&] { return form.ListedNames().size() == 2; }));
    QFileSystemModel* fs = form.FileList()->FileSystem();
    auto icon = [&](const std::filesystem::path& p) {
      return fs->data(fs->index(Q(p)), Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
    };
    folderIcon = icon(dir.path() / "sub");
    fileIcon = icon(dir.path() / "a.txt");
  });
  EXPECT_FALSE(folderIcon.isNull());
  EXPECT_FALSE(fileIcon.isNull());
  EXPECT_NE(folderIcon, fileIcon);
}

TEST(SaveDialog, NextExecuteOpensInTheFolderOfTheLastFile) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "sub");
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  ASSERT_TRUE(ExecuteWith(d.dialog, [&](LqOpenDlgForm& form) {
    EXPECT_EQ(form.CurrentFolder(), Q(dir.path()));
    ASSERT_TRUE(form.OpenFolder(Q(dir.path() / "sub")));
    form.FileNameEdit()->setText(QStringLiteral("words"));
    form.ConfirmClicked();
  }));
  QString folder, shownName;
  ExecuteWith(d.dialog, [&](LqOpenDlgForm& form) {
    folder = form.CurrentFolder();
    shownName = form.FileNameEdit()->text();
  });
  EXPECT_EQ(folder, Q(dir.path() / "sub"));
  EXPECT_EQ(shownName, QStringLiteral("words.txt"));
}

TEST(SaveDialog, CancelKeepsFileNameButRemembersFilterSizeAndView) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  d.dialog.Filter = QStringLiteral("文本文件|*.txt|所有文件|*.*");
  d.dialog.SetFileName(Q(dir.path() / "old.txt"));
  const bool ok = ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    EXPECT_EQ(form.ClientSize(), QSize(450, 290));
    form.SelectFilter(1);
    form.SetViewStyle(FileViewStyle::Report);
    form.Frame().SetClientSize(QSize(500, 320));
    form.FileNameEdit()->setText(QStringLiteral("new"));
    form.reject();
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "old.txt"));
  EXPECT_EQ(d.dialog.FilterIndex, 2);
  EXPECT_EQ(d.dialog.DialogWidth, 500);
  EXPECT_EQ(d.dialog.DialogHeight, 320);
  EXPECT_EQ(d.dialog.ViewStyle(), FileViewStyle::Report);
  ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    EXPECT_EQ(form.ViewStyle(), FileViewStyle::Report);
    EXPECT_EQ(form.FilterCombo()->currentIndex(), 1);
    EXPECT_EQ(form.ClientSize(), QSize(500, 320));
  });
}

TEST(SaveDialog, ListShowsFoldersAndMatchingFilesFoldersFirst) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "zeta");
  Touch(Q(dir.path() / "b.TXT"));
  Touch(Q(dir.path() / "a.txt"));
  Touch(Q(dir.path() / "c.log"));
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  ASSERT_TRUE(WaitUntil([&] { return form.ListedNames().size() == 3; }));
  EXPECT_EQ(form.ListedNames(), (QStringList{QStringLiteral("zeta"), QStringLiteral("a.txt"),
                                             QStringLiteral("b.TXT")}));
  // A mask typed into the name edit replaces the filter's.
  form.FileNameEdit()->setText(QStringLiteral("*.log"));
  form.FileNameEnter();
  ASSERT_TRUE(WaitUntil([&] { return form.ListedNames().size() == 2; }));
  EXPECT_EQ(form.ListedNames().last(), QStringLiteral("c.log"));
  EXPECT_NE(form.result(), QDialog::Accepted) << "a mask does not confirm";
  // Selecting a file puts its name into the edit; a double-click answers its path as is.
  ASSERT_TRUE(form.SelectItem(QStringLiteral("c.log")));
  EXPECT_EQ(form.FileNameEdit()->text(), QStringLiteral("c.log"));
  form.ActivateItem(QStringLiteral("c.log"));
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "c.log"));
}

TEST(SaveDialog, ChangingTheFilterReplacesTheTypedExtension) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  d.dialog.Filter = QStringLiteral("文本文件|*.txt|日志|*.log|所有文件|*.*");
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.FileNameEdit()->setText(QStringLiteral("report.txt"));
  form.SelectFilter(1);
  EXPECT_EQ(form.FileNameEdit()->text(), QStringLiteral("report.log"));
  form.SelectFilter(2);
  EXPECT_EQ(form.FileNameEdit()->text(), QStringLiteral("report.log")) << "*.* gives none";
}

TEST(SaveDialog, NewFoldersAreNumberedFromTheSecondAndSkipTakenNames) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  EXPECT_EQ(form.MakeNewFolder(), Q(dir.path() / "新建文件夹"));
  EXPECT_TRUE(QDir(Q(dir.path() / "新建文件夹")).exists());
  EXPECT_EQ(form.MakeNewFolder(), Q(dir.path() / "新建文件夹(2)"));
  QDir(Q(dir.path())).mkdir(QStringLiteral("新建文件夹(3)"));
  EXPECT_EQ(form.MakeNewFolder(), QString()) << "a taken name makes nothing";
  EXPECT_EQ(form.MakeNewFolder(), Q(dir.path() / "新建文件夹(4)"));
  EXPECT_EQ(dir.entryCount(), 4);
  // A new window counts from the start again.
  LqOpenDlgForm second(d.dialog);
  EXPECT_EQ(second.MakeNewFolder(), QString());
}

TEST(SaveDialog, NewFolderThatCannotBeMadeShowsTheError) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  QStringList errors;
  d.dialog.SetErrorPresenter([&](const QString& e) { errors << e; });
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  ASSERT_TRUE(form.OpenFolder(Q(dir.path())));
  std::filesystem::remove_all(dir.path());
  EXPECT_EQ(form.MakeNewFolder(), QString());
  EXPECT_EQ(errors.size(), 1);
}

TEST(SaveDialog, BackUpAndTypedFolderPaths) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directories(dir.path() / "a" / "b");
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.FileNameEdit()->setText(QStringLiteral("a/b"));
  form.FileNameEnter();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path() / "a" / "b"));
  form.GoUp();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path() / "a"));
  form.GoBack();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path() / "a" / "b"));
  form.GoBack();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path()));
  form.GoBack();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path())) << "one folder left: back does nothing";
  // A typed path into a folder that is not there is refused with an error, not confirmed.
  int errors = 0;
  d.dialog.SetErrorPresenter([&](const QString&) { ++errors; });
  form.FileNameEdit()->setText(QStringLiteral("nope/x.txt"));
  form.FileNameEnter();
  EXPECT_EQ(form.CurrentFolder(), Q(dir.path()));
  EXPECT_NE(form.result(), QDialog::Accepted);
  EXPECT_EQ(errors, 1);
  // The folder combo box selects the open folder.
  EXPECT_EQ(form.FolderCombo()->currentData().toString(), Q(dir.path()));
}

TEST(SaveDialog, OverwriteQuestionOnlyWhenAsked) {
  longtail::testing::TempDir dir;
  Touch(Q(dir.path() / "list.txt"));
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  int asked = 0;
  d.dialog.SetOverwriteQuestion([&](const QString& q) {
    EXPECT_EQ(q, QStringLiteral("您想覆盖原来的文件吗?"));
    ++asked;
    return false;
  });
  EXPECT_TRUE(ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->setText(QStringLiteral("list"));
    form.ConfirmClicked();
  }));
  EXPECT_EQ(asked, 0) << "the export dialog replaces files without a question";
  d.dialog.OverwritePromt = true;
  EXPECT_FALSE(ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->setText(QStringLiteral("list"));
    form.ConfirmClicked();
  }));
  EXPECT_EQ(asked, 1);
}

TEST(SaveDialog, EmptyNameConfirmsNothing) {
  longtail::testing::TempDir dir;
  ExportDialog d;
  d.dialog.InitialDir = Q(dir.path());
  EXPECT_FALSE(ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->clear();
    form.ConfirmClicked();
  }));
  EXPECT_EQ(d.dialog.FileName(), QString());
}

}  // namespace
}  // namespace lq

namespace lq {
namespace {

TEST(SaveDialogKeys, EnterOpensAFolderBackspaceGoesUpAndTheViewMenuTicksItsStyle) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "inner");
  LqSkinSaveDialog d;
  d.Filter = QStringLiteral("文本文件|*.txt");
  d.InitialDir = QString::fromStdString(dir.path().string());
  LqOpenDlgForm form(d);
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 1; }));
  ASSERT_TRUE(form.SelectItem(QStringLiteral("inner")));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(form.CurrentView(), &enter);
  EXPECT_EQ(form.CurrentFolder(), QString::fromStdString((dir.path() / "inner").string()));
  QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QCoreApplication::sendEvent(form.CurrentView(), &backspace);
  EXPECT_EQ(form.CurrentFolder(), QString::fromStdString(dir.path().string()));

  MenuItem& items = form.ViewMenu()->Items;
  ASSERT_EQ(items.Count(), 4);
  EXPECT_EQ(items.Item(3)->Caption, QStringLiteral("详细信息"));
  EXPECT_TRUE(items.Item(3)->RadioItem);
  EXPECT_TRUE(items.Item(2)->Checked) << "list style after creation";
  items.Item(3)->Click();
  EXPECT_EQ(form.ViewStyle(), FileViewStyle::Report);
  EXPECT_TRUE(items.Item(3)->Checked);
  EXPECT_FALSE(items.Item(2)->Checked);
}

}  // namespace
}  // namespace lq

namespace lq {
namespace {

TEST(SaveDialogKeys, ColumnSortKeepsFoldersFirstInEitherOrder) {
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "zz");
  longtail::testing::WriteText(dir.file("small.txt"), "1");
  longtail::testing::WriteText(dir.file("big.txt"), std::string(5000, 'x'));
  LqSkinSaveDialog d;
  d.Filter = QStringLiteral("文本文件|*.txt");
  d.InitialDir = QString::fromStdString(dir.path().string());
  LqOpenDlgForm form(d);
  form.SetViewStyle(FileViewStyle::Report);
  auto* details = qobject_cast<QTreeView*>(form.CurrentView());
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("修改时间"));
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 3; }));
  details->sortByColumn(1, Qt::AscendingOrder);
  EXPECT_EQ(form.ListedNames(), (QStringList{"zz", "small.txt", "big.txt"}));
  const QModelIndex big = details->model()->index(2, 0, details->rootIndex());
  EXPECT_EQ(big.siblingAtColumn(1).data().toString(), QStringLiteral("5 KB"));
  EXPECT_EQ(big.siblingAtColumn(2).data().toString(), QStringLiteral("TXT 文件"));
  EXPECT_EQ(details->model()->index(0, 1, details->rootIndex()).data().toString(), QString())
      << "folders show no size";
  details->sortByColumn(2, Qt::AscendingOrder);
  EXPECT_EQ(form.ListedNames(), (QStringList{"zz", "big.txt", "small.txt"}))
      << "equal types fall back to the names";
  details->sortByColumn(1, Qt::DescendingOrder);
  EXPECT_EQ(form.ListedNames(), (QStringList{"zz", "big.txt", "small.txt"}));
}

TEST(SaveDialogMouse, TheViewMenuTakesAMouseClickWhileTheDialogIsModal) {
  longtail::testing::TempDir dir;
  LqSkinSaveDialog d;
  d.InitialDir = QString::fromStdString(dir.path().string());
  FileViewStyle chosen = FileViewStyle::List;
  Qt::WindowType type = Qt::Widget;
  ExecuteWith(d, [&](LqOpenDlgForm& form) {
    ASSERT_TRUE(form.isModal());
    const QPoint at = form.ViewButton()->mapToGlobal(QPoint(0, form.ViewButton()->height()));
    form.ViewMenu()->Popup(at.x(), at.y());
    FrameMenus* menus = form.ViewMenu()->FindFrame();
    ASSERT_NE(menus, nullptr);
    LqSkinPopupWindow* popup = menus->SkinMenu().TopWindow();
    ASSERT_NE(popup, nullptr);
    type = popup->windowType();
    const Rect r = popup->Item(3)->rect;  // 详细信息
    // Through the window system, where a modal dialog blocks the windows it does not own.
    QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                      QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    chosen = form.ViewStyle();
  });
  EXPECT_EQ(chosen, FileViewStyle::Report);
  EXPECT_EQ(type, Qt::Popup) << "the window manager neither places nor tiles a menu";
}

}  // namespace
}  // namespace lq
