#pragma once
// The skinned scroll bars beside a dialog's list or tree: "vscrollbar" and "hscrollbar",
// disabled until the view has something to scroll.

class QWidget;

namespace lq {

class LqSkinData;
class LqSkinScrollBar;

struct ViewBars {
  LqSkinScrollBar* vertical = nullptr;
  LqSkinScrollBar* horizontal = nullptr;
};

ViewBars MakeViewBars(QWidget* parent, LqSkinData* skin);

}  // namespace lq
