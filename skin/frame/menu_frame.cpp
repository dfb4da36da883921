#include "skin/frame/menu_frame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "skin/frame/menu_messages.h"
#include "skin/frame/popup_window.h"

namespace lq {

FrameMenus::FrameMenus(QWidget* form, std::shared_ptr<longtail::TimerFactory> clock,
                       std::shared_ptr<CursorProbe> cursor)
    : QObject(form), form_(form) {
  setObjectName(QStringLiteral("lqFrameMenus"));
  menu_ = std::make_unique<LqSkinMenu>(form, std::move(clock), std::move(cursor));
  if (form) form->installEventFilter(this);
}

FrameMenus::~FrameMenus() {
  RemoveFilter();
  if (form_) form_->removeEventFilter(this);
}

FrameMenus* FrameMenus::Find(const QWidget* widget) {
  if (!widget) return nullptr;
  for (const QWidget* w : {widget, static_cast<const QWidget*>(widget->window())}) {
    for (QObject* child : w->children())
      if (auto* menus = dynamic_cast<FrameMenus*>(child)) return menus;
  }
  return nullptr;
}

void FrameMenus::InstallFilter() {
  if (filterInstalled_ || !qApp) return;
  qApp->installEventFilter(this);
  filterInstalled_ = true;
}

void FrameMenus::RemoveFilter() {
  if (!filterInstalled_ || !qApp) return;
  qApp->removeEventFilter(this);
  filterInstalled_ = false;
}

void FrameMenus::EnterMenuMode() {
  InstallFilter();
  if (!skinMenuOpen_) {
    skinMenuOpen_ = true;
    emit menuOpened();
  }
}

void FrameMenus::MenuClosed() {
  const bool wasOpen = skinMenuOpen_ || filterInstalled_;
  skinMenuOpen_ = false;
  RemoveFilter();
  if (!wasOpen) return;
  emit menuClosed();
}

void FrameMenus::CloseMenus() {
  if (objectHintHider_) objectHintHider_();
  if (menu_->Visible())
    menu_->Hide();  // LQM_CLOSESKINMENU then ends menu mode
  else if (skinMenuOpen_)
    MenuClosed();
}

bool FrameMenus::MenuKeyDown(int key, const QString& text) {
  if (!menu_->Visible()) return false;
  menu_->KeyDown(key, text);
  if (key == Qt::Key_Escape && menu_->WindowCount() == 0) MenuClosed();
  return true;
}

void FrameMenus::ShowItems(MenuItem* items, const QRect& global, bool popupUp) {
  if (menu_->Visible()) MenuClosed();
  EnterMenuMode();
  menu_->Popup(nullptr, MenuSkinFromSkinData(MenusSkinData()), popupUp, items, global, 0);
  if (!menu_->Visible()) MenuClosed();  // nothing to show
}

MenuItem& FrameMenus::RefreshSystemMenu() {
  if (systemMenuFiller_) systemMenuFiller_(systemMenu_);
  return systemMenu_;
}

void FrameMenus::ShowSystemMenu(const QPoint& global) {
  ShowSystemMenuAt(QRect(global, QSize(0, 0)));
}

void FrameMenus::ShowSystemMenuAt(const QRect& global) {
  ShowItems(&RefreshSystemMenu(), global, false);
}

bool FrameMenus::ActivationWentToMenu() const {
  const QWidget* active = QApplication::activeWindow();
  if (!active || !menu_->Visible()) return false;
  for (int i = 0; i < menu_->WindowCount(); ++i)
    if (menu_->Window(i) == active) return true;
  return false;
}

bool FrameMenus::eventFilter(QObject* watched, QEvent* event) {
  // Menu mode first: the application filter sees key presses and wheel turns before any
  // widget does, and consumes them.
  if (filterInstalled_) {
    if (event->type() == QEvent::KeyPress && menu_->Visible()) {
      auto* key = static_cast<QKeyEvent*>(event);
      MenuKeyDown(key->key(), key->text());
      return true;
    }
    if (event->type() == QEvent::Wheel) return true;
  }
  if (watched == form_) {
    if (AsMenuMessage(event) == LQM_CLOSESKINMENU) {
      MenuClosed();
      return false;
    }
    // Opening a popup window takes the focus from the form's focused control; that is
    // the menu itself showing, not a reason to close it.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
      return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
      case QEvent::WindowDeactivate:
      case QEvent::ActivationChange:
      case QEvent::FocusOut:
        // A platform that activates the menu's own window (some ignore "show without
        // activating") must not close the menu it just opened.
        if (ActivationWentToMenu()) break;
        CloseMenus();
        break;
      case QEvent::Hide:
        CloseMenus();
        break;
      default:
        break;
    }
    return false;
  }
  // A click into any other widget of the form closes the menu too.
  if (filterInstalled_ && event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
      form_ && static_cast<QWidget*>(watched)->window() == form_)
    CloseMenus();
  return false;
}

}  // namespace lq
