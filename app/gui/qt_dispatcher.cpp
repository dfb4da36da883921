#include "app/gui/qt_dispatcher.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace longtail {
namespace {

class QtDispatcherTimer : public DispatcherTimer {
 public:
  explicit QtDispatcherTimer(std::function<void()> onTick) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onTick));
  }
  void start(std::chrono::milliseconds interval) override {
    timer_.setSingleShot(false);
    timer_.start(interval);
  }
  void startOnce(std::chrono::milliseconds delay) override {
    timer_.setSingleShot(true);
    timer_.start(delay);
  }
  void stop() override { timer_.stop(); }
  bool active() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

}  // namespace

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

std::unique_ptr<DispatcherTimer> QtDispatcher::createTimer(std::function<void()> onTick) {
  return std::make_unique<QtDispatcherTimer>(std::move(onTick));
}

}  // namespace longtail
