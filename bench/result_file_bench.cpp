// Building a result file's bytes in each format for a large list: the UTF-8 formats pay
// for the code page conversion, CSV for quoting, JSON lines for the JSON writer.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "harvest/result_file.h"

namespace {

std::vector<std::string> Phrases(int n) {
  std::vector<std::string> phrases;
  phrases.reserve(n);
  for (int i = 0; i < n; ++i) phrases.push_back("\xB3\xA4\xCE\xB2 keyword, " + std::to_string(i));
  return phrases;
}

void BM_ResultFileBytes(benchmark::State& state) {
  const auto format = static_cast<longtail::ResultFormat>(state.range(0));
  const auto phrases = Phrases(static_cast<int>(state.range(1)));
  const longtail::ProvenanceOf provenance = [](std::size_t index) {
    return longtail::PhraseProvenance{"soso", "\xB3\xA4\xCE\xB2", static_cast<int>(index % 5)};
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(longtail::ResultFileBytes(format, phrases, provenance));
  state.SetItemsProcessed(state.iterations() * state.range(1));
  state.SetLabel(longtail::InfoOf(format).name);
}
BENCHMARK(BM_ResultFileBytes)
    ->ArgsProduct({{static_cast<int>(longtail::ResultFormat::KeywordList),
                    static_cast<int>(longtail::ResultFormat::Utf8Lines),
                    static_cast<int>(longtail::ResultFormat::Utf8BomCrLf),
                    static_cast<int>(longtail::ResultFormat::Csv),
                    static_cast<int>(longtail::ResultFormat::JsonLines)},
                   {100000}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
