#include "net/request_url.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>

namespace longtail {
namespace {

struct UrlDeleter {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
struct CurlStringDeleter {
  void operator()(char* s) const { curl_free(s); }
};
using CurlString = std::unique_ptr<char, CurlStringDeleter>;

CurlString GetPart(CURLU* url, CURLUPart part) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, 0) != CURLUE_OK) return nullptr;
  return CurlString(text);
}

// "scheme://" at the start: a letter, then letters, digits, "+", "-" or ".".
bool HasScheme(std::string_view address) {
  const std::size_t end = address.find("://");
  if (end == std::string_view::npos || end == 0 ||
      !std::isalpha(static_cast<unsigned char>(address[0])))
    return false;
  for (char c : address.substr(0, end))
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      return false;
  return true;
}

}  // namespace

bool IsDownloadScheme(std::string_view scheme) {
  return scheme == "http" || scheme == "https";
}

RequestUrl NormalizeRequestUrl(std::string_view address) {
  RequestUrl result;
  if (address.empty()) {
    result.error = "empty address";
    return result;
  }
  // The parser takes a C string: an embedded NUL would silently shorten the address.
  if (address.find('\0') != std::string_view::npos) {
    result.error = "address holds a NUL byte";
    return result;
  }
  std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
  if (!url) {
    result.error = "out of memory";
    return result;
  }
  // The library's own default scheme is https; an address without one is plain http here.
  const std::string text = (HasScheme(address) ? "" : "http://") + std::string(address);
  CURLUcode rc = curl_url_set(url.get(), CURLUPART_URL, text.c_str(), CURLU_NON_SUPPORT_SCHEME);
  if (rc != CURLUE_OK) {
    result.error = curl_url_strerror(rc);
    return result;
  }
  CurlString scheme = GetPart(url.get(), CURLUPART_SCHEME);
  if (!scheme || !IsDownloadScheme(scheme.get())) {
    result.error = "unsupported scheme " + std::string(scheme ? scheme.get() : "");
    return result;
  }
  CurlString host = GetPart(url.get(), CURLUPART_HOST);
  if (!host || !*host) {
    result.error = "no host";
    return result;
  }
  CurlString full = GetPart(url.get(), CURLUPART_URL);
  if (!full) {
    result.error = "cannot rebuild the address";
    return result;
  }
  result.url = full.get();
  return result;
}

}  // namespace longtail
