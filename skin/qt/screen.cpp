#include "skin/qt/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lq {

QRect GetMonitorWorkArea(const QWidget* window, bool workArea) {
  QScreen* screen = nullptr;
  if (window) {
    const QWidget* top = window->window();
    // The screen under the window's centre, as the window system would pick it.
    screen = QGuiApplication::screenAt(top->frameGeometry().center());
    if (!screen) screen = top->screen();
  }
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return QRect();
  return workArea ? screen->availableGeometry() : screen->geometry();
}

void SetWindowAlpha(QWidget* window, int alpha) {
  if (!window) return;
  window->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

}  // namespace lq
