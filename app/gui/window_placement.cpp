#include "app/gui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "app/gui/settings_store.h"

namespace longtail {

namespace {

const QString kBoundsKey = QStringLiteral("window/bounds");
const QString kScreenKey = QStringLiteral("window/screen");
const QString kMaximizedKey = QStringLiteral("window/maximized");

// The start along one axis that keeps [start, start + length) inside [low, high), or at
// least its start there when it is longer.
int Clamp(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

std::optional<QRect> PlaceOnScreens(const WindowPlacement& placement,
                                    const std::vector<ScreenArea>& screens) {
  if (placement.bounds.isEmpty()) return std::nullopt;
  const auto screen = std::find_if(screens.begin(), screens.end(), [&](const ScreenArea& s) {
    return s.name == placement.screen && !s.workArea.isEmpty();
  });
  if (screen == screens.end()) return std::nullopt;
  const QRect& area = screen->workArea;
  QRect placed = placement.bounds;
  placed.moveTo(Clamp(placed.x(), placed.width(), area.x(), area.x() + area.width()),
                Clamp(placed.y(), placed.height(), area.y(), area.y() + area.height()));
  return placed;
}

std::vector<ScreenArea> CurrentScreens() {
  std::vector<ScreenArea> screens;
  for (const QScreen* s : QGuiApplication::screens())
    screens.push_back({s->name(), s->availableGeometry()});
  return screens;
}

void SavePlacement(QSettings& settings, const WindowPlacement& placement) {
  settings.setValue(kBoundsKey, placement.bounds);
  settings.setValue(kScreenKey, placement.screen);
  settings.setValue(kMaximizedKey, placement.maximized);
}

std::optional<WindowPlacement> LoadPlacement(QSettings& settings) {
  const std::optional<QRect> bounds = FromStored<QRect>(settings.value(kBoundsKey));
  if (!bounds) return std::nullopt;
  WindowPlacement placement;
  placement.bounds = *bounds;
  placement.screen = FromStored<QString>(settings.value(kScreenKey)).value_or(QString());
  placement.maximized = FromStored<bool>(settings.value(kMaximizedKey)).value_or(false);
  return placement;
}

}  // namespace longtail
