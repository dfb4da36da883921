#pragma once
// The drop-down list of LqSkinComboBox: a list view whose vertical scroll bar is a
// skinned "vscrollbar" control at its right edge, shown only while the items do not fit.

#include <QListView>

namespace lq {

class ScrollAreaBars;
class LqSkinData;
class LqSkinScrollBar;

class LqComboListView : public QListView {
 public:
  explicit LqComboListView(QWidget* parent = nullptr);
  ~LqComboListView() override;

  void SetSkinData(LqSkinData* data);
  LqSkinScrollBar* ScrollBar() const { return bar_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Shows the bar and keeps room for it while there is something to scroll.
  void PlaceBar();

  LqSkinScrollBar* bar_ = nullptr;
  ScrollAreaBars* link_ = nullptr;
};

}  // namespace lq
