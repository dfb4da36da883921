// Harvest rate against the demo service answering each request after 20 ms: phrases
// answered per second by the suggestion chain, with the chain's one connection kept alive,
// and with the service closing the connection after every answer (a new connection per
// request).

#include <benchmark/benchmark.h>

#include "harvest/demo/demo_service.h"
#include "harvest/harvest_run.h"
#include "net/event_loop.h"
#include "net/loopback_http_server.h"

namespace {

using namespace longtail;
using namespace std::chrono_literals;

class QuietHost : public HarvestHost {
 public:
  bool BroadRelevance() const override { return false; }
  bool MustContain() const override { return false; }
  std::vector<std::string> MemoLines() const override { return {"qq"}; }
  int ExportCount() const override { return 0; }
  RequestPolicy Policy() const override {
    RequestPolicy policy;
    policy.delay = 0ms;
    return policy;
  }
  void ShowStatus(const std::string&) override {}
  void SetResultCountLabel(const std::string&) override {}
  void SetExportCountLabel(const std::string&) override {}
};

constexpr int kAnswersPerRun = 40;

void HarvestRate(benchmark::State& state, bool closeEachConnection) {
  demo::PhraseGraph graph(3000);
  LoopbackHttpServer server([&](const HttpRequest& request) {
    HttpResponse response = demo::DemoAnswer(graph, request);
    response.delayBeforeHeaders = 20ms;
    if (closeEachConnection) response.headers.emplace_back("Connection", "close");
    return response;
  });
  std::int64_t answered = 0;
  for (auto _ : state) {
    EventLoop loop;
    PhraseList results;
    QuietHost host;
    HarvestRun run(loop, results, host, {server.hostPort(), server.hostPort()});
    run.Query();
    loop.runUntil([&] { return run.Counts(RequestKind::Suggest).answered >= kAnswersPerRun; }, 60s);
    answered += run.Counts(RequestKind::Suggest).answered;
    run.Stop();
    loop.runUntil([&] { return !run.StopPending(); }, 10s);
  }
  state.counters["answers_per_s"] =
      benchmark::Counter(static_cast<double>(answered), benchmark::Counter::kIsRate);
}

void BM_HarvestRateKeepAlive(benchmark::State& state) {
  HarvestRate(state, false);
}
BENCHMARK(BM_HarvestRateKeepAlive)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_HarvestRateConnectionPerRequest(benchmark::State& state) {
  HarvestRate(state, true);
}
BENCHMARK(BM_HarvestRateConnectionPerRequest)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
