// Cost of admitting candidate phrases into a result list of a given size: the duplicate
// check must not grow with the list.

#include <benchmark/benchmark.h>

#include "harvest/admission.h"
#include "text/cp936.h"

namespace {

using longtail::PhraseList;

std::string Phrase(const std::string& stem, std::uint64_t n) {
  std::string s = stem;
  s += std::to_string(n * 2654435761u % 1000003u);
  s += '-';
  s += std::to_string(n);
  return s;
}

void FillList(PhraseList& list, const std::string& stem, int size) {
  for (int i = 0; i < size; ++i) list.Append(Phrase(stem, static_cast<std::uint64_t>(i)));
}

// Batches of candidates, half already listed (in another letter case), half new.
void BM_AdmitCandidates(benchmark::State& state) {
  const std::string stem = longtail::Utf8ToCp936("手机QQ");
  const std::string upper = longtail::Utf8ToCp936("手机qq");
  const int size = static_cast<int>(state.range(0));
  PhraseList list;
  FillList(list, stem, size);
  const std::vector<std::string> memo;
  std::uint64_t next = static_cast<std::uint64_t>(size);
  std::uint64_t pick = 0;
  std::vector<std::string> batch(1000);
  for (auto _ : state) {
    state.PauseTiming();
    for (std::size_t i = 0; i < batch.size(); ++i) {
      pick = pick * 6364136223846793005ull + 1442695040888963407ull;
      batch[i] = (i % 2) ? Phrase(upper, (pick >> 33) % static_cast<std::uint64_t>(size))
                         : Phrase(stem, next++);
    }
    state.ResumeTiming();
    for (const std::string& candidate : batch)
      benchmark::DoNotOptimize(longtail::AdmitPhrase(list, candidate, false, memo));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(batch.size()));
}
BENCHMARK(BM_AdmitCandidates)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// One million candidates into a list of one million phrases, in one go.
void BM_AdmitMillionIntoMillion(benchmark::State& state) {
  const std::string stem = longtail::Utf8ToCp936("长尾词");
  for (auto _ : state) {
    state.PauseTiming();
    PhraseList list;
    FillList(list, stem, 1'000'000);
    std::vector<std::string> candidates;
    candidates.reserve(1'000'000);
    for (std::uint64_t i = 500'000; i < 1'500'000; ++i) candidates.push_back(Phrase(stem, i));
    const std::vector<std::string> memo;
    state.ResumeTiming();
    int admitted = 0;
    for (const std::string& c : candidates) admitted += longtail::AdmitPhrase(list, c, false, memo);
    benchmark::DoNotOptimize(admitted);
    state.counters["admitted"] = admitted;
  }
  state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(BM_AdmitMillionIntoMillion)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
