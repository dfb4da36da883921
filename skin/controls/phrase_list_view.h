#pragma once
// LqListBox: the inner list of a skinned list box. It views a list model (items,
// selection and current item live there) and does what the platform list box did:
// paints only the visible rows through its owner's item drawer, keeps the top index,
// turns mouse and keys into extended multi-selection, and finds items by typing.

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

namespace longtail {
class ListModel;
}

namespace lq {

// How one row is to be drawn.
struct ItemDrawState {
  bool selected = false;
  bool focused = false;
};

class LqListBox : public QWidget {
  Q_OBJECT

 public:
  explicit LqListBox(longtail::ListModel& items, QWidget* parent = nullptr);
  ~LqListBox() override;

  longtail::ListModel& Items() const { return items_; }
  int Count() const;

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int h);
  // Rows that fit wholly: the page of the vertical scroll range.
  int VisibleRows() const;
  int TopIndex() const { return top_; }
  // Clamped so that the last page is full.
  void SetTopIndex(int index);
  int MaxTopIndex() const;
  // Item under a point of this widget, or -1 (existing: only real items count).
  int ItemAtPos(const QPoint& p, bool existing = true) const;
  QRect ItemRect(int index) const;
  // Brings an item into view by moving the top index as little as possible.
  void MakeVisible(int index);

  int HorizontalOffset() const { return hOffset_; }
  void SetHorizontalOffset(int px);

  bool MultiSelect = true;
  bool ExtendedSelect = true;
  bool AutoComplete = true;

  // Drawing, supplied by the outer list box: one row, and the background of the
  // area below the last row.
  using ItemPainter = std::function<void(QPainter&, int index, const QRect&, ItemDrawState)>;
  void SetItemPainter(ItemPainter painter) { itemPainter_ = std::move(painter); }
  using BackgroundEraser = std::function<void(QPainter&, const QRect&)>;
  void SetBackgroundEraser(BackgroundEraser eraser) { backgroundEraser_ = std::move(eraser); }
  // Filters of the outer list box, asked first; true: handled, not passed on.
  void SetKeyFilter(std::function<bool(QKeyEvent*)> filter) { keyFilter_ = std::move(filter); }
  void SetWheelFilter(std::function<bool(QWheelEvent*)> filter) {
    wheelFilter_ = std::move(filter);
  }
  // On: the selection can be dragged. A plain press on a selected item keeps the selection
  // (making the item current); moving the drag distance then emits dragStarted(), and a
  // release without that move selects the item alone, as the press would have.
  void SetSelectionDraggable(bool on) { selectionDraggable_ = on; }

  // --- model news -------------------------------------------------------------
  // The items changed (the owner forwards the model's change callback).
  void ItemsChanged();
  // Selection changed by code outside the view.
  void SelectionChanged();
  void ClearSelection();
  // Selects from..to inclusive, adding to the selection.
  void SelectRange(int from, int to);

  // Number of paints that drew rows, and rows drawn in the last paint: lets tests
  // and benchmarks see that a paint costs only the visible rows.
  int RowsPaintedLastTime() const { return rowsPainted_; }

 signals:
  // News for the outer list box.
  void scrolled();  // the top index changed
  // Items were added or removed (coalesced per event-loop turn).
  void countChanged();
  void clicked();
  void doubleClicked();
  void contextMenuRequested(const QPoint& global);
  void dragStarted();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // Applies a click or a caret move to item index with the modifiers held.
  void SelectWithModifiers(int index, Qt::KeyboardModifiers mods, bool caretOnlyWithCtrl);
  void MoveCaret(int index, Qt::KeyboardModifiers mods);
  bool TypeAhead(const QString& text);
  void ScheduleItemsChanged();
  void UpdateRow(int index);

  ItemPainter itemPainter_;
  BackgroundEraser backgroundEraser_;
  std::function<bool(QKeyEvent*)> keyFilter_;
  std::function<bool(QWheelEvent*)> wheelFilter_;
  bool selectionDraggable_ = false;
  longtail::ListModel& items_;
  int itemHeight_ = 20;
  int top_ = 0;
  int hOffset_ = 0;
  int anchor_ = -1;
  bool selecting_ = false;  // left button held after a press on the list
  int dragItem_ = -1;       // the selected item a plain press landed on, while held
  QPoint dragFrom_;
  bool changePosted_ = false;
  bool scrolledPending_ = false;
  int rowsPainted_ = 0;
  // The items as the last change left them: count and the list's edit count.
  int seenCount_ = 0;
  std::uint64_t seenEdits_ = 0;
  std::string typed_;
  // The last type-ahead that found nothing: no item below missedCount_ starts with
  // missedPrefix_, while the list's edit count stays missedEdits_.
  std::string missedPrefix_;
  int missedCount_ = 0;
  std::uint64_t missedEdits_ = 0;
  QElapsedTimer typedClock_;
};

}  // namespace lq
