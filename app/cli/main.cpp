// longtail-cli: the Qt-free command-line front end. Each sub-command registers itself
// (command_registry.h); this file picks one by name and runs it, and answers --help for
// all of them.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/command_registry.h"
#include "app/version.h"

namespace longtail::cli {

std::vector<CliCommand>& Commands() {
  static std::vector<CliCommand> commands;
  return commands;
}

namespace {

void PrintUsage(std::FILE* to, const std::string& prefix = "") {
  std::fprintf(to, "usage: longtail-cli COMMAND [ARGS...]\n\ncommands:\n");
  for (const CliCommand& c : Commands())
    if (c.name.compare(0, prefix.size(), prefix) == 0) std::fprintf(to, "  %s\n", c.usage.c_str());
  if (prefix.empty()) std::fprintf(to, "\nlongtail-cli COMMAND --help describes a command.\n");
}

void PrintCommandHelp(const CliCommand& c) {
  std::printf("usage: longtail-cli %s\n", c.usage.c_str());
  if (!c.details.empty()) std::printf("\n%s", c.details.c_str());
}

bool IsGroup(const std::string& word) {
  for (const CliCommand& c : Commands())
    if (c.name.compare(0, word.size() + 1, word + " ") == 0) return true;
  return false;
}

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

// Whether the command's own arguments ask for help (arguments after "--" are data).
bool AsksForHelp(const std::vector<std::string>& args, std::size_t from) {
  for (std::size_t i = from; i < args.size() && args[i] != "--"; ++i)
    if (IsHelp(args[i])) return true;
  return false;
}

// Number of leading arguments that spell the command's name, or 0 when they don't.
std::size_t MatchWords(const std::string& name, const std::vector<std::string>& args) {
  std::size_t words = 0, pos = 0;
  while (pos <= name.size()) {
    std::size_t end = name.find(' ', pos);
    if (end == std::string::npos) end = name.size();
    if (words >= args.size() || args[words] != name.substr(pos, end - pos)) return 0;
    ++words;
    pos = end + 1;
  }
  return words;
}

}  // namespace
}  // namespace longtail::cli

int main(int argc, char** argv) {
  using namespace longtail::cli;
  // Writing past a file-size limit then fails with an error the commands report, instead
  // of killing the process before it can say why.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || IsHelp(args[0])) {
    PrintUsage(args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    std::printf("longtail-cli %s\n", LONGTAIL_VERSION);
    return 0;
  }
  const CliCommand* best = nullptr;
  std::size_t bestWords = 0;
  for (const CliCommand& c : Commands()) {
    std::size_t words = MatchWords(c.name, args);
    if (words > bestWords) {
      best = &c;
      bestWords = words;
    }
  }
  if (!best) {
    // "skin --help" lists the commands of that group.
    if (IsGroup(args[0]) && AsksForHelp(args, 1)) {
      PrintUsage(stdout, args[0] + " ");
      return 0;
    }
    std::fprintf(stderr, "longtail-cli: unknown command '%s'\n", args[0].c_str());
    PrintUsage(stderr);
    return 2;
  }
  if (AsksForHelp(args, bestWords)) {
    PrintCommandHelp(*best);
    return 0;
  }
  return best->run(std::vector<std::string>(args.begin() + bestWords, args.end()));
}
