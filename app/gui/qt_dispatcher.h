#pragma once
// The Dispatcher over Qt: tasks run on the thread of the QObject given (the GUI thread),
// delivered through queued invocations; processPending() lets waiting events run; timers
// are QTimers on that thread.

#include <QObject>

#include "net/dispatcher.h"

namespace longtail {

class QtDispatcher : public Dispatcher {
 public:
  explicit QtDispatcher(QObject* guiObject);

  void post(std::function<void()> task) override;
  void invoke(std::function<void()> task) override;
  void processPending() override;
  std::unique_ptr<PeriodicTimer> createTimer(std::function<void()> onTick) override;

 private:
  QObject* target_;
};

}  // namespace longtail
