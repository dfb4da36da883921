#pragma once
// The program's icon for its windows and the taskbar: the same drawing as the installed
// theme icons, made at every theme size so that Qt picks a sharp one.

#include <QIcon>

namespace longtail {

QIcon AppIcon();

}  // namespace longtail
