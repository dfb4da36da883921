#pragma once
// FrameMenus: the menu side of a form's frame. It owns the frame's menu engine, runs menu
// mode (while a menu is open every key press of the application goes to the menu and the
// mouse wheel does nothing), closes the menu on clicks, moves, resizes and activation
// changes of the form, and shows the system menu and the tray menu.
// One per form, a child object of the form: popup menus find it with Find().

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "skin/frame/menu_clock.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/menu_skin.h"

class QWidget;

namespace lq {

class LqSkinPopupMenu;
class LqSkinData;

class FrameMenus : public QObject {
  Q_OBJECT

 public:
  explicit FrameMenus(QWidget* form, std::shared_ptr<longtail::TimerFactory> clock = QtTimers(),
                      std::shared_ptr<CursorProbe> cursor = QtCursorProbe());
  ~FrameMenus() override;

  // The frame menus of the form (or of the window the widget lives in), or null.
  static FrameMenus* Find(const QWidget* widget);

  QWidget* Form() const { return form_; }
  LqSkinMenu& SkinMenu() { return *menu_; }

  // Skin data of the frame's menus, asked each time a menu opens; null: default look.
  using SkinDataSource = std::function<LqSkinData*()>;
  void SetMenusSkinDataSource(SkinDataSource source) { skinDataSource_ = std::move(source); }
  LqSkinData* MenusSkinData() const { return skinDataSource_ ? skinDataSource_() : nullptr; }

  // Menu mode: entered before a menu opens, left by MenuClosed().
  void EnterMenuMode();
  void MenuClosed();
  bool SkinMenuOpen() const { return skinMenuOpen_; }
  // Closes an open menu (or ends menu mode) as a click, move, size or activation change does.
  void CloseMenus();
  // Routes a key press to the open menu; true when it was taken.
  bool MenuKeyDown(int key, const QString& text);

  // Frame hooks, both optional.
  // Fills the system menu's items before it is shown.
  using SystemMenuFiller = std::function<void(MenuItem& root)>;
  void SetSystemMenuFiller(SystemMenuFiller filler) { systemMenuFiller_ = std::move(filler); }
  // Hides the object hint on clicks, moves and activation changes.
  void SetObjectHintHider(std::function<void()> hider) { objectHintHider_ = std::move(hider); }

  MenuItem& SystemMenuItems() { return systemMenu_; }
  // Fills the system menu's items as they would show now and returns them.
  MenuItem& RefreshSystemMenu();
  void ShowSystemMenu(const QPoint& global);
  void ShowSystemMenuAt(const QRect& global);
  // Shows any item tree through the frame's engine (a caption button's menu).
  void ShowItems(MenuItem* items, const QRect& global, bool popupUp);

 signals:
  // Menu mode was entered.
  void menuOpened();
  // Menu mode ended (the frame releases the button that opened the menu).
  void menuClosed();

 protected:
  // True when the window that just became active is one of the open menu's windows.
  bool ActivationWentToMenu() const;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void InstallFilter();
  void RemoveFilter();

  SkinDataSource skinDataSource_;
  SystemMenuFiller systemMenuFiller_;
  std::function<void()> objectHintHider_;
  QPointer<QWidget> form_;
  std::unique_ptr<LqSkinMenu> menu_;
  MenuItem systemMenu_;
  bool skinMenuOpen_ = false;
  bool filterInstalled_ = false;
};

}  // namespace lq
