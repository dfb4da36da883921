#pragma once
// How a harvest request ended: answered (its phrases count), failed (retried, then the
// chain moves on) or blocked (the service wants a human check or fewer requests: the
// chain pauses and asks the same phrase again). Neither failed nor blocked admits phrases.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace longtail {

enum class RequestOutcome { Answered, Failed, Blocked };

// Why a request did not count.
enum class OutcomeReason {
  None,
  Verification,  // a human check: verification or captcha page
  TooMany,       // 429
  Forbidden,     // 403
  Unavailable,   // 503
  HttpStatus,    // any other status outside 2xx
  Connection,    // no connection, or the transfer broke down
  TimedOut,      // the deadline passed, or the answer dripped in too slowly
  TooLarge,      // the body was over the size cap
  CutShort,      // the body ended before all of it arrived
  EmptyBody,     // the answer had no body
  Cancelled,     // cancelled after Stop
  WrongShape,    // a body the source's parser does not recognise
};

// What the transport reported about one request.
struct ResponseFacts {
  bool completed = false;  // a whole, non-empty body arrived
  long status = 0;         // HTTP status of the last answer; 0 when none came
  std::string finalUrl;    // address of the last answer, after redirects
  std::optional<std::int64_t> retryAfterSeconds;
  OutcomeReason trouble = OutcomeReason::Connection;  // why it did not complete
};

struct OutcomeVerdict {
  RequestOutcome outcome = RequestOutcome::Answered;
  OutcomeReason reason = OutcomeReason::None;
};

// Judges the transport's facts before the body is parsed: a blocking status or a redirect
// to a human-check page is blocked, any other status outside 2xx or an incomplete body is
// failed, else the body still has to pass its parser (nullopt).
std::optional<OutcomeVerdict> JudgeTransport(const ResponseFacts& facts);

// Judges a 2xx body its parser refused: a verification page is blocked, anything else is
// the wrong shape.
OutcomeVerdict JudgeRefusedBody(std::string_view body);

// True when the body reads like a page asking for a human check. The markers are matched
// in UTF-8 and code page 936, ASCII letters in any case.
bool LooksLikeVerificationPage(std::string_view body);

// True when the address leads to a verification or captcha page.
bool IsVerificationAddress(std::string_view url);

// A short text for the status panel, UTF-8 ("要求验证", "连接失败", ...).
std::string OutcomeReasonText(OutcomeReason reason);

}  // namespace longtail
