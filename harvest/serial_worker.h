#pragma once
// One background thread that runs the jobs handed to it, one after another, in order.
// Destroying the worker runs the jobs already handed over, then joins the thread. A
// background worker runs at a lower scheduling priority, so on a busy machine its jobs
// yield to the GUI thread instead of stealing its time.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace longtail {

class SerialWorker {
 public:
  enum class Priority { Normal, Background };
  explicit SerialWorker(Priority priority = Priority::Normal);
  ~SerialWorker();
  SerialWorker(const SerialWorker&) = delete;
  SerialWorker& operator=(const SerialWorker&) = delete;

  // Callable from any thread; the job runs on the worker's thread.
  void Post(std::function<void()> job);

 private:
  void Loop(Priority priority);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::thread thread_;  // last: starts once the members above exist
};

}  // namespace longtail
