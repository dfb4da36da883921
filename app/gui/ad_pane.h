#pragma once
// The advertisement pane: downloads the page with the download component and
// shows it without scroll bars, frame or margin. Nothing answering leaves it empty; the
// rest of the window is not affected either way.

#include <QTextBrowser>
#include <memory>
#include <string>

#include "net/http_get.h"

namespace longtail {

class Dispatcher;

class AdPane : public QTextBrowser {
 public:
  AdPane(Dispatcher& dispatcher, QWidget* parent = nullptr);
  ~AdPane() override;

  // Starts loading the page; an empty URL leaves the pane empty.
  void Navigate(const std::string& url);
  // Shows a page body (UTF-8 or code page 936 bytes).
  void ShowPage(const std::string& body);
  bool Loading() const { return request_ && request_->Downloading(); }
  int DocumentsCompleted() const { return documentsCompleted_; }

 private:
  // What the document-complete handler does: no scroll bars, no margin, no border.
  void DocumentComplete();
  void ApplyPaneLook();

  Dispatcher& dispatcher_;
  std::unique_ptr<HttpDownload> request_;
  int documentsCompleted_ = 0;
};

}  // namespace longtail
