#include "skin/controls/scroll_area_bars.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QScrollBar>
#include <algorithm>

#include "skin/controls/scroll_bar.h"

namespace lq {

void MirrorScrollState(const QScrollBar* source, LqSkinScrollBar* bar, bool enabled,
                       bool vertical) {
  const int page = source->pageStep();
  const int max = source->maximum() + page - 1;
  const bool used = vertical ? page < max + 1 : page < max;
  if (enabled && used && source->maximum() > 0) {
    bar->SetRange(0, max, page, source->value());
    // Arrows step as the area's own bar does; a click on the track turns a page.
    bar->SetSmallChange(std::max(1, source->singleStep()));
    bar->SetLargeChange(std::max(1, page));
    bar->setEnabled(true);
  } else {
    bar->SetRange(0, 0, 0, 0);
    bar->setEnabled(false);
  }
  bar->update();
}

ScrollAreaBars::ScrollAreaBars(QAbstractScrollArea* area, LqSkinScrollBar* vertical,
                               LqSkinScrollBar* horizontal)
    : QObject(area), area_(area), watchedArea_(area) {
  if (area) {
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto sync = [this] { Sync(); };
    for (QScrollBar* q : {area->verticalScrollBar(), area->horizontalScrollBar()}) {
      connect(q, &QScrollBar::rangeChanged, this, sync);
      connect(q, &QScrollBar::valueChanged, this, sync);
    }
    area->installEventFilter(this);
  }
  SetVertical(vertical);
  SetHorizontal(horizontal);
}

// The bars may outlive the area on their form: QObject drops the links to it.
ScrollAreaBars::~ScrollAreaBars() = default;

void ScrollAreaBars::SetVertical(LqSkinScrollBar* bar) {
  Link(vertical_, bar, true);
}

void ScrollAreaBars::SetHorizontal(LqSkinScrollBar* bar) {
  Link(horizontal_, bar, false);
}

void ScrollAreaBars::Link(QPointer<LqSkinScrollBar>& slot, LqSkinScrollBar* bar, bool vertical) {
  if (slot) disconnect(slot.data(), nullptr, this, nullptr);
  slot = bar;
  if (bar) {
    bar->SetRange(0, 0, 0, 0);
    connect(bar, &LqSkinScrollBar::changed, this, [this, bar, vertical] {
      if (!area_) return;
      QScrollBar* q = vertical ? area_->verticalScrollBar() : area_->horizontalScrollBar();
      q->setValue(bar->Position());
      area_->viewport()->update();
    });
  }
  Sync();
}

void ScrollAreaBars::Sync() {
  if (!area_) return;
  const bool enabled = area_->isEnabled();
  if (vertical_) MirrorScrollState(area_->verticalScrollBar(), vertical_, enabled, true);
  if (horizontal_) MirrorScrollState(area_->horizontalScrollBar(), horizontal_, enabled, false);
}

bool ScrollAreaBars::eventFilter(QObject* watched, QEvent* e) {
  if (watched == watchedArea_) {
    if (e->type() == QEvent::EnabledChange) {
      Sync();
    } else if (e->type() == QEvent::Resize) {
      // A new size may change only the page of a bar, which Qt does not signal; the
      // area sets its page once it has handled the resize.
      QMetaObject::invokeMethod(this, &ScrollAreaBars::Sync, Qt::QueuedConnection);
    }
  }
  return QObject::eventFilter(watched, e);
}

void PlaceScrollArea(QWidget* view, LqSkinScrollBar* vertical, LqSkinScrollBar* horizontal,
                     const QRect& r) {
  // A bound bar may keep its element's thickness: ask for the usual one, then lay out
  // with what the bar took.
  if (vertical) vertical->SetSize(kScrollBarThickness, std::max(0, r.height()));
  if (horizontal) horizontal->SetSize(std::max(0, r.width()), kScrollBarThickness);
  const int barW = vertical ? vertical->width() : 0;
  const int barH = horizontal ? horizontal->height() : 0;
  const int w = std::max(0, r.width() - barW);
  const int h = std::max(0, r.height() - barH);
  if (vertical) vertical->SetBounds(QRect(r.left() + w, r.top(), barW, h));
  if (horizontal) horizontal->SetBounds(QRect(r.left(), r.top() + h, w, barH));
  if (view) view->setGeometry(r.left(), r.top(), w, h);
}

}  // namespace lq
