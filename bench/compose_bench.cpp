// Composing a full-screen window frame from a typical skin picture: the nine-part image,
// the four border strips and the window region from a mask.
#include <benchmark/benchmark.h>

#include "skin/data/image_compose.h"
#include "skin/data/mask_region.h"

namespace {

using namespace lq;

constexpr int kW = 1920, kH = 1080;
// A 285 x 210 frame picture: caption 30 rows, sides 8 columns, bottom 10 rows.
const Rect kSkin{0, 0, 285, 210};
const FrameGeometry kSource{{40, 40}, {245, 40}, {40, 170}, {245, 170}, {8, 30, 277, 200}};

Bitmap Picture() {
  Bitmap b(285, 210);
  for (int y = 0; y < 210; ++y)
    for (int x = 0; x < 285; ++x) b.setPixel(x, y, RGB(x, y, x ^ y));
  return b;
}

// Black everywhere except rounded-off white corners of radius 6.
Bitmap Mask() {
  Bitmap b(285, 210);
  for (int y = 0; y < 210; ++y)
    for (int x = 0; x < 285; ++x) {
      int dx = std::min(x, 284 - x), dy = std::min(y, 209 - y);
      if (dx < 6 && dy < 6 && (6 - dx) * (6 - dx) + (6 - dy) * (6 - dy) > 36)
        b.setPixel(x, y, RGB(255, 255, 255));
    }
  return b;
}

FrameGeometry Target() {
  return FitFrameGeometry(kSource, kW - 285, kH - 210);
}

void BM_FramedImageTiled(benchmark::State& state) {
  Bitmap picture = Picture(), out;
  FrameFlags flags;  // every edge and the client tiled
  for (auto _ : state) {
    BuildFramedImage(kSource, Target(), flags, kW, kH, kSkin, picture, out);
    benchmark::DoNotOptimize(out.bits());
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FramedImageTiled)->Unit(benchmark::kMillisecond);

void BM_FramedImageStretched(benchmark::State& state) {
  Bitmap picture = Picture(), out;
  FrameFlags flags{true, true, true, true, true, true, 0};
  for (auto _ : state) {
    BuildFramedImage(kSource, Target(), flags, kW, kH, kSkin, picture, out);
    benchmark::DoNotOptimize(out.bits());
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FramedImageStretched)->Unit(benchmark::kMillisecond);

void BM_BorderStrips(benchmark::State& state) {
  Bitmap picture = Picture();
  BorderStrips strips;
  for (auto _ : state) {
    BuildBorderStrips(kSource, Target(), FrameFlags{}, kW, kH, kSkin, picture, strips);
    benchmark::DoNotOptimize(strips.top.bits());
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_BorderStrips)->Unit(benchmark::kMillisecond);

void BM_FramedRegion(benchmark::State& state) {
  Bitmap mask = Mask();
  for (auto _ : state) {
    std::optional<Region> region =
        BuildFramedRegion(kSource, Target(), FrameFlags{}, kW, kH, kSkin, mask);
    benchmark::DoNotOptimize(region);
  }
  state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FramedRegion)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
