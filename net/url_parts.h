#pragma once
// Splits a download address into host, port and path the way the download component
// connects: "http://" (any case) is optional, the path starts at the first "/", and a
// port follows the first ":" of the host part.

#include <string>
#include <string_view>

namespace longtail {

struct HttpUrlParts {
  std::string host;
  int port = 80;            // 80 when absent, not a number, or 0
  std::string path;         // "/" when the address has none
  bool portInRange = true;  // false for a number outside 1..65535: nothing can connect there
};

HttpUrlParts SplitHttpUrl(std::string_view url);

}  // namespace longtail
