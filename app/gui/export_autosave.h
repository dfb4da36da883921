#pragma once
// Export and auto-save glue for the main window, which runs them from its commands:
//   exportToTextFile     -> ExportResultList(save dialog, export list items)
//   applyAutoSaveSwitch  -> schedule.SetEnabled(auto-save box ticked)
//   chooseAutoSaveFolder -> the directory dialog's choice into the folder edit
//   applyAutoSavePeriod  -> schedule.SetPeriodSeconds(period edit's value)
//   autoSaveResults      -> schedule.Tick() (driven by the window's auto-save timer)
// Writes are atomic and an auto-save error is shown once per failing state.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "harvest/auto_save.h"
#include "harvest/keyword_file.h"
#include "harvest/result_file.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"
#include "text/cp936.h"

namespace longtail {

// Path text typed in the GUI (UTF-16) as the file system's bytes.
inline std::string LocalPath(const QString& path) {
  return path.toLocal8Bit().toStdString();
}

// How the save dialog's type list names a format.
inline QString ExportTypeDescription(ResultFormat format) {
  switch (format) {
    case ResultFormat::KeywordList:
      return QCoreApplication::translate("longtail::ExportTypes", "文本文件");
    case ResultFormat::Utf8Lines:
      return QCoreApplication::translate("longtail::ExportTypes", "UTF-8 文本文件");
    case ResultFormat::Utf8BomCrLf:
      return QCoreApplication::translate("longtail::ExportTypes",
                                         "UTF-8 文本文件（带 BOM，供电子表格）");
    case ResultFormat::Csv:
      return QCoreApplication::translate("longtail::ExportTypes", "CSV 文件");
    case ResultFormat::JsonLines:
      return QCoreApplication::translate("longtail::ExportTypes", "JSON Lines 文件");
  }
  return QString();
}

// The save dialog's file types, one for each result format in ResultFormats() order, so
// that the chosen type's index names the format.
inline QString ExportFileTypes() {
  QStringList parts;
  for (const ResultFormatInfo& info : ResultFormats())
    parts << ExportTypeDescription(info.format) << QStringLiteral("*") + info.extension;
  return parts.join(QLatin1Char('|'));
}

// The format to write `path` in when the dialog's type `filterIndex` (from 1) was chosen:
// the type's, unless the typed name ends in another format's extension, which then wins
// (a name typed as "list.csv" under the default type means CSV).
inline ResultFormat ExportFormatFor(const QString& path, int filterIndex) {
  const std::vector<ResultFormatInfo>& formats = ResultFormats();
  const std::size_t type = static_cast<std::size_t>(filterIndex - 1);
  const ResultFormat chosen = type < formats.size() ? formats[type].format : formats[0].format;
  if (path.endsWith(QString::fromLatin1(InfoOf(chosen).extension), Qt::CaseInsensitive))
    return chosen;
  return ResultFormatByExtension(path.toStdString()).value_or(chosen);
}

// Export: asks for a file with the save dialog and writes `phrases` there in the format of
// the chosen type (the dialog gives a name without extension the type's). Returns false
// when cancelled or when the write failed (the error then went to `showError`).
inline bool ExportResultList(lq::LqSkinSaveDialog& dialog, const std::vector<std::string>& phrases,
                             const std::function<void(const QString&)>& showError,
                             const ProvenanceOf& provenance = {}) {
  if (!dialog.Execute()) return false;
  const ResultFormat format = ExportFormatFor(dialog.FileName(), dialog.FilterIndex);
  std::string error;
  if (WriteResultFile(LocalPath(dialog.FileName()), format, phrases, error, provenance))
    return true;
  if (showError) showError(QString::fromLocal8Bit(error.c_str()));
  return false;
}

}  // namespace longtail
