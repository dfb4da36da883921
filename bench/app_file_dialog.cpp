// The skinned save dialog: time from building the window to its first painted frame with
// the folder listed, for folders of 100, 1,000 and 10,000 files, and the cost of one
// repaint of the details view in the largest folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/qt/fonts.h"

namespace lq {
namespace {

std::unique_ptr<LqSkinData> ProgramSkin() {
  auto data = std::make_unique<LqSkinData>();
  LqCompressedStoredSkin store;
  const auto stream = EmbeddedSkinStream();
  std::string error;
  if (store.LoadFromCompressedStream(stream.data(), stream.size(), &error))
    data->LoadCompressedStoredSkin(store);
  return data;
}

void FillFolder(const QTemporaryDir& temp, int files) {
  const std::filesystem::path dir = temp.path().toStdString();
  for (int i = 0; i < files; ++i)
    std::ofstream((dir / ("phrases" + std::to_string(i) + ".txt")).string()) << i;
}

bool WaitListed(LqOpenDlgForm& form, int count) {
  QElapsedTimer clock;
  clock.start();
  while (form.ListedNames().size() < count) {
    if (clock.elapsed() > 60000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

void BM_SaveDialogOpenToListed(benchmark::State& state) {
  const int files = int(state.range(0));
  QTemporaryDir dir;
  FillFolder(dir, files);
  auto skin = ProgramSkin();
  LqSkinSaveDialog dialog;
  dialog.Filter = QStringLiteral("文本文件|*.txt");
  dialog.SkinData = dialog.CtrlSkinData = skin.get();
  dialog.LVHeaderSkinDataName = "button";
  dialog.InitialDir = dir.path();
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    {
      LqOpenDlgForm form(dialog);
      form.show();
      if (!WaitListed(form, files)) state.SkipWithError("folder not listed");
      QImage image(form.size(), QImage::Format_RGB32);
      form.render(&image);
    }
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(BM_SaveDialogOpenToListed)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_DetailsViewRepaint(benchmark::State& state) {
  QTemporaryDir dir;
  FillFolder(dir, 10000);
  auto skin = ProgramSkin();
  LqSkinSaveDialog dialog;
  dialog.Filter = QStringLiteral("文本文件|*.txt");
  dialog.SkinData = dialog.CtrlSkinData = skin.get();
  dialog.LVHeaderSkinDataName = "button";
  dialog.InitialDir = dir.path();
  LqOpenDlgForm form(dialog);
  form.SetViewStyle(FileViewStyle::Report);
  form.show();
  if (!WaitListed(form, 10000)) state.SkipWithError("folder not listed");
  QImage image(form.size(), QImage::Format_RGB32);
  for (auto _ : state) form.render(&image);
}
BENCHMARK(BM_DetailsViewRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  lq::InstallSkinFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
