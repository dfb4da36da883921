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

using std::chrono::milliseconds;
using std::chrono::seconds;

std::atomic<int> gQuit = 0;  // lock-free, so safe in a signal handler
// The first signal shuts the service down in order; a second one quits at once.
void OnQuitSignal(int) {
  if (gQuit.fetch_add(1) >= 1) _exit(0);
}

// A numeric option of serve-demo: its range and where its value goes.
struct NumberOption {
  const char* name;
  long long min, max;
  void (*apply)(demo::DemoOptions&, long long);
};

const NumberOption kNumberOptions[] = {
    {"--delay-ms", 0, 600000, [](demo::DemoOptions& o, long long v) { o.delay = milliseconds(v); }},
    {"--fail-every", 0, 1000000000,
     [](demo::DemoOptions& o, long long v) { o.failEvery = static_cast<int>(v); }},
    {"--empty-every", 0, 1000000000,
     [](demo::DemoOptions& o, long long v) { o.emptyEvery = static_cast<int>(v); }},
    {"--cut-every", 0, 1000000000,
     [](demo::DemoOptions& o, long long v) { o.cutEvery = static_cast<int>(v); }},
    {"--drip-ms", 0, 60000,
     [](demo::DemoOptions& o, long long v) { o.dripDelay = milliseconds(v); }},
    {"--block-after", 0, 1000000000,
     [](demo::DemoOptions& o, long long v) { o.blockAfter = static_cast<int>(v); }},
    {"--block-seconds", 0, 86400,
     [](demo::DemoOptions& o, long long v) { o.blockFor = seconds(v); }},
};

int BadValue(const std::string& option, const std::string& why) {
  std::fprintf(stderr, "serve-demo: %s %s\n", option.c_str(), why.c_str());
  return 2;
}

int RunServeDemo(const std::vector<std::string>& args) {
  std::string host = "127.0.0.1";
  long long port = kDemoDefaultPort;
  demo::DemoOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string option = args[i];
    bool missing = false, matched = true;
    if (auto v = OptionValue(args, i, "--host", missing)) {
      if (missing) return BadValue(option, "needs an address");
      host = *v;
    } else if (auto v = OptionValue(args, i, "--port", missing)) {
      auto n = ParseNumber(*v, 0, 65535);
      if (!n) return BadValue(option, "needs a port number (0 picks a free one)");
      port = *n;
    } else if (auto v = OptionValue(args, i, "--phrases", missing)) {
      // Refused rather than quietly served smaller than asked.
      auto n = ParseNumber(*v, 1, demo::PhraseGraph::MaxSize());
      if (!n)
        return BadValue(option,
                        "needs a number from 1 to " + std::to_string(demo::PhraseGraph::MaxSize()));
      options.graphSize = static_cast<int>(*n);
    } else {
      matched = false;
      for (const NumberOption& o : kNumberOptions) {
        auto v = OptionValue(args, i, o.name, missing);
        if (!v) continue;
        auto n = ParseNumber(*v, o.min, o.max);
        if (!n)
          return BadValue(option, "needs a number from " + std::to_string(o.min) + " to " +
                                      std::to_string(o.max));
        o.apply(options, *n);
        matched = true;
        break;
      }
    }
    if (!matched) {
      std::fprintf(stderr, "serve-demo: unknown argument '%s'\n", option.c_str());
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
  while (!gQuit) std::this_thread::sleep_for(milliseconds(50));
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
    "Serves the demo suggestion endpoint and results page from a built-in phrase graph.\n\n"
    "  --host A, --port P     where to listen (default 127.0.0.1:8600; port 0 picks one)\n"
    "  --phrases N            phrases in the graph (default 3000)\n"
    "Misbehaving like a real service:\n"
    "  --delay-ms MS          wait before every answer\n"
    "  --drip-ms MS           send each body in 16-byte pieces with MS between them\n"
    "  --fail-every N         close every Nth connection without an answer\n"
    "  --empty-every N        give every Nth answer an empty body\n"
    "  --cut-every N          end every Nth answer halfway through its body\n"
    "  --block-after N        after N requests answer 429 with a verification page ...\n"
    "  --block-seconds S      ... for S seconds (Retry-After: S), then serve N again;\n"
    "                         without it the block lasts until the service stops\n");
