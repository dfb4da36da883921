// longtail: the keyword harvester's window. Starts the demo services in-process with
// --demo; takes the service hosts from options or the environment (see --help).
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/gui/app_icon.h"
#include "app/gui/app_settings.h"
#include "app/gui/error_display.h"
#include "app/gui/main_window.h"
#include "app/gui/ui_language.h"
#include "app/version.h"
#include "harvest/demo/demo_options.h"
#include "harvest/demo/demo_service.h"
#include "skin/frame/lacquer_form.h"
#include "skin/qt/fonts.h"

namespace {

// Errors escaping an event handler go to the default error display; the program goes on.
class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    bool handled = false;
    longtail::RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
  }
};

// With LONGTAIL_STARTUP_PROBE set, reports the time from the program's start to the first
// painted main window and quits: the start-up measurement of scripts/measure-startup.
class StartupProbe : public QObject {
 public:
  explicit StartupProbe(const QElapsedTimer& clock) : clock_(clock) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [this] {
        std::printf("first paint after %.1f ms\n",
                    static_cast<double>(clock_.nsecsElapsed()) / 1e6);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  const QElapsedTimer& clock_;
  bool done_ = false;
};

int UsageError(const QString& error) {
  std::fprintf(stderr, "longtail: %s\n%s", qPrintable(error),
               qPrintable(longtail::AppSettings::Usage()));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QString error;
  QString lang;
  QStringList rawArgs;
  for (int i = 1; i < argc; ++i) rawArgs << QString::fromLocal8Bit(argv[i]);
  switch (longtail::PreParse(rawArgs, &error, &lang)) {
    case longtail::StartAction::UsageError:
      return UsageError(error);
    case longtail::StartAction::PrintHelp:
      std::fputs(qPrintable(longtail::AppSettings::Usage()), stdout);
      return 0;
    case longtail::StartAction::PrintVersion:
      std::printf("longtail %s\n", LONGTAIL_VERSION);
      return 0;
    case longtail::StartAction::Run:
      break;
  }

  GuardedApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("longtail"));
  // The settings live under the maker's name: ~/.config/qinglangu/longtail.conf here.
  QApplication::setOrganizationName(QStringLiteral("qinglangu"));
  QApplication::setOrganizationDomain(QStringLiteral("qinglangu.cn"));
  QApplication::setApplicationVersion(QStringLiteral(LONGTAIL_VERSION));
  // Chosen before any window exists: every text is made in the face's language.
  longtail::UiLanguage language = longtail::LanguageForUiLanguages(QLocale::system().uiLanguages());
  if (!lang.isEmpty()) longtail::LanguageFromOption(lang, &language);
  if (!longtail::UseUiLanguage(language))
    std::fprintf(stderr,
                 "longtail: the English translation is missing; the window stays Chinese\n");
  // No application display name: the platform would append it to the window title, which
  // already holds the product's name.
  // The installed menu entry's name, so the taskbar matches the window to it.
  QApplication::setDesktopFileName(QStringLiteral("cn.qinglangu.longtail"));
  QApplication::setWindowIcon(longtail::AppIcon());
  lq::InstallSkinFontSubstitutions();

  longtail::AppSettings settings;
  settings.ReadEnvironment();
  bool help = false;
  // Qt has taken its own options by now; anything it left is refused here.
  if (!settings.Parse(QApplication::arguments().mid(1), &error, &help)) return UsageError(error);

  std::unique_ptr<longtail::demo::DemoService> demo;
  if (settings.demo) {
    // The demo can be told to misbehave, e.g. LONGTAIL_DEMO_OPTIONS="--block-after 40".
    longtail::demo::DemoOptions demoOptions;
    std::string demoError;
    if (!longtail::demo::ParseDemoOptions(
            qEnvironmentVariable(longtail::demo::kDemoOptionsVariable).toStdString(), demoOptions,
            demoError)) {
      std::fprintf(stderr, "longtail: %s: %s\n", longtail::demo::kDemoOptionsVariable,
                   demoError.c_str());
      return 2;
    }
    demo = std::make_unique<longtail::demo::DemoService>(demoOptions);
    if (!demo->ok()) {
      std::fprintf(stderr, "longtail: the demo services did not start: %s\n",
                   demo->error().c_str());
      return 1;
    }
    settings.suggestHost = settings.searchHost = QString::fromStdString(demo->hostPort());
    std::fprintf(stderr, "longtail: demo services on http://%s\n", demo->hostPort().c_str());
  }

  longtail::MainWindowSettings windowSettings;
  windowSettings.suggestHost = settings.suggestHost.toStdString();
  windowSettings.searchHost = settings.searchHost.toStdString();
  windowSettings.googleHost = settings.googleHost.toStdString();
  windowSettings.adUrl = settings.adUrl.toStdString();
  windowSettings.settingsFile = QSettings().fileName();
  windowSettings.sessionDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (demo) windowSettings.demoHost = demo->hostPort();

  longtail::MainWindow window(windowSettings);
  lq::LqLacquerForm::SetApplicationMainForm(&window);
  StartupProbe probe(clock);
  if (!qEnvironmentVariableIsEmpty("LONGTAIL_STARTUP_PROBE")) window.installEventFilter(&probe);
  window.show();
  return app.exec();
}
