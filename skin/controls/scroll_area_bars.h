#pragma once
// Free-standing skinned scroll bars for any Qt scroll area (memo, list, tree). The
// area's own Qt bars keep the scroll state but are never shown; the linked
// LqSkinScrollBar controls mirror that state and move it when the user drags them.

#include <QAbstractScrollArea>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "skin/controls/scroll_bar.h"

class QScrollBar;
class QWidget;

namespace lq {

// The thickness the skinned bars beside a scroll area are given (a bound bar may keep
// its element's own thickness).
constexpr int kScrollBarThickness = 19;

// Copies a Qt bar's state into a skinned bar. Qt keeps the highest first-visible
// position as its maximum; a skinned bar, like the platform's, takes the last item as
// Max and the page size separately; its steps follow the Qt bar's. A bar with nothing
// to scroll, or of a disabled area, is disabled with an empty range.
void MirrorScrollState(const QScrollBar* source, LqSkinScrollBar* bar, bool enabled, bool vertical);

// Links one scroll area with up to two skinned bars, both ways. The link is a child of
// the area and follows the bars' changed(); either side may be destroyed first.
class ScrollAreaBars : public QObject {
 public:
  explicit ScrollAreaBars(QAbstractScrollArea* area, LqSkinScrollBar* vertical = nullptr,
                          LqSkinScrollBar* horizontal = nullptr);
  ~ScrollAreaBars() override;

  QAbstractScrollArea* Area() const { return area_; }
  LqSkinScrollBar* Vertical() const { return vertical_; }
  LqSkinScrollBar* Horizontal() const { return horizontal_; }
  // A bar that is replaced keeps no link to the area. Null removes the bar.
  void SetVertical(LqSkinScrollBar* bar);
  void SetHorizontal(LqSkinScrollBar* bar);

  // Mirrors the area's scroll state into the bars now.
  void Sync();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Link(QPointer<LqSkinScrollBar>& slot, LqSkinScrollBar* bar, bool vertical);

  QPointer<QAbstractScrollArea> area_;
  // The area as the event filter sees it. Events still arrive while the area is inside
  // its QWidget destructor, when it is no longer a QAbstractScrollArea: the filter
  // compares plain QObject pointers and never converts.
  const QObject* watchedArea_ = nullptr;
  QPointer<LqSkinScrollBar> vertical_, horizontal_;
};

// Places a view and its bars inside r: the vertical bar along the right edge and the
// horizontal one along the bottom, each kScrollBarThickness thick, the view in the
// rest; the square where the bars meet stays empty. A null bar leaves its edge to
// the view.
void PlaceScrollArea(QWidget* view, LqSkinScrollBar* vertical, LqSkinScrollBar* horizontal,
                     const QRect& r);

}  // namespace lq
