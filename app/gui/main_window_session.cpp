// Resumable sessions of the main window. While a run goes, its session (seeds, options,
// the result list with each phrase's origin, where each chain stands, failed phrases) is
// rewritten in the background: at every auto-save tick, or from a timer of its own while
// auto-save is off. A run that ends, finished or stopped, removes its file; a window closed
// during a run writes it once more. At the next start an interrupted session is offered:
// continuing restores the seeds, options and results and asks only what was not asked yet;
// declining sets the file aside. A file that cannot be read as a session is reported once
// and left as it is; new sessions take another name.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "app/gui/error_notice.h"
#include "app/gui/export_autosave.h"
#include "app/gui/main_window.h"
#include "app/gui/run_session.h"
#include "app/gui/session_files.h"
#include "app/gui/settings_store.h"
#include "app/gui/skinned_controls.h"
#include "app/gui/source_picker.h"
#include "harvest/auto_save.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/spin_edit.h"

namespace longtail {

namespace {

// How often the session is rewritten while auto-save is off.
constexpr int kSessionPeriodMs = 5000;

const QString kSessionFileKey = QStringLiteral("session/file");
// The unreadable session files already reported, each as path, size and time of change.
const QString kReportedKey = QStringLiteral("session/reported");

QString Joined(const std::vector<std::string>& items, const QString& separator) {
  QStringList parts;
  for (const std::string& item : items) parts << QString::fromStdString(item);
  return parts.join(separator);
}

QString Identity(const QString& path) {
  const QFileInfo info(path);
  return info.absoluteFilePath() + QLatin1Char('|') + QString::number(info.size()) +
         QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch());
}

}  // namespace

void MainWindow::buildSessions() {
  sessionNotice_ = std::make_unique<ErrorNotice>(this);
  sessionTimer_ = new QTimer(this);
  sessionTimer_->setObjectName(QStringLiteral("sessionTimer"));
  sessionTimer_->setInterval(kSessionPeriodMs);
  connect(sessionTimer_, &QTimer::timeout, this, Guarded(this, &MainWindow::keepSession));
  // Once the window is up, so that the question stands over it.
  if (!settings_.sessionDir.isEmpty())
    QTimer::singleShot(0, this, Guarded(this, &MainWindow::offerInterruptedSession));
}

QString MainWindow::sessionFile() const {
  return session_ ? session_->path : QString();
}

QString MainWindow::sessionBasePath() const {
  if (autoSaveBox_->Checked())
    return SessionBasePath(autoSaveFolderEdit_->text(), autoSaveFileEdit_->text());
  return SessionBasePath(settings_.sessionDir, QString());
}

// The remembered file of the last run, then every session file beside the auto-save file
// and in the session folder.
QStringList MainWindow::sessionCandidates() const {
  QStringList paths;
  if (settingsStore_) {
    const QString remembered = settingsStore_->settings().value(kSessionFileKey).toString();
    if (!remembered.isEmpty() && QFileInfo::exists(remembered)) paths << remembered;
  }
  paths << ExistingSessionPaths(
      SessionBasePath(autoSaveFolderEdit_->text(), autoSaveFileEdit_->text()));
  paths << ExistingSessionPaths(SessionBasePath(settings_.sessionDir, QString()));
  QStringList unique;
  for (const QString& path : paths) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!unique.contains(absolute)) unique << absolute;
  }
  return unique;
}

void MainWindow::offerInterruptedSession() {
  if (run_->Running()) return;
  for (const QString& path : sessionCandidates()) {
    HarvestSession session;
    std::string error;
    const SessionReadStatus status = ReadSessionFile(LocalPath(path), session, error);
    if (status == SessionReadStatus::Missing) continue;
    if (status != SessionReadStatus::Ok) {
      reportUnusableSession(path, error);
      continue;
    }
    const QString first =
        session.seeds.empty() ? QString() : QString::fromStdString(session.seeds[0]);
    if (confirm(tr("上次的查询没有完成就中断了（关键词：%1，已找到 %2 个长尾词）。\n"
                   "要继续这次查询吗？选择“取消”则不再提示。")
                    .arg(first)
                    .arg(session.results.size()))) {
      resumeSession(path, session);
      return;  // other interrupted sessions wait for a later start
    }
    if (SetSessionAside(path).isEmpty() && messages_.tell)
      messages_.tell(tr("无法把会话文件移开，下次启动时还会提示：%1").arg(path));
  }
}

// Told once per file as it stands: a file that changes is told about again.
void MainWindow::reportUnusableSession(const QString& path, const std::string& error) {
  QStringList reported;
  if (settingsStore_) reported = settingsStore_->settings().value(kReportedKey).toStringList();
  const QString identity = Identity(path);
  if (reported.contains(identity)) return;
  if (messages_.tell)
    messages_.tell(tr("会话文件无法继续：%1\n原因：%2\n这个文件保持原样，新的会话保存到其他文件。")
                       .arg(path, QString::fromLocal8Bit(error.c_str())));
  if (!settingsStore_) return;
  reported << identity;
  settingsStore_->settings().setValue(kReportedKey, reported);
  settingsStore_->settings().sync();
}

