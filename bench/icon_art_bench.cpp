// The program's icon is drawn at every theme size when the window program starts: what
// that costs, per size and for the whole set.

#include <benchmark/benchmark.h>

#include "icon_art.h"

namespace {

void BM_AppIconOneSize(benchmark::State& state) {
  const int size = int(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(lq::art::DrawAppIcon(size));
}
BENCHMARK(BM_AppIconOneSize)->Arg(16)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_AppIconEverySize(benchmark::State& state) {
  for (auto _ : state)
    for (int size : lq::art::AppIconSizes()) benchmark::DoNotOptimize(lq::art::DrawAppIcon(size));
}
BENCHMARK(BM_AppIconEverySize)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
