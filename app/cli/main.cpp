// longtail-cli: the Qt-free command-line front end. Each sub-command registers itself
// (command_registry.h); this file only picks one by name and runs it.

#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/command_registry.h"

namespace longtail::cli {

std::vector<CliCommand>& Commands() {
  static std::vector<CliCommand> commands;
  return commands;
}

namespace {

void PrintUsage(std::FILE* to) {
  std::fprintf(to, "usage: longtail-cli COMMAND [ARGS...]\n\ncommands:\n");
  for (const CliCommand& c : Commands()) std::fprintf(to, "  %s\n", c.usage.c_str());
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
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
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
    std::fprintf(stderr, "longtail-cli: unknown command '%s'\n", args[0].c_str());
    PrintUsage(stderr);
    return 2;
  }
  return best->run(std::vector<std::string>(args.begin() + bestWords, args.end()));
}
