// longtail-cli harvest: runs the harvest engine without a window. Seeds are the memo lines
// (command-line seeds, then the lines of --seeds FILE). Status texts go to stderr; the
// result list goes to --output in the --format chosen (default the keyword list format:
// code page 936, CR LF after every line), written atomically, or to stdout in UTF-8. SIGINT,
// SIGTERM and SIGHUP press Stop; a second one cancels the requests in flight, writes what was found
// and exits 130.

#include <cstdio>
#include <cstdlib>

#include "app/cli/cli_args.h"
#include "app/cli/command_registry.h"
#include "app/cli/seeds_file.h"
#include "app/cli/stop_signals.h"
#include "app/cli/terminal_text.h"
#include "harvest/harvest_run.h"
#include "harvest/phrase_provenance.h"
#include "harvest/result_file.h"
#include "harvest/session_file.h"
#include "harvest/session_keeper.h"
#include "harvest/status_texts.h"
#include "net/event_loop.h"
#include "text/cp936.h"

namespace longtail::cli {
namespace {

using namespace std::chrono_literals;

constexpr int kInterruptedExit = 130;
constexpr int kNothingAnsweredExit = 3;
// The session file is rewritten this often while the run goes (and once at the end).
constexpr auto kSessionPeriod = 4s;

struct HarvestOptions {
  bool broad = true;
  bool mustContain = false;
  bool quiet = false;
  HarvestEndpoints endpoints;
  std::vector<std::string> seeds;  // UTF-8
  std::string seedsFile;
  bool seedsUtf8 = true;
  std::string output;
  ResultFormat format = ResultFormat::KeywordList;
  long long maxPhrases = 0;
  long long maxSeconds = 0;
  RequestPolicy policy;
  std::string expansion;             // characters each seed is also asked with, after a space
  std::vector<std::string> exclude;  // UTF-8
  int maxDepth = 0;                  // 0: no limit
  std::string sessionFile;           // kept up to date while the run goes
  std::string resumeFile;            // the session this run continues
  std::optional<HarvestSession> resumed;
};

class CliHost : public HarvestHost {
 public:
  explicit CliHost(const HarvestOptions& o) : options_(o) {}

  bool BroadRelevance() const override { return options_.broad; }
  bool MustContain() const override { return options_.mustContain; }
  std::vector<std::string> MemoLines() const override { return options_.seeds; }
  int ExportCount() const override { return 0; }
  RequestPolicy Policy() const override { return options_.policy; }
  std::vector<std::string> ExcludeWords() const override { return options_.exclude; }
  int MaxDepth() const override { return options_.maxDepth; }
  void ShowStatus(const std::string& text) override {
    if (!options_.quiet) WriteLine(stderr, TerminalSafe(text));
  }
  void SetResultCountLabel(const std::string&) override {}
  void SetExportCountLabel(const std::string&) override {}

