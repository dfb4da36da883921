// Export and auto-save of the main window: the save dialog writes the export list, the
// auto-save schedule writes the result list every N seconds into the folder and file of
// the top panel.

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/gui/error_display.h"
#include "app/gui/export_autosave.h"
#include "app/gui/main_window.h"
#include "app/gui/skinned_controls.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/spin_edit.h"

namespace longtail {

void MainWindow::buildExportAutoSave() {
  saveDialog_ = new lq::LqSkinSaveDialog(this);
  saveDialog_->setObjectName(QStringLiteral("saveDialog"));
  saveDialog_->SkinData = &skinData_;
  saveDialog_->CtrlSkinData = &skinData_;
  saveDialog_->Title = tr("导出为TXT文件");
  saveDialog_->Filter = ExportFileTypes();
  saveDialog_->FilterIndex = 1;
  saveDialog_->LVHeaderSkinDataName = "button";
  // A new folder that cannot be made goes to the application's error display.
  saveDialog_->SetErrorPresenter(
      [](const QString& text) { ShowApplicationError(text, QApplication::activeWindow()); });

  folderDialog_ = new lq::LqSkinSelectDirectoryDialog(this);
  folderDialog_->setObjectName(QStringLiteral("folderDialog"));
  folderDialog_->SkinData = &skinData_;
  folderDialog_->CtrlSkinData = &skinData_;
  folderDialog_->Title = tr("选择目录");
  folderDialog_->ShowToolBar = false;

  autoSaveTimerAdapter_ = std::make_unique<QtAutoSaveTimer>(*autoSaveTimer_);
  AutoSaveSchedule::Sources sources;
  sources.directory = [this] { return LocalPath(autoSaveFolderEdit_->text()); };
  sources.fileName = [this] { return LocalPath(autoSaveFileEdit_->text()); };
  sources.phrases = [this] { return results().Items(); };
  sources.write = [](const std::string& path, const std::vector<std::string>& phrases,
                     std::string& error) { return WriteKeywordListFile(path, phrases, error); };
  sources.reportError = [this](const std::string& error) {
    ShowApplicationError(QString::fromLocal8Bit(error.c_str()), this);
  };
  autoSaveSchedule_ =
      std::make_unique<AutoSaveSchedule>(*autoSaveTimerAdapter_, std::move(sources));
  autoSaveSchedule_->SetPeriodSeconds(static_cast<int>(autoSavePeriodEdit_->Value()));

  // Wired once the schedule exists: each of these events reaches it.
  autoSaveBox_->OnClick = Guarded(this, &MainWindow::applyAutoSaveSwitch);
  chooseFolderButton_->OnClick = Guarded(this, &MainWindow::chooseAutoSaveFolder);
  autoSavePeriodEdit_->OnChange = Guarded(this, &MainWindow::applyAutoSavePeriod);
}

void MainWindow::exportToTextFile() {
  ExportResultList(*saveDialog_, exports().Items(),
                   [this](const QString& error) { ShowApplicationError(error, this); });
}

void MainWindow::applyAutoSaveSwitch() {
  autoSaveSchedule_->SetEnabled(autoSaveBox_->Checked());
}

void MainWindow::chooseAutoSaveFolder() {
  if (folderDialog_->Execute()) autoSaveFolderEdit_->setText(folderDialog_->Directory);
}

void MainWindow::applyAutoSavePeriod() {
  autoSaveSchedule_->SetPeriodSeconds(static_cast<int>(autoSavePeriodEdit_->Value()));
}

void MainWindow::autoSaveResults() {
  autoSaveSchedule_->Tick();
}

}  // namespace longtail
