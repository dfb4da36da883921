// longtail-cli serve-demo: the demo suggestion endpoint and results page on loopback, until
// interrupted. Prints "serving on http://HOST:PORT" once it listens.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/cli/cli_args.h"
#include "app/cli/command_registry.h"
#include "harvest/demo/demo_service.h"
#include "harvest/harvest_run.h"

namespace longtail::cli {
namespace {

std::atomic<int> gQuit = 0;  // lock-free, so safe in a signal handler
// The first signal shuts the service down in order; a second one quits at once.
void OnQuitSignal(int) {
  if (gQuit.fetch_add(1) >= 1) _exit(0);
}

int RunServeDemo(const std::vector<std::string>& args) {
  std::string host = "127.0.0.1";
  long long port = kDemoDefaultPort;
  demo::DemoOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    bool missing = false;
    std::optional<long long> number;
    if (auto v = OptionValue(args, i, "--host", missing)) {
      host = *v;
    } else if (auto v = OptionValue(args, i, "--port", missing)) {
      if (!(number = ParseNumber(*v, 0, 65535)) && !missing) missing = true;
      port = number.value_or(0);
    } else if (auto v = OptionValue(args, i, "--phrases", missing)) {
      if (!(number = ParseNumber(*v, 1, 10000000)) && !missing) missing = true;
      options.graphSize = static_cast<int>(number.value_or(0));
    } else if (auto v = OptionValue(args, i, "--delay-ms", missing)) {
      if (!(number = ParseNumber(*v, 0, 600000)) && !missing) missing = true;
      options.delay = std::chrono::milliseconds(number.value_or(0));
    } else if (auto v = OptionValue(args, i, "--fail-every", missing)) {
      if (!(number = ParseNumber(*v, 0, 1000000000)) && !missing) missing = true;
      options.failEvery = static_cast<int>(number.value_or(0));
    } else if (auto v = OptionValue(args, i, "--empty-every", missing)) {
      if (!(number = ParseNumber(*v, 0, 1000000000)) && !missing) missing = true;
      options.emptyEvery = static_cast<int>(number.value_or(0));
    } else {
      std::fprintf(stderr, "serve-demo: unknown argument '%s'\n", args[i].c_str());
      return 2;
    }
    if (missing) {
      std::fprintf(stderr, "serve-demo: bad or missing value for %s\n", args[i].c_str());
      return 2;
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

LONGTAIL_CLI_COMMAND(serve_demo, "serve-demo",
                     "serve-demo [--host 127.0.0.1] [--port P] [--phrases N] [--delay-ms MS] "
                     "[--fail-every N] [--empty-every N]",
                     longtail::cli::RunServeDemo);
