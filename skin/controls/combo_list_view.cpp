#include "skin/controls/combo_list_view.h"

#include <QScrollBar>

#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"

namespace lq {

LqComboListView::LqComboListView(QWidget* parent) : QListView(parent) {
  bar_ = new LqSkinScrollBar(this);
  bar_->SetKind(ScrollBarKind::Vertical);
  bar_->SetSkinDataName("vscrollbar");
  bar_->hide();
  link_ = new ScrollAreaBars(this, bar_, nullptr);  // a child of this view
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { PlaceBar(); });
}

LqComboListView::~LqComboListView() {
  // The link lets go of the bar before the view's children go.
  delete link_;
}

void LqComboListView::SetSkinData(LqSkinData* data) {
  bar_->SetSkinData(data);
  PlaceBar();
}

void LqComboListView::resizeEvent(QResizeEvent* e) {
  QListView::resizeEvent(e);
  PlaceBar();
}

void LqComboListView::PlaceBar() {
  const bool needed = verticalScrollBar()->maximum() > 0;
  // The bar's width is asked for and then taken as the bar fits it to its skin.
  bar_->resize(kScrollBarThickness, bar_->height());
  const int width = needed ? bar_->width() : 0;
  if (viewportMargins().right() != width) setViewportMargins(0, 0, width, 0);
  const QRect inside = contentsRect();
  bar_->setGeometry(inside.right() + 1 - width, inside.top(), width, inside.height());
  bar_->setVisible(needed);
  link_->Sync();
}

}  // namespace lq