 private:
  const HarvestOptions& options_;
};

int Usage(const char* why) {
  std::fprintf(stderr, "harvest: %s\n", why);
  return 2;
}

std::string SourceIds() {
  std::string ids;
  for (const Source& source : AllSources())
    ids += (ids.empty() ? "" : ", ") + std::string(source.id);
  return ids;
}

// --sources ID[,ID...]: every id must be known; 0 to go on, otherwise the exit code.
int ReadSources(const std::string& list, HarvestEndpoints& endpoints) {
  endpoints.sources.clear();
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string id = list.substr(start, comma - start);
    if (!FindSource(id))
      return Usage(("unknown source '" + id + "'; the sources are " + SourceIds()).c_str());
    endpoints.sources.push_back(id);
    start = comma + 1;
  }
  return 0;
}

// --host ID=[http://|https://]HOST[:PORT]
int ReadHost(const std::string& value, HarvestEndpoints& endpoints) {
  const std::size_t eq = value.find('=');
  const std::string id = value.substr(0, eq);
  if (eq == std::string::npos || !FindSource(id))
    return Usage("--host needs ID=[http://|https://]HOST[:PORT] with a source ID");
  const std::string base = BaseAddress(value.substr(eq + 1));
  if (base.empty()) return Usage(("--host " + id + " needs [http://|https://]HOST[:PORT]").c_str());
  endpoints.bases[id] = base;
  return 0;
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
    } else if (auto v = OptionValue(args, i, "--lang", missing)) {
      if (*v != "en" && *v != "zh" && !missing) return Usage("--lang is en or zh");
      status::SetLanguage(*v == "en" ? status::Language::English : status::Language::Chinese);
    } else if (auto v = OptionValue(args, i, "--suggest-host", missing)) {
      o.endpoints.suggestHost = *v;
    } else if (auto v = OptionValue(args, i, "--search-host", missing)) {
      o.endpoints.searchHost = *v;
    } else if (auto v = OptionValue(args, i, "--sources", missing)) {
      if (missing) return Usage("missing value for --sources");
      if (int rc = ReadSources(*v, o.endpoints)) return rc;
    } else if (auto v = OptionValue(args, i, "--host", missing)) {
      if (missing) return Usage("missing value for --host");
      if (int rc = ReadHost(*v, o.endpoints)) return rc;
    } else if (auto v = OptionValue(args, i, "--expand", missing)) {
      if (missing) return Usage("missing value for --expand");
      if (*v != "az" && *v != "09") return Usage("--expand is az or 09");
      const std::string add = *v == "az" ? "abcdefghijklmnopqrstuvwxyz" : "0123456789";
      if (o.expansion.find(add) == std::string::npos) o.expansion += add;
    } else if (auto v = OptionValue(args, i, "--exclude", missing)) {
      if (!missing && !v->empty()) o.exclude.push_back(ValidUtf8(*v));
    } else if (auto v = OptionValue(args, i, "--max-depth", missing)) {
      auto n = ParseNumber(*v, 1, PhraseOrigin::kDeepest);
      if (!n && !missing) return Usage("--max-depth needs a positive number");
      o.maxDepth = static_cast<int>(n.value_or(0));
    } else if (auto v = OptionValue(args, i, "--session", missing)) {
      o.sessionFile = *v;
    } else if (auto v = OptionValue(args, i, "--resume", missing)) {
      o.resumeFile = *v;
    } else if (auto v = OptionValue(args, i, "--seeds", missing)) {
      o.seedsFile = *v;
    } else if (auto v = OptionValue(args, i, "--seeds-encoding", missing)) {
      if (*v != "utf8" && *v != "cp936" && !missing)
        return Usage("--seeds-encoding is utf8 or cp936");
      o.seedsUtf8 = *v == "utf8";
    } else if (auto v = OptionValue(args, i, "--output", missing)) {
      o.output = *v;
    } else if (auto v = OptionValue(args, i, "--format", missing)) {
      auto format = ResultFormatByName(*v);
      if (!format && !missing) return Usage(("--format is " + ResultFormatNames()).c_str());
      o.format = format.value_or(o.format);
    } else if (auto v = OptionValue(args, i, "--max-phrases", missing)) {
      auto n = ParseNumber(*v, 1, 1LL << 31);
      if (!n && !missing) return Usage("--max-phrases needs a positive number");
      o.maxPhrases = n.value_or(0);
    } else if (auto v = OptionValue(args, i, "--max-seconds", missing)) {
      auto n = ParseNumber(*v, 1, 1LL << 31);
      if (!n && !missing) return Usage("--max-seconds needs a positive number");
      o.maxSeconds = n.value_or(0);
    } else if (auto v = OptionValue(args, i, "--delay-ms", missing)) {
      auto n = ParseNumber(*v, 0, 3600000);
      if (!n && !missing) return Usage("--delay-ms needs a number of milliseconds");
      o.policy.delay = std::chrono::milliseconds(n.value_or(0));
    } else if (auto v = OptionValue(args, i, "--retries", missing)) {
      auto n = ParseNumber(*v, 0, 100);
      if (!n && !missing) return Usage("--retries needs a number from 0 to 100");
      o.policy.retries = static_cast<int>(n.value_or(0));
    } else if (auto v = OptionValue(args, i, "--backoff-ms", missing)) {
      auto n = ParseNumber(*v, 0, 300000);
      if (!n && !missing) return Usage("--backoff-ms needs a number of milliseconds");
      o.policy.backoff = std::chrono::milliseconds(n.value_or(0));
    } else if (auto v = OptionValue(args, i, "--request-timeout", missing)) {
      auto n = ParseNumber(*v, 1, 86400);
      if (!n && !missing) return Usage("--request-timeout needs a positive number of seconds");
      o.policy.requestTimeout = std::chrono::seconds(n.value_or(1));
    } else if (a == "--") {
      for (++i; i < args.size(); ++i) o.seeds.push_back(ValidUtf8(args[i]));
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else {
      o.seeds.push_back(ValidUtf8(a));
    }
    if (missing) return Usage(("missing value for " + a).c_str());
  }
  if (o.endpoints.suggestHost.empty() || o.endpoints.searchHost.empty())
    return Usage("a host must not be empty");
  if (!o.seedsFile.empty()) {
    SeedsFileResult read = ReadSeedsFile(o.seedsFile, o.seedsUtf8, o.seeds);
    if (read.exitCode != 0) {
      std::fprintf(stderr, "harvest: %s\n", read.error.c_str());
      return read.exitCode;
    }
  }
  return 0;
}

