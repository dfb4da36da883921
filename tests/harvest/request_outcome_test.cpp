#include "harvest/request_outcome.h"

#include <gtest/gtest.h>

#include "text/cp936.h"

namespace longtail {
namespace {

ResponseFacts Facts(long status, bool completed = true, std::string finalUrl = {}) {
  ResponseFacts f;
  f.status = status;
  f.completed = completed;
  f.finalUrl = std::move(finalUrl);
  return f;
}

TEST(RequestOutcome, StatusAndAddressDecideBeforeTheBody) {
  for (long status : {429L, 403L, 503L}) {
    auto v = JudgeTransport(Facts(status, false));
    ASSERT_TRUE(v) << status;
    EXPECT_EQ(v->outcome, RequestOutcome::Blocked) << status;
  }
  auto redirected = JudgeTransport(Facts(200, true, "https://w.test/verify?from=s"));
  ASSERT_TRUE(redirected);
  EXPECT_EQ(redirected->reason, OutcomeReason::Verification);
  for (const ResponseFacts& f : {Facts(404), Facts(500), Facts(301), Facts(200, false)}) {
    auto v = JudgeTransport(f);
    ASSERT_TRUE(v) << f.status;
    EXPECT_EQ(v->outcome, RequestOutcome::Failed) << f.status;
  }
  EXPECT_FALSE(JudgeTransport(Facts(200)));
  EXPECT_FALSE(JudgeTransport(Facts(204, true, "http://verify.test/s?wd=a")));  // host only
}

TEST(RequestOutcome, RefusedBodyIsBlockedOnlyWhenItAsksForAHumanCheck) {
  EXPECT_EQ(JudgeRefusedBody("<html>Please solve the CAPTCHA</html>").outcome,
            RequestOutcome::Blocked);
  EXPECT_EQ(JudgeRefusedBody("<title>百度安全验证</title>").outcome, RequestOutcome::Blocked);
  EXPECT_EQ(JudgeRefusedBody(Utf8ToCp936("请输入验证码")).outcome, RequestOutcome::Blocked);
  OutcomeVerdict plain = JudgeRefusedBody("<html>Not Found</html>");
  EXPECT_EQ(plain.outcome, RequestOutcome::Failed);
  EXPECT_EQ(plain.reason, OutcomeReason::WrongShape);
}

}  // namespace
}  // namespace longtail
