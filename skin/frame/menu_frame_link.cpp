#include "skin/frame/menu_frame_link.h"

#include <QPointer>
#include <QWidget>

#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/system_menu.h"

namespace lq {
namespace {

SystemMenuState StateOf(const LqLacquerForm& frame) {
  SystemMenuState s;
  s.minimized = frame.GetFrameState() == FrameState::Minimized;
  s.maximized = frame.GetFrameState() == FrameState::Maximized;
  s.rolledUp = frame.RolledUp();
  const LqBorderIcons icons = frame.BorderIcons();
  s.minimizeIcon = icons & biMinimize;
  s.maximizeIcon = icons & biMaximize;
  s.rollUpIcon = icons & biRollUp;
  s.minimizeToTrayIcon = icons & biMinimizeToTray;
  return s;
}

SystemMenuCommands CommandsOf(LqLacquerForm& frame) {
  QPointer<LqLacquerForm> f(&frame);
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

// The system menu's captions from the resource string table of the frame's skin data, if any.
MenuStringLookup StringsOf(const LqLacquerForm& frame) {
  const LqSkinData* skin = frame.SkinData();
  if (!skin || !skin->ResourceStrData()) return {};
  return [strings = skin->ResourceStrData()](const QString& key) {
    return QString::fromStdString(strings->GetResStr(key.toStdString()));
  };
}

}  // namespace

FrameMenus* AttachFrameMenus(LqLacquerForm& frame, std::shared_ptr<longtail::TimerFactory> clock,
                             std::shared_ptr<CursorProbe> cursor) {
  QWidget* form = frame.Form();
  if (!form) return nullptr;
  if (FrameMenus* existing = FrameMenus::Find(form)) return existing;
  auto* menus = new FrameMenus(form, std::move(clock), std::move(cursor));
  QPointer<LqLacquerForm> f(&frame);
  // Menus stay inside the work area of the monitor that holds the form.
  menus->SkinMenu().SetWorkAreaSource([f]() -> QRect {
    if (!f) return {};
    const Rect r = f->MonitorArea(true);
    return QRect(r.left, r.top, r.width(), r.height());
  });
  menus->SetMenusSkinDataSource([f]() -> LqSkinData* { return f ? f->SkinData() : nullptr; });
  menus->SetSystemMenuFiller([f](MenuItem& root) {
    if (f) FillSystemMenu(root, StateOf(*f), CommandsOf(*f), StringsOf(*f));
  });
  QObject::connect(menus, &FrameMenus::menuClosed, &frame, [&frame] {
    if (frame.SkinMenuOpen()) frame.MenuClosed();
  });
  QObject::connect(&frame, &LqLacquerForm::systemMenuRequested, menus,
                   [menus](const QRect& r) { menus->ShowSystemMenuAt(r); });
  return menus;
}

LqSkinPopupMenu* FrameTrayMenu(LqLacquerForm& frame) {
  FrameMenus* menus = AttachFrameMenus(frame);
  if (!menus) return nullptr;
  if (auto* tray = menus->findChild<LqSkinPopupMenu*>(QStringLiteral("lqTrayMenu"))) return tray;
  auto* tray = new LqSkinPopupMenu(menus);
  tray->setObjectName(QStringLiteral("lqTrayMenu"));
  tray->Frame = menus;
  QPointer<LqLacquerForm> f(&frame);
  FillTrayMenu(
      tray->Items, false,
      [f] {
        if (f) f->RestoreFromTray();
      },
      [f] {
        if (f) f->CloseForm();
      },
      StringsOf(frame));
  return tray;
}

}  // namespace lq
