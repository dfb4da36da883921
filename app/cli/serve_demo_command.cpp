// longtail-cli serve-demo: the demo suggestion endpoint and results page on loopback, until
// interrupted. Prints "serving on http://HOST:PORT" once it listens.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/cli/cli_args.h"
#include "app/cli/command_registry.h"
#include "harvest/demo/demo_options.h"
#include "harvest/demo/demo_service.h"
#include "harvest/harvest_run.h"

namespace longtail::cli {
namespace {

std::atomic<int> gQuit = 0;  // lock-free, so safe in a signal handler
// The first signal shuts the service down in order; a second one quits at once.
void OnQuitSignal(int) {
  if (gQuit.fetch_add(1) >= 1) _exit(0);
}

int BadValue(const std::string& why) {
  std::fprintf(stderr, "serve-demo: %s\n", why.c_str());
  return 2;
}

int RunServeDemo(const std::vector<std::string>& args) {
  std::string host = "127.0.0.1";
  long long port = kDemoDefaultPort;
  demo::DemoOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string option = args[i];
    bool missing = false;
    std::string error;
    if (auto v = OptionValue(args, i, "--host", missing)) {
      if (missing) return BadValue(option + " needs an address");
      host = *v;
    } else if (auto v = OptionValue(args, i, "--port", missing)) {
      auto n = ParseNumber(*v, 0, 65535);
      if (!n) return BadValue(option + " needs a port number (0 picks a free one)");
      port = *n;
    } else {
      // Numbers out of range are refused rather than quietly served otherwise.
      switch (demo::ReadDemoOption(args, i, options, error)) {
        case demo::DemoOptionRead::Read:
          break;
        case demo::DemoOptionRead::Bad:
          return BadValue(error);
        case demo::DemoOptionRead::NotOurs:
          return BadValue("unknown argument '" + option + "'");
      }
    }
  }
  std::signal(SIGINT, OnQuitSignal);
  std::signal(SIGTERM, OnQuitSignal);
  demo::DemoService service(options, host, static_cast<int>(port));
  if (!service.ok()) {
    std::fprintf(stderr, "serve-demo: cannot listen on %s:%lld: %s\n", host.c_str(), port,
                 service.error().c_str());
    return 1;
  }
  std::printf("serving on http://%s (%d phrases)\n", service.hostPort().c_str(),
              service.graph().Size());
  std::fflush(stdout);
  while (!gQuit) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  service.stop();
  return 0;
}

}  // namespace
}  // namespace longtail::cli

LONGTAIL_CLI_COMMAND(
    serve_demo, "serve-demo",
    "serve-demo [--host 127.0.0.1] [--port P] [--phrases N] [--delay-ms MS] [--fail-every N] "
    "[--empty-every N] [--cut-every N] [--drip-ms MS] [--block-after N] [--block-seconds S]",
    longtail::cli::RunServeDemo,
    "Serves the demo suggestion endpoint and results page from a built-in phrase graph,\n"
    "misbehaving as real services do when asked to.\n\n"
    "  --host A, --port P    where to listen (default 127.0.0.1:8600; port 0 picks one)\n" +
        longtail::demo::DemoOptionsHelp() +
        "\nThe window's demo mode (longtail --demo) takes the same options from the\n"
        "environment variable LONGTAIL_DEMO_OPTIONS.\n");
