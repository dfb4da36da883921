#pragma once
// Export and auto-save glue for the main window, which runs them from its commands:
//   exportToTextFile     -> ExportKeywordList(save dialog, export list items)
//   applyAutoSaveSwitch  -> schedule.SetEnabled(auto-save box ticked)
//   chooseAutoSaveFolder -> the directory dialog's choice into the folder edit
//   applyAutoSavePeriod  -> schedule.SetPeriodSeconds(period edit's value)
//   autoSaveResults      -> schedule.Tick() (driven by the window's auto-save QTimer)
// Writes are atomic and an auto-save error is shown once per failing state.

#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "harvest/auto_save.h"
#include "harvest/keyword_file.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"
#include "text/cp936.h"

namespace longtail {

// Drives the auto-save schedule from the window's QTimer.
class QtAutoSaveTimer : public AutoSaveTimer {
 public:
  explicit QtAutoSaveTimer(QTimer& timer) : timer_(timer) {}
  void Start(int intervalMs) override { timer_.start(intervalMs); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer& timer_;
};

// Path text typed in the GUI (UTF-16) as the file system's bytes.
inline std::string LocalPath(const QString& path) {
  return path.toLocal8Bit().toStdString();
}

// Export: asks for a file with the save dialog and writes `phrases` there. Returns false
// when cancelled or when the write failed (the error then went to `showError`).
inline bool ExportKeywordList(lq::LqSkinSaveDialog& dialog, const std::vector<std::string>& phrases,
                              const std::function<void(const QString&)>& showError) {
  if (!dialog.Execute()) return false;
  std::string error;
  if (WriteKeywordListFile(LocalPath(dialog.FileName()), phrases, error)) return true;
  if (showError) showError(QString::fromLocal8Bit(error.c_str()));
  return false;
}

}  // namespace longtail
