#include "app/gui/ad_pane.h"

#include <QScrollBar>
#include <QTextDocument>

#include "text/cp936.h"

namespace longtail {

AdPane::AdPane(Dispatcher& dispatcher, QWidget* parent)
    : QTextBrowser(parent), dispatcher_(dispatcher) {
  setOpenExternalLinks(true);
  ApplyPaneLook();
}

AdPane::~AdPane() = default;

void AdPane::Navigate(const std::string& url) {
  if (url.empty()) return;
  request_ = std::make_unique<HttpDownload>(dispatcher_);
  request_->URL = url;
  request_->OnDoneString = [this](HttpDownload*, const std::string& body) { ShowPage(body); };
  // A failed load leaves whatever the pane shows now.
  request_->OnError = [](HttpDownload*) {};
  request_->StartDownload();
}

void AdPane::ShowPage(const std::string& body) {
  const std::string utf8 = IsShortFormUtf8(body) ? body : Cp936ToUtf8(body);
  setHtml(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  DocumentComplete();
}

void AdPane::DocumentComplete() {
  ApplyPaneLook();
  ++documentsCompleted_;
}

void AdPane::ApplyPaneLook() {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(0);
  setFrameShape(QFrame::NoFrame);
  setViewportMargins(0, 0, 0, 0);
}

}  // namespace longtail
