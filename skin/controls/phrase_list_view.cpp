#include "skin/controls/phrase_list_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "base/list_model.h"
#include "text/ascii_case.h"

namespace lq {

LqListBox::LqListBox(longtail::ListModel& items, QWidget* parent)
    : QWidget(parent), items_(items), seenCount_(items.Count()), seenEdits_(items.EditCount()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
}

LqListBox::~LqListBox() = default;

int LqListBox::Count() const {
  return items_.Count();
}

void LqListBox::SetItemHeight(int h) {
  if (h < 1 || h == itemHeight_) return;
  itemHeight_ = h;
  SetTopIndex(top_);
  update();
}

int LqListBox::VisibleRows() const {
  return std::max(0, height() / itemHeight_);
}

int LqListBox::MaxTopIndex() const {
  return std::max(0, Count() - std::max(1, VisibleRows()));
}

void LqListBox::SetTopIndex(int index) {
  int t = std::clamp(index, 0, MaxTopIndex());
  if (t == top_) return;
  top_ = t;
  update();
  emit scrolled();
}

int LqListBox::ItemAtPos(const QPoint& p, bool existing) const {
  if (p.x() < 0 || p.x() >= width() || p.y() < 0) return -1;
  int index = top_ + p.y() / itemHeight_;
  if (index < Count()) return index;
  return existing ? -1 : Count();
}

QRect LqListBox::ItemRect(int index) const {
  return QRect(0, (index - top_) * itemHeight_, width(), itemHeight_);
}

void LqListBox::MakeVisible(int index) {
  if (index < 0 || index >= Count()) return;
  int rows = std::max(1, VisibleRows());
  if (index < top_)
    SetTopIndex(index);
  else if (index >= top_ + rows)
    SetTopIndex(index - rows + 1);
}

void LqListBox::SetHorizontalOffset(int px) {
  if (px == hOffset_) return;
  hOffset_ = px;
  update();
}

void LqListBox::UpdateRow(int index) {
  if (index >= top_ && index <= top_ + VisibleRows()) update(ItemRect(index));
}

// ---------------------------------------------------------------- model news

void LqListBox::ItemsChanged() {
  // Called for every change of the items, possibly many times per event-loop turn:
  // keep it O(1). The repaint covers only the visible rows and Qt merges repeated
  // requests into one paint; the owner's re-sync is posted once per turn. Appends leave
  // the rows above them as they were: only rows from the first new one are repainted,
  // none when it lies below the view (a run appending to a scrolled-up list then costs
  // the scroll bar's paint alone).
  const bool appendedOnly = items_.EditCount() == seenEdits_ && Count() >= seenCount_;
  const int firstNew = seenCount_;
  seenEdits_ = items_.EditCount();
  seenCount_ = Count();
  if (anchor_ >= Count()) anchor_ = Count() - 1;
  if (top_ > MaxTopIndex()) {
    top_ = MaxTopIndex();
    scrolledPending_ = true;
  }
  if (!appendedOnly)
    update();
  else if (firstNew <= top_ + VisibleRows())
    update(QRect(0, (firstNew - top_) * itemHeight_, width(), height()));
  ScheduleItemsChanged();
}

void LqListBox::ClearSelection() {
  if (items_.SelectedCount() > 0) items_.SelectAll(false);
}

void LqListBox::SelectRange(int from, int to) {
  for (int i = from; i <= to; ++i) items_.SetSelected(i, true);
}

void LqListBox::SelectionChanged() {
  update();
}

void LqListBox::ScheduleItemsChanged() {
  // However many items arrive in one event-loop turn, the owner re-syncs once.
  if (changePosted_) return;
  changePosted_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        changePosted_ = false;
        if (scrolledPending_) {
          scrolledPending_ = false;
          emit scrolled();
        }
        emit countChanged();
      },
      Qt::QueuedConnection);
}

// ---------------------------------------------------------------- painting

