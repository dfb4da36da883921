#include "harvest/auto_save.h"

#include <utility>

#include "harvest/keyword_file.h"

namespace longtail {

AutoSaveSchedule::AutoSaveSchedule(AutoSaveTimer& timer, Sources sources)
    : timer_(timer), sources_(std::move(sources)) {
  if (!sources_.write) sources_.write = WriteKeywordListFile;
}

void AutoSaveSchedule::SetEnabled(bool enabled) {
  if (enabled && !enabled_) failing_ = false;
  enabled_ = enabled;
  Restart();
}

void AutoSaveSchedule::SetPeriodSeconds(int seconds) {
  periodSeconds_ = seconds;
  Restart();
}

void AutoSaveSchedule::Restart() {
  // The spin edit sets no maximum: keep huge periods within the timer's range.
  constexpr long long kMaxIntervalMs = 2147483647;
  const long long ms = static_cast<long long>(periodSeconds_) * 1000;
  if (Running())
    timer_.Start(static_cast<int>(ms < kMaxIntervalMs ? ms : kMaxIntervalMs));
  else
    timer_.Stop();
}

bool AutoSaveSchedule::Tick() {
  const std::string dir = sources_.directory ? sources_.directory() : std::string();
  const std::string name = sources_.fileName ? sources_.fileName() : std::string();
  const std::string path = JoinAutoSavePath(dir, name);
  const std::vector<std::string> phrases =
      sources_.phrases ? sources_.phrases() : std::vector<std::string>();
  std::string error;
  if (sources_.write(path, phrases, error)) {
    failing_ = false;
    return true;
  }
  const bool alreadyShown = failing_ && failingPath_ == path;
  failing_ = true;
  failingPath_ = path;
  if (!alreadyShown && sources_.reportError) sources_.reportError(error);
  return false;
}

}  // namespace longtail
