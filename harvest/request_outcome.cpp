#include "harvest/request_outcome.h"

#include <array>

#include "harvest/status_texts.h"
#include "text/ascii_case.h"
#include "text/cp936.h"

namespace longtail {
namespace {

// Words of the human-check pages of the common engines. Add new ones here.
constexpr std::array<std::string_view, 8> kVerificationMarkers = {
    "安全验证",        "验证码",          "人机验证",   "captcha",
    "unusual traffic", "are not a robot", "请输入验证", "访问异常",
};

// Path words of the addresses such pages live at.
constexpr std::array<std::string_view, 4> kVerificationPathWords = {"verify", "captcha",
                                                                    "antispider", "sorry/index"};

bool ContainsIgnoringAsciiCase(std::string_view haystack, std::string_view needle) {
  return LowerAsciiLetters(haystack).find(LowerAsciiLetters(needle)) != std::string::npos;
}

}  // namespace

bool LooksLikeVerificationPage(std::string_view body) {
  const std::string lowered = LowerAsciiLetters(body);
  for (std::string_view marker : kVerificationMarkers) {
    const std::string utf8 = LowerAsciiLetters(marker);
    if (lowered.find(utf8) != std::string::npos) return true;
    const std::string cp936 = Utf8ToCp936(utf8);
    if (cp936 != utf8 && lowered.find(cp936) != std::string::npos) return true;
  }
  return false;
}

bool IsVerificationAddress(std::string_view url) {
  // Only the path and query matter: a host name may hold such a word innocently.
  std::size_t scheme = url.find("://");
  std::size_t path = url.find('/', scheme == std::string_view::npos ? 0 : scheme + 3);
  if (path == std::string_view::npos) return false;
  std::string_view rest = url.substr(path);
  for (std::string_view word : kVerificationPathWords)
    if (ContainsIgnoringAsciiCase(rest, word)) return true;
  return false;
}

std::optional<OutcomeVerdict> JudgeTransport(const ResponseFacts& facts) {
  using R = OutcomeReason;
  switch (facts.status) {
    case 429:
      return OutcomeVerdict{RequestOutcome::Blocked, R::TooMany};
    case 403:
      return OutcomeVerdict{RequestOutcome::Blocked, R::Forbidden};
    case 503:
      return OutcomeVerdict{RequestOutcome::Blocked, R::Unavailable};
    default:
      break;
  }
  if (!facts.finalUrl.empty() && IsVerificationAddress(facts.finalUrl))
    return OutcomeVerdict{RequestOutcome::Blocked, R::Verification};
  if (!facts.completed) return OutcomeVerdict{RequestOutcome::Failed, facts.trouble};
  if (facts.status < 200 || facts.status > 299)
    return OutcomeVerdict{RequestOutcome::Failed, R::HttpStatus};
  return std::nullopt;
}

OutcomeVerdict JudgeRefusedBody(std::string_view body) {
  if (LooksLikeVerificationPage(body))
    return {RequestOutcome::Blocked, OutcomeReason::Verification};
  return {RequestOutcome::Failed, OutcomeReason::WrongShape};
}

namespace {

// The reasons of the English status texts.
std::string EnglishReasonText(OutcomeReason reason) {
  switch (reason) {
    case OutcomeReason::None:
      return "";
    case OutcomeReason::Verification:
      return "verification asked";
    case OutcomeReason::TooMany:
      return "too many requests";
    case OutcomeReason::Forbidden:
      return "access denied";
    case OutcomeReason::Unavailable:
      return "service unavailable";
    case OutcomeReason::HttpStatus:
      return "service error";
    case OutcomeReason::Connection:
      return "no connection";
    case OutcomeReason::TimedOut:
      return "timed out";
    case OutcomeReason::TooLarge:
      return "answer too large";
    case OutcomeReason::CutShort:
      return "answer cut short";
    case OutcomeReason::EmptyBody:
      return "empty answer";
    case OutcomeReason::Cancelled:
      return "cancelled";
    case OutcomeReason::WrongShape:
      return "answer not understood";
  }
  return "";
}

}  // namespace

std::string OutcomeReasonText(OutcomeReason reason) {
  if (status::CurrentLanguage() == status::Language::English) return EnglishReasonText(reason);
  switch (reason) {
    case OutcomeReason::None:
      return "";
    case OutcomeReason::Verification:
      return "要求验证";
    case OutcomeReason::TooMany:
      return "请求过多";
    case OutcomeReason::Forbidden:
      return "拒绝访问";
    case OutcomeReason::Unavailable:
      return "服务暂不可用";
    case OutcomeReason::HttpStatus:
      return "服务返回错误";
    case OutcomeReason::Connection:
      return "连接失败";
    case OutcomeReason::TimedOut:
      return "超时";
    case OutcomeReason::TooLarge:
      return "返回内容过大";
    case OutcomeReason::CutShort:
      return "返回内容不完整";
    case OutcomeReason::EmptyBody:
      return "返回内容为空";
    case OutcomeReason::Cancelled:
      return "已取消";
    case OutcomeReason::WrongShape:
      return "返回内容无法识别";
  }
  return "";
}

}  // namespace longtail
