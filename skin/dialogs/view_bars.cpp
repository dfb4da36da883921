#include "skin/dialogs/view_bars.h"

#include "skin/controls/scroll_bar.h"

namespace lq {
namespace {

LqSkinScrollBar* MakeBar(QWidget* parent, LqSkinData* skin, ScrollBarKind kind) {
  auto* bar = new LqSkinScrollBar(parent);
  bar->SetKind(kind);
  bar->SetSkinDataName(kind == ScrollBarKind::Vertical ? "vscrollbar" : "hscrollbar");
  bar->SetSkinData(skin);
  bar->setEnabled(false);
  return bar;
}

}  // namespace

ViewBars MakeViewBars(QWidget* parent, LqSkinData* skin) {
  return {MakeBar(parent, skin, ScrollBarKind::Vertical),
          MakeBar(parent, skin, ScrollBarKind::Horizontal)};
}

}  // namespace lq
