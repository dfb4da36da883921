#pragma once
// longtail-cli sub-commands register themselves here, so each command lives in a file of
// its own and main() only dispatches. A command's name may be one word ("harvest") or two
// ("skin pack"); the longest registered name matching the first arguments wins.

#include <string>
#include <vector>

namespace longtail::cli {

// Receives the arguments after the command name. Returns the process exit code
// (0 success, 1 I/O or data errors, 2 usage errors). "--help" never reaches a command:
// main() answers it from the registration.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct CliCommand {
  std::string name;
  std::string usage;  // one line, shown by "longtail-cli --help"
  CommandFn run = nullptr;
  std::string details;  // what "longtail-cli NAME --help" adds below the usage line
};

std::vector<CliCommand>& Commands();

struct CommandRegistrar {
  CommandRegistrar(std::string name, std::string usage, CommandFn run, std::string details = "") {
    Commands().push_back({std::move(name), std::move(usage), run, std::move(details)});
  }
};

}  // namespace longtail::cli

// Defines a static registrar for a command in the including .cpp file; an optional last
// argument is the command's help text.
#define LONGTAIL_CLI_COMMAND(id, name, usage, ...)                                        \
  static const ::longtail::cli::CommandRegistrar longtail_cli_registrar_##id(name, usage, \
                                                                             __VA_ARGS__)
