#pragma once
// The items of a frame's system menu and tray menu, built from the window's state.

#include <QString>
#include <functional>

#include "skin/frame/menu_item.h"

namespace lq {

struct SystemMenuState {
  bool minimized = false;
  bool maximized = false;
  bool rolledUp = false;
  bool mdiChild = false;
  bool mdiChildMaximized = false;
  // Border icons.
  bool minimizeIcon = false;
  bool maximizeIcon = false;
  bool rollUpIcon = false;
  bool minimizeToTrayIcon = false;
};

// What the items do; each runs with the menu already closed.
struct SystemMenuCommands {
  std::function<void()> minimize;  // minimize, or minimize to the tray when always wanted
  std::function<void()> maximize;
  std::function<void()> restore;
  std::function<void()> rollUp;
  std::function<void()> minimizeToTray;
  std::function<void()> close;
};

// Looks a caption up by its resource-string key ("MI_MINCAPTION", ...); an empty answer
// means the built-in text.
using MenuStringLookup = std::function<QString(const QString& key)>;

// Empties root and fills it: 最小化(&N), 最大化(&X), 恢复(&R), 卷起(&L), 最小化到系统托盘(&T) as
// the state allows, a separator when anything came before, and 关闭(&C) with its shortcut.
void FillSystemMenu(MenuItem& root, const SystemMenuState& state, const SystemMenuCommands& run,
                    const MenuStringLookup& strings = {});

// A developer's system menu with the default items: earlier default items are removed, the
// state's items inserted at the top and 关闭(&C) appended (no separator).
void MergeDefaultSystemMenu(MenuItem& root, const SystemMenuState& state,
                            const SystemMenuCommands& run, const MenuStringLookup& strings = {});

// The tray menu: 恢复(&R), a separator, 关闭(&C).
void FillTrayMenu(MenuItem& root, bool mdiChild, const std::function<void()>& restore,
                  const std::function<void()>& close, const MenuStringLookup& strings = {});

}  // namespace lq