int WriteResults(const HarvestOptions& o, const PhraseList& results) {
  if (o.output.empty()) {
    bool ok = true;
    for (int i = 0; i < results.Count(); ++i)
      ok = WriteLine(stdout, TerminalSafe(results.View(i))) && ok;
    return std::fflush(stdout) == 0 && ok ? 0 : 1;
  }
  std::string error;
  if (!WriteResultFile(o.output, o.format, results.Items(), error, ProvenanceIn(results))) {
    std::fprintf(stderr, "harvest: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

// The summary lines on stderr; returns whether any request was answered (or none made).
bool PrintSummary(const HarvestRun& run, const PhraseList& results) {
  int asked = 0, answered = 0;
  for (const Source* source : run.ChainSources()) {
    const ChainCounts& c = run.Counts(source->id);
    std::fprintf(stderr, "source %s: asked=%d answered=%d failed=%d blocked=%d\n", source->id,
                 c.asked, c.answered, c.failed, c.blocked);
    asked += c.asked;
    answered += c.answered;
  }
  std::fprintf(stderr, "summary: phrases=%d\n", results.Count());
  return asked == 0 || answered > 0;
}

// --resume FILE: the session's seeds and options are the run's; options given on the
// command line (a host, say) take their place. 0 to go on, otherwise the exit code.
int ApplyResumedSession(const std::vector<std::string>& args, HarvestOptions& o) {
  std::string path;
  for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
    bool missing = false;
    if (auto v = OptionValue(args, i, "--resume", missing)) path = *v;
  }
  if (path.empty()) return 0;
  HarvestSession session;
  std::string error;
  if (ReadSessionFile(path, session, error) != SessionReadStatus::Ok) return Usage(error.c_str());
  o.seeds = session.seeds;
  o.broad = session.broad;
  o.mustContain = session.mustContain;
  o.expansion = session.expansion;
  o.exclude = session.exclude;
  o.maxDepth = session.maxDepth;
  o.endpoints = session.endpoints;
  o.resumed = std::move(session);
  return 0;
}

// A file the session is to be kept in must be missing or a session already: anything
// else (a damaged session, a newer version's, another file) is left as it is.
int CheckSessionTarget(const HarvestOptions& o) {
  if (o.sessionFile.empty() || o.sessionFile == o.resumeFile) return 0;
  HarvestSession existing;
  std::string error;
  const SessionReadStatus status = ReadSessionFile(o.sessionFile, existing, error);
  if (status == SessionReadStatus::Ok || status == SessionReadStatus::Missing) return 0;
  return Usage((error + "; it is left as it is").c_str());
}

// Everything a session holds but the result list, as the run stands now.
HarvestSession SessionOf(const HarvestOptions& o, const HarvestRun& run) {
  HarvestSession s;
  s.seeds = o.seeds;
  s.broad = o.broad;
  s.mustContain = o.mustContain;
  s.expansion = o.expansion;
  s.exclude = o.exclude;
  s.maxDepth = o.maxDepth;
  s.endpoints = o.endpoints;
  s.chains = run.Positions();
  s.failed = run.FailedPhrases();
  return s;
}

// The status texts speak the locale's language unless --lang says otherwise.
void UseLocaleLanguage() {
  const char* lang = std::getenv("LANG");
  status::SetLanguage(status::LanguageOfLocale(lang ? lang : ""));
}

int RunHarvest(const std::vector<std::string>& args) {
  UseLocaleLanguage();
  HarvestOptions o;
  if (int rc = ApplyResumedSession(args, o)) return rc;
  const std::size_t resumedSeeds = o.seeds.size();
  if (int rc = ParseArgs(args, o)) return rc;
  if (o.resumed) {
    if (o.seeds.size() != resumedSeeds)
      return Usage("--resume takes the session's seeds; give none");
    if (o.sessionFile.empty()) o.sessionFile = o.resumeFile;
  }
  if (int rc = CheckSessionTarget(o)) return rc;
  bool blank = true;
  for (const std::string& s : o.seeds)
    for (char c : s) blank = blank && static_cast<unsigned char>(c) <= 32;
  if (blank) return Usage("no seed keywords (give SEED... or --seeds FILE)");

  EventLoop loop;
  PhraseList results;
  CliHost host(o);
  HarvestRun run(loop, results, host, o.endpoints);
  run.SetExpansion(o.expansion);
  StopSignals signals;
  std::optional<SessionKeeper> session;
  if (!o.sessionFile.empty()) session.emplace(o.sessionFile);
  auto lastSave = std::chrono::steady_clock::now();

  const auto started = std::chrono::steady_clock::now();
  bool stopPressed = false;
  auto pressStop = [&] {
    if (!stopPressed) run.Stop();
    stopPressed = true;
  };
  if (o.resumed) {
    RestoreResults(*o.resumed, results);
    run.Resume(o.resumed->chains, static_cast<std::int32_t>(o.resumed->seeds.size()),
               o.resumed->failed);
  } else {
    run.Query();
  }
  bool interrupted = false;
  while (true) {
    loop.runOnce(50ms);
    if (session && std::chrono::steady_clock::now() - lastSave >= kSessionPeriod) {
      session->SaveInBackground(SessionOf(o, run), results.Share());
      lastSave = std::chrono::steady_clock::now();
    }
    // A second signal: the requests in flight are cancelled when `run` goes out of scope.
    if (signals.Received() >= 2) {
      interrupted = true;
      break;
    }
    if (signals.Received() == 1) pressStop();
    if (o.maxPhrases > 0 && results.Count() >= o.maxPhrases) pressStop();
    if (o.maxSeconds > 0 &&
        std::chrono::steady_clock::now() - started >= std::chrono::seconds(o.maxSeconds))
      pressStop();
    // The run ends on its own, or once the stop has completed; nothing waits beyond that.
    if (!run.Running() && !run.StopPending() && run.OutstandingRequests() == 0) break;
  }
  if (interrupted && !o.quiet)
    std::fprintf(stderr, "harvest: interrupted; the requests in flight are cancelled\n");
  const bool answered = PrintSummary(run, results);
  int rc = WriteResults(o, results);
  if (session) {
    std::string error;
    if (!session->SaveNow(SessionOf(o, run), results.Share(), error)) {
      std::fprintf(stderr, "harvest: %s\n", error.c_str());
      rc = rc ? rc : 1;
    }
  }
  if (rc) return rc;
  if (interrupted) return kInterruptedExit;
  return answered ? 0 : kNothingAnsweredExit;
}

}  // namespace
}  // namespace longtail::cli

