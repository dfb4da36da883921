#pragma once
// What one download ended with: the transport's facts, for the caller to judge. The
// component reports how the transfer went (status, final address, Retry-After, a body cut
// short, why it failed); whether an answer counts is for the caller to decide.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace longtail {

enum class DownloadFailure {
  None,       // the transfer completed
  BadUrl,     // not an http or https address the library accepts
  Connect,    // no connection (refused, unreachable, name not resolved, lost before a reply)
  Tls,        // the TLS handshake or the certificate check failed
  Timeout,    // the deadline passed, or the answer came slower than the speed floor
  TooLarge,   // the body is larger than the cap
  CutShort,   // the connection ended before the whole body arrived
  Redirect,   // too many redirects, or one to a scheme other than http or https
  BadAnswer,  // not a well-formed HTTP answer (e.g. a malformed Content-Length)
  EmptyBody,  // the transfer completed with no body at all
  Cancelled,  // cancelled by the caller
  Other,      // anything else the library or the system reported
};

// A short English name for logs and status texts ("timeout", "too large", ...).
std::string_view DownloadFailureName(DownloadFailure failure);

// Bodies larger than this are refused: the download fails and holds no more than this.
inline constexpr std::size_t kMaxBodyBytes = 8u * 1024 * 1024;
inline constexpr std::chrono::milliseconds kDefaultRequestTimeout = std::chrono::seconds(60);

struct DownloadResult {
  DownloadFailure failure = DownloadFailure::None;
  std::string reason;    // why it failed, in the library's words; empty on success
  long status = 0;       // HTTP status of the last answer; 0 when none came
  std::string finalUrl;  // the address of the last answer, after redirects
  std::optional<std::int64_t> retryAfterSeconds;  // when the last answer carried Retry-After
  bool truncated = false;          // the body is shorter than the server announced or meant
  std::int64_t bytesReceived = 0;  // body bytes that arrived, including discarded ones
  std::string body;                // empty when the body was refused as too large

  bool completed() const { return failure == DownloadFailure::None; }
};

}  // namespace longtail
