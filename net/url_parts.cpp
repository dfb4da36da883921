#include "net/url_parts.h"

#include <charconv>
#include <cstdint>

namespace longtail {
namespace {

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

HttpUrlParts SplitHttpUrl(std::string_view url) {
  HttpUrlParts parts;
  if (StartsWithNoCase(url, "http://")) url.remove_prefix(7);
  std::size_t slash = url.find('/');
  std::string_view host = url.substr(0, slash);
  parts.path = slash == std::string_view::npos ? std::string("/") : std::string(url.substr(slash));
  std::size_t colon = host.find(':');
  if (colon != std::string_view::npos) {
    std::string_view portText = host.substr(colon + 1);
    host = host.substr(0, colon);
    std::string_view digits = portText;
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    bool valid = !digits.empty() && ec == std::errc() && end == digits.data() + digits.size();
    if (valid && value != 0) {
      parts.port = value;
      parts.portInRange = value >= 1 && value <= 65535;
    }
  }
  parts.host = std::string(host);
  return parts;
}

}  // namespace longtail
