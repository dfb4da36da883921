#include "skin/frame/menu_engine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "skin/frame/menu_messages.h"
#include "skin/frame/popup_window.h"

namespace lq {
namespace {

constexpr std::chrono::milliseconds kSubmenuWaitMs(500);

Rect ToRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

LqSkinMenu::LqSkinMenu(QWidget* form, std::shared_ptr<longtail::TimerFactory> clock,
                       std::shared_ptr<CursorProbe> cursor)
    : form_(form), clock_(std::move(clock)), cursor_(std::move(cursor)) {
  DefMenuItemFont = QFont(QStringLiteral("Arial"));
  DefMenuItemFont.setPixelSize(14);
  waitTimer_ = clock_->createTimer([this] { WaitTick(); });
  skin_ = std::make_shared<MenuSkin>();
}

LqSkinMenu::~LqSkinMenu() {
  waitTimer_->stop();
  waitingItem_ = nullptr;
  for (LqSkinPopupWindow* w : stack_) delete w;
  stack_.clear();
}

int LqSkinMenu::IndexOfWindow(const LqSkinPopupWindow* w) const {
  for (std::size_t i = 0; i < stack_.size(); ++i)
    if (stack_[i] == w) return int(i);
  return -1;
}

LqSkinPopupWindow* LqSkinMenu::WindowAt(const QPoint& global) const {
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
    if ((*it)->ScreenRect().contains(global)) return *it;
  return nullptr;
}

QRect LqSkinMenu::CurrentWorkArea() const {
  if (workAreaSource_) return workAreaSource_();
  QScreen* screen = form_ ? form_->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void LqSkinMenu::Popup(QObject* openingControl, std::shared_ptr<const MenuSkin> skin, bool popupUp,
                       MenuItem* items, const QRect& r, int startIndex,
                       const MenuImageList* images) {
  firstPopup_ = !visible_;
  // A menu still open is closed first; its notifications go to its own opening control.
  CloseFrom(0);
  openingControl_ = openingControl;
  workArea_ = CurrentWorkArea();
  skin_ = skin ? std::move(skin) : std::make_shared<MenuSkin>();
  images_ = images;
  if (items && items->Count() > 0 && startIndex >= 0 && startIndex < items->Count()) {
    bool anyShown = false;
    for (int index : ShownChildren(*items)) anyShown = anyShown || index >= startIndex;
    if (anyShown) {
      visible_ = true;
      OpenWindow(items, nullptr, r, popupUp, false, startIndex);
    }
  }
  firstPopup_ = false;
}

void LqSkinMenu::OpenWindow(MenuItem* source, LqSkinMenuItem* parentItem, const QRect& r,
                            bool popupUp, bool submenu, int startIndex) {
  const bool animate = AlphaBlend && AlphaBlendAnimation && firstPopup_;
  if (animate) QCoreApplication::processEvents();
  auto* window = new LqSkinPopupWindow(*this, source, parentItem);
  stack_.push_back(window);
  window->BuildItems(startIndex);

  PlacementInput place;
  place.anchor = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  place.workArea = ToRect(workArea_);
  place.width = window->WindowSize().width();
  place.height = window->WindowSize().height();
  place.itemsTop = window->Geometry().itemsRect.top;
  place.submenu = submenu;
  place.popupUp = popupUp;
  place.scrolling = window->Scrolling();
  place.limited = window->Limited();
  const Point at = PlacePopup(place);

  if (AlphaBlend) window->setWindowOpacity(animate ? 0.0 : AlphaBlendValue / 255.0);
  window->ShowAt(QPoint(at.x, at.y));
  if (animate) {
    // Fade in by steps of 10, one step whenever more than 5 ms have passed.
    QElapsedTimer t;
    t.start();
    int alpha = 0;
    while (alpha < AlphaBlendValue) {
      if (t.elapsed() <= 5) continue;
      t.restart();
      alpha = std::min(alpha + 10, AlphaBlendValue);
      window->setWindowOpacity(alpha / 255.0);
    }
  }
  window->SelectFirst();
}

void LqSkinMenu::CloseFrom(int index) {
  index = std::max(index, 0);
  while (int(stack_.size()) > index) {
    LqSkinPopupWindow* w = stack_.back();
    stack_.pop_back();
    if (waitingItem_ && &waitingItem_->Window() == w) StopWait();
    if (LqSkinMenuItem* parent = w->ParentItem()) {
      // The item whose submenu this was is no longer down.
      if (IndexOfWindow(&parent->Window()) >= 0) parent->Window().SetDown(parent, false);
    }
    w->Close();
  }
  if (index == 0 && visible_) {
    visible_ = false;
    StopWait();
    QObject* control = openingControl_;
    openingControl_ = nullptr;
    lastOpeningControl_ = control;
    SendMenuMessage(control, LQM_CLOSESKINMENU);
    auto handler = std::move(onMenuClose_);
    onMenuClose_ = nullptr;
    if (handler) handler();
  }
}

void LqSkinMenu::Hide() {
  CloseFrom(0);
  StopWait();
  SendMenuMessage(form_, LQM_CLOSESKINMENU);
  if (openingControl_) SendMenuMessage(openingControl_, LQM_CLOSESKINMENU);
}

void LqSkinMenu::StopWait() {
  waitTimer_->stop();
  waitingItem_ = nullptr;
}

void LqSkinMenu::ItemDeactivated(const LqSkinMenuItem* item) {
  if (item && item == waitingItem_) StopWait();
}

void LqSkinMenu::WaitTick() {
  LqSkinMenuItem* item = waitingItem_;
  StopWait();
  if (item) ItemClicked(&item->Window(), item);
}

void LqSkinMenu::ItemHovered(LqSkinPopupWindow* window, LqSkinMenuItem* item) {
  const int index = IndexOfWindow(window);
  if (index < 0) return;
  CloseFrom(index + 1);
  StopWait();
  if (item->HasSubmenu()) {
    waitingItem_ = item;
    waitTimer_->start(kSubmenuWaitMs);
  }
}

void LqSkinMenu::ItemClicked(LqSkinPopupWindow* window, LqSkinMenuItem* item) {
  if (!item || !item->Enabled() || item->IsSeparator() || item->down) return;
  item->keySelected = false;
  MenuItem* menuItem = item->Item();
  if (!item->HasSubmenu()) {
    StopWait();
    Hide();  // the menu is gone before the command runs
    menuItem->Click();
    SendMenuMessage(lastOpeningControl_, LQM_MENUITEMCLICKED);
    return;
  }
  OpenSubmenu(item);
  (void)window;
}

void LqSkinMenu::OpenSubmenu(LqSkinMenuItem* item) {
  LqSkinPopupWindow& window = item->Window();
  if (IndexOfWindow(&window) < 0) return;
  item->Item()->Click();
  StopWait();
  CloseFrom(IndexOfWindow(&window) + 1);
  window.SetDown(item, true);
  const QRect r(window.ScreenRect().topLeft() + QPoint(item->rect.left, item->rect.top),
                QSize(item->rect.width(), item->rect.height()));
  OpenWindow(item->Item(), item, r, false, true, 0);
}

bool LqSkinMenu::KeyDown(int key, const QString& text) {
  if (!visible_ || stack_.empty()) return false;
  LqSkinPopupWindow* top = stack_.back();
  if (key == Qt::Key_Escape || key == Qt::Key_Left) {
    if (stack_.size() >= 2) {
      if (LqSkinMenuItem* parent = top->ParentItem()) parent->Window().SetDown(parent, false);
      CloseFrom(int(stack_.size()) - 1);
    } else if (key == Qt::Key_Escape) {
      CloseFrom(0);
    }
    return true;
  }
  return top->KeyDown(key, text);
}

}  // namespace lq
