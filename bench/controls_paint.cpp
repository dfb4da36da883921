// Painting cost of the skinned controls: a large split-frame panel (no full-size
// off-screen bitmap), the same panel through the buffered path, and a button.
#include <benchmark/benchmark.h>

#if __has_include(<QApplication>)
#include <QApplication>
#include <QImage>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/skin_container.h"
#include "skin/data/skin_data.h"

namespace {

std::unique_ptr<lq::LqSkinData> BenchSkin() {
  lq::Bitmap main(300, 100);
  main.fill(lq::RGB(200, 210, 220));
  for (int x = 0; x < 60; ++x) main.setPixel(x, 0, lq::RGB(20, 40, 60));
  lq::SkinContainer c;
  lq::BmpPicture picture;
  picture.pixels = main;
  c.active = {picture};
  c.text =
      "[VERSION]\n[PICTURES]\nactivepicturescount=1\n0=main.bmp\n[FORMINFO]\n"
      "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=3\n0=panel:panel\n1=button:button\n"
      "2=flat:panel\n"
      "[panel]\npictureindex=0\nskinrect=0,0,60,60\nlefttoppoint=5,20\nrighttoppoint=55,20\n"
      "leftbottompoint=5,55\nrightbottompoint=55,55\nclientrect=5,20,55,55\n"
      "[flat]\npictureindex=0\nskinrect=0,0,60,60\nlefttoppoint=5,20\nrighttoppoint=55,20\n"
      "leftbottompoint=5,55\nrightbottompoint=55,55\nclientrect=5,20,55,55\n"
      "[button]\npictureindex=0\nskinrect=100,0,142,22\nlefttoppoint=3,0\n"
      "righttoppoint=35,0\nclientrect=3,3,39,19\n";
  auto data = std::make_unique<lq::LqSkinData>();
  data->LoadContainer(lq::WriteSkinContainer(c));
  return data;
}

void RenderLoop(benchmark::State& state, QWidget& w) {
  QImage target(w.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    w.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(w.width()) * w.height());
}

void BM_SplitFramePanel(benchmark::State& state) {
  auto skin = BenchSkin();
  lq::LqSkinPanel panel;
  panel.SetSkinData(skin.get());
  panel.SetBounds({0, 0, int(state.range(0)), int(state.range(0)) * 3 / 4});
  RenderLoop(state, panel);
}
BENCHMARK(BM_SplitFramePanel)->Arg(400)->Arg(1600);

void BM_UnboundPanel(benchmark::State& state) {
  lq::LqSkinPanel panel;
  panel.SetBounds({0, 0, int(state.range(0)), int(state.range(0)) * 3 / 4});
  RenderLoop(state, panel);
}
BENCHMARK(BM_UnboundPanel)->Arg(400)->Arg(1600);

void BM_Button(benchmark::State& state) {
  auto skin = BenchSkin();
  lq::LqSkinButton button;
  button.SetSkinData(skin.get());
  button.SetCaption(QStringLiteral("Query"));
  button.SetBounds({0, 0, 121, 25});
  RenderLoop(state, button);
}
BENCHMARK(BM_Button);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

#else
// Built without the Qt layers: nothing to measure.
int main() {
  return 0;
}
#endif
