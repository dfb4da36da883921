#include "app/cli/stop_signals.h"

#include <atomic>
#include <csignal>

namespace longtail::cli {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
std::atomic<int> gReceived = 0;
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free count");
struct sigaction gPrevious[std::size(kStopSignals)];

void OnStopSignal(int) {
  gReceived.fetch_add(1);
}

}  // namespace

StopSignals::StopSignals() {
  gReceived = 0;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
    sigaction(kStopSignals[i], &action, &gPrevious[i]);
}

StopSignals::~StopSignals() {
  for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
    sigaction(kStopSignals[i], &gPrevious[i], nullptr);
}

int StopSignals::Received() const {
  return gReceived.load();
}

}  // namespace longtail::cli
