#pragma once
// LqSkinPopupWindow: one window of an open menu, a top-level popup (Qt::Popup) that never
// takes the focus; and LqSkinMenuItem, the state of one item shown in it. The window lays
// its items out, polls the mouse, scrolls, animates highlights and paints itself from the
// skin.

#include <QFont>
#include <QWidget>
#include <memory>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/region.h"
#include "skin/frame/menu_clock.h"
#include "skin/frame/menu_geometry.h"
#include "skin/frame/menu_item.h"

namespace lq {

class LqSkinMenu;
class LqSkinPopupWindow;

class LqSkinMenuItem {
 public:
  LqSkinMenuItem(LqSkinPopupWindow& window, MenuItem* item) : window_(window), item_(item) {}

  LqSkinPopupWindow& Window() const { return window_; }
  MenuItem* Item() const { return item_; }
  bool IsSeparator() const { return item_->IsSeparator(); }
  bool Enabled() const { return item_->Enabled; }
  bool HasSubmenu() const { return item_->Count() > 0; }
  // Enabled and not a separator: the items the mouse and keyboard can highlight.
  bool Selectable() const { return Enabled() && !IsSeparator(); }
  bool Highlighted() const { return active || down; }

  Rect rect;                 // in window coordinates
  bool shown = false;        // inside the visible range of the window
  bool active = false;       // highlighted
  bool down = false;         // its submenu is open
  bool keySelected = false;  // highlighted by the keyboard
  double morph = 0.0;        // 0 normal image .. 1 highlighted image
  int frame = 0;             // item animation counter

 private:
  LqSkinPopupWindow& window_;
  MenuItem* item_;
};

class LqSkinPopupWindow : public QWidget {
 public:
  LqSkinPopupWindow(LqSkinMenu& menu, MenuItem* source, LqSkinMenuItem* parentItem);
  ~LqSkinPopupWindow() override;

  LqSkinMenu& Menu() const { return menu_; }
  MenuItem* Source() const { return source_; }
  LqSkinMenuItem* ParentItem() const { return parentItem_; }

  // Builds the items from startIndex and computes the window size.
  void BuildItems(int startIndex);
  int ItemCount() const { return int(items_.size()); }
  LqSkinMenuItem* Item(int i) const { return items_[std::size_t(i)].get(); }
  int IndexOf(const LqSkinMenuItem* item) const;
  int ActiveIndex() const { return activeIndex_; }
  LqSkinMenuItem* ActiveItem() const { return activeIndex_ >= 0 ? Item(activeIndex_) : nullptr; }

  QSize WindowSize() const { return {size_.width, size_.height}; }
  bool Scrolling() const { return size_.scrolling; }
  bool Limited() const { return size_.limited; }
  int ScrollDirection() const { return scrollDir_; }
  int VisibleStart() const { return visibleStart_; }
  int VisibleCount() const { return visibleCount_; }
  const PopupFrameGeometry& Geometry() const { return geometry_; }
  int GlyphWidth() const { return glyphWidth_; }
  const Region& WindowRegion() const { return region_; }
  const QFont& ItemFont() const { return font_; }
  // Where the window stands on the screen (kept here, as the platform may not move it).
  QRect ScreenRect() const { return screenRect_; }

  void ShowAt(const QPoint& topLeft);
  // Stops every timer and hides; the widget deletes itself later, so a window may be
  // closed from inside its own event or timer handlers.
  void Close();
  // Highlights the first selectable item as keyboard selection.
  void SelectFirst();

  void ActivateItem(int index, bool byMouse);
  void DeactivateItem(int index);
  void SetDown(LqSkinMenuItem* item, bool down);
  void RedrawItem(const LqSkinMenuItem* item);

  bool KeyDown(int key, const QString& text);
  // One tick of the 50 ms mouse poll.
  void MouseTick();
  // Hover handling at a point in window coordinates.
  void HoverAt(const QPoint& local);
  // A left-button release at a point in window coordinates.
  void ReleaseAt(const QPoint& local);

  void StartScroll(int direction);
  void StopScroll();
  bool ScrollTimerActive() const;
  bool MorphTimerActive() const;
  void MorphTick();

  // The whole window as painted now (background, items, scroll markers).
  Bitmap Render() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Relayout();
  // A left click released at a point in window coordinates.
  void ClickAt(const QPoint& local);
  void ScrollTick();
  bool ScrollOne(int direction);
  bool HiddenAbove() const { return visibleStart_ > 0; }
  bool HiddenBelow() const { return visibleStart_ + visibleCount_ < ItemCount(); }
  Rect TopBand() const;
  Rect BottomBand() const;
  void StartMorph();
  void MoveKeySelection(int step);
  void RenderBackground() const;

  LqSkinMenu& menu_;
  MenuItem* source_;
  LqSkinMenuItem* parentItem_;
  std::vector<std::unique_ptr<LqSkinMenuItem>> items_;
  std::vector<int> heights_;
  int activeIndex_ = -1;
  int previousActive_ = -1;
  int visibleStart_ = 0;
  int visibleCount_ = 0;
  int scrollDir_ = 0;
  PopupSize size_;
  PopupFrameGeometry geometry_;
  int glyphWidth_ = 19;
  QFont font_;
  Region region_;
  QRect screenRect_;
  QPoint lastCursor_{-100000, -100000};
  bool closed_ = false;
  std::unique_ptr<longtail::PeriodicTimer> mouseTimer_;
  std::unique_ptr<longtail::PeriodicTimer> morphTimer_;
  std::unique_ptr<longtail::PeriodicTimer> scrollTimer_;
  mutable Bitmap background_;  // window background at the current size and scroll state
  mutable bool backgroundValid_ = false;
};

}  // namespace lq