LONGTAIL_CLI_COMMAND(
    harvest, "harvest",
    "harvest [--broad|--no-broad] [--must-contain] [--suggest-host H[:P]] "
    "[--search-host H[:P]] [--sources ID[,ID...]] [--host ID=URL] [--expand az|09] "
    "[--exclude WORD] [--max-depth N] [--session FILE] [--resume FILE] [--seeds FILE] "
    "[--seeds-encoding utf8|cp936] "
    "[--output FILE] [--format F] [--max-phrases N] [--max-seconds S] [--delay-ms N] "
    "[--retries N] [--backoff-ms B] [--request-timeout S] [--lang en|zh] [--quiet] [SEED...]",
    longtail::cli::RunHarvest,
    "Asks the sources about the seeds and every phrase their answers name, and\n"
    "lists what they find.\n\n"
    "  --sources ID[,ID...]     the sources to ask, one chain each (default\n"
    "                           soso,baidu-related; longtail-cli sources lists them)\n"
    "  --host ID=[http://|https://]HOST[:PORT]\n"
    "                           ask source ID there (no scheme: plain http)\n"
    "  --broad, --no-broad      also ask the related-search sources (default: --broad)\n"
    "  --expand az|09           also ask each seed followed by a space and each letter\n"
    "                           a-z (or digit 0-9); those queries are asked, not listed\n"
    "  --must-contain           keep only phrases holding a seed\n"
    "  --exclude WORD           drop candidates holding WORD (ASCII case ignored;\n"
    "                           repeatable)\n"
    "  --max-depth N            list phrases found at depth N but ask nothing about\n"
    "                           them (seeds are depth 0)\n"
    "  --suggest-host H[:P]     host of the soso source\n"
    "  --search-host H[:P]      host of the baidu-related source\n"
    "  --session FILE           keep a resumable session in FILE (rewritten every few\n"
    "                           seconds and at the end; a file that is not a session\n"
    "                           is refused, exit 2)\n"
    "  --resume FILE            continue the session in FILE with its seeds and\n"
    "                           options, asking only what it has not asked; the\n"
    "                           session is kept there unless --session says otherwise\n"
    "  --seeds FILE             more seeds, one a line (LF, CR LF or CR)\n"
    "  --seeds-encoding E       utf8 (default) or cp936\n"
    "  --output FILE            write the list there, replacing the file only once\n"
    "                           the list is complete; without it the phrases go to\n"
    "                           stdout in UTF-8, one a line\n"
    "  --format F               the --output file's format: txt (default: code page\n"
    "                           936, CR LF), utf8 (LF), utf8-bom (BOM, CR LF), csv\n"
    "                           (phrase,source,parent,depth) or jsonl\n"
    "  --max-phrases N          press Stop once N phrases are listed\n"
    "  --max-seconds S          press Stop after S seconds\n"
    "  --delay-ms N             least time between two requests to one source,\n"
    "                           each wait drawn from N to 1.5 N (default 1000,\n"
    "                           none for a service on this machine)\n"
    "  --retries N              ask a failed request again N times (default 2)\n"
    "  --backoff-ms B           wait before the first retry, doubling (default 1000);\n"
    "                           a service's Retry-After is waited out up to 300 s\n"
    "  --request-timeout S      end any single request after S seconds (default 60)\n"
    "  --lang en|zh             the status texts' language (default: LANG's, and\n"
    "                           Chinese when LANG names none)\n"
    "  --quiet                  no status texts on stderr\n\n"
    "SIGINT, SIGTERM and SIGHUP press Stop; a second one cancels the requests in\n"
    "flight, writes what was found and exits 130. At the end stderr carries one line\n"
    "per source (asked, answered, failed, blocked) and the number of phrases.\n"
    "Exit codes: 0 done, 1 I/O error, 2 usage error, 3 no request was answered,\n"
    "130 interrupted.\n");
