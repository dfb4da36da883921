// Export and auto-save of the main window: the save dialog writes the export list, the
// auto-save schedule writes the result list every N seconds into the folder and file of
// the top panel. An auto-save takes a snapshot of the list on the GUI thread and writes it on
// a worker; its errors show in a non-modal notice, so the ticks go on while it stands.

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTimer>

#include "app/gui/error_display.h"
#include "app/gui/error_notice.h"
#include "app/gui/export_autosave.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_dispatcher.h"
#include "app/gui/skinned_controls.h"
#include "harvest/phrase_provenance.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/spin_edit.h"

namespace longtail {

namespace {
// Off unless asked for: QT_LOGGING_RULES="longtail.autosave.debug=true".
Q_LOGGING_CATEGORY(autoSaveLog, "longtail.autosave", QtInfoMsg)
}  // namespace

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
  saveDialog_->OverwritePromt = true;
  saveDialog_->SetOverwriteQuestion([this](const QString& question) { return confirm(question); });

  folderDialog_ = new lq::LqSkinSelectDirectoryDialog(this);
  folderDialog_->setObjectName(QStringLiteral("folderDialog"));
  folderDialog_->SkinData = &skinData_;
  folderDialog_->CtrlSkinData = &skinData_;
  folderDialog_->Title = tr("选择目录");
  folderDialog_->ShowToolBar = false;

  autoSaveNotice_ = std::make_unique<ErrorNotice>(this);
  AutoSaveSchedule::Sources sources;
  sources.directory = [this] { return LocalPath(autoSaveFolderEdit_->text()); };
  sources.fileName = [this] { return LocalPath(autoSaveFileEdit_->text()); };
  sources.phrases = [this] {
    autoSaveTakenCount_ = results().Count();
    return results().Share();
  };
  sources.saved = [this](bool written) {
    if (written) resultsWrittenCount_ = autoSaveTakenCount_;
  };
  sources.reportError = [this](const std::string& error) {
    autoSaveNotice_->Show(QString::fromLocal8Bit(error.c_str()));
  };
  sources.debugLog = [](const std::string& text) { qCDebug(autoSaveLog, "%s", text.c_str()); };
  autoSaveSchedule_ =
      std::make_unique<AutoSaveSchedule>(*autoSaveTimer_, *dispatcher_, std::move(sources));
  autoSaveSchedule_->SetPeriodSeconds(static_cast<int>(autoSavePeriodEdit_->Value()));

  // Wired once the schedule exists: each of these events reaches it.
  connect(autoSaveBox_, &lq::LqSkinCheckRadioBox::clicked, this,
          Guarded(this, &MainWindow::applyAutoSaveSwitch));
  connect(chooseFolderButton_, &lq::LqSkinButton::clicked, this,
          Guarded(this, &MainWindow::chooseAutoSaveFolder));
  connect(autoSavePeriodEdit_, &lq::LqSkinSpinEdit::changed, this,
          Guarded(this, &MainWindow::applyAutoSavePeriod));
}

void MainWindow::exportToTextFile() {
  // The export list holds copies; where a phrase came from is kept by the result list.
  const ProvenanceOf fromResults = ProvenanceIn(results());
  const ProvenanceOf provenance = [&](std::size_t index) {
    const int at = results().IndexOfExact(exports().View(static_cast<int>(index)));
    return at < 0 ? PhraseProvenance{} : fromResults(static_cast<std::size_t>(at));
  };
  if (ExportResultList(
          *saveDialog_, exports().Items(),
          [this](const QString& error) { ShowApplicationError(error, this); }, provenance))
    resultsWrittenCount_ = results().Count();
}

void MainWindow::applyAutoSaveSwitch() {
  autoSaveSchedule_->SetEnabled(autoSaveBox_->Checked());
  syncSessionTimer();
}

void MainWindow::chooseAutoSaveFolder() {
  if (folderDialog_->Execute()) autoSaveFolderEdit_->setText(folderDialog_->Directory);
}

void MainWindow::applyAutoSavePeriod() {
  autoSaveSchedule_->SetPeriodSeconds(static_cast<int>(autoSavePeriodEdit_->Value()));
  syncSessionTimer();
}

// The tick also keeps the session of the run that goes.
void MainWindow::autoSaveResults() {
  autoSaveSchedule_->Tick();
  keepSession();
}

}  // namespace longtail
