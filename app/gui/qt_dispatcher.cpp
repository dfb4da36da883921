#include "app/gui/qt_dispatcher.h"

#include <QCoreApplication>
#include <QThread>

#include "skin/qt/qt_timer.h"

namespace longtail {

QtDispatcher::QtDispatcher(QObject* guiObject) : target_(guiObject) {}

void QtDispatcher::post(std::function<void()> task) {
  QMetaObject::invokeMethod(target_, std::move(task), Qt::QueuedConnection);
}

void QtDispatcher::invoke(std::function<void()> task) {
  if (QThread::currentThread() == target_->thread()) {
    task();
    return;
  }
  // Blocks the worker until the GUI thread has run the task (progress hand-off).
  QMetaObject::invokeMethod(target_, std::move(task), Qt::BlockingQueuedConnection);
}

void QtDispatcher::processPending() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::unique_ptr<PeriodicTimer> QtDispatcher::createTimer(std::function<void()> onTick) {
  return std::make_unique<lq::QtTimer>(std::move(onTick));
}

}  // namespace longtail
