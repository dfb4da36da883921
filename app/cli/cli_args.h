#pragma once
// Small helpers shared by the longtail-cli commands of the harvest engine.

#include <optional>
#include <string>
#include <vector>

namespace longtail::cli {

// Reads a whole decimal number in [min, max]; nullopt otherwise.
std::optional<long long> ParseNumber(const std::string& text, long long min, long long max);

// Takes the value of an option at args[i] ("--name VALUE" or "--name=VALUE"). Returns
// nullopt when args[i] is not that option; sets `missing` when the value is absent.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name, bool& missing);

}  // namespace longtail::cli
