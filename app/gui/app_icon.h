#pragma once
// The program's icon for its windows and the taskbar: the same drawing as the installed
// theme icons, made at each theme size up to 64 pixels so that Qt picks a sharp one.

#include <QIcon>

namespace longtail {

QIcon AppIcon();

}  // namespace longtail
