// Whole harvest runs over real HTTP against the demo services on 127.0.0.1.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "harvest/demo/demo_service.h"
#include "harvest/fake_host.h"
#include "harvest/harvest_run.h"
#include "net/event_loop.h"
#include "text/ascii_case.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using testing::FakeHost;

struct Harness {
  explicit Harness(demo::DemoOptions options) : service(options) {
    EXPECT_TRUE(service.ok()) << service.error();
    host.policy.backoff = 1ms;  // pages without a related block are retried
    run.SetEndpoints({service.hostPort(), service.hostPort()});
    stopCheck = loop.createTimer([this] {
      if (run.StopPending()) run.CheckStopComplete();
    });
    stopCheck->start(20ms);
  }
  // Runs until the run is over and nothing is in flight; checks that answered requests
  // are released as they go.
  bool RunToEnd(std::chrono::seconds timeout, const std::function<void()>& each = {}) {
    return loop.runUntil(
        [&] {
          maxLive = std::max(maxLive, run.LiveRequestObjects());
          if (each) each();
          return !run.Running() && run.OutstandingRequests() == 0 && !run.StopPending();
        },
        timeout);
  }
  std::vector<std::string> Seeds(std::initializer_list<const char*> seeds) {
    host.memo.clear();
    for (const char* s : seeds) host.memo.push_back(s);
    return host.memo;
  }

  demo::DemoService service;
  EventLoop loop;
  PhraseList results;
  FakeHost host;
  HarvestRun run{loop, results, host};
  std::size_t maxLive = 0;
  std::unique_ptr<PeriodicTimer> stopCheck;  // sooner than the run's own 500 ms check
};

void ExpectNoDuplicates(const PhraseList& list) {
  std::set<std::string> seen;
  for (const std::string& s : list.Items())
    EXPECT_TRUE(seen.insert(LowerAsciiLetters(s)).second) << s;
}

TEST(HarvestIntegration, SuggestionOnlyRunAsksEveryPhraseOnceAndEnds) {
  Harness h({.graphSize = 1500});
  h.host.broad = false;
  h.Seeds({"手机"});
  h.run.Query();
  ASSERT_TRUE(h.RunToEnd(60s));
  EXPECT_EQ(h.host.LastStatus(), "查询完毕，这个词再也查不了了！");
  EXPECT_EQ(h.results.Item(0), "手机");
  EXPECT_GT(h.results.Count(), 1000);
  EXPECT_EQ(h.run.SuggestAnswered(), h.results.Count());
  EXPECT_EQ(h.run.SuggestPos(), h.results.Count());
  EXPECT_EQ(h.run.RelatedPos(), 0);
  EXPECT_EQ(h.service.requestsServed(), static_cast<std::size_t>(h.results.Count()));
  ExpectNoDuplicates(h.results);
  for (const std::string& s : h.results.Items()) EXPECT_GE(h.service.graph().Find(s), 0) << s;
  EXPECT_EQ(h.maxLive, 1u);  // one reused download, however long the run
}

TEST(HarvestIntegration, BroadRunAsksBothServices) {
  Harness h({.graphSize = 800});
  h.host.broad = true;
  h.Seeds({"qq", "音乐"});
  h.run.Query();
  ASSERT_TRUE(h.RunToEnd(60s));  // ends on its own once both chains have asked everything
  EXPECT_EQ(h.host.LastStatus().rfind("查询完毕，这个词再也查不了了！", 0), 0u);
  EXPECT_EQ(h.run.RelatedPos(), h.results.Count());
  EXPECT_EQ(h.run.SuggestPos(), h.results.Count());
  // Pages without a related block fail; each phrase is finished once all the same.
  EXPECT_EQ(h.run.RelatedAnswered(), h.run.RelatedPos());
  EXPECT_GT(h.run.Counts(RequestKind::Related).failed, 0);
  ExpectNoDuplicates(h.results);
  // One download per chain, reused, however the handlers nest.
  EXPECT_EQ(h.maxLive, 2u);
}

TEST(HarvestIntegration, MustContainAdmitsOnlyPhrasesWithASeed) {
  Harness h({.graphSize = 3000});
  h.host.broad = true;
  h.host.mustContain = true;
  h.Seeds({"qq", "手机"});
  h.run.Query();
  ASSERT_TRUE(h.RunToEnd(60s));
  EXPECT_GT(h.results.Count(), 20);
  for (int i = 2; i < h.results.Count(); ++i) {
    const std::string& s = h.results.Item(i);
    EXPECT_TRUE(ContainsAtCharBoundary(s, "qq") || ContainsAtCharBoundary(s, "手机")) << s;
  }
}

TEST(HarvestIntegration, StopLetsTheRequestsInFlightFinish) {
  Harness h({.graphSize = 3000, .delay = 5ms});
  h.host.broad = true;
  h.Seeds({"电脑"});
  h.run.Query();
  h.loop.runUntil([&] { return h.results.Count() >= 40; }, 30s);
  h.run.Stop();
  int countAtStop = h.results.Count();
  ASSERT_TRUE(h.RunToEnd(30s));
  // Pages without a related block may have failed meanwhile.
  EXPECT_EQ(h.host.LastStatus().rfind("手动停止查询完毕", 0), 0u);
  EXPECT_EQ(h.run.SuggestAnswered(), h.run.SuggestPos());
  EXPECT_LE(h.run.SuggestPos() + h.run.RelatedPos(), countAtStop * 2 + 2);
  std::size_t served = h.service.requestsServed();
  h.loop.runUntil([] { return false; }, 100ms);
  EXPECT_EQ(h.service.requestsServed(), served);  // nothing asked after the stop
}

TEST(HarvestIntegration, DroppedAndEmptyAnswersCountAndTheRunStillEnds) {
  Harness h({.graphSize = 400, .failEvery = 3, .emptyEvery = 5});
  h.host.broad = false;
  h.Seeds({"游戏"});
  h.run.Query();
  ASSERT_TRUE(h.RunToEnd(60s));
  EXPECT_EQ(h.host.LastStatus().rfind("查询完毕，这个词再也查不了了！（", 0), 0u);
  EXPECT_EQ(h.run.SuggestAnswered(), h.results.Count());
  EXPECT_GT(h.run.Counts(RequestKind::Suggest).failed, 0);
  EXPECT_GT(h.results.Count(), 20);
}

}  // namespace
}  // namespace longtail
