#include "skin/frame/menu_frame_link.h"

#include <QPointer>
#include <QWidget>

#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/system_menu.h"

namespace lq {
namespace {

SystemMenuState StateOf(const TlqLacquerForm& frame) {
  SystemMenuState s;
  s.minimized = frame.GetFrameState() == FrameState::Minimized;
  s.maximized = frame.GetFrameState() == FrameState::Maximized;
  s.rolledUp = frame.RolledUp();
  const TlqBorderIcons icons = frame.BorderIcons();
  s.minimizeIcon = icons & biMinimize;
  s.maximizeIcon = icons & biMaximize;
  s.rollUpIcon = icons & biRollUp;
  s.minimizeToTrayIcon = icons & biMinimizeToTray;
  return s;
}

SystemMenuCommands CommandsOf(TlqLacquerForm& frame) {
  QPointer<TlqLacquerForm> f(&frame);
  auto run = [f](const char* name) {
    return [f, name] {
      if (f) f->RunSystemMenuItem(name);
    };
  };
  SystemMenuCommands c;
  c.minimize = run("LQK_MINITEM");
  c.maximize = run("LQK_MAXITEM");
  c.restore = run("LQK_RESTORE");
  c.rollUp = run("LQK_ROLLUP");
  c.minimizeToTray = run("LQK_MINTOTRAY");
  c.close = run("LQK_CLOSE");
  return c;
}

}  // namespace

FrameMenus* AttachFrameMenus(TlqLacquerForm& frame, std::shared_ptr<MenuClock> clock,
                             std::shared_ptr<CursorProbe> cursor) {
  QWidget* form = frame.Form();
  if (!form) return nullptr;
  if (FrameMenus* existing = FrameMenus::Find(form)) return existing;
  auto* menus = new FrameMenus(form, std::move(clock), std::move(cursor));
  QPointer<TlqLacquerForm> f(&frame);
  // Menus stay inside the work area of the monitor that holds the form.
  menus->SkinMenu().WorkAreaSource = [f]() -> QRect {
    if (!f) return {};
    const Rect r = f->MonitorArea(true);
    return QRect(r.left, r.top, r.width(), r.height());
  };
  menus->MenusSkinData = [f]() -> TlqSkinData* { return f ? f->SkinData() : nullptr; };
  menus->FillSystemMenu = [f](MenuItem& root) {
    if (f) FillSystemMenu(root, StateOf(*f), CommandsOf(*f));
  };
  menus->OnMenuModeEnded = [f] {
    if (f && f->SkinMenuOpen()) f->MenuClosed();
  };
  QObject::connect(&frame, &TlqLacquerForm::SystemMenuRequested, menus,
                   [menus](const QRect& r) { menus->ShowSystemMenuAt(r); });
  return menus;
}

TlqSkinPopupMenu* FrameTrayMenu(TlqLacquerForm& frame) {
  FrameMenus* menus = AttachFrameMenus(frame);
  if (!menus) return nullptr;
  if (auto* tray = menus->findChild<TlqSkinPopupMenu*>(QStringLiteral("lqTrayMenu"))) return tray;
  auto* tray = new TlqSkinPopupMenu(menus);
  tray->setObjectName(QStringLiteral("lqTrayMenu"));
  tray->Frame = menus;
  QPointer<TlqLacquerForm> f(&frame);
  FillTrayMenu(
      tray->Items, false,
      [f] {
        if (f) f->RestoreFromTray();
      },
      [f] {
        if (f) f->CloseForm();
      });
  return tray;
}

}  // namespace lq
