#include "app/cli/cli_args.h"

#include <charconv>

namespace longtail::cli {

std::optional<long long> ParseNumber(const std::string& text, long long min, long long max) {
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name, bool& missing) {
  const std::string& a = args[i];
  if (a == name) {
    if (i + 1 >= args.size()) {
      missing = true;
      return std::string();
    }
    return args[++i];
  }
  if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=')
    return a.substr(name.size() + 1);
  return std::nullopt;
}

}  // namespace longtail::cli
