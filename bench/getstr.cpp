// getstr throughput: decoding, parsing and admission of one answer, on a 100 KB results page
// and a 2 KB suggestion answer (the phrases are already listed after the first round, as
// in a long run where most candidates are duplicates).

#include <benchmark/benchmark.h>

#include "harvest/demo/demo_service.h"
#include "harvest/harvest_run.h"
#include "net/event_loop.h"
#include "text/cp936.h"

namespace {

using namespace longtail;

class QuietHost : public HarvestHost {
 public:
  bool BroadRelevance() override { return true; }
  bool MustContain() override { return false; }
  std::vector<std::string> MemoLines() override { return {}; }
  void ShowStatus(const std::string&) override {}
  void SetStopTimerEnabled(bool) override {}
  void SetResultCountLabel(const std::string&) override {}
  void SetExportCountLabel(const std::string&) override {}
  int ExportCount() override { return 0; }
};

std::string ResultsPage100K(const demo::PhraseGraph& graph) {
  std::string query = Utf8ToCp936("手机");
  std::string page = demo::ResultsPage(query, graph.RelatedSearches(query), true);
  std::string filler;
  while (filler.size() + page.size() < 100 * 1024)
    filler += Utf8ToCp936("<p class=\"c\">这是一段用来填充页面的演示文字，和搜索结果无关。</p>\n");
  return filler + page;
}

std::string Suggestion2K(const demo::PhraseGraph& graph) {
  std::vector<std::string> phrases;
  std::string body;
  for (int i = 0; body.size() < 2048; ++i) {
    phrases.push_back(graph.Phrase(i * 7 % graph.Size()));
    body = demo::SuggestionAnswer(phrases);
  }
  return body;
}

void RunGetstr(benchmark::State& state, const std::string& body, int kind) {
  EventLoop loop;
  PhraseList results;
  QuietHost host;
  HarvestRun run(loop, results, host);
  HarvestRequest sender(loop);
  sender.QueryKind = kind;
  for (auto _ : state) run.getstr(&sender, body);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(body.size()));
  state.counters["listed"] = results.Count();
}

void BM_GetstrResultsPage100K(benchmark::State& state) {
  demo::PhraseGraph graph(3000);
  RunGetstr(state, ResultsPage100K(graph), kRelatedKind);
}
BENCHMARK(BM_GetstrResultsPage100K)->Unit(benchmark::kMicrosecond);

void BM_GetstrSuggestion2K(benchmark::State& state) {
  demo::PhraseGraph graph(3000);
  RunGetstr(state, Suggestion2K(graph), kSuggestionKind);
}
BENCHMARK(BM_GetstrSuggestion2K)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
