#pragma once
// Hands work to the GUI thread. Download workers use it to deliver their results and
// progress; the GUI thread uses processPending() where it lets waiting events run, and
// timers for its periodic and delayed work.

#include <functional>

#include "base/periodic_timer.h"

namespace longtail {

// createTimer (GUI thread only) makes timers whose ticks run on the GUI thread; they must
// not outlive the dispatcher.
class Dispatcher : public TimerFactory {
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
};

}  // namespace longtail
