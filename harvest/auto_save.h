#pragma once
// The auto-save schedule: while switched on with a period above 0 seconds, the result list
// is written to <directory>/<file name> at every tick. Directory, name and list are read
// afresh at every tick. A failing write is reported once per failing state: the next
// report comes only after a write has succeeded again, the path has changed or auto-save
// has been switched on anew, so a broken path does not stack up a message every period.

#include <functional>
#include <string>
#include <vector>

namespace longtail {

// The periodic timer the schedule drives; the window gives it a QTimer, tests a fake.
class AutoSaveTimer {
 public:
  virtual ~AutoSaveTimer() = default;
  // (Re)starts counting `intervalMs` from now; ticks repeat until Stop.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

class AutoSaveSchedule {
 public:
  struct Sources {
    std::function<std::string()> directory;
    std::function<std::string()> fileName;
    std::function<std::vector<std::string>()> phrases;
    // Writes the phrases; returns false with an error text on failure.
    std::function<bool(const std::string& path, const std::vector<std::string>& phrases,
                       std::string& error)>
        write;
    std::function<void(const std::string& error)> reportError;
  };

  AutoSaveSchedule(AutoSaveTimer& timer, Sources sources);

  bool Enabled() const { return enabled_; }
  int PeriodSeconds() const { return periodSeconds_; }
  // The timer runs exactly while enabled and the period is above 0.
  bool Running() const { return enabled_ && periodSeconds_ > 0; }

  void SetEnabled(bool enabled);
  // A new period restarts the count; 0 or a negative period stops the ticks.
  void SetPeriodSeconds(int seconds);
  // One auto-save; returns whether the write succeeded.
  bool Tick();

 private:
  void Restart();

  AutoSaveTimer& timer_;
  Sources sources_;
  bool enabled_ = false;
  int periodSeconds_ = 5;
  bool failing_ = false;
  std::string failingPath_;
};

}  // namespace longtail
