// How the skinned list box copes with a harvest-sized result list: appending a
// million phrases to a shown list, painting at 100 and at a million items, Select
// All + delete, filtering against the memo lines (removing all, and a share), and what a
// run that appends below the visible rows costs in paints.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "harvest/phrase_list.h"
#include "skin/controls/list_box.h"
#include "skin/controls/scroll_bar.h"
#include "tests/controls/list_box_test_skin.h"
#include "text/ascii_case.h"

namespace {

using lq::LqSkinListBox;

std::vector<std::string> MakePhrases(int n) {
  static const char* words[] = {"qq", "空间", "游戏", "下载", "手机", "音乐", "电影", "小说"};
  std::vector<std::string> out;
  out.reserve(n);
  for (int i = 0; i < n; ++i) {
    std::string s = words[i % 8];
    s.append(words[(i / 8) % 8]);
    s.append(std::to_string(i));
    out.push_back(std::move(s));
  }
  return out;
}

const std::vector<std::string>& Phrases() {
  static const std::vector<std::string> phrases = MakePhrases(1000000);
  return phrases;
}

// A shown, skinned result list the size of the main window's.
struct ShownList {
  std::unique_ptr<lq::LqSkinData> skin = lq::test::MakeTestSkin();
  QWidget host;
  LqSkinListBox* box;
  longtail::PhraseList* items;  // owned by the box
  ShownList() {
    host.resize(420, 360);
    auto phrases = std::make_unique<longtail::PhraseList>();
    items = phrases.get();
    box = new LqSkinListBox(std::move(phrases), &host);
    box->SetSkinData(skin.get());
    box->SetUseSkinItemHeight(false);
    box->setGeometry(0, 0, 409, 341);
    host.show();
    QCoreApplication::processEvents();
  }
  void Fill(int n) {
    const auto& p = Phrases();
    for (int i = 0; i < n; ++i) items->Append(p[i]);
    QCoreApplication::processEvents();
  }
};

// Phrases arrive in batches of range(0) per event-loop turn, as answers do.
void BM_AppendMillionToShownList(benchmark::State& state) {
  const int batch = int(state.range(0));
  const auto& p = Phrases();
  double worstTurn = 0, turns = 0, turnTotal = 0;
  std::unique_ptr<ShownList> list;
  for (auto _ : state) {
    state.PauseTiming();
    list.reset();
    list = std::make_unique<ShownList>();
    state.ResumeTiming();
    for (int i = 0; i < int(p.size()); i += batch) {
      const int end = std::min<int>(int(p.size()), i + batch);
      for (int k = i; k < end; ++k) list->items->Append(p[k]);
      QElapsedTimer t;
      t.start();
      QCoreApplication::processEvents();  // re-sync and paint for this turn
      const double ms = t.nsecsElapsed() / 1e6;
      worstTurn = std::max(worstTurn, ms);
      turnTotal += ms;
      ++turns;
    }
    benchmark::DoNotOptimize(list->box->VScrollBar());
  }
  state.counters["turn_ms_avg"] = turnTotal / std::max(1.0, turns);
  state.counters["turn_ms_worst"] = worstTurn;
}
BENCHMARK(BM_AppendMillionToShownList)
    ->Arg(1000)
    ->Arg(1000000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

void BM_PaintList(benchmark::State& state) {
  ShownList list;
  list.Fill(int(state.range(0)));
  list.box->SetTopIndex(int(state.range(0)) / 2);
  QImage canvas(list.box->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    list.box->render(&canvas);
    benchmark::DoNotOptimize(canvas.bits());
  }
}
BENCHMARK(BM_PaintList)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Answers of 20 phrases arrive one per event-loop turn while the view shows the top of a
// list already longer than the view: the rows on screen do not change, so the list needs
// no paint (list_paints_per_answer), only the vertical bar does (bar_paints_per_answer).
void BM_PaintsWhileAppendingBelowView(benchmark::State& state) {
  ShownList list;
  list.Fill(int(state.range(0)));
  PaintCounter listPaints, barPaints;
  list.box->ListBox()->installEventFilter(&listPaints);
  if (list.box->VScrollBar()) list.box->VScrollBar()->installEventFilter(&barPaints);
  const auto& p = Phrases();
  std::size_t next = std::size_t(state.range(0));
  int answers = 0;
  for (auto _ : state) {
    for (int k = 0; k < 20; ++k) list.items->Append(p[next++ % p.size()]);
    QCoreApplication::processEvents();
    ++answers;
  }
  state.counters["list_paints_per_answer"] = double(listPaints.paints) / std::max(1, answers);
  state.counters["bar_paints_per_answer"] = double(barPaints.paints) / std::max(1, answers);
}
BENCHMARK(BM_PaintsWhileAppendingBelowView)
    ->Arg(1000)
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

void BM_DeleteAllSelected(benchmark::State& state) {
  std::unique_ptr<ShownList> list;
  for (auto _ : state) {
    state.PauseTiming();
    list.reset();
    list = std::make_unique<ShownList>();
    list->Fill(int(state.range(0)));
    state.ResumeTiming();
    list->items->SelectAll(true);
    list->items->DeleteSelected();
    QCoreApplication::processEvents();
    if (list->items->Count() != 0) state.SkipWithError("items left after the delete");
  }
}
BENCHMARK(BM_DeleteAllSelected)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Keeps the phrases holding one of the memo lines, as the filter command does.
void FilterAgainst(benchmark::State& state, const std::vector<const char*>& lines) {
  std::vector<std::string> memo;
  for (const char* line : lines) memo.push_back(line);
  std::unique_ptr<ShownList> list;
  for (auto _ : state) {
    state.PauseTiming();
    list.reset();
    list = std::make_unique<ShownList>();
    list->Fill(int(state.range(0)));
    state.ResumeTiming();
    list->items->RemoveIf([&](const std::string& phrase) {
      return std::none_of(memo.begin(), memo.end(), [&](const std::string& line) {
        return longtail::ContainsAtCharBoundary(phrase, line);
      });
    });
    QCoreApplication::processEvents();
    state.counters["kept"] = list->items->Count();
  }
}

// No phrase holds any line: every item goes.
void BM_FilterRemovingAll(benchmark::State& state) {
  FilterAgainst(state, {"xyz", "mp3"});
}
BENCHMARK(BM_FilterRemovingAll)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Three of the eight words match, in either of a phrase's two places: 25 in 64 go.
void BM_FilterRemovingShare(benchmark::State& state) {
  FilterAgainst(state, {"qq", "空间", "音乐", "xyz", "mp3"});
}
BENCHMARK(BM_FilterRemovingShare)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
