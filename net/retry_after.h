#pragma once
// Reads a Retry-After header value: a number of seconds, or an HTTP date (then the
// seconds from `now` until it, never negative).

#include <cstdint>
#include <ctime>
#include <optional>
#include <string_view>

namespace longtail {

std::optional<std::int64_t> ParseRetryAfter(std::string_view value, std::time_t now);

}  // namespace longtail
