// One frame update of a skinned window at 1920 x 1080 with the program's skin: geometry,
// object layout, the four border strips and the window region from the mask. This runs
// on every size change before the window shows the new size, so it must stay well under
// a frame's time (target: below 5 ms). Also measured: painting the whole frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/lacquer_form.h"

namespace {

struct SkinnedWindow {
  SkinnedWindow() {
    const auto stream = lq::EmbeddedSkinStream();
    store.LoadFromCompressedStream(stream.data(), stream.size());
    frame = new lq::LqLacquerForm(&form);
    frame->SetBorderIcons(lq::biMinimize | lq::biMaximize);
    data.Owner = frame;
    frame->SetSkinData(&data);
    data.SetCompressedStoredSkin(&store);
    form.setWindowTitle("longtail");
  }
  lq::LqCompressedStoredSkin store;
  lq::LqSkinData data;
  QWidget form;
  lq::LqLacquerForm* frame = nullptr;
};

void BM_FrameUpdate1920x1080(benchmark::State& state) {
  SkinnedWindow w;
  w.form.resize(1920, 1080);
  for (auto _ : state) {
    w.frame->UpdateFrame();
    benchmark::DoNotOptimize(w.frame->WindowRegion().rects().data());
  }
  state.counters["region_rects"] = double(w.frame->WindowRegion().rects().size());
}
BENCHMARK(BM_FrameUpdate1920x1080)->Unit(benchmark::kMillisecond);

// Alternating sizes, as during a live resize.
void BM_FrameResize1920x1080(benchmark::State& state) {
  SkinnedWindow w;
  int i = 0;
  for (auto _ : state) {
    w.form.resize(1920 - (i & 1), 1080 - (i & 1));
    w.frame->UpdateFrame();
    ++i;
  }
}
BENCHMARK(BM_FrameResize1920x1080)->Unit(benchmark::kMillisecond);

void BM_FramePaint1920x1080(benchmark::State& state) {
  SkinnedWindow w;
  w.form.resize(1920, 1080);
  w.frame->UpdateFrame();
  QImage target(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&target);
    w.frame->PaintFrame(p);
  }
}
BENCHMARK(BM_FramePaint1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
