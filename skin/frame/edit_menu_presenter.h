#pragma once
// Shows the context menu of the skinned edits and memos as a skinned popup menu of
// the control's form, through the frame's menu engine. The application installs it
// once at start-up; controls on a form without a frame fall back to a plain menu.

class QWidget;

namespace lq {

class LqSkinPopupMenu;

void InstallSkinnedEditMenus();
// The popup menu the control's last context menu was built into, or null.
LqSkinPopupMenu* EditMenuOf(const QWidget* control);

}  // namespace lq
