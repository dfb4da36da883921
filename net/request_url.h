#pragma once
// Checks and normalises a download address with libcurl's URL parser, so schemes, ports
// and IPv6 literals ("http://[::1]:8080/") are read exactly as the library connects. An
// address without a scheme is plain http; only http and https are accepted.

#include <string>
#include <string_view>

namespace longtail {

struct RequestUrl {
  std::string url;    // normalised ("HTTP://Host" becomes "http://Host/"); empty on error
  std::string error;  // why the address was refused; empty when it is fine
  bool ok() const { return error.empty(); }
};

RequestUrl NormalizeRequestUrl(std::string_view address);

// True for the schemes a download may use, first or after a redirect.
bool IsDownloadScheme(std::string_view scheme);

}  // namespace longtail
