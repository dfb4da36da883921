#pragma once
// Hands work to the GUI thread. Download workers use it to deliver their results and
// progress; the GUI thread uses processPending() where it lets waiting events run, and
// timers for its periodic and delayed work.

#include <chrono>
#include <functional>
#include <memory>

namespace longtail {

// A timer whose ticks run on the GUI thread. Destroying it stops it for good.
class DispatcherTimer {
 public:
  virtual ~DispatcherTimer() = default;
  // (Re)starts counting `interval` from now; ticks repeat until stop().
  virtual void start(std::chrono::milliseconds interval) = 0;
  // (Re)starts counting `delay` from now; ticks once.
  virtual void startOnce(std::chrono::milliseconds delay) = 0;
  virtual void stop() = 0;
  virtual bool active() const = 0;
};

class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  // Queues a task to run on the GUI thread. Callable from any thread.
  virtual void post(std::function<void()> task) = 0;
  // Runs a task on the GUI thread and waits until it has run. On the GUI thread itself
  // the task runs at once.
  virtual void invoke(std::function<void()> task) = 0;
  // GUI thread only: runs the tasks (and due timers) that are already waiting. Tasks
  // queued while these run wait for the next call, so nesting stays bounded.
  virtual void processPending() = 0;
  // GUI thread only: a stopped timer that runs `onTick` on the GUI thread. It must not
  // outlive the dispatcher.
  virtual std::unique_ptr<DispatcherTimer> createTimer(std::function<void()> onTick) = 0;
};

}  // namespace longtail
