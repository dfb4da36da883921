#pragma once

#include <string>
#include <string_view>

namespace longtail {

// Percent-encodes a phrase's bytes for a URL query value: letters, digits, "-", "." and
// "_" pass, the space becomes "+", every other byte "%" and two upper-case hex digits.
std::string UrlEncode(std::string_view bytes);

}  // namespace longtail