void MainWindow::resumeSession(const QString& path, const HarvestSession& session) {
  seedsMemo_->SetText(Joined(session.seeds, QStringLiteral("\n")));
  broadRelevanceBox_->SetChecked(session.broad);
  mustContainBox_->SetChecked(session.mustContain);
  expandBox_->SetChecked(!session.expansion.empty());
  excludeEdit_->setText(Joined(session.exclude, QStringLiteral(" ")));
  maxDepthEdit_->SetValue(session.maxDepth);
  sourcePicker_->Choose(session.endpoints.sources);
  // The services are where this start's settings put them, not where they were then.
  HarvestEndpoints endpoints = run_->Endpoints();
  endpoints.sources = session.endpoints.sources;
  run_->SetEndpoints(std::move(endpoints));
  run_->SetExpansion(session.expansion);
  RestoreResults(session, results());
  statusPanel_->SetCaption(tr("继续上次中断的查询"));
  run_->Resume(session.chains, static_cast<std::int32_t>(session.seeds.size()), session.failed);
  syncQueryButton();
  if (run_->Running())
    startSession(path, session.seeds, session.expansion);
  else
    QFile::remove(path);  // nothing was left to ask: the session is done
}

void MainWindow::startSession(const QString& path, std::vector<std::string> seeds,
                              std::string expansion) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  session_ = std::make_unique<RunSession>(path, std::move(seeds), std::move(expansion));
  // Remembered at once: a start after a crash finds the file even if the folders changed.
  if (settingsStore_) {
    settingsStore_->settings().setValue(kSessionFileKey, path);
    settingsStore_->settings().sync();
  }
  keepSession();
  syncSessionTimer();
}

HarvestSession MainWindow::sessionNow(const RunSession& running) {
  HarvestSession s;
  s.seeds = running.seeds;
  s.broad = BroadRelevance();
  s.mustContain = MustContain();
  s.expansion = running.expansion;
  s.exclude = ExcludeWords();
  s.maxDepth = std::clamp(MaxDepth(), 0, static_cast<int>(PhraseOrigin::kDeepest));
  s.endpoints = run_->Endpoints();
  // Items deleted while the run goes can leave a chain past the end of the list.
  s.chains = run_->Positions();
  for (ChainPosition& chain : s.chains)
    chain.next = std::min<std::int32_t>(chain.next, results().Count());
  s.failed = run_->FailedPhrases();
  return s;
}

void MainWindow::keepSession() {
  if (!session_ || !run_->Running()) return;
  const std::string error = session_->keeper.LastError();
  if (!error.empty() && error != session_->shownError)
    sessionNotice_->Show(tr("会话文件无法保存：%1").arg(QString::fromLocal8Bit(error.c_str())));
  session_->shownError = error;
  // A list cleared or filtered below its seeds holds nothing a later start could resume.
  if (results().Count() < static_cast<int>(session_->seeds.size())) return;
  session_->keeper.SaveInBackground(sessionNow(*session_), results().Share());
}

void MainWindow::finishSession() {
  if (!session_) return;
  const QString path = session_->path;
  session_.reset();  // lets a write in progress finish first
  QFile::remove(path);
  if (settingsStore_ && settingsStore_->settings().value(kSessionFileKey).toString() == path) {
    settingsStore_->settings().remove(kSessionFileKey);
    settingsStore_->settings().sync();
  }
  syncSessionTimer();
}

void MainWindow::interruptSession(bool tellFailure) {
  if (!session_) return;
  // The user stopped the run already: it is not to be offered again.
  if (run_ && !run_->Proceed()) {
    finishSession();
    return;
  }
  const std::unique_ptr<RunSession> running = std::move(session_);
  if (sessionTimer_) sessionTimer_->stop();
  if (!run_ || results().Count() < static_cast<int>(running->seeds.size())) return;
  std::string error;
  if (!running->keeper.SaveNow(sessionNow(*running), results().Share(), error) && tellFailure &&
      messages_.tell)
    messages_.tell(tr("会话文件无法保存：%1").arg(QString::fromLocal8Bit(error.c_str())));
}

// The auto-save tick keeps the session while auto-save runs; the session timer otherwise.
void MainWindow::syncSessionTimer() {
  if (!sessionTimer_) return;
  const bool own = session_ && !(autoSaveSchedule_ && autoSaveSchedule_->Running());
  if (own && !sessionTimer_->isActive())
    sessionTimer_->start();
  else if (!own)
    sessionTimer_->stop();
}

}  // namespace longtail
