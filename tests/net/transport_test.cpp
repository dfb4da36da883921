// The download against servers that misbehave: oversized, dripping, stalled, redirecting
// answers, plus what it reports (status, Retry-After) and how it reuses its connection.

#include <atomic>
#include <ctime>

#include "net/http_test_fixture.h"

namespace longtail {
namespace {

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds Since(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// An answer whose body comes from `source` piece by piece; `sent` counts the bytes.
HttpResponse Streamed(std::atomic<std::uint64_t>& sent, std::uint64_t total, bool chunked) {
  HttpResponse r;
  r.chunked = chunked;
  if (!chunked) r.rawContentLength = std::to_string(total);
  r.bodySource = [&sent, total] {
    const std::uint64_t left = total - sent;
    std::string piece(static_cast<std::size_t>(std::min<std::uint64_t>(left, 64 * 1024)), 'a');
    sent += piece.size();
    return piece;
  };
  return r;
}

TEST_F(HttpGetTest, BodiesOverTheCapFailWithoutBeingHeld) {
  // 200 MB announced by Content-Length against the default cap, then an endless chunked
  // body against a small cap (the same check, without moving 8 MB through the test).
  struct Case {
    bool chunked;
    std::size_t cap;
  } cases[] = {{false, kMaxBodyBytes}, {true, 256 * 1024}};
  std::atomic<std::uint64_t> sent = 0;
  std::atomic<bool> chunked = false;
  serve([&](const HttpRequest&) {
    return Streamed(sent, chunked ? UINT64_MAX : 200ull * 1024 * 1024, chunked);
  });
  for (const Case& c : cases) {
    chunked = c.chunked;
    sent = 0;
    HttpDownload get(loop_);
    get.URL = url("/big");
    get.MaxBodyBytes = c.cap;
    Outcome out;
    ASSERT_TRUE(fetch(get, out)) << c.chunked;
    EXPECT_EQ(out.errorCount, 1) << c.chunked;
    EXPECT_EQ(out.result.failure, DownloadFailure::TooLarge) << c.chunked;
    EXPECT_TRUE(out.result.body.empty());
    EXPECT_LE(out.result.bytesReceived, static_cast<std::int64_t>(c.cap + kDownloadChunkSize));
    // The transfer was ended, not read to its end: only socket buffers' worth past the cap.
    loop_.runUntil([] { return false; }, 100ms);
    EXPECT_LT(sent.load(), c.cap + 32u * 1024 * 1024) << c.chunked;
  }
  server_.reset();
}

TEST_F(HttpGetTest, DripsAndStallsEndWithinTheDeadline) {
  struct Case {
    const char* what;
    std::size_t chunk;
    std::chrono::milliseconds delay;
    std::chrono::milliseconds beforeHeaders;
  } cases[] = {
      {"one byte every 200 ms", 1, 200ms, 0ms},
      {"silent after the first bytes", 100, 1h, 0ms},
      {"silent before the headers", 100, 0ms, 1h},
      {"above the speed floor but endless", 200, 100ms, 0ms},
  };
  std::atomic<const Case*> current = nullptr;
  serve([&](const HttpRequest&) {
    const Case* c = current;
    HttpResponse r = Body(std::string(1 << 20, 'd'));
    r.chunkSize = c->chunk;
    r.chunkDelay = c->delay;
    r.delayBeforeHeaders = c->beforeHeaders;
    return r;
  });
  for (const Case& c : cases) {
    current = &c;
    HttpDownload get(loop_);
    get.URL = url("/slow");
    get.RequestTimeout = 2s;
    Outcome out;
    const auto start = Clock::now();
    ASSERT_TRUE(fetch(get, out)) << c.what;
    EXPECT_LT(Since(start), 3s) << c.what;  // the deadline, plus room for a busy machine
    EXPECT_EQ(out.result.failure, DownloadFailure::Timeout) << c.what << ": " << out.result.reason;
  }
  server_.reset();
}

TEST_F(HttpGetTest, CancelAndDestroyDuringAStallReturnAtOnce) {
  serve([](const HttpRequest&) {
    HttpResponse r = Body("never");
    r.delayBeforeHeaders = 1h;
    return r;
  });
  HttpDownload get(loop_);
  get.URL = url("/stall");
  Outcome out;
  out.wire(get);
  get.StartDownload();
  loop_.runUntil([] { return false; }, 200ms);
  auto start = Clock::now();
  get.CancelDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return out.finished(); }, 5s));
  EXPECT_LT(Since(start), 1s);
  EXPECT_EQ(out.result.failure, DownloadFailure::Cancelled);

  Outcome lost;
  {
    HttpDownload doomed(loop_);
    doomed.URL = url("/stall");
    lost.wire(doomed);
    doomed.StartDownload();
    loop_.runUntil([] { return false; }, 200ms);
    start = Clock::now();
  }
  EXPECT_LT(Since(start), 1s);
  loop_.runUntil([] { return false; }, 100ms);
  EXPECT_FALSE(lost.finished());
}

