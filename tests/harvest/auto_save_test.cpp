#include "harvest/auto_save.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "harvest/keyword_file.h"
#include "net/event_loop.h"
#include "support/manual_clock.h"
#include "support/temp_dir.h"

namespace longtail {
namespace {

using testing::ManualClock;
using testing::ReadAll;
using testing::TempDir;

PhraseList ListOf(const std::vector<std::string>& items) {
  PhraseList list;
  for (const std::string& item : items) list.Append(item);
  return list;
}

// Each tick waits for its save, so the ticks of the fake clock write in turn.
struct Harness {
  TempDir dir;
  EventLoop loop;
  ManualClock clock;
  std::unique_ptr<PeriodicTimer> timer = clock.createTimer([this] {
    schedule.Tick();
    WaitForSave();
  });
  std::string directory = dir.path().string() + "/";
  std::string name = "words.txt";
  PhraseList phrases = ListOf({"a", "b"});
  std::vector<long long> writeTimes;
  std::vector<std::string> errors;
  std::vector<std::string> logs;
  // When set, the worker's write waits for it.
  std::shared_future<void> gate;
  AutoSaveSchedule schedule{*timer, loop, Sources()};

  void WaitForSave() {
    loop.runUntil([this] { return !schedule.Saving(); }, std::chrono::seconds(10));
  }
  AutoSaveSchedule::Sources Sources() {
    AutoSaveSchedule::Sources s;
    s.directory = [this] { return directory; };
    s.fileName = [this] { return name; };
    s.phrases = [this] { return phrases.Share(); };
    s.write = [this](const std::string& path, const PhraseList::Snapshot& list,
                     std::string& error) {
      if (gate.valid()) gate.wait();
      writeTimes.push_back(clock.now());
      return WriteKeywordListFile(path, list.Items(), error);
    };
    s.reportError = [this](const std::string& e) { errors.push_back(e); };
    s.debugLog = [this](const std::string& text) { logs.push_back(text); };
    return s;
  }
};

TEST(AutoSave, OffUntilSwitchedOnAndPeriodTwoWritesEveryTwoSeconds) {
  Harness h;
  h.clock.advance(20000);
  EXPECT_TRUE(h.writeTimes.empty()) << "off at start";
  h.schedule.SetEnabled(true);
  EXPECT_EQ(h.timer->interval().count(), 5000) << "initial period of 5 s";
  h.schedule.SetPeriodSeconds(2);
  h.clock.advance(7000);
  EXPECT_EQ(h.writeTimes, (std::vector<long long>{22000, 24000, 26000}));
  EXPECT_EQ(ReadAll(h.dir.file("words.txt")), "a\r\nb\r\n");
  h.schedule.SetEnabled(false);
  h.clock.advance(10000);
  EXPECT_EQ(h.writeTimes.size(), 3u);
}

TEST(AutoSave, PeriodZeroOrNegativeWritesNothingUntilChanged) {
  Harness h;
  h.schedule.SetEnabled(true);
  h.schedule.SetPeriodSeconds(0);
  h.clock.advance(60000);
  h.schedule.SetPeriodSeconds(-3);
  h.clock.advance(60000);
  EXPECT_TRUE(h.writeTimes.empty());
  EXPECT_FALSE(h.timer->isActive());
  h.schedule.SetPeriodSeconds(1);
  h.clock.advance(1000);
  EXPECT_EQ(h.writeTimes.size(), 1u);
}

TEST(AutoSave, ChangingThePeriodCountsFromTheChange) {
  Harness h;
  h.schedule.SetEnabled(true);
  h.clock.advance(4000);
  h.schedule.SetPeriodSeconds(3);
  h.clock.advance(2999);
  EXPECT_TRUE(h.writeTimes.empty());
  h.clock.advance(1);
  EXPECT_EQ(h.writeTimes, (std::vector<long long>{7000}));
}

TEST(AutoSave, ReadsDirectoryNameAndListAfreshAtEveryTick) {
  Harness h;
  h.schedule.SetEnabled(true);
  h.clock.advance(5000);
  h.name = "other";
  h.phrases.Clear();
  h.clock.advance(5000);
  EXPECT_EQ(ReadAll(h.dir.file("words.txt")), "a\r\nb\r\n");
  EXPECT_TRUE(std::filesystem::exists(h.dir.file("other")));
  EXPECT_EQ(std::filesystem::file_size(h.dir.file("other")), 0u) << "empty list, empty file";
}

TEST(AutoSave, FailingPathReportsOnceKeepsRunningAndKeepsPreviousFile) {
  Harness h;
  h.schedule.SetEnabled(true);
  h.clock.advance(5000);
  const std::string good = h.directory;
  h.directory = good + "missing/";
  h.clock.advance(25000);
  EXPECT_EQ(h.writeTimes.size(), 6u) << "the timer keeps running";
  ASSERT_EQ(h.errors.size(), 1u) << "one message per failing state";
  EXPECT_NE(h.errors[0].find("Cannot create file"), std::string::npos);
  EXPECT_EQ(ReadAll(h.dir.file("words.txt")), "a\r\nb\r\n");

  h.name = "x.txt";  // another failing path: a new state, a new message
  h.clock.advance(10000);
  EXPECT_EQ(h.errors.size(), 2u);

  h.directory = good;  // a success ends the failing state
  h.clock.advance(5000);
  h.directory = good + "missing/";
  h.clock.advance(5000);
  EXPECT_EQ(h.errors.size(), 3u);

  h.schedule.SetEnabled(false);  // switching on anew reports again
  h.schedule.SetEnabled(true);
  h.clock.advance(5000);
  EXPECT_EQ(h.errors.size(), 4u);
}

TEST(AutoSave, HugePeriodStaysWithinTimerRange) {
  Harness h;
  h.schedule.SetEnabled(true);
  h.schedule.SetPeriodSeconds(2000000000);
  EXPECT_GT(h.timer->interval().count(), 0);
}

// The save runs on the worker from the list as it was at the tick: changes made meanwhile
// reach the next save, and a tick that comes while the save runs skips it.
TEST(AutoSave, WritesTheListAsTickedAndSkipsTicksWhileASaveRuns) {
  Harness h;
  std::vector<std::string> items;
  for (int i = 0; i < 10000; ++i) items.push_back(std::string("p").append(std::to_string(i)));
  h.phrases = ListOf(items);
  std::promise<void> open;
  h.gate = open.get_future().share();

  EXPECT_EQ(h.schedule.Tick(), AutoSaveSchedule::TickOutcome::Started);
  EXPECT_TRUE(h.schedule.Saving());
  h.phrases.Delete(0);
  h.phrases.Insert(5000, "inserted");
  h.phrases.Append("late");
  EXPECT_EQ(h.schedule.Tick(), AutoSaveSchedule::TickOutcome::Skipped);
  EXPECT_EQ(h.logs.size(), 1u) << "a skipped tick says so";
  h.phrases.Clear();
  open.set_value();
  h.WaitForSave();

  std::string expected;
  for (const std::string& item : items) expected += item + "\r\n";
  EXPECT_EQ(ReadAll(h.dir.file("words.txt")), expected);
  EXPECT_EQ(h.writeTimes.size(), 1u);
  EXPECT_EQ(h.schedule.Tick(), AutoSaveSchedule::TickOutcome::Started);
  h.WaitForSave();
  EXPECT_EQ(ReadAll(h.dir.file("words.txt")), "");
}

}  // namespace
}  // namespace longtail
