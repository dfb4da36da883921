#include "net/event_loop.h"

#include <future>
#include <vector>

namespace longtail {

EventLoop::EventLoop() : owner_(std::this_thread::get_id()) {}

EventLoop::~EventLoop() {
  // Tasks still queued may hold resources (finished workers) that must be released on
  // this thread; run them rather than drop them. Timers belong to objects that may be
  // gone already, so they never fire from here; their handles see the loop is gone.
  alive_.reset();
  timers_.clear();
  for (int round = 0; round < 4; ++round) {
    std::unique_lock lock(mutex_);
    if (tasks_.empty()) break;
    lock.unlock();
    processPending();
  }
}

void EventLoop::post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  wake_.notify_one();
}

void EventLoop::invoke(std::function<void()> task) {
  if (std::this_thread::get_id() == owner_) {
    task();
    return;
  }
  std::promise<void> ran;
  auto done = ran.get_future();
  post([&] {
    task();
    ran.set_value();
  });
  done.wait();
}

void EventLoop::processPending() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(tasks_);
  }
  for (auto& task : batch) task();
  runDueTimers();
}

// The handle of one timer of the loop; a handle that outlives its loop does nothing.
class EventLoop::LoopTimer : public PeriodicTimer {
 public:
  LoopTimer(EventLoop& loop, int id) : loop_(loop), alive_(loop.alive_), id_(id) {}
  ~LoopTimer() override {
    if (alive_.lock()) loop_.removeTimer(id_);
  }
  void start(std::chrono::milliseconds interval) override {
    if (alive_.lock()) loop_.startTimer(id_, interval, false);
  }
  void startOnce(std::chrono::milliseconds delay) override {
    if (alive_.lock()) loop_.startTimer(id_, delay, true);
  }
  void stop() override {
    if (alive_.lock()) loop_.stopTimer(id_);
  }
  bool isActive() const override { return alive_.lock() && loop_.timerActive(id_); }
  std::chrono::milliseconds interval() const override {
    return alive_.lock() ? loop_.timerInterval(id_) : std::chrono::milliseconds(0);
  }

 private:
  EventLoop& loop_;
  std::weak_ptr<int> alive_;
  int id_;
};

std::unique_ptr<PeriodicTimer> EventLoop::createTimer(std::function<void()> onTick) {
  int id = nextTimerId_++;
  timers_[id].onTick = std::move(onTick);
  return std::make_unique<LoopTimer>(*this, id);
}

void EventLoop::startTimer(int id, std::chrono::milliseconds interval, bool once) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second.interval = interval;
  it->second.due = Clock::now() + interval;
  it->second.once = once;
  it->second.enabled = true;
}

void EventLoop::stopTimer(int id) {
  auto it = timers_.find(id);
  if (it != timers_.end()) it->second.enabled = false;
}

bool EventLoop::timerActive(int id) const {
  auto it = timers_.find(id);
  return it != timers_.end() && it->second.enabled;
}

std::chrono::milliseconds EventLoop::timerInterval(int id) const {
  auto it = timers_.find(id);
  return it != timers_.end() ? it->second.interval : std::chrono::milliseconds(0);
}

void EventLoop::removeTimer(int id) {
  timers_.erase(id);
}

void EventLoop::runDueTimers() {
  auto now = Clock::now();
  // Collect first: a tick may add, enable or disable timers.
  std::vector<int> due;
  for (auto& [id, t] : timers_)
    if (t.enabled && t.due <= now) due.push_back(id);
  for (int id : due) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !it->second.enabled) continue;
    it->second.due = now + it->second.interval;
    if (it->second.once) it->second.enabled = false;
    auto onTick = it->second.onTick;  // copy: the tick may remove its own timer
    onTick();
  }
}

EventLoop::Clock::time_point EventLoop::nextTimerDue() const {
  auto next = Clock::time_point::max();
  for (auto& [id, t] : timers_)
    if (t.enabled && t.due < next) next = t.due;
  return next;
}

void EventLoop::runOnce(std::chrono::milliseconds maxWait) {
  auto until = Clock::now() + maxWait;
  until = std::min(until, nextTimerDue());
  {
    std::unique_lock lock(mutex_);
    wake_.wait_until(lock, until, [&] { return !tasks_.empty(); });
  }
  processPending();
}

bool EventLoop::runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  auto deadline = Clock::now() + timeout;
  while (!done()) {
    auto now = Clock::now();
    if (now >= deadline) return done();
    runOnce(std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now),
                     std::chrono::milliseconds(50)));
  }
  return true;
}

}  // namespace longtail
