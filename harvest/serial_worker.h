#pragma once
// One background thread that runs the jobs handed to it, one after another, in order.
// Destroying the worker runs the jobs already handed over, then joins the thread.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace longtail {

class SerialWorker {
 public:
  SerialWorker();
  ~SerialWorker();
  SerialWorker(const SerialWorker&) = delete;
  SerialWorker& operator=(const SerialWorker&) = delete;

  // Callable from any thread; the job runs on the worker's thread.
  void Post(std::function<void()> job);

 private:
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::thread thread_;  // last: starts once the members above exist
};

}  // namespace longtail
