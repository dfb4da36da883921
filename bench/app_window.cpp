// The main window: time from construction to the first painted frame, and how long the
// event loop's turns take while a run adds 100,000 phrases from a loopback service.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/gui/main_window.h"
#include "harvest/demo/demo_service.h"
#include "net/loopback_http_server.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/memo.h"
#include "skin/qt/fonts.h"

namespace longtail {
namespace {

// Sees the first paint event of a widget.
class PaintProbe : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_WindowStartupToFirstPaint(benchmark::State& state) {
  MainWindowSettings settings;
  settings.autoSaveDir = QStringLiteral("/tmp");
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    {
      MainWindow window(settings);
      PaintProbe probe;
      window.installEventFilter(&probe);
      window.show();
      while (!probe.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
      window.removeEventFilter(&probe);
    }
  }
}
BENCHMARK(BM_WindowStartupToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// A suggestion service without end: every phrase q has the answers q0 .. q19.
HttpResponse EndlessSuggestions(const HttpRequest& request) {
  const std::string prefix = "/include/keywords.php?k=";
  HttpResponse res;
  if (request.target.rfind(prefix, 0) != 0) {
    res.status = 404;
    return res;
  }
  const std::string query = request.target.substr(prefix.size());
  std::vector<std::string> phrases;
  for (int k = 0; k < 20; ++k) phrases.push_back(query + std::to_string(k));
  res.body = demo::SuggestionAnswer(phrases);
  return res;
}

void BM_EventLoopTurnsDuringA100kRun(benchmark::State& state) {
  LoopbackHttpServer server(EndlessSuggestions);
  MainWindowSettings settings;
  settings.suggestHost = settings.searchHost = server.hostPort();
  settings.autoSaveDir = QStringLiteral("/tmp");
  for (auto _ : state) {
    MainWindow window(settings);
    window.show();
    window.findChild<lq::LqSkinCheckRadioBox*>(QStringLiteral("broadRelevanceBox"))
        ->SetChecked(false);
    window.findChild<lq::LqSkinMemo2*>(QStringLiteral("seedsMemo"))->SetText(QStringLiteral("k"));
    // The window's first paint is start-up, measured above; let it happen first.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::vector<double> turns;
    double worst = 0;
    int worstAt = 0;  // phrases listed when the longest turn ended
    QElapsedTimer clock, turn;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      turns.push_back(static_cast<double>(turn.nsecsElapsed()) / 1e6);
      if (turns.back() > worst) {
        worst = turns.back();
        worstAt = window.results().Count();
      }
      turn.restart();
    });
    clock.start();
    turn.start();
    ticker.start();
    window.startQuery();
    while (window.results().Count() < 100000 && clock.elapsed() < 300000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    window.stopQuery();
    while (window.run().Running() && clock.elapsed() < 310000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ticker.stop();
    std::sort(turns.begin(), turns.end());
    state.SetIterationTime(seconds);
    state.counters["phrases"] = window.results().Count();
    state.counters["turns"] = static_cast<double>(turns.size());
    state.counters["turn_p50_ms"] = turns.empty() ? 0 : turns[turns.size() / 2];
    state.counters["turn_p99_ms"] = turns.empty() ? 0 : turns[turns.size() * 99 / 100];
    state.counters["turn_max_ms"] = turns.empty() ? 0 : turns.back();
    state.counters["turn_max_at_phrases"] = worstAt;
  }
}
BENCHMARK(BM_EventLoopTurnsDuringA100kRun)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace longtail

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lq::InstallSkinFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
