#pragma once
// LqSkinMenu: the one menu engine of a frame. It opens a stack of popup windows (the menu,
// then one per open submenu), runs the submenu wait, the keyboard and the closing rules, and
// tells the frame's form and the opening control with LQM_CLOSESKINMENU when it closes.

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "skin/data/geometry.h"
#include "skin/frame/menu_clock.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/menu_skin.h"

namespace lq {

class LqSkinPopupWindow;
class LqSkinMenuItem;

struct MenuImageList {
  int width = 16;
  int height = 16;
  std::vector<QImage> images;
  bool valid(int index) const { return index >= 0 && index < int(images.size()); }
};

class LqSkinMenu {
 public:
  explicit LqSkinMenu(QWidget* form, std::shared_ptr<longtail::TimerFactory> clock = QtTimers(),
                      std::shared_ptr<CursorProbe> cursor = QtCursorProbe());
  ~LqSkinMenu();
  LqSkinMenu(const LqSkinMenu&) = delete;
  LqSkinMenu& operator=(const LqSkinMenu&) = delete;

  // Settings, forwarded from the frame's properties.
  int MaxMenuItemsInWindow = 0;  // 0: no limit
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 150;
  bool UseSkinFont = true;
  int DefMenuItemHeight = 20;
  QFont DefMenuItemFont;  // "Arial", 14 pixels
  // Work area of the form's monitor; replaceable so placement can be tested at any screen size.
  using WorkAreaSource = std::function<QRect()>;
  void SetWorkAreaSource(WorkAreaSource source) { workAreaSource_ = std::move(source); }

  // Shows items' children at the screen rectangle r (an empty rectangle is a point).
  void Popup(QObject* openingControl, std::shared_ptr<const MenuSkin> skin, bool popupUp,
             MenuItem* items, const QRect& r, int startIndex,
             const MenuImageList* images = nullptr);
  // Called once when the current opening closes (the popup menu component's closed()).
  void SetOnMenuClose(std::function<void()> handler) { onMenuClose_ = std::move(handler); }

  void CloseFrom(int index);
  void Hide();
  void OpenSubmenu(LqSkinMenuItem* item);
  void ItemHovered(LqSkinPopupWindow* window, LqSkinMenuItem* item);
  void ItemClicked(LqSkinPopupWindow* window, LqSkinMenuItem* item);
  // Key handling of the top window; the frame's menu mode routes key presses here.
  // Returns true when a menu was open to take the key.
  bool KeyDown(int key, const QString& text);

  bool Visible() const { return visible_; }
  bool FirstPopup() const { return firstPopup_; }
  int WindowCount() const { return int(stack_.size()); }
  LqSkinPopupWindow* Window(int i) const { return stack_[std::size_t(i)]; }
  LqSkinPopupWindow* TopWindow() const { return stack_.empty() ? nullptr : stack_.back(); }
  int IndexOfWindow(const LqSkinPopupWindow* w) const;
  // The topmost open window whose screen rectangle contains the point, or null.
  LqSkinPopupWindow* WindowAt(const QPoint& global) const;

  QWidget* Form() const { return form_; }
  QObject* OpeningControl() const { return openingControl_; }
  QObject* LastOpeningControl() const { return lastOpeningControl_; }
  longtail::TimerFactory& Clock() { return *clock_; }
  CursorProbe& Cursor() { return *cursor_; }
  const QRect& WorkArea() const { return workArea_; }
  const MenuSkin& Skin() const { return *skin_; }
  const MenuImageList* Images() const { return images_; }
  bool WaitTimerActive() const { return waitTimer_->isActive(); }
  void StopWait();
  // An item lost its highlight: a wait for its submenu ends.
  void ItemDeactivated(const LqSkinMenuItem* item);
  LqSkinMenuItem* WaitingItem() const { return waitingItem_; }

 private:
  void OpenWindow(MenuItem* source, LqSkinMenuItem* parentItem, const QRect& r, bool popupUp,
                  bool submenu, int startIndex);
  void WaitTick();
  QRect CurrentWorkArea() const;

  QPointer<QWidget> form_;
  std::shared_ptr<longtail::TimerFactory> clock_;
  std::shared_ptr<CursorProbe> cursor_;
  std::unique_ptr<longtail::PeriodicTimer> waitTimer_;
  LqSkinMenuItem* waitingItem_ = nullptr;
  std::vector<LqSkinPopupWindow*> stack_;
  bool visible_ = false;
  bool firstPopup_ = false;
  QPointer<QObject> openingControl_;
  QPointer<QObject> lastOpeningControl_;
  QRect workArea_;
  std::shared_ptr<const MenuSkin> skin_;
  const MenuImageList* images_ = nullptr;
  std::function<void()> onMenuClose_;
  WorkAreaSource workAreaSource_;
};

}  // namespace lq
