// longtail-cli harvest: runs the harvest engine without a window. Seeds are the memo lines
// (command-line seeds, then the lines of --seeds FILE). Status texts go to stderr; the
// result list goes to --output in the keyword list format (code page 936, CR LF after every
// line) or to stdout in UTF-8. SIGINT presses Stop; a second one quits at once.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "app/cli/cli_args.h"
#include "app/cli/command_registry.h"
#include "harvest/harvest_run.h"
#include "net/event_loop.h"
#include "text/cp936.h"

namespace longtail::cli {
namespace {

using namespace std::chrono_literals;

std::atomic<int> gInterrupts = 0;  // lock-free, so safe in a signal handler
void OnInterrupt(int) {
  if (gInterrupts.fetch_add(1) >= 1) _exit(130);
}

struct HarvestOptions {
  bool broad = true;
  bool mustContain = false;
  bool quiet = false;
  HarvestEndpoints endpoints;
  std::vector<std::string> seeds;  // code page 936
  std::string seedsFile;
  bool seedsUtf8 = true;
  std::string output;
  long long maxPhrases = 0;
  long long maxSeconds = 0;
};

class CliHost : public HarvestHost {
 public:
  CliHost(const HarvestOptions& o, EventLoop& loop) : options_(o), loop_(loop) {}
  void SetStopTimer(int id) { stopTimer_ = id; }
  bool StopTimerEnabled() const { return loop_.timerEnabled(stopTimer_); }

  bool BroadRelevance() override { return options_.broad; }
  bool MustContain() override { return options_.mustContain; }
  std::vector<std::string> MemoLines() override { return options_.seeds; }
  void ShowStatus(const std::string& text) override {
    if (!options_.quiet) std::fprintf(stderr, "%s\n", Cp936ToUtf8(text).c_str());
  }
  void SetStopTimerEnabled(bool enabled) override { loop_.setTimerEnabled(stopTimer_, enabled); }
  void SetResultCountLabel(const std::string&) override {}
  void SetExportCountLabel(const std::string&) override {}
  int ExportCount() override { return 0; }

 private:
  const HarvestOptions& options_;
  EventLoop& loop_;
  int stopTimer_ = 0;
};

// Splits file text into memo lines: LF or CR LF ends a line, and a final line break does
// not start another line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

int Usage(const char* why) {
  std::fprintf(stderr, "harvest: %s\n", why);
  return 2;
}

// Returns 0 to go on, otherwise the exit code.
int ParseArgs(const std::vector<std::string>& args, HarvestOptions& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool missing = false;
    if (a == "--broad") {
      o.broad = true;
    } else if (a == "--no-broad") {
      o.broad = false;
    } else if (a == "--must-contain") {
      o.mustContain = true;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else if (auto v = OptionValue(args, i, "--suggest-host", missing)) {
      o.endpoints.suggestHost = *v;
    } else if (auto v = OptionValue(args, i, "--search-host", missing)) {
      o.endpoints.searchHost = *v;
    } else if (auto v = OptionValue(args, i, "--seeds", missing)) {
      o.seedsFile = *v;
    } else if (auto v = OptionValue(args, i, "--seeds-encoding", missing)) {
      if (*v != "utf8" && *v != "cp936" && !missing)
        return Usage("--seeds-encoding is utf8 or cp936");
      o.seedsUtf8 = *v == "utf8";
    } else if (auto v = OptionValue(args, i, "--output", missing)) {
      o.output = *v;
    } else if (auto v = OptionValue(args, i, "--max-phrases", missing)) {
      auto n = ParseNumber(*v, 1, 1LL << 31);
      if (!n && !missing) return Usage("--max-phrases needs a positive number");
      o.maxPhrases = n.value_or(0);
    } else if (auto v = OptionValue(args, i, "--max-seconds", missing)) {
      auto n = ParseNumber(*v, 1, 1LL << 31);
      if (!n && !missing) return Usage("--max-seconds needs a positive number");
      o.maxSeconds = n.value_or(0);
    } else if (a == "--") {
      for (++i; i < args.size(); ++i) o.seeds.push_back(Utf8ToCp936(args[i]));
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else {
      o.seeds.push_back(Utf8ToCp936(a));
    }
    if (missing) return Usage(("missing value for " + a).c_str());
  }
  if (o.endpoints.suggestHost.empty() || o.endpoints.searchHost.empty())
    return Usage("a host must not be empty");
  if (!o.seedsFile.empty()) {
    std::ifstream in(o.seedsFile, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "harvest: cannot read %s\n", o.seedsFile.c_str());
      return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), {});
    if (o.seedsUtf8 && text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    for (std::string& line : SplitLines(text))
      o.seeds.push_back(o.seedsUtf8 ? Utf8ToCp936(line) : line);
  }
  return 0;
}

int WriteResults(const HarvestOptions& o, const PhraseList& results) {
  if (o.output.empty()) {
    for (const std::string& phrase : results.Items())
      std::printf("%s\n", Cp936ToUtf8(phrase).c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  std::string text;
  for (const std::string& phrase : results.Items()) {
    text += phrase;
    text += "\r\n";
  }
  std::ofstream out(o.output, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "harvest: cannot write %s\n", o.output.c_str());
    return 1;
  }
  return 0;
}

int RunHarvest(const std::vector<std::string>& args) {
  HarvestOptions o;
  if (int rc = ParseArgs(args, o)) return rc;
  bool blank = true;
  for (const std::string& s : o.seeds)
    for (char c : s) blank = blank && static_cast<unsigned char>(c) <= 32;
  if (blank) return Usage("no seed keywords (give SEED... or --seeds FILE)");

  EventLoop loop;
  PhraseList results;
  CliHost host(o, loop);
  HarvestRun run(loop, results, host, o.endpoints);
  loop.addTimer(500ms, [&] { run.Timer1Timer(); });
  host.SetStopTimer(loop.addTimer(
      500ms, [&] { run.Timer2Timer(); }, false));
  gInterrupts = 0;
  auto previous = std::signal(SIGINT, OnInterrupt);

  const auto started = std::chrono::steady_clock::now();
  bool stopPressed = false;
  auto pressStop = [&] {
    if (!stopPressed) run.Stop();
    stopPressed = true;
  };
  run.Query();
  while (true) {
    loop.runOnce(50ms);
    if (gInterrupts > 0) pressStop();
    if (o.maxPhrases > 0 && results.Count() >= o.maxPhrases) pressStop();
    if (o.maxSeconds > 0 &&
        std::chrono::steady_clock::now() - started >= std::chrono::seconds(o.maxSeconds))
      pressStop();
    // With broad relevance a run can be left with nothing in flight and no way to end:
    // press Stop for the user, as the window's user would.
    if (run.Running() && run.Proceed() && run.OutstandingRequests() == 0) pressStop();
    // After Stop, wait for the stop completion to report that every request is answered.
    bool stopPending = stopPressed && host.StopTimerEnabled();
    if (!run.Running() && !stopPending && run.OutstandingRequests() == 0) break;
  }
  std::signal(SIGINT, previous);
  return WriteResults(o, results);
}

}  // namespace
}  // namespace longtail::cli

LONGTAIL_CLI_COMMAND(harvest, "harvest",
                     "harvest [--broad|--no-broad] [--must-contain] [--suggest-host H[:P]] "
                     "[--search-host H[:P]] [--seeds FILE] [--seeds-encoding utf8|cp936] "
                     "[--output FILE] [--max-phrases N] [--max-seconds S] [--quiet] [SEED...]",
                     longtail::cli::RunHarvest);
