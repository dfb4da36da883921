#pragma once
// A plain event loop that plays the GUI thread for the command-line tool and the tests:
// a task queue fed from any thread, plus timers, all run on the thread that created the
// loop.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "net/dispatcher.h"

namespace longtail {

class EventLoop : public Dispatcher {
 public:
  using Clock = std::chrono::steady_clock;

  EventLoop();
  ~EventLoop() override;

  void post(std::function<void()> task) override;
  void invoke(std::function<void()> task) override;
  void processPending() override;
  std::unique_ptr<PeriodicTimer> createTimer(std::function<void()> onTick) override;

  // Waits at most `maxWait` for a task or a due timer, then runs what is waiting.
  void runOnce(std::chrono::milliseconds maxWait);
  // Runs until `done()` is true or `timeout` has passed; returns done().
  bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

 private:
  class LoopTimer;
  struct Timer {
    std::chrono::milliseconds interval{0};
    Clock::time_point due;
    std::function<void()> onTick;
    bool enabled = false;
    bool once = false;
  };
  void startTimer(int id, std::chrono::milliseconds interval, bool once);
  void stopTimer(int id);
  bool timerActive(int id) const;
  std::chrono::milliseconds timerInterval(int id) const;
  void removeTimer(int id);
  void runDueTimers();
  Clock::time_point nextTimerDue() const;

  std::thread::id owner_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  std::map<int, Timer> timers_;  // GUI thread only
  int nextTimerId_ = 1;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // timers check it on release
};

}  // namespace longtail
