#pragma once
// Timers and the mouse as menus and hints see them. The real ones wrap QTimer and QCursor;
// tests substitute a manual clock and a scripted cursor so timing is checked without sleeping.

#include <QPoint>
#include <functional>
#include <memory>

namespace lq {

class MenuTimer {
 public:
  virtual ~MenuTimer() = default;
  // (Re)starts a repeating timer with the given interval in milliseconds.
  virtual void start(int ms) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual int interval() const = 0;
};

class MenuClock {
 public:
  virtual ~MenuClock() = default;
  virtual std::unique_ptr<MenuTimer> createTimer(std::function<void()> onTick) = 0;
};

struct CursorState {
  QPoint global;
  bool leftDown = false;
};

class CursorProbe {
 public:
  virtual ~CursorProbe() = default;
  virtual CursorState state() const = 0;
};

// GUI-thread timers (QTimer) and the real cursor.
std::shared_ptr<MenuClock> QtMenuClock();
std::shared_ptr<CursorProbe> QtCursorProbe();

}  // namespace lq
