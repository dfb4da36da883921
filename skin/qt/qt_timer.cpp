#include "skin/qt/qt_timer.h"

namespace lq {

QtTimer::QtTimer(std::function<void()> onTick, QObject* owner) : timer_(new QTimer(owner)) {
  QObject::connect(timer_.data(), &QTimer::timeout, timer_.data(), std::move(onTick));
}

QtTimer::~QtTimer() {
  delete timer_.data();  // null when the owner has deleted it already
}

void QtTimer::start(std::chrono::milliseconds interval) {
  if (!timer_) return;
  timer_->setSingleShot(false);
  timer_->start(interval);
}

void QtTimer::startOnce(std::chrono::milliseconds delay) {
  if (!timer_) return;
  timer_->setSingleShot(true);
  timer_->start(delay);
}

void QtTimer::stop() {
  if (timer_) timer_->stop();
}

bool QtTimer::isActive() const {
  return timer_ && timer_->isActive();
}

std::chrono::milliseconds QtTimer::interval() const {
  return timer_ ? timer_->intervalAsDuration() : std::chrono::milliseconds(0);
}

namespace {

class QtTimerFactory final : public longtail::TimerFactory {
 public:
  std::unique_ptr<longtail::PeriodicTimer> createTimer(std::function<void()> onTick) override {
    return std::make_unique<QtTimer>(std::move(onTick));
  }
};

}  // namespace

std::shared_ptr<longtail::TimerFactory> QtTimers() {
  static auto timers = std::make_shared<QtTimerFactory>();
  return timers;
}

}  // namespace lq
