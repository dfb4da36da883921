// Start-up cost of the program's skin: inflating the embedded store, and loading it into a
// skin data component (pictures decoded, descriptors built).

#include <benchmark/benchmark.h>

#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"

namespace {

void BM_InflateEmbeddedSkin(benchmark::State& state) {
  const auto stream = lq::EmbeddedSkinStream();
  lq::LqCompressedStoredSkin store;
  store.LoadFromCompressedStream(stream.data(), stream.size());
  std::size_t container = 0;
  for (auto _ : state) {
    std::vector<std::uint8_t> out;
    store.DecompressToStream(out);
    container = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["store_bytes"] = double(lq::EmbeddedSkinData().size());
  state.counters["container_bytes"] = double(container);
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(container));
}
BENCHMARK(BM_InflateEmbeddedSkin)->Unit(benchmark::kMillisecond);

void BM_LoadEmbeddedSkin(benchmark::State& state) {
  const auto stream = lq::EmbeddedSkinStream();
  for (auto _ : state) {
    lq::LqCompressedStoredSkin store;
    store.LoadFromCompressedStream(stream.data(), stream.size());
    lq::LqSkinData skin;
    skin.SetCompressedStoredSkin(&store);
    if (skin.Empty) {
      state.SkipWithError("the embedded skin did not load");
      break;
    }
    benchmark::DoNotOptimize(skin.ActivePictures.data());
  }
}
BENCHMARK(BM_LoadEmbeddedSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
