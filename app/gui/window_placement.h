#pragma once
// Where the main window was and where it goes at the next start: its normal bounds, the
// screen it was on and whether it was maximized. A window goes back only onto the same
// screen, moved as little as needed to lie within that screen's work area; when the screen
// is gone it takes its default place.

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QSettings;

namespace longtail {

struct WindowPlacement {
  QRect bounds;  // the normal (not maximized) bounds
  QString screen;
  bool maximized = false;
};

struct ScreenArea {
  QString name;
  QRect workArea;
};

// The bounds to show the window with, or nullopt for its default place.
std::optional<QRect> PlaceOnScreens(const WindowPlacement& placement,
                                    const std::vector<ScreenArea>& screens);
// The application's screens as they are now.
std::vector<ScreenArea> CurrentScreens();

void SavePlacement(QSettings& settings, const WindowPlacement& placement);
std::optional<WindowPlacement> LoadPlacement(QSettings& settings);

}  // namespace longtail
