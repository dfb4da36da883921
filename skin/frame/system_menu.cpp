#include "skin/frame/system_menu.h"

#include <memory>

namespace lq {
namespace {

struct Entry {
  const char* name;
  const char* key;
  const char* text;
};

constexpr Entry kMin{"LQK_MINITEM", "MI_MINCAPTION", "最小化(&N)"};
constexpr Entry kMax{"LQK_MAXITEM", "MI_MAXCAPTION", "最大化(&X)"};
constexpr Entry kRestore{"LQK_RESTORE", "MI_RESTORECAPTION", "恢复(&R)"};
constexpr Entry kRollUp{"LQK_ROLLUP", "MI_ROLLUPCAPTION", "卷起(&L)"};
constexpr Entry kToTray{"LQK_MINTOTRAY", "MI_MINTOTRAYCAPTION", "最小化到系统托盘(&T)"};
constexpr Entry kClose{"LQK_CLOSE", "MI_CLOSECAPTION", "关闭(&C)"};

std::unique_ptr<MenuItem> Make(const Entry& e, const std::function<void()>& run,
                               const MenuStringLookup& strings,
                               const char* nameOverride = nullptr) {
  QString caption = strings ? strings(QString::fromLatin1(e.key)) : QString();
  if (caption.isEmpty()) caption = QString::fromUtf8(e.text);
  auto item = std::make_unique<MenuItem>(caption, run);
  item->Name = QString::fromLatin1(nameOverride ? nameOverride : e.name);
  return item;
}

bool IsDefaultName(const QString& name) {
  for (const Entry* e : {&kMin, &kMax, &kRestore, &kRollUp, &kToTray, &kClose})
    if (name == QLatin1String(e->name)) return true;
  return false;
}

bool ShowMin(const SystemMenuState& s) {
  return !s.minimized && s.minimizeIcon;
}
bool ShowMax(const SystemMenuState& s) {
  return !s.maximized && s.maximizeIcon;
}
bool ShowRestore(const SystemMenuState& s) {
  return s.minimized || s.maximized || s.rolledUp;
}
bool ShowRollUp(const SystemMenuState& s) {
  return !s.mdiChildMaximized && !s.rolledUp && !s.minimized && s.rollUpIcon;
}

std::unique_ptr<MenuItem> CloseItem(const SystemMenuState& s, const SystemMenuCommands& run,
                                    const MenuStringLookup& strings) {
  auto item = Make(kClose, run.close, strings);
  item->ShortCut = s.mdiChild ? QStringLiteral("Ctrl+F4") : QStringLiteral("Alt+F4");
  return item;
}

}  // namespace

void FillSystemMenu(MenuItem& root, const SystemMenuState& s, const SystemMenuCommands& run,
                    const MenuStringLookup& strings) {
  root.Clear();
  if (ShowMin(s)) root.Add(Make(kMin, run.minimize, strings));
  if (ShowMax(s)) root.Add(Make(kMax, run.maximize, strings));
  if (ShowRestore(s)) root.Add(Make(kRestore, run.restore, strings));
  if (ShowRollUp(s)) root.Add(Make(kRollUp, run.rollUp, strings));
  if (s.minimizeToTrayIcon) root.Add(Make(kToTray, run.minimizeToTray, strings));
  if (root.Count() > 0) root.Add(QStringLiteral("-"));
  root.Add(CloseItem(s, run, strings));
}

void MergeDefaultSystemMenu(MenuItem& root, const SystemMenuState& s, const SystemMenuCommands& run,
                            const MenuStringLookup& strings) {
  for (int i = root.Count() - 1; i >= 0; --i)
    if (IsDefaultName(root.Item(i)->Name)) root.Delete(i);
  if (s.minimizeToTrayIcon) root.Insert(0, Make(kToTray, run.minimizeToTray, strings));
  if (ShowRollUp(s)) root.Insert(0, Make(kRollUp, run.rollUp, strings));
  if (ShowMax(s)) root.Insert(0, Make(kMax, run.maximize, strings));
  if (ShowRestore(s)) root.Insert(0, Make(kRestore, run.restore, strings));
  if (ShowMin(s)) root.Insert(0, Make(kMin, run.minimize, strings));
  root.Add(CloseItem(s, run, strings));
}

void FillTrayMenu(MenuItem& root, bool mdiChild, const std::function<void()>& restore,
                  const std::function<void()>& close, const MenuStringLookup& strings) {
  root.Clear();
  root.Add(Make(kRestore, restore, strings, "TRAY_LQK_RESTORE"));
  root.Add(QStringLiteral("-"));
  auto item = Make(kClose, close, strings, "TRAY_LQK_CLOSE");
  item->ShortCut = mdiChild ? QStringLiteral("Ctrl+F4") : QStringLiteral("Alt+F4");
  root.Add(std::move(item));
}

}  // namespace lq