TEST_F(HttpGetTest, RedirectsGoOnlyToHttpOrHttpsAndAtMostFive) {
  const int deadPort = [] {
    LoopbackHttpServer probe([](const HttpRequest&) { return HttpResponse{}; });
    return probe.port();
  }();
  serve([&](const HttpRequest& r) {
    HttpResponse res = Body("landed");
    std::string location;
    if (r.target.rfind("/hop/", 0) == 0) {
      int left = std::stoi(r.target.substr(5));
      if (left > 0) location = "/hop/" + std::to_string(left - 1);
    } else if (r.target == "/to-ftp") {
      location = "ftp://" + server_->hostPort() + "/x";
    } else if (r.target == "/to-file") {
      location = "file:///etc/passwd";
    } else if (r.target == "/to-https") {
      location = "https://127.0.0.1:" + std::to_string(deadPort) + "/secure";
    }
    if (!location.empty()) {
      res = Body("moved");
      res.status = 302;
      res.reason = "Found";
      res.headers.emplace_back("Location", location);
    }
    return res;
  });
  auto fetchPath = [&](const std::string& path) {
    HttpDownload get(loop_);
    get.URL = url(path);
    Outcome out;
    EXPECT_TRUE(fetch(get, out)) << path;
    return out;
  };
  Outcome five = fetchPath("/hop/5");
  EXPECT_EQ(five.body, "landed");
  EXPECT_EQ(five.result.status, 200);
  EXPECT_EQ(five.result.finalUrl, url("/hop/0"));
  for (std::string refused : {"/hop/6", "/to-ftp", "/to-file"}) {
    Outcome out = fetchPath(refused);
    EXPECT_EQ(out.errorCount, 1) << refused;
    EXPECT_EQ(out.result.failure, DownloadFailure::Redirect)
        << refused << ": " << out.result.reason;
  }
  // An https target is followed: it fails only at connecting there.
  Outcome https = fetchPath("/to-https");
  EXPECT_EQ(https.result.failure, DownloadFailure::Connect) << https.result.reason;
  EXPECT_EQ(https.result.finalUrl, "https://127.0.0.1:" + std::to_string(deadPort) + "/secure");
  server_.reset();
}

std::string HttpDate(std::time_t when) {
  std::tm tm{};
  gmtime_r(&when, &tm);
  char text[64];
  std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &tm);
  return text;
}

TEST_F(HttpGetTest, StatusAndRetryAfterAreReportedWithTheBodyOrWithTheFailure) {
  serve([](const HttpRequest& r) {
    HttpResponse res = Body(r.target == "/busy" ? "" : "<html>please verify</html>", 429);
    res.reason = "Too Many Requests";
    res.headers.emplace_back("Retry-After",
                             r.target == "/busy" ? HttpDate(std::time(nullptr) + 300) : "120");
    if (r.target == "/busy") res.status = 503;
    return res;
  });
  HttpDownload get(loop_);
  get.URL = url("/limited");
  Outcome page;
  ASSERT_TRUE(fetch(get, page));
  EXPECT_EQ(page.doneCount, 1);
  EXPECT_EQ(page.result.status, 429);
  EXPECT_EQ(page.result.retryAfterSeconds, 120);

  get.URL = url("/busy");
  Outcome empty;
  ASSERT_TRUE(fetch(get, empty));
  EXPECT_EQ(empty.result.failure, DownloadFailure::EmptyBody);
  EXPECT_EQ(empty.result.status, 503);
  ASSERT_TRUE(empty.result.retryAfterSeconds.has_value());
  EXPECT_NEAR(static_cast<double>(*empty.result.retryAfterSeconds), 300, 3);
}

TEST_F(HttpGetTest, StartedAgainItReusesItsConnection) {
  serve([](const HttpRequest& r) { return Body("answer " + r.target); });
  // The chain pattern: each answer's handler starts the next request on the same component.
  HttpDownload get(loop_);
  std::vector<std::string> bodies;
  get.OnDoneString = [&](HttpDownload* s, const std::string& body) {
    bodies.push_back(body);
    EXPECT_EQ(s->Result().status, 200);
    if (bodies.size() < 3) {
      s->URL = url("/" + std::to_string(bodies.size()));
      s->StartDownload();
    }
  };
  get.OnError = [&](HttpDownload* s) { ADD_FAILURE() << s->Result().reason; };
  get.URL = url("/0");
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return bodies.size() == 3 && !get.Downloading(); }, 10s));
  EXPECT_EQ(bodies.back(), "answer /2");
  EXPECT_EQ(server_->requestsServed(), 3u);
  EXPECT_EQ(server_->connectionsAccepted(), 1u);
}

TEST_F(HttpGetTest, Ipv6LoopbackLiteralConnects) {
  LoopbackHttpServer v6([](const HttpRequest&) { return Body("over v6"); }, "::1");
  if (!v6.ok()) GTEST_SKIP() << "no IPv6 loopback here: " << v6.error();
  HttpDownload get(loop_);
  get.URL = "http://" + v6.hostPort() + "/";
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.body, "over v6") << out.result.reason;
}

}  // namespace
}  // namespace longtail
