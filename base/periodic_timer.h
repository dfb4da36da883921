#pragma once
// The one timer interface of the program: ticks run on the thread that owns the timer's
// factory (the GUI thread), with the callable given at creation. The window's timers are
// QTimers; the command-line tool runs them on its own event loop; tests advance a manual
// clock instead of waiting.

#include <chrono>
#include <functional>
#include <memory>

namespace longtail {

// Destroying a timer stops it for good.
class PeriodicTimer {
 public:
  virtual ~PeriodicTimer() = default;
  // (Re)starts counting `interval` from now; ticks repeat every `interval` until stop().
  virtual void start(std::chrono::milliseconds interval) = 0;
  // (Re)starts counting `delay` from now; ticks once.
  virtual void startOnce(std::chrono::milliseconds delay) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  // The interval or delay of the last start (0 before the first).
  virtual std::chrono::milliseconds interval() const = 0;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  // A stopped timer that runs `onTick` at each tick. It must not outlive the factory.
  virtual std::unique_ptr<PeriodicTimer> createTimer(std::function<void()> onTick) = 0;
};

}  // namespace longtail
