#include "app/gui/form1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QTimer>
#include <QUrl>

#include "app/gui/ad_pane.h"
#include "app/gui/error_display.h"
#include "app/gui/export_autosave.h"
#include "app/gui/list_commands.h"
#include "app/gui/qt_dispatcher.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/popup_menu.h"
#include "skin/qt/fonts.h"
#include "text/cp936.h"

namespace longtail {

namespace {

constexpr int kClientWidth = 822;
constexpr int kClientHeight = 630;

QString FromCp936(const std::string& text) {
  return QString::fromStdString(Cp936ToUtf8(text));
}

}  // namespace

QString TForm1::WindowCaption() {
  return QStringLiteral("青岚谷长尾词查询工具V2.0  新增多词查询，查询过滤功能。");
}

TForm1::TForm1(Form1Settings settings, QWidget* parent)
    : QWidget(parent), settings_(std::move(settings)) {
  setWindowTitle(WindowCaption());
  setFont(lq::SkinFont(QStringLiteral("新宋体"), 12, 0));
  dispatcher_ = std::make_unique<QtDispatcher>(this);

  LoadSkin();
  Client = new QWidget(this);
  new lq::LqAlignLayout(this, [this] { return contentsRect(); });
  lq::SetAlign(Client, lq::alClient);
  new lq::LqAlignLayout(Client);
  BuildTopPanel();
  WebBrowser1 = new TAdPane(*dispatcher_, Client);
  WebBrowser1->resize(kClientWidth, 72);
  lq::SetAlign(WebBrowser1, lq::alTop);
  BuildCommandBar();
  BuildLists();
  BuildMenus();
  edt2->raise();

  HarvestEndpoints endpoints;
  endpoints.suggestHost = settings_.suggestHost;
  endpoints.searchHost = settings_.searchHost;
  run_ = std::make_unique<HarvestRun>(*dispatcher_, lqSkinListBox1->Items(),
                                      static_cast<HarvestHost&>(*this), endpoints);
  BuildTimers();
  BuildExportAutoSave();

  OpenUrl = [](const std::string& url) {
    // The result is not examined: without a browser nothing happens.
    QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
  };

  lqform1->ClientWidth = kClientWidth;
  lqform1->ClientHeight = kClientHeight;
  lqform1->SetClientSize(kClientWidth, kClientHeight);
  FormCreate();
}

TForm1::~TForm1() {
  // Downloads still running are cancelled without delivering their events.
  run_.reset();
  delete WebBrowser1;
  WebBrowser1 = nullptr;
}

void TForm1::LoadSkin() {
  lqform1 = new lq::LqLacquerForm(this);
  lqform1->SetBorderIcons(lq::biMinimize | lq::biMaximize);
  lqform1->PositionInMonitor = lq::LqPositionInMonitor::lqpScreenCenter;
  lqskindata1.Owner = lqform1;
  lqskindata1.SkinIndex = 0;
  lqskindata1.EnableSkinEffects = true;
  lqform1->SetSkinData(&lqskindata1);
  const auto stream = lq::EmbeddedSkinStream();
  std::string error;
  // Without a loadable skin every control keeps its default look.
  if (lqcmprsdstrdskn1.LoadFromCompressedStream(stream.data(), stream.size(), &error))
    lqskindata1.SetCompressedStoredSkin(&lqcmprsdstrdskn1);
}

PhraseList& TForm1::Results() {
  return lqSkinListBox1->Items();
}
PhraseList& TForm1::Exports() {
  return lqSkinListBox2->Items();
}

void TForm1::FormCreate() {
  QString dir = settings_.programDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                               : settings_.programDir;
  dir = QDir::toNativeSeparators(dir);
  if (!dir.endsWith(QDir::separator())) dir += QDir::separator();
  edt1->setText(dir);
  WebBrowser1->Navigate(settings_.adUrl);
}

// --- the harvest run ------------------------------------------------------------------

void TForm1::lqSkinXFormButton1Click() {
  run_->Query();
}
void TForm1::lqSkinXFormButton2Click() {
  run_->Stop();
}
void TForm1::Timer1Timer() {
  run_->Timer1Timer();
}
void TForm1::Timer2Timer() {
  run_->Timer2Timer();
}

bool TForm1::BroadRelevance() {
  return lqSkinCheckRadioBox1->Checked();
}
bool TForm1::MustContain() {
  return lqSkinCheckRadioBox2->Checked();
}

std::vector<std::string> TForm1::MemoLines() {
  std::vector<std::string> lines;
  for (const QString& line : edit1->Lines()) lines.push_back(Utf8ToCp936(line.toStdString()));
  return lines;
}

void TForm1::ShowStatus(const std::string& text) {
  lqSkinStdLabel4->SetCaption(FromCp936(text));
}

void TForm1::SetStopTimerEnabled(bool enabled) {
  if (enabled)
    Timer2->start();
  else
    Timer2->stop();
}

void TForm1::SetResultCountLabel(const std::string& text) {
  lqSkinStdLabel1->SetCaption(FromCp936(text));
}

void TForm1::SetExportCountLabel(const std::string& text) {
  lqSkinStdLabel3->SetCaption(FromCp936(text));
}

int TForm1::ExportCount() {
  return lqSkinListBox2->Items().Count();
}

// --- list commands ----------------------------------------------------------------------

void TForm1::btn1Click() {
  FilterPhrases(Results(), MemoLines());
}
void TForm1::lqSkinListBox1ListBoxDblClick() {
  CopyCurrentPhrase(Results(), Exports());
}
void TForm1::lqSkinListBox2ListBoxDblClick() {
  DeleteCurrentPhrase(Exports());
}
void TForm1::N1Click() {
  CopySelectedPhrases(Results(), Exports());
}
void TForm1::N5Click() {
  CopyAllPhrases(Results(), Exports());
}
void TForm1::N2Click() {
  Results().DeleteSelected();
}
void TForm1::N4Click() {
  lqSkinListBox1->Clear();
}
void TForm1::N8Click() {
  Search(lqSkinListBox1, false);
}
void TForm1::N9Click() {
  Search(lqSkinListBox1, true);
}
void TForm1::MenuItem2Click() {
  Exports().DeleteSelected();
}
void TForm1::N3Click() {
  lqSkinListBox2->Clear();
}
void TForm1::N6Click() {
  Search(lqSkinListBox2, false);
}
void TForm1::N7Click() {
  Search(lqSkinListBox2, true);
}
void TForm1::lqSkinXFormButton4Click() {
  N5->Click();
}
void TForm1::lqSkinXFormButton5Click() {
  lqSkinListBox2->Clear();
}
void TForm1::lqSkinXFormButton3Click() {
  lqSkinListBox1->Clear();
  lqSkinListBox2->Clear();
}

void TForm1::Search(lq::LqSkinListBox* list, bool google) {
  std::string phrase;
  if (!SearchPhrase(list->Items(), phrase)) return;
  const std::string url = google ? GoogleSearchUrl(settings_.googleHost, phrase)
                                 : BaiduSearchUrl(settings_.searchHost, phrase);
  if (OpenUrl) OpenUrl(url);
}

}  // namespace longtail
