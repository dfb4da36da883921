// The main window's remembered settings: the window's place, the seeds, the run's options,
// auto-save and the last export's folder and type. They are read once the window is built
// and written when it goes.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include "app/gui/error_display.h"
#include "app/gui/export_autosave.h"
#include "app/gui/main_window.h"
#include "app/gui/settings_store.h"
#include "app/gui/source_picker.h"
#include "app/gui/window_placement.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/spin_edit.h"
#include "skin/frame/lacquer_form.h"

namespace longtail {

namespace {

QString WithTrailingSeparator(QString dir) {
  dir = QDir::toNativeSeparators(dir);
  if (!dir.endsWith(QDir::separator())) dir += QDir::separator();
  return dir;
}

}  // namespace

QString MainWindow::defaultAutoSaveFolder() const {
  if (!settings_.autoSaveDir.isEmpty()) return WithTrailingSeparator(settings_.autoSaveDir);
  // A documents folder that was never made would fail the first auto-save: home then.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return WithTrailingSeparator(QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

void MainWindow::buildSettings() {
  if (settings_.settingsFile.isEmpty()) return;
  settingsStore_ = std::make_unique<SettingsStore>(settings_.settingsFile);
  SettingsStore& s = *settingsStore_;
  auto boxBinding = [&s](const char* key, lq::LqSkinCheckRadioBox* box) {
    s.Bind<bool>(
        QString::fromLatin1(key), [box] { return box->Checked(); },
        [box](const bool& on) { box->SetChecked(on); });
  };
  auto spinBinding = [&s](const QString& key, lq::LqSkinSpinEdit* edit) {
    s.Bind<int>(
        key, [edit] { return static_cast<int>(edit->Value()); },
        [edit](const int& v) { edit->SetValue(v); });
  };
  auto editBinding = [&s](const char* key, lq::LqSkinEdit* edit) {
    s.Bind<QString>(
        QString::fromLatin1(key), [edit] { return edit->text(); },
        [edit](const QString& text) { edit->setText(text); });
  };

  s.Bind<QString>(
      QStringLiteral("seeds/text"), [this] { return seedsMemo_->Text(); },
      [this](const QString& text) { seedsMemo_->SetText(text); });
  boxBinding("options/broadRelevance", broadRelevanceBox_);
  boxBinding("options/mustContain", mustContainBox_);
  // A delay chosen against services on this machine (the demo) is not carried over to the
  // real services, and the other way round.
  const bool local = DefaultPacingDelay(settings_.suggestHost).count() == 0;
  spinBinding(local ? QStringLiteral("options/localPacingDelayMs")
                    : QStringLiteral("options/pacingDelayMs"),
              pacingDelayEdit_);
  s.Bind<QString>(
      QStringLiteral("options/sources"),
      [this] {
        QStringList ids;
        for (const std::string& id : sourcePicker_->Chosen()) ids << QString::fromStdString(id);
        return ids.join(QLatin1Char(','));
      },
      [this](const QString& text) {
        std::vector<std::string> ids;
        for (const QString& id : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
          ids.push_back(id.toStdString());
        sourcePicker_->Choose(ids);
      });
  boxBinding("options/expandAz", expandBox_);
  editBinding("options/excludeWords", excludeEdit_);
  spinBinding(QStringLiteral("options/maxDepth"), maxDepthEdit_);
  editBinding("autoSave/folder", autoSaveFolderEdit_);
  editBinding("autoSave/fileName", autoSaveFileEdit_);
  spinBinding(QStringLiteral("autoSave/periodSeconds"), autoSavePeriodEdit_);
  // Read last: switching on needs the folder, which must still be there.
  s.Bind<bool>(
      QStringLiteral("autoSave/enabled"), [this] { return autoSaveBox_->Checked(); },
      [this](const bool& on) {
        if (on) switchAutoSaveOnIfFolderExists();
      });
  s.Bind<QString>(
      QStringLiteral("export/folder"),
      [this] {
        const QString file = saveDialog_->FileName();
        return file.isEmpty() ? saveDialog_->InitialDir : QFileInfo(file).absolutePath();
      },
      [this](const QString& dir) { saveDialog_->InitialDir = dir; });
  s.Bind<int>(
      QStringLiteral("export/type"), [this] { return saveDialog_->FilterIndex; },
      [this](const int& type) {
        if (type >= 1 && type <= static_cast<int>(ResultFormats().size()))
          saveDialog_->FilterIndex = type;
      });
}

void MainWindow::loadSettings() {
  if (!settingsStore_) return;
  settingsStore_->Load();
  const std::optional<WindowPlacement> placement = LoadPlacement(settingsStore_->settings());
  if (!placement) return;
  if (const std::optional<QRect> bounds = PlaceOnScreens(*placement, CurrentScreens())) {
    frame_->PositionInMonitor = lq::LqPositionInMonitor::lqpDefault;
    setGeometry(*bounds);
    if (placement->maximized) frame_->SetFrameState(lq::FrameState::Maximized);
  }
}

void MainWindow::saveSettings() {
  if (!settingsStore_) return;
  WindowPlacement placement;
  placement.maximized = frame_->GetFrameState() == lq::FrameState::Maximized;
  const lq::Rect normal = frame_->NormalBounds();
  placement.bounds = placement.maximized && !normal.isEmpty()
                         ? QRect(normal.left, normal.top, normal.width(), normal.height())
                         : geometry();
  if (screen()) placement.screen = screen()->name();
  SavePlacement(settingsStore_->settings(), placement);
  settingsStore_->Save();
}

// A remembered folder that is gone is reported once, after the window is up, and
// auto-save stays off until the user switches it on again (choosing a folder first).
void MainWindow::switchAutoSaveOnIfFolderExists() {
  const QString folder = autoSaveFolderEdit_->text();
  if (QFileInfo(folder).isDir()) {
    autoSaveBox_->SetChecked(true);
    return;
  }
  QTimer::singleShot(0, this, [this, folder] {
    ShowApplicationError(
        tr("自动保存的文件夹已不存在：%1\n自动保存已关闭，请重新选择文件夹").arg(folder), this);
  });
}

}  // namespace longtail
