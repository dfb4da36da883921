#pragma once
// The skinned scroll bars beside a dialog's list or tree: "vscrollbar" and "hscrollbar",
// disabled until the view has something to scroll.

class QWidget;

namespace lq {

class TlqSkinData;
class TlqSkinScrollBar;

struct ViewBars {
  TlqSkinScrollBar* vertical = nullptr;
  TlqSkinScrollBar* horizontal = nullptr;
};

ViewBars MakeViewBars(QWidget* parent, TlqSkinData* skin);

}  // namespace lq
