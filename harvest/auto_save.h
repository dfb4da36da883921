#pragma once
// The auto-save schedule: while switched on with a period above 0 seconds, the result list
// is written to <directory>/<file name> at every tick. Directory, name and list are read
// afresh at every tick. A failing write is reported once per failing state: the next
// report comes only after a write has succeeded again, the path has changed or auto-save
// has been switched on anew, so a broken path does not stack up a message every period.
//
// The tick itself only takes a snapshot of the list (microseconds at a million phrases);
// formatting, writing and syncing the file run on a worker thread, and the outcome comes
// back to the GUI thread through the dispatcher. One save runs at a time: a tick that
// finds the previous save still running skips.

#include <functional>
#include <memory>
#include <string>

#include "base/periodic_timer.h"
#include "harvest/phrase_list.h"
#include "harvest/serial_worker.h"
#include "net/dispatcher.h"

namespace longtail {

class AutoSaveSchedule {
 public:
  // Every function runs on the GUI thread except `write`, which runs on the worker.
  struct Sources {
    std::function<std::string()> directory;
    std::function<std::string()> fileName;
    // The list as it is at the tick; must be cheap (PhraseList::Share).
    std::function<PhraseList::Snapshot()> phrases;
    // Writes the phrases atomically; returns false with an error text on failure. The
    // default writes the keyword list format.
    std::function<bool(const std::string& path, const PhraseList::Snapshot& phrases,
                       std::string& error)>
        write;
    std::function<void(const std::string& error)> reportError;
    // After each save, with its outcome.
    std::function<void(bool written)> saved;
    // Notes for a developer (a skipped tick).
    std::function<void(const std::string& text)> debugLog;
  };

  enum class TickOutcome { Started, Skipped };

  // `timer` is the one the schedule starts and stops; its owner makes its ticks call Tick()
  // (the window through its command guard). It must outlive the schedule.
  AutoSaveSchedule(PeriodicTimer& timer, Dispatcher& dispatcher, Sources sources);
  // Waits for a save in progress to finish writing; its outcome is not reported.
  ~AutoSaveSchedule();

  bool Enabled() const { return enabled_; }
  int PeriodSeconds() const { return periodSeconds_; }
  // The timer runs exactly while enabled and the period is above 0.
  bool Running() const { return enabled_ && periodSeconds_ > 0; }
  // A save was handed to the worker and its outcome has not come back yet.
  bool Saving() const { return saving_; }

  void SetEnabled(bool enabled);
  // A new period restarts the count; 0 or a negative period stops the ticks.
  void SetPeriodSeconds(int seconds);
  // One auto-save: starts a save on the worker, or skips while the last one runs.
  TickOutcome Tick();

 private:
  void Restart();
  void Finish(bool written, const std::string& path, const std::string& error);

  PeriodicTimer& timer_;
  Dispatcher& dispatcher_;
  Sources sources_;
  bool enabled_ = false;
  int periodSeconds_ = 5;
  bool saving_ = false;
  bool failing_ = false;
  std::string failingPath_;
  // Outcomes posted back check it, so none arrives after the schedule is gone.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  std::unique_ptr<SerialWorker> worker_;  // last: joined before the members above go
};

}  // namespace longtail
