#pragma once
// Test helper: timers on simulated time. advance() moves the clock forward and fires every
// tick that falls due, in time order, so timing is checked without sleeping.

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "base/periodic_timer.h"

namespace longtail::testing {

class ManualClock : public TimerFactory {
 public:
  class Timer : public PeriodicTimer {
   public:
    Timer(ManualClock& clock, std::function<void()> onTick)
        : clock_(clock), onTick_(std::move(onTick)) {
      clock_.timers_.push_back(this);
    }
    ~Timer() override {
      auto& all = clock_.timers_;
      all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }
    void start(std::chrono::milliseconds interval) override { Start(interval, false); }
    void startOnce(std::chrono::milliseconds delay) override { Start(delay, true); }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    std::chrono::milliseconds interval() const override { return interval_; }

    // Every interval the timer was (re)started with, in milliseconds.
    std::vector<int> starts;

   private:
    friend class ManualClock;
    void Start(std::chrono::milliseconds interval, bool once) {
      interval_ = interval;
      due_ = clock_.now_ + interval.count();
      once_ = once;
      active_ = true;
      starts.push_back(static_cast<int>(interval.count()));
    }
    ManualClock& clock_;
    std::function<void()> onTick_;
    std::chrono::milliseconds interval_{0};
    long long due_ = 0;
    bool once_ = false;
    bool active_ = false;
  };

  std::unique_ptr<PeriodicTimer> createTimer(std::function<void()> onTick) override {
    auto timer = std::make_unique<Timer>(*this, std::move(onTick));
    latest_ = timer.get();
    return timer;
  }
  // The timer created last (null before any): the one a control made for itself.
  Timer* latest() const { return latest_; }

  // Moves time forward by `ms`, firing every due timer in time order.
  void advance(long long ms) { advanceTo(now_ + ms); }
  void advanceTo(long long end) {
    for (;;) {
      Timer* next = nullptr;
      for (Timer* t : timers_)
        if (t->active_ && t->due_ <= end && (!next || t->due_ < next->due_)) next = t;
      if (!next) break;
      now_ = next->due_;
      next->due_ += std::max<long long>(next->interval_.count(), 1);
      if (next->once_) next->active_ = false;
      next->onTick_();  // may stop, restart or destroy any timer
    }
    now_ = std::max(now_, end);
  }
  long long now() const { return now_; }

 private:
  long long now_ = 0;
  std::vector<Timer*> timers_;
  Timer* latest_ = nullptr;
};

}  // namespace longtail::testing
