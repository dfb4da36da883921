// Harvest runs against loopback services that misbehave the way real ones do.

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "harvest/fake_host.h"
#include "harvest/harvest_run.h"
#include "harvest/test_text.h"
#include "net/event_loop.h"
#include "net/loopback_http_server.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::FakeHost;

HttpResponse Response(int status, std::string body) {
  HttpResponse r;
  r.status = status;
  r.reason = status == 200 ? "OK" : "Refused";
  r.body = std::move(body);
  return r;
}

struct HostileHarness {
  explicit HostileHarness(LoopbackHttpServer::Handler handler) : server(std::move(handler)) {
    EXPECT_TRUE(server.ok()) << server.error();
    host.memo = {"a"};
    host.policy.retries = 0;
    host.policy.backoff = 10ms;
    run.SetEndpoints({server.hostPort(), server.hostPort()});
  }
  // Runs until the run ends, or presses Stop once `stopWhen` holds, and waits the stop out.
  bool RunToEnd(const std::function<bool()>& stopWhen = {}) {
    run.Query();
    return loop.runUntil(
        [&] {
          if (stopWhen && run.Proceed() && stopWhen()) run.Stop();
          return !run.Running() && !run.StopPending();
        },
        30s);
  }
  std::vector<std::string> List() const { return results.Items(); }

  LoopbackHttpServer server;
  EventLoop loop;
  PhraseList results;
  FakeHost host;
  HarvestRun run{loop, results, host};
};

TEST(HostileService, FailedAndBlockedAnswersAdmitNothing) {
  struct Case {
    const char* name;
    HttpResponse response;
    bool blocked;
  };
  HttpResponse tooMany = Response(429, "<html>x, y: 请输入验证码</html>");
  tooMany.headers.emplace_back("Retry-After", "1");
  const std::string list = "[\"x\",\"y\"]";  // would admit "x" and "y" if it counted
  HttpResponse cutOff = Response(200, list + std::string(4000, ' ') + "]");
  cutOff.cutAfter = 2000;
  for (const Case& c :
       {Case{"404 page", Response(404, "<html>Not Found, x, y</html>"), false},
        Case{"404 list", Response(404, list), false}, Case{"500 list", Response(500, list), false},
        Case{"429 list", Response(429, list), true}, Case{"cut off", cutOff, false},
        Case{"over 8 MB", Response(200, "[\"x\"," + std::string(9u << 20, ' ') + "\"y\"]"), false},
        Case{"429 verification", tooMany, true},
        Case{"verification", Response(200, "<html>unusual traffic from your network, x</html>"),
             true}}) {
    SCOPED_TRACE(c.name);
    HostileHarness h([&](const HttpRequest&) { return c.response; });
    ASSERT_TRUE(h.RunToEnd([&] { return h.run.Counts(RequestKind::Suggest).blocked > 0; }));
    EXPECT_EQ(h.List(), std::vector<std::string>{"a"});
    const ChainCounts& counts = h.run.Counts(RequestKind::Suggest);
    EXPECT_EQ(counts.answered, 0);
    EXPECT_EQ(counts.blocked > 0, c.blocked);
    EXPECT_EQ(counts.failed > 0, !c.blocked);
  }
}

TEST(HostileService, RefusedConnectionsEndTheRunSayingNothingWasAnswered) {
  int port;
  {
    LoopbackHttpServer closed([](const HttpRequest&) { return Response(200, "[]"); });
    port = closed.port();
  }
  HostileHarness h([](const HttpRequest&) { return Response(200, "[]"); });
  h.host.memo = {"a", "b"};
  h.host.policy.retries = 1;
  h.run.SetEndpoints({"127.0.0.1:" + std::to_string(port), h.server.hostPort()});
  ASSERT_TRUE(h.RunToEnd());
  EXPECT_EQ(h.run.Counts(RequestKind::Suggest).failed, 4);  // two phrases, one retry each
  EXPECT_EQ(h.host.LastStatus(), "查询结束，没有一个请求得到回答：4 个请求失败");
}

TEST(HostileService, RetryWaitsOutTheRetryAfterTheServiceAsksFor) {
  std::mutex mutex;
  std::vector<Clock::time_point> arrivals;
  HostileHarness h([&](const HttpRequest&) {
    std::lock_guard lock(mutex);
    arrivals.push_back(Clock::now());
    if (arrivals.size() > 1) return Response(200, "[]");
    HttpResponse busy = Response(500, "busy");
    busy.headers.emplace_back("Retry-After", "1");
    return busy;
  });
  h.host.policy.retries = 2;
  ASSERT_TRUE(h.RunToEnd());
  std::lock_guard lock(mutex);
  ASSERT_EQ(arrivals.size(), 2u);
  EXPECT_GE(arrivals[1] - arrivals[0], 1s);
  EXPECT_EQ(h.run.Counts(RequestKind::Suggest).answered, 1);
}

TEST(HostileService, PacingHoldsEveryIntervalBetweenTheStartsOfAChain) {
  HostileHarness h([](const HttpRequest&) { return Response(200, "[]"); });
  h.host.memo = {"a", "b", "c", "d"};
  h.host.policy.delay = 80ms;
  std::vector<Clock::time_point> starts;
  h.run.SetRequestStarter([&](HarvestRequest& r) {
    starts.push_back(Clock::now());
    r.StartDownload();
  });
  ASSERT_TRUE(h.RunToEnd());
  ASSERT_EQ(starts.size(), 4u);
  // Each start is noted a moment after the run takes its time; allow that moment.
  for (std::size_t i = 1; i < starts.size(); ++i) EXPECT_GE(starts[i] - starts[i - 1], 79ms);
}

TEST(HostileService, StopEndsWithinTheGracePeriodWhenTheServiceStalls) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  int arrived = 0;
  auto server = std::make_unique<HostileHarness>([&](const HttpRequest&) {
    std::unique_lock lock(mutex);
    ++arrived;
    released.wait(lock, [&] { return release; });  // never answers until the test ends
    return Response(200, "[]");
  });
  HostileHarness& h = *server;
  h.host.broad = true;
  h.run.Query();
  ASSERT_TRUE(h.loop.runUntil(
      [&] {
        std::lock_guard lock(mutex);
        return arrived == 2;
      },
      10s));
  const auto stopped = Clock::now();
  h.run.Stop();
  h.run.Query();  // refused while stopping, never for longer than the grace period
  ASSERT_TRUE(h.loop.runUntil([&] { return !h.run.StopPending(); }, 20s));
  EXPECT_LT(Clock::now() - stopped, kStopGrace + 1500ms);
  EXPECT_FALSE(h.run.Running());
  {
    std::lock_guard lock(mutex);
    release = true;
  }
  released.notify_all();
  h.run.Query();  // accepted again
  EXPECT_TRUE(h.run.Running());
  EXPECT_TRUE(h.loop.runUntil([&] { return !h.run.Running(); }, 20s));
  server.reset();
}

}  // namespace
}  // namespace longtail
