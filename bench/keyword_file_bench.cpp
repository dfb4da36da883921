// Writing the keyword list file: bytes built and written atomically (temporary file,
// fsync, rename) for lists of growing size; the time should grow linearly.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "harvest/keyword_file.h"

namespace {

std::vector<std::string> Phrases(int n) {
  std::vector<std::string> phrases;
  phrases.reserve(n);
  for (int i = 0; i < n; ++i) phrases.push_back("\xB3\xA4\xCE\xB2 keyword " + std::to_string(i));
  return phrases;
}

void BM_KeywordListBytes(benchmark::State& state) {
  const auto phrases = Phrases(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(longtail::KeywordListBytes(phrases));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KeywordListBytes)->Arg(1000)->Arg(100000);

void BM_WriteKeywordListFile(benchmark::State& state) {
  const auto phrases = Phrases(static_cast<int>(state.range(0)));
  std::string dir = (std::filesystem::temp_directory_path() / "lt-bench-XXXXXX").string();
  ::mkdtemp(dir.data());
  const std::string path = dir + "/words.txt";
  std::string error;
  for (auto _ : state) {
    if (!longtail::WriteKeywordListFile(path, phrases, error)) state.SkipWithError(error.c_str());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteKeywordListFile)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
