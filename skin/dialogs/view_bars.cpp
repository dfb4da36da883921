#include "skin/dialogs/view_bars.h"

#include "skin/controls/scroll_bar.h"

namespace lq {
namespace {

TlqSkinScrollBar* MakeBar(QWidget* parent, TlqSkinData* skin, TScrollBarKind kind) {
  auto* bar = new TlqSkinScrollBar(parent);
  bar->SetKind(kind);
  bar->SetSkinDataName(kind == sbVertical ? "vscrollbar" : "hscrollbar");
  bar->SetSkinData(skin);
  bar->setEnabled(false);
  return bar;
}

}  // namespace

ViewBars MakeViewBars(QWidget* parent, TlqSkinData* skin) {
  return {MakeBar(parent, skin, sbVertical), MakeBar(parent, skin, sbHorizontal)};
}

}  // namespace lq
