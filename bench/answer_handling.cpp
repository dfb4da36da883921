// Answer handling throughput: decoding, parsing and admission of one answer, on a 100 KB results
// page and a 2 KB suggestion answer (the phrases are already listed after the first round, as in a
// long run where most candidates are duplicates).

#include <benchmark/benchmark.h>

#include "harvest/demo/demo_service.h"
#include "harvest/harvest_run.h"
#include "text/cp936.h"

namespace {

using namespace longtail;

class QuietHost : public HarvestHost {
 public:
  bool BroadRelevance() const override { return true; }
  bool MustContain() const override { return false; }
  std::vector<std::string> MemoLines() const override { return {}; }
  int ExportCount() const override { return 0; }
  void ShowStatus(const std::string&) override {}
  void SetResultCountLabel(const std::string&) override {}
  void SetExportCountLabel(const std::string&) override {}
};

std::string ResultsPage100K(const demo::PhraseGraph& graph) {
  std::string query = "手机";
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

void RunOnAnswer(benchmark::State& state, const std::string& body, RequestKind kind) {
  PhraseList results;
  QuietHost host;
  for (auto _ : state) AdmitAnswerPhrases(results, kind, body, host);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(body.size()));
  state.counters["listed"] = results.Count();
}

void BM_OnAnswerResultsPage100K(benchmark::State& state) {
  demo::PhraseGraph graph(3000);
  RunOnAnswer(state, ResultsPage100K(graph), RequestKind::Related);
}
BENCHMARK(BM_OnAnswerResultsPage100K)->Unit(benchmark::kMicrosecond);

void BM_OnAnswerSuggestion2K(benchmark::State& state) {
  demo::PhraseGraph graph(3000);
  RunOnAnswer(state, Suggestion2K(graph), RequestKind::Suggest);
}
BENCHMARK(BM_OnAnswerSuggestion2K)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
