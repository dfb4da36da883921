#pragma once
// A plain event loop that plays the GUI thread for the command-line tool and the tests:
// a task queue fed from any thread, plus repeating timers, all run on the thread that
// created the loop.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
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

  // Repeating timer; returns its id. A disabled timer keeps its id and can be re-enabled,
  // which restarts its interval.
  int addTimer(std::chrono::milliseconds interval, std::function<void()> onTick,
               bool enabled = true);
  void setTimerEnabled(int id, bool enabled);
  bool timerEnabled(int id) const;

  // Waits at most `maxWait` for a task or a due timer, then runs what is waiting.
  void runOnce(std::chrono::milliseconds maxWait);
  // Runs until `done()` is true or `timeout` has passed; returns done().
  bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

 private:
  struct Timer {
    std::chrono::milliseconds interval;
    Clock::time_point due;
    std::function<void()> onTick;
    bool enabled;
  };
  void runDueTimers();
  Clock::time_point nextTimerDue() const;

  std::thread::id owner_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  std::map<int, Timer> timers_;  // GUI thread only
  int nextTimerId_ = 1;
};

}  // namespace longtail
