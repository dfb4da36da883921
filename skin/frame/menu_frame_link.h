#pragma once
// Joins a form's frame (LqLacquerForm) and its menus (FrameMenus): the frame's requests for
// the system menu open it through the menu engine, the system menu's items come from the
// frame's window state and run the frame's commands, the menus use the frame's skin, and
// closing a menu ends the frame's menu mode (releasing the button that opened it).

#include <memory>

#include "skin/frame/menu_clock.h"

namespace lq {

class FrameMenus;
class LqLacquerForm;
class LqSkinPopupMenu;

// Creates (once) and connects the FrameMenus of the frame's form; returns it.
FrameMenus* AttachFrameMenus(LqLacquerForm& frame,
                             std::shared_ptr<longtail::TimerFactory> clock = QtTimers(),
                             std::shared_ptr<CursorProbe> cursor = QtCursorProbe());
// The frame's tray menu: 恢复(&R) restores from the tray, 关闭(&C) closes the form.
LqSkinPopupMenu* FrameTrayMenu(LqLacquerForm& frame);

}  // namespace lq
