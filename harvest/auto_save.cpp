#include "harvest/auto_save.h"

#include <exception>
#include <utility>

#include "harvest/keyword_file.h"
#include "harvest/result_file.h"

namespace longtail {

AutoSaveSchedule::AutoSaveSchedule(PeriodicTimer& timer, Dispatcher& dispatcher, Sources sources)
    : timer_(timer),
      dispatcher_(dispatcher),
      sources_(std::move(sources)),
      worker_(std::make_unique<SerialWorker>(SerialWorker::Priority::Background)) {
  if (!sources_.write)
    sources_.write = [](const std::string& path, const PhraseList::Snapshot& phrases,
                        std::string& error) {
      return WriteResultFile(path, ResultFormat::KeywordList, phrases.Items(), error);
    };
}

AutoSaveSchedule::~AutoSaveSchedule() {
  alive_.reset();
  worker_.reset();
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
    timer_.start(std::chrono::milliseconds(ms < kMaxIntervalMs ? ms : kMaxIntervalMs));
  else
    timer_.stop();
}

AutoSaveSchedule::TickOutcome AutoSaveSchedule::Tick() {
  if (saving_) {
    if (sources_.debugLog)
      sources_.debugLog("auto-save: the previous save is still running; tick skipped");
    return TickOutcome::Skipped;
  }
  const std::string dir = sources_.directory ? sources_.directory() : std::string();
  const std::string name = sources_.fileName ? sources_.fileName() : std::string();
  std::string path = JoinAutoSavePath(dir, name);
  PhraseList::Snapshot phrases = sources_.phrases ? sources_.phrases() : PhraseList::Snapshot();
  saving_ = true;
  worker_->Post([this, weak = std::weak_ptr<int>(alive_), write = sources_.write,
                 path = std::move(path), phrases = std::move(phrases)]() mutable {
    std::string error;
    bool written = false;
    try {
      written = write(path, phrases, error);
    } catch (const std::exception& e) {
      error = e.what();
    }
    // The snapshot goes back with the outcome, so its text is let go on the GUI thread.
    dispatcher_.post([this, weak, written, path = std::move(path), error = std::move(error),
                      phrases = std::move(phrases)] {
      if (weak.lock()) Finish(written, path, error);
    });
  });
  return TickOutcome::Started;
}

void AutoSaveSchedule::Finish(bool written, const std::string& path, const std::string& error) {
  saving_ = false;
  if (written) {
    failing_ = false;
  } else {
    const bool alreadyShown = failing_ && failingPath_ == path;
    failing_ = true;
    failingPath_ = path;
    if (!alreadyShown && sources_.reportError) sources_.reportError(error);
  }
  if (sources_.saved) sources_.saved(written);
}

}  // namespace longtail
