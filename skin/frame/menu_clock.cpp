#include "skin/frame/menu_clock.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace lq {
namespace {

class QtTimer : public MenuTimer {
 public:
  explicit QtTimer(std::function<void()> onTick) {
    QObject::connect(&timer_, &QTimer::timeout, [fn = std::move(onTick)] { fn(); });
  }
  void start(int ms) override { timer_.start(ms); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

class QtClock : public MenuClock {
 public:
  std::unique_ptr<MenuTimer> createTimer(std::function<void()> onTick) override {
    return std::make_unique<QtTimer>(std::move(onTick));
  }
};

class QtCursor : public CursorProbe {
 public:
  CursorState state() const override {
    return {QCursor::pos(), bool(QGuiApplication::mouseButtons() & Qt::LeftButton)};
  }
};

}  // namespace

std::shared_ptr<MenuClock> QtMenuClock() {
  static auto clock = std::make_shared<QtClock>();
  return clock;
}

std::shared_ptr<CursorProbe> QtCursorProbe() {
  static auto probe = std::make_shared<QtCursor>();
  return probe;
}

}  // namespace lq
