#include "net/retry_after.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace longtail {

std::optional<std::int64_t> ParseRetryAfter(std::string_view value, std::time_t now) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r' ||
                            value.back() == '\n'))
    value.remove_suffix(1);
  if (value.empty()) return std::nullopt;
  if (value.front() >= '0' && value.front() <= '9') {
    std::int64_t seconds = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (end != value.data() + value.size()) return std::nullopt;
    // An absurdly long number is a very long wait, not an error.
    if (ec == std::errc::result_out_of_range) return INT64_MAX;
    if (ec != std::errc()) return std::nullopt;
    return seconds;
  }
  const std::string text(value);
  const std::time_t when = curl_getdate(text.c_str(), nullptr);
  if (when == -1) return std::nullopt;
  return std::max<std::int64_t>(0, static_cast<std::int64_t>(when) - now);
}

}  // namespace longtail
