#pragma once
// The drop-down list of TlqSkinComboBox: a list view whose vertical scroll bar is a
// skinned "vscrollbar" control at its right edge, shown only while the items do not fit.

#include <QListView>

namespace lq {

class ScrollAreaBars;
class TlqSkinData;
class TlqSkinScrollBar;

class TlqComboListView : public QListView {
 public:
  explicit TlqComboListView(QWidget* parent = nullptr);
  ~TlqComboListView() override;

  void SetSkinData(TlqSkinData* data);
  TlqSkinScrollBar* ScrollBar() const { return bar_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Shows the bar and keeps room for it while there is something to scroll.
  void PlaceBar();

  TlqSkinScrollBar* bar_ = nullptr;
  ScrollAreaBars* link_ = nullptr;
};

}  // namespace lq
