#include "app/gui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "app/gui/ad_pane.h"
#include "app/gui/error_display.h"
#include "app/gui/error_notice.h"
#include "app/gui/export_autosave.h"
#include "app/gui/list_commands.h"
#include "app/gui/qt_dispatcher.h"
#include "app/gui/run_session.h"
#include "app/gui/session_files.h"
#include "app/gui/settings_store.h"
#include "app/gui/skin_texts.h"
#include "app/gui/source_picker.h"
#include "app/gui/ui_language.h"
#include "harvest/excluded_words.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"
#include "skin/dialogs/message_dialog.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_frame_link.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/popup_menu.h"
#include "skin/qt/fonts.h"

namespace longtail {

namespace {

constexpr int kClientWidth = 822;
constexpr int kClientHeight = 630;

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

QString MainWindow::windowCaption() {
  return tr("青岚谷长尾词查询工具V2.0  新增多词查询，查询过滤功能。");
}

MainWindow::MainWindow(MainWindowSettings settings, QWidget* parent)
    : QWidget(parent), settings_(std::move(settings)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(windowCaption());
  setFont(lq::SkinFont(QStringLiteral("新宋体"), 12, 0));
  dispatcher_ = std::make_unique<QtDispatcher>(this);

  loadSkin();
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  new lq::LqAlignLayout(this, [this] { return contentsRect(); });
  lq::SetAlign(client_, lq::DockAlign::Client);
  new lq::LqAlignLayout(client_);
  buildTopPanel();
  adPane_ = new AdPane(*dispatcher_, client_);
  adPane_->setObjectName(QStringLiteral("adPane"));
  adPane_->resize(kClientWidth, 72);
  lq::SetAlign(adPane_, lq::DockAlign::Top);
  buildCommandBar();
  buildLists();
  buildMenus();
  autoSaveFileEdit_->raise();

  HarvestEndpoints endpoints;
  endpoints.suggestHost = settings_.suggestHost;
  endpoints.searchHost = settings_.searchHost;
  if (!settings_.demoHost.empty())
    for (const Source& source : AllSources())
      endpoints.bases[source.id] = "http://" + settings_.demoHost;
  run_ = std::make_unique<HarvestRun>(*dispatcher_, results(), static_cast<HarvestHost&>(*this),
                                      endpoints);
  buildTimers();
  buildExportAutoSave();
  buildKeys();

  browser_ = [](const std::string& url) {
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
  };
  urlOpener_ = [this](const std::string& url) { openInBrowser(url); };
  messages_.ask = [this](const QString& question) {
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    return lq::AskSkinned(over, &skinData_, ApplicationTitle(), question);
  };
  messages_.tell = [this](const QString& notice) {
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    lq::TellSkinned(over, &skinData_, ApplicationTitle(), notice);
  };

  frame_->ClientWidth = kClientWidth;
  frame_->ClientHeight = kClientHeight;
  frame_->SetClientSize(kClientWidth, kClientHeight);
  showStartValues();
  buildSettings();
  loadSettings();
  buildSessions();
}

MainWindow::~MainWindow() {
  saveSettings();
  // A run that still goes can be resumed at the next start.
  interruptSession(false);
  // Downloads still running are cancelled without delivering their events.
  run_.reset();
  autoSaveSchedule_.reset();
  // The frame and the controls are bound to skinData_, a member: they go while it lives
  // rather than in QWidget's destructor, after the members.
  const QObjectList owned = children();
  std::vector<QPointer<QObject>> guarded(owned.begin(), owned.end());
  for (const QPointer<QObject>& child : guarded) delete child.data();
}

void MainWindow::loadSkin() {
  frame_ = new lq::LqLacquerForm(this);
  frame_->setObjectName(QStringLiteral("frame"));
  frame_->SetBorderIcons(lq::biMinimize | lq::biMaximize);
  frame_->PositionInMonitor = lq::LqPositionInMonitor::lqpScreenCenter;
  skinData_.Owner = frame_;
  skinData_.SkinIndex = 0;
  skinData_.EnableSkinEffects = true;
  // The frame takes its hints and system menu texts from the table as it binds the skin.
  if (CurrentUiLanguage() == UiLanguage::English) {
    skinTexts_ = EnglishSkinTexts();
    skinData_.SetResourceStrData(skinTexts_.get());
  }
  frame_->SetSkinData(&skinData_);
  // The caption's system menu works from the start, not only after a list's popup menu.
  lq::AttachFrameMenus(*frame_);
  const auto stream = lq::EmbeddedSkinStream();
  std::string error;
  // Without a loadable skin every control keeps its default look.
  if (skinStore_.LoadFromCompressedStream(stream.data(), stream.size(), &error))
    skinData_.SetCompressedStoredSkin(&skinStore_);
}

PhraseList& MainWindow::results() {
  return *results_;
}
PhraseList& MainWindow::exports() {
  return *exports_;
}

void MainWindow::setUrlOpener(std::function<void(const std::string& url)> opener) {
  urlOpener_ = std::move(opener);
}
void MainWindow::setBrowser(std::function<bool(const std::string& url)> browser) {
  browser_ = std::move(browser);
}
void MainWindow::setMessages(Messages messages) {
  messages_ = std::move(messages);
}

bool MainWindow::confirm(const QString& question) {
  return !messages_.ask || messages_.ask(question);
}

void MainWindow::openInBrowser(const std::string& url) {
  if (browser_ && browser_(url)) return;
  // No browser: the user gets the address to take elsewhere.
  const QString address = QString::fromStdString(url);
  QGuiApplication::clipboard()->setText(address);
  if (messages_.tell)
    messages_.tell(QStringLiteral("没有可以打开网址的浏览器。网址已复制到剪贴板：\n") + address);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  QString question;
  if (run_->Running())
    question = QStringLiteral("查询还在进行。确定要停止查询并退出吗？");
  else if (results().Count() > 0 && results().Count() != resultsWrittenCount_)
    question = QStringLiteral("长尾词列表还没有保存或导出。确定要退出吗？");
  if (!question.isEmpty() && !confirm(question)) {
    event->ignore();
    return;
  }
  interruptSession(true);
  QWidget::closeEvent(event);
}

// The folder edit starts at the default auto-save folder with its trailing separator; the
// pane loads its page.
void MainWindow::showStartValues() {
  autoSaveFolderEdit_->setText(defaultAutoSaveFolder());
  adPane_->Navigate(settings_.adUrl);
}

// --- the harvest run ------------------------------------------------------------------

void MainWindow::startQuery() {
  const bool wasRunning = run_->Running();
  const std::string expansion = expandBox_->Checked() ? "abcdefghijklmnopqrstuvwxyz" : "";
  if (!wasRunning) {
    HarvestEndpoints endpoints = run_->Endpoints();
    endpoints.sources = sourcePicker_->Chosen();
    run_->SetEndpoints(std::move(endpoints));
    run_->SetExpansion(expansion);
  }
  run_->Query();
  syncQueryButton();
  // Query lists the memo lines as the run's seeds, so they are the session's.
  if (!wasRunning && run_->Running() && !settings_.sessionDir.isEmpty())
    startSession(FreeSessionPath(sessionBasePath()), MemoLines(), expansion);
}

void MainWindow::syncQueryButton() {
  if (run_) queryButton_->setEnabled(!run_->Running());
}
void MainWindow::stopQuery() {
  run_->Stop();
}

bool MainWindow::BroadRelevance() const {
  return broadRelevanceBox_->Checked();
}
bool MainWindow::MustContain() const {
  return mustContainBox_->Checked();
}

std::vector<std::string> MainWindow::MemoLines() const {
  std::vector<std::string> lines;
  for (const QString& line : seedsMemo_->Lines()) lines.push_back(line.toStdString());
  return lines;
}

void MainWindow::ShowStatus(const std::string& text) {
  statusPanel_->SetCaption(FromUtf8(text));
  syncQueryButton();  // a run reports its start and its end here
  if (run_ && !run_->Running()) finishSession();
}

void MainWindow::SetResultCountLabel(const std::string& text) {
  resultCountLabel_->SetCaption(FromUtf8(text));
}

void MainWindow::SetExportCountLabel(const std::string& text) {
  exportCountLabel_->SetCaption(FromUtf8(text));
}

RequestPolicy MainWindow::Policy() const {
  RequestPolicy policy;
  policy.delay = std::chrono::milliseconds(static_cast<long long>(pacingDelayEdit_->Value()));
  return policy;
}

std::vector<std::string> MainWindow::ExcludeWords() const {
  return SplitExcludeWords(excludeEdit_->text().toStdString());
}

int MainWindow::MaxDepth() const {
  return static_cast<int>(maxDepthEdit_->Value());
}

int MainWindow::ExportCount() const {
  return exports_->Count();
}

// --- list commands ----------------------------------------------------------------------

void MainWindow::filterResultsByMemo() {
  FilterPhrases(results(), MemoLines());
}
void MainWindow::copyCurrentToExport() {
  CopyCurrentPhrase(results(), exports());
}
void MainWindow::deleteCurrentExport() {
  DeleteCurrentPhrase(exports());
}
void MainWindow::copySelectedToExport() {
  CopySelectedPhrases(results(), exports());
}
void MainWindow::copyAllToExport() {
  CopyAllPhrases(results(), exports());
}
void MainWindow::deleteSelectedResults() {
  results().DeleteSelected();
}
void MainWindow::deleteSelectedExports() {
  exports().DeleteSelected();
}
void MainWindow::clearResults() {
  resultList_->Clear();
}
void MainWindow::clearExports() {
  exportList_->Clear();
}
void MainWindow::clearAllLists() {
  if (results().Count() + exports().Count() > 0 &&
      !confirm(QStringLiteral("确定要清空长尾词列表和导出列表中的全部数据吗？")))
    return;
  resultList_->Clear();
  exportList_->Clear();
}
void MainWindow::searchResultOnBaidu() {
  searchCurrentPhrase(results(), false);
}
void MainWindow::searchResultOnGoogle() {
  searchCurrentPhrase(results(), true);
}
void MainWindow::searchExportOnBaidu() {
  searchCurrentPhrase(exports(), false);
}
void MainWindow::searchExportOnGoogle() {
  searchCurrentPhrase(exports(), true);
}

void MainWindow::searchCurrentPhrase(const PhraseList& list, bool google) {
  std::string phrase;
  if (!SearchPhrase(list, phrase)) return;
  const std::string url = google ? GoogleSearchUrl(settings_.googleHost, phrase)
                                 : BaiduSearchUrl(settings_.searchHost, phrase);
  if (urlOpener_) urlOpener_(url);
}

}  // namespace longtail
