#include "net/event_loop.h"

#include <gtest/gtest.h>

#include <thread>

namespace longtail {
namespace {

using namespace std::chrono_literals;

TEST(EventLoop, PostedTasksRunInOrderOnTheLoopThread) {
  EventLoop loop;
  std::vector<int> order;
  std::thread other([&] {
    for (int i = 0; i < 3; ++i) loop.post([&order, i] { order.push_back(i); });
  });
  other.join();
  loop.processPending();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST(EventLoop, TasksPostedWhileProcessingWaitForTheNextRound) {
  EventLoop loop;
  int ran = 0;
  loop.post([&] {
    ++ran;
    loop.post([&] { ++ran; });
  });
  loop.processPending();
  EXPECT_EQ(ran, 1);
  loop.processPending();
  EXPECT_EQ(ran, 2);
}

TEST(EventLoop, InvokeWaitsForTheLoopAndRunsDirectlyOnIt) {
  EventLoop loop;
  bool direct = false;
  loop.invoke([&] { direct = true; });
  EXPECT_TRUE(direct);
  std::atomic<bool> invoked = false;
  std::thread worker([&] {
    loop.invoke([&] { invoked = true; });
    EXPECT_TRUE(invoked);
  });
  loop.runUntil([&] { return invoked.load(); }, 5s);
  worker.join();
}

TEST(EventLoop, TimersRepeatOrTickOnceAndStopWhenReleased) {
  EventLoop loop;
  int ticks = 0, once = 0;
  auto repeating = loop.createTimer([&] { ++ticks; });
  auto single = loop.createTimer([&] { ++once; });
  EXPECT_FALSE(repeating->isActive());
  repeating->start(10ms);
  single->startOnce(5ms);
  loop.runUntil([&] { return ticks >= 3; }, 2s);
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(once, 1);
  EXPECT_FALSE(single->isActive());
  repeating->stop();
  int frozen = ticks;
  loop.runUntil([] { return false; }, 50ms);
  EXPECT_EQ(ticks, frozen);
  repeating->start(5ms);
  repeating.reset();  // a released timer never ticks again
  loop.runUntil([] { return false; }, 30ms);
  EXPECT_EQ(ticks, frozen);
}

TEST(EventLoop, TimerHandleOutlivingItsLoopIsHarmless) {
  std::unique_ptr<PeriodicTimer> timer;
  {
    EventLoop loop;
    timer = loop.createTimer([] {});
    timer->start(5ms);
  }
  EXPECT_FALSE(timer->isActive());
  timer->start(5ms);
  timer.reset();
}

}  // namespace
}  // namespace longtail
