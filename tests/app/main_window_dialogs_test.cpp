// The main window's two dialogs, driven through its buttons: the export button opens the
// skinned save dialog and writes the export list to the typed name in the chosen file
// type's format; the browse button
// opens the skinned directory dialog and puts the chosen folder into the auto-save field.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "skin/controls/edit.h"
#include "skin/controls/header_view.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/dialog_combo_boxes.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/file_list_view.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"
#include "skin/frame/lacquer_form.h"

namespace longtail {
namespace {

TEST(MainWindowDialogs, ExportButtonWritesTheExportListThroughTheSkinnedSaveDialog) {
  test::DemoWindow w;
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  f.exports().Append("long tail");
  f.exports().Append("keyword");
  auto& saveDialog = test::Child<lq::LqSkinSaveDialog>(f, "saveDialog");
  saveDialog.InitialDir = dir.path();
  bool skinned = false, headers = false;
  QTimer::singleShot(0, [&] {
    lq::LqOpenDlgForm* form = saveDialog.Form();
    ASSERT_NE(form, nullptr);
    skinned = form->Frame().Frame().SkinReady() && form->FileNameEdit()->IsBound();
    headers = form->FileList()->Header()->SkinDataName() == "button";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("导出为TXT文件"));
    form->FileNameEdit()->setText(QStringLiteral("list"));
    emit form->ConfirmButton()->clicked();
  });
  test::ClickCentre(test::Child<QWidget>(f, "exportButton"));
  EXPECT_TRUE(skinned) << "the dialog wears the window's skin";
  EXPECT_TRUE(headers);
  QFile file(dir.filePath(QStringLiteral("list.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("long tail\r\nkeyword\r\n"));

  // Picking the CSV type writes CSV, and the typed name gets the type's extension.
  QTimer::singleShot(0, [&] {
    lq::LqOpenDlgForm* form = saveDialog.Form();
    ASSERT_NE(form, nullptr);
    lq::LqSkinFilterComboBox* types = form->FilterCombo();
    types->setCurrentIndex(types->findText(QStringLiteral("CSV 文件")));
    types->showPopup();
    test::WaitFor([] { return false; }, 100);
    // The type list opens below the dialog: both go on one picture.
    const QImage dialogImage = form->grab().toImage();
    QImage shot = dialogImage;
    if (QWidget* popup = types->view()->window(); popup && popup->isVisible()) {
      const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - form->mapToGlobal(QPoint(0, 0));
      const QRect both = QRect(QPoint(0, 0), dialogImage.size()).united(QRect(at, popup->size()));
      shot = QImage(both.size(), QImage::Format_RGB32);
      shot.fill(Qt::white);
      QPainter painter(&shot);
      painter.drawImage(-both.topLeft(), dialogImage);
      painter.drawImage(at - both.topLeft(), popup->grab().toImage());
    }
    test::SaveDocScreenshot(shot, "save-dialog-types.png");
    types->hidePopup();
    form->FileNameEdit()->setText(QStringLiteral("rows"));
    emit form->ConfirmButton()->clicked();
  });
  test::ClickCentre(test::Child<QWidget>(f, "exportButton"));
  QFile rows(dir.filePath(QStringLiteral("rows.csv")));
  ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
  EXPECT_EQ(rows.readAll(),
            QByteArray("phrase,source,parent,depth\r\nlong tail,,,0\r\nkeyword,,,0\r\n"));
}

TEST(MainWindowDialogs, BrowseButtonPutsTheChosenFolderIntoTheAutoSaveField) {
  test::DemoWindow w;
  MainWindow& f = *w.window;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto& folderEdit = test::Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit");
  auto& folderDialog = test::Child<lq::LqSkinSelectDirectoryDialog>(f, "folderDialog");
  auto& browse = test::Child<QWidget>(f, "chooseFolderButton");
  const QString before = folderEdit.text();
  QTimer::singleShot(0, [&] {
    lq::LqSelDirDlgForm* form = folderDialog.Form();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Frame().Frame().SkinReady());
    emit form->CancelButton()->clicked();
  });
  test::ClickCentre(browse);
  EXPECT_EQ(folderEdit.text(), before) << "cancel leaves the folder";
  QTimer::singleShot(0, [&] {
    lq::LqSelDirDlgForm* form = folderDialog.Form();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->SelectPath(dir.path()));
    emit form->OkButton()->clicked();
  });
  test::ClickCentre(browse);
  EXPECT_EQ(folderEdit.text(), dir.path());
}

}  // namespace
}  // namespace longtail
