#pragma once
// A repeat timer on simulated time: advanceTo() fires every tick that falls due.

#include <vector>

#include "skin/controls/scroll_bar_logic.h"

namespace lq::test {

class FakeRepeatTimer : public RepeatTimer {
 public:
  void start(int ms) override {
    interval_ = ms;
    due_ = now_ + ms;
    active_ = true;
    starts.push_back(ms);
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }

  void advanceTo(int t) {
    while (active_ && due_ <= t) {
      now_ = due_;
      due_ = now_ + interval_;
      if (timeout) timeout();
    }
    now_ = t;
  }
  int now() const { return now_; }
  std::vector<int> starts;  // every interval the timer was (re)started with

 private:
  int now_ = 0;
  int due_ = 0;
  int interval_ = 0;
  bool active_ = false;
};

}  // namespace lq::test
