#pragma once
// SIGINT, SIGTERM and SIGHUP as the command-line tool's Stop button. The handler only
// counts (an atomic store is async-signal-safe); the event loop polls the count, so the
// first signal presses Stop and a second one ends the run at once, both on the loop's
// thread where the result list can still be written.

namespace longtail::cli {

class StopSignals {
 public:
  StopSignals();   // installs the handlers and clears the count
  ~StopSignals();  // puts the previous handlers back
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Signals received since construction.
  int Received() const;
};

}  // namespace longtail::cli