void LqListBox::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect dirty = e->rect();
  const int count = Count();
  const int first = std::max(top_, top_ + dirty.top() / itemHeight_);
  const int last = std::min({count - 1, top_ + VisibleRows(), top_ + dirty.bottom() / itemHeight_});
  const int current = items_.ItemIndex();
  const bool anySelected = items_.SelectedCount() >= 1;
  rowsPainted_ = 0;
  for (int i = first; i <= last; ++i) {
    ItemDrawState state;
    if (i == current) {
      // The caret item always shows as selected; focused too while the list has focus.
      state.selected = true;
      state.focused = hasFocus();
    } else {
      state.selected = anySelected && items_.Selected(i);
    }
    if (itemPainter_) itemPainter_(p, i, ItemRect(i), state);
    ++rowsPainted_;
  }
  const int below = (std::max(last, top_ - 1) - top_ + 1) * itemHeight_;
  if (below < height()) {
    QRect rest(0, below, width(), height() - below);
    rest = rest.intersected(dirty);
    if (!rest.isEmpty()) {
      if (backgroundEraser_)
        backgroundEraser_(p, rest);
      else
        p.fillRect(rest, palette().base());
    }
  }
}

void LqListBox::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (top_ > MaxTopIndex()) SetTopIndex(MaxTopIndex());
}

// ---------------------------------------------------------------- selection

void LqListBox::SelectWithModifiers(int index, Qt::KeyboardModifiers mods, bool caretOnlyWithCtrl) {
  if (index < 0 || index >= Count()) return;
  const bool shift = mods & Qt::ShiftModifier;
  const bool ctrl = mods & Qt::ControlModifier;
  if (!MultiSelect) {
    ClearSelection();
    items_.SetSelected(index, true);
    anchor_ = index;
  } else if (!ExtendedSelect) {
    // Simple multi-selection: every click toggles.
    items_.SetSelected(index, !items_.Selected(index));
    anchor_ = index;
  } else if (shift) {
    int from = anchor_ < 0 ? index : anchor_;
    if (!ctrl) ClearSelection();
    SelectRange(std::min(from, index), std::max(from, index));
  } else if (ctrl) {
    if (!caretOnlyWithCtrl) items_.SetSelected(index, !items_.Selected(index));
    anchor_ = index;
  } else {
    ClearSelection();
    items_.SetSelected(index, true);
    anchor_ = index;
  }
  items_.SetItemIndex(index);
  MakeVisible(index);
  update();
}

void LqListBox::MoveCaret(int index, Qt::KeyboardModifiers mods) {
  index = std::clamp(index, 0, Count() - 1);
  SelectWithModifiers(index, mods, true);
}

bool LqListBox::TypeAhead(const QString& text) {
  if (!AutoComplete || Count() == 0) return false;
  const int interval = QApplication::keyboardInputInterval();
  if (!typedClock_.isValid() || typedClock_.elapsed() > interval) typed_.clear();
  typedClock_.restart();
  typed_ += text.toStdString();
  // A repeated single character steps through the items starting with it.
  const bool repeated = typed_.size() > 1 && std::all_of(typed_.begin(), typed_.end(),
                                                         [&](char c) { return c == typed_[0]; });
  const std::string prefix = repeated ? typed_.substr(0, 1) : typed_;
  const int count = Count();
  const int cur = std::max(0, items_.ItemIndex());
  const int start = repeated || typed_.size() == 1 ? cur + 1 : cur;
  // A prefix that extends one no item started with cannot match those items either: after
  // a miss, only items appended since are searched, until the list is otherwise edited.
  const bool extendsMiss =
      !missedPrefix_.empty() && items_.EditCount() == missedEdits_ &&
      prefix.size() >= missedPrefix_.size() &&
      longtail::EqualsIgnoringAsciiCase(std::string_view(prefix).substr(0, missedPrefix_.size()),
                                        missedPrefix_);
  const int searchedUpTo = extendsMiss ? std::min(missedCount_, count) : 0;
  auto found = [&](int i) {
    const std::string_view t = items_.View(i);
    return t.size() >= prefix.size() &&
           longtail::EqualsIgnoringAsciiCase(t.substr(0, prefix.size()), prefix);
  };
  // From the start to the end, then from the top to the start, past the searched items.
  const int from = start % count;
  int hit = -1;
  for (int i = std::max(from, searchedUpTo); hit < 0 && i < count; ++i)
    if (found(i)) hit = i;
  for (int i = searchedUpTo; hit < 0 && i < from; ++i)
    if (found(i)) hit = i;
  if (hit >= 0) {
    missedPrefix_.clear();
    SelectWithModifiers(hit, Qt::NoModifier, false);
    return true;
  }
  missedPrefix_ = prefix;
  missedCount_ = count;
  missedEdits_ = items_.EditCount();
  return true;
}

// ---------------------------------------------------------------- input

void LqListBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;  // a right click leaves the selection alone
  setFocus(Qt::MouseFocusReason);
  int index = ItemAtPos(e->position().toPoint(), false);
  if (index >= Count()) index = Count() - 1;  // below the last row: the last item
  if (index < 0) return;
  if (selectionDraggable_ && items_.Selected(index) &&
      !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
    dragItem_ = index;
    dragFrom_ = e->position().toPoint();
    items_.SetItemIndex(index);
    update();
    return;
  }
  SelectWithModifiers(index, e->modifiers(), false);
  selecting_ = !(e->modifiers() & Qt::ControlModifier);
}

void LqListBox::mouseMoveEvent(QMouseEvent* e) {
  if (dragItem_ >= 0) {
    if (!(e->buttons() & Qt::LeftButton)) {
      dragItem_ = -1;
    } else if ((e->position().toPoint() - dragFrom_).manhattanLength() >=
               QApplication::startDragDistance()) {
      dragItem_ = -1;
      emit dragStarted();
    }
    return;
  }
  if (!selecting_ || !(e->buttons() & Qt::LeftButton) || !MultiSelect || !ExtendedSelect) return;
  // Dragging extends the selection from the anchor, scrolling at the edges.
  const int y = int(e->position().y());
  int index;
  if (y < 0) {
    index = top_ - 1;
  } else if (y >= VisibleRows() * itemHeight_) {
    index = top_ + VisibleRows();
  } else {
    index = top_ + y / itemHeight_;
  }
  index = std::clamp(index, 0, Count() - 1);
  if (index == items_.ItemIndex()) return;
  SelectWithModifiers(index, Qt::ShiftModifier, false);
}

void LqListBox::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && dragItem_ >= 0) {
    const int index = dragItem_;
    dragItem_ = -1;
    if (index < Count()) SelectWithModifiers(index, Qt::NoModifier, false);
    emit clicked();
    return;
  }
  if (e->button() == Qt::LeftButton && selecting_) {
    selecting_ = false;
    emit clicked();
  }
}

void LqListBox::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press acts as a press first; the event follows once the item is current.
  mousePressEvent(e);
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

void LqListBox::keyPressEvent(QKeyEvent* e) {
  if (keyFilter_ && keyFilter_(e)) return;
  const int count = Count();
  const Qt::KeyboardModifiers mods = e->modifiers();
  const int cur = items_.ItemIndex();
  const int page = std::max(1, VisibleRows() - 1);
  if (count == 0) {
    QWidget::keyPressEvent(e);
    return;
  }
  switch (e->key()) {
    case Qt::Key_Up:
      MoveCaret(cur < 0 ? 0 : cur - 1, mods);
      return;
    case Qt::Key_Down:
      MoveCaret(cur + 1, mods);
      return;
    case Qt::Key_Home:
      MoveCaret(0, mods);
      return;
    case Qt::Key_End:
      MoveCaret(count - 1, mods);
      return;
    case Qt::Key_PageUp:
      MoveCaret(cur < 0 ? 0 : cur - page, mods);
      return;
    case Qt::Key_PageDown:
      MoveCaret(cur < 0 ? 0 : cur + page, mods);
      return;
    case Qt::Key_Space:
      if (cur < 0) return;
      if (mods & Qt::ControlModifier) {
        // Ctrl+Space toggles the caret item and makes it the anchor.
        items_.SetSelected(cur, !items_.Selected(cur));
        anchor_ = cur;
        update();
      } else {
        SelectWithModifiers(cur, mods, false);
      }
      return;
    default:
      break;
  }
  if (e->matches(QKeySequence::SelectAll) && MultiSelect) {
    items_.SelectAll(true);
    update();
    return;
  }
  const QString text = e->text();
  if (!text.isEmpty() && text[0].isPrint() && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
    if (TypeAhead(text)) return;
  }
  QWidget::keyPressEvent(e);
}

void LqListBox::wheelEvent(QWheelEvent* e) {
  if (wheelFilter_ && wheelFilter_(e)) {
    e->accept();
    return;
  }
  e->ignore();
}

void LqListBox::contextMenuEvent(QContextMenuEvent* e) {
  emit contextMenuRequested(e->globalPos());
  e->accept();
}

void LqListBox::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  UpdateRow(items_.ItemIndex());
}

void LqListBox::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  UpdateRow(items_.ItemIndex());
}

}  // namespace lq
