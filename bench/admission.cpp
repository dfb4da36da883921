// Cost of admitting candidate phrases into a result list of a given size (the duplicate
// check must not grow with the list), and the heap the list takes per phrase.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "harvest/admission.h"

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

const std::string& Stem() {
  static const std::string stem = "手机QQ";
  return stem;
}

// Batches of new, distinct candidates into a list of range(0) phrases. Each batch is
// deleted again from the end (untimed), so the list keeps its size.
void BM_AdmitNew(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  PhraseList list;
  FillList(list, Stem(), size);
  const std::vector<std::string> memo;
  std::uint64_t next = static_cast<std::uint64_t>(size);
  std::vector<std::string> batch(1000);
  std::int64_t admitted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    while (list.Count() > size) list.Delete(list.Count() - 1);
    for (std::string& candidate : batch) candidate = Phrase(Stem(), next++);
    state.ResumeTiming();
    for (const std::string& candidate : batch)
      admitted += longtail::AdmitPhrase(list, candidate, false, memo);
  }
  if (admitted != state.iterations() * static_cast<std::int64_t>(batch.size()))
    state.SkipWithError("a new candidate was not admitted");
  state.SetItemsProcessed(admitted);
}
BENCHMARK(BM_AdmitNew)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Candidates the list already holds, in another letter case, picked at random.
void BM_AdmitDuplicate(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  PhraseList list;
  FillList(list, Stem(), size);
  const std::string upper = "手机qq";
  std::vector<std::string> pool(1 << 16);
  std::uint64_t pick = 0;
  for (std::string& candidate : pool) {
    pick = pick * 6364136223846793005ull + 1442695040888963407ull;
    candidate = Phrase(upper, (pick >> 33) % static_cast<std::uint64_t>(size));
  }
  const std::vector<std::string> memo;
  std::size_t at = 0;
  std::int64_t admitted = 0;
  for (auto _ : state) {
    admitted += longtail::AdmitPhrase(list, pool[at], false, memo);
    at = (at + 1) & (pool.size() - 1);
  }
  if (admitted != 0) state.SkipWithError("a duplicate was admitted");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AdmitDuplicate)->Arg(1'000'000);

// One million candidates, half of them listed, into a list of one million, in one go.
void BM_AdmitMillionIntoMillion(benchmark::State& state) {
  const std::string stem = "长尾词";
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

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Heap taken by a list of range(0) harvested phrases, per phrase, with and without the
// bytes of the text itself.
void BM_MemoryPerPhrase(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<std::string> phrases;
  phrases.reserve(static_cast<std::size_t>(size));
  std::size_t textBytes = 0;
  for (int i = 0; i < size; ++i) {
    phrases.push_back(Phrase(Stem(), static_cast<std::uint64_t>(i)));
    textBytes += phrases.back().size();
  }
  double perPhrase = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    {
      PhraseList list;
      for (const std::string& p : phrases) list.Append(p);
      perPhrase = double(HeapInUse() - before) / size;
      benchmark::DoNotOptimize(list.Count());
    }
  }
  state.counters["bytes_per_phrase"] = perPhrase;
  state.counters["text_bytes_per_phrase"] = double(textBytes) / size;
  state.counters["beyond_text"] = perPhrase - double(textBytes) / size;
}
BENCHMARK(BM_MemoryPerPhrase)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
