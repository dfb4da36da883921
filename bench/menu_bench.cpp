// Opening, painting and closing the result list's popup menu with the program's skin, and
// showing a hint: the costs behind a right click and a hover.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QWidget>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/hint_component.h"
#include "skin/frame/hint_window.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/popup_window.h"
#include "skin/qt/fonts.h"

namespace {

lq::LqSkinData& ProgramSkin() {
  static lq::LqCompressedStoredSkin store;
  static lq::LqSkinData data;
  if (data.Empty) {
    const auto stream = lq::EmbeddedSkinStream();
    store.LoadFromCompressedStream(stream.data(), stream.size());
    data.SetCompressedStoredSkin(&store);
  }
  return data;
}

void ResultListItems(lq::MenuItem& root) {
  for (const char* text : {"所选关键词导出到导出列表", "导出所有关键词到导出列表", "删除选中关键词",
                           "清空所有关键词", "到百度搜索", "到谷歌搜索"})
    root.Add(QString::fromUtf8(text));
}

void BM_OpenPaintCloseResultListMenu(benchmark::State& state) {
  lq::LqSkinMenu menu(nullptr);
  menu.SetWorkAreaSource([] { return QRect(0, 0, 1920, 1080); });
  lq::MenuItem items;
  ResultListItems(items);
  const auto skin = lq::MenuSkinFromSkinData(&ProgramSkin());
  for (auto _ : state) {
    menu.Popup(nullptr, skin, false, &items, QRect(400, 300, 0, 0), 0);
    benchmark::DoNotOptimize(menu.TopWindow()->Render());
    menu.CloseFrom(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}
BENCHMARK(BM_OpenPaintCloseResultListMenu)->Unit(benchmark::kMicrosecond);

void BM_RepaintOpenMenu(benchmark::State& state) {
  lq::LqSkinMenu menu(nullptr);
  menu.SetWorkAreaSource([] { return QRect(0, 0, 1920, 1080); });
  lq::MenuItem items;
  ResultListItems(items);
  menu.Popup(nullptr, lq::MenuSkinFromSkinData(&ProgramSkin()), false, &items,
             QRect(400, 300, 0, 0), 0);
  for (auto _ : state) benchmark::DoNotOptimize(menu.TopWindow()->Render());
}
BENCHMARK(BM_RepaintOpenMenu)->Unit(benchmark::kMicrosecond);

void BM_ShowSkinnedHint(benchmark::State& state) {
  lq::LqSkinHint hint;
  hint.SkinData = &ProgramSkin();
  for (auto _ : state) {
    hint.Window().ActivateHint(QRect(200, 200, 0, 0), QString::fromUtf8("到百度搜索@Baidu"));
    benchmark::DoNotOptimize(hint.Window().Render());
  }
}
BENCHMARK(BM_ShowSkinnedHint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lq::InstallSkinFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
