#pragma once
// The timers of the window: PeriodicTimer over a QTimer on the creating (GUI) thread.

#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "base/periodic_timer.h"

namespace lq {

class QtTimer final : public longtail::PeriodicTimer {
 public:
  // With an owner, the QTimer is the owner's child (found among its children by name);
  // whichever of the two goes first takes the QTimer with it, so no tick outlives either.
  explicit QtTimer(std::function<void()> onTick, QObject* owner = nullptr);
  ~QtTimer() override;
  QtTimer(const QtTimer&) = delete;
  QtTimer& operator=(const QtTimer&) = delete;

  void start(std::chrono::milliseconds interval) override;
  void startOnce(std::chrono::milliseconds delay) override;
  void stop() override;
  bool isActive() const override;
  std::chrono::milliseconds interval() const override;

  // The QTimer beneath, for its object name and its initial interval.
  QTimer& qTimer() { return *timer_; }

 private:
  QPointer<QTimer> timer_;
};

// Makes QtTimers; one shared instance serves every control and menu.
std::shared_ptr<longtail::TimerFactory> QtTimers();

}  // namespace lq
