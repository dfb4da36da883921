#pragma once
// Shared pieces of the main-window tests: the window against in-process demo services,
// finding its controls by name, waiting on the event loop, clicking skinned controls and
// saving screenshots on request.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/gui/main_window.h"
#include "harvest/demo/demo_service.h"
#include "skin/frame/menu_item.h"

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
inline void ClickCentre(QWidget& w) {
  ClickCentre(&w);
}

// The descendant of `parent` with this objectName; throws (failing the test with the name)
// when there is none or it is not a T.
template <typename T>
T& Child(const QObject& parent, const char* name) {
  auto* found = dynamic_cast<T*>(parent.findChild<QObject*>(QString::fromLatin1(name)));
  if (!found) throw std::runtime_error(std::string("no child ") + name + " of the expected type");
  return *found;
}

// The item named `item` of the window's popup menu named `menu`.
lq::MenuItem& MenuItemOf(const QObject& window, const char* menu, const char* item);

// The window against demo services on a free loopback port; urls opened, questions asked
// and notices given are recorded.
struct DemoWindow {
  // `settingsFile`: where the window remembers its settings (empty: nowhere);
  // `sessionDir`: where it keeps resumable sessions (empty: it keeps none).
  explicit DemoWindow(demo::DemoOptions options = {}, const QString& settingsFile = {},
                      const QString& sessionDir = {})
      : service(std::make_unique<demo::DemoService>(options)) {
    MainWindowSettings settings;
    settings.suggestHost = settings.searchHost = service->hostPort();
    settings.demoHost = service->hostPort();
    settings.googleHost = "google.example";
    settings.autoSaveDir = QStringLiteral("/opt/longtail");
    settings.settingsFile = settingsFile;
    settings.sessionDir = sessionDir;
    window = std::make_unique<MainWindow>(settings);
    window->setUrlOpener([this](const std::string& url) { opened.push_back(url); });
    window->setMessages({[this](const QString& question) {
                           asked.push_back(question);
                           return answer;
                         },
                         [this](const QString& notice) { told.push_back(notice); }});
    window->show();
  }
  ~DemoWindow() {
    window.reset();
    service->stop();
  }
  std::unique_ptr<demo::DemoService> service;
  std::unique_ptr<MainWindow> window;
  std::vector<std::string> opened;
  // The window's questions (answered with `answer`) and notices.
  std::vector<QString> asked, told;
  bool answer = true;
};

std::vector<std::string> ItemsOf(const PhraseList& list);
// Writes docs/NAME when LONGTAIL_DOCS_SCREENSHOTS is set.
void SaveDocScreenshot(const QImage& image, const char* name);

}  // namespace longtail::test
