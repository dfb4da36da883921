#pragma once
// Shared pieces of the main-window tests: the window against in-process demo services,
// waiting on the event loop, clicking skinned controls and saving screenshots on request.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/gui/form1.h"
#include "harvest/demo/demo_service.h"

namespace longtail::test {

// Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
inline bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

inline void ClickCentre(QWidget* w) {
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The window against demo services on a free loopback port; urls opened are recorded.
struct DemoWindow {
  explicit DemoWindow(demo::DemoOptions options = {})
      : service(std::make_unique<demo::DemoService>(options)) {
    Form1Settings settings;
    settings.suggestHost = settings.searchHost = service->hostPort();
    settings.googleHost = "google.example";
    settings.programDir = QStringLiteral("/opt/longtail");
    form = std::make_unique<TForm1>(settings);
    form->OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    form->show();
  }
  ~DemoWindow() {
    form.reset();
    service->stop();
  }
  std::unique_ptr<demo::DemoService> service;
  std::unique_ptr<TForm1> form;
  std::vector<std::string> opened;
};

std::vector<std::string> ItemsOf(const PhraseList& list);
// Writes docs/NAME when LONGTAIL_DOCS_SCREENSHOTS is set.
void SaveDocScreenshot(const QImage& image, const char* name);

}  // namespace longtail::test
