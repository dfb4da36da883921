// HttpDownload against a real HTTP server on 127.0.0.1.

#include "net/http_get.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <mutex>
#include <optional>

#include "net/http_test_fixture.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;

TEST_F(HttpGetTest, DefaultsAndGetRequestHeaders) {
  serve([](const HttpRequest&) { return Body("hello"); });
  HttpDownload get(loop_);
  EXPECT_EQ(get.AcceptTypes, "*/*");
  EXPECT_EQ(get.Agent, "Tarnwick HTTPGet");
  get.URL = url("/s?wd=a%20b");
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.doneCount, 1);
  EXPECT_EQ(out.body, "hello");
  HttpRequest r = lastRequest();
  EXPECT_EQ(r.method, "GET");
  EXPECT_EQ(r.target, "/s?wd=a%20b");
  EXPECT_EQ(r.header("User-Agent"), "Tarnwick HTTPGet");
  EXPECT_EQ(r.header("Accept"), "*/*");
  EXPECT_EQ(r.header("Cache-Control"), "no-cache");  // UseCache false bypasses caches
  EXPECT_FALSE(r.hasHeader("Referer"));
  EXPECT_FALSE(r.hasHeader("Authorization"));
  EXPECT_FALSE(get.Downloading());
}

TEST_F(HttpGetTest, SettingsReachTheServer) {
  serve([](const HttpRequest&) { return Body("ok"); });
  HttpDownload get(loop_);
  get.URL = url("/form");
  get.Agent = "";
  get.AcceptTypes = "text/html";
  get.Referer = "http://example.invalid/page";
  get.UserName = "ann";
  get.Password = "secret";
  get.UseCache = true;
  get.PostQuery = "a=1&b=%E4";
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  HttpRequest r = lastRequest();
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.body, "a=1&b=%E4");
  EXPECT_EQ(r.header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_FALSE(r.hasHeader("User-Agent"));  // an empty agent sends none
  EXPECT_EQ(r.header("Accept"), "text/html");
  EXPECT_EQ(r.header("Referer"), "http://example.invalid/page");
  EXPECT_EQ(r.header("Authorization"), "Basic YW5uOnNlY3JldA==");
  EXPECT_FALSE(r.hasHeader("Cache-Control"));
}

TEST_F(HttpGetTest, ErrorStatusWithBodyIsDeliveredAsText) {
  serve([](const HttpRequest&) { return Body("<h1>not here</h1>", 404); });
  HttpDownload get(loop_);
  get.URL = url("/missing");
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.doneCount, 1);
  EXPECT_EQ(out.body, "<h1>not here</h1>");
  EXPECT_EQ(out.result.status, 404);  // the caller judges the status
}

TEST_F(HttpGetTest, EmptyBodyAndRefusedConnectionAreErrors) {
  serve([](const HttpRequest&) { return Body(""); });
  HttpDownload get(loop_);
  get.URL = url("/empty");
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.errorCount, 1);
  EXPECT_EQ(out.doneCount, 0);
  EXPECT_EQ(out.result.failure, DownloadFailure::EmptyBody);
  EXPECT_EQ(out.result.status, 200);

  int deadPort = server_->port();
  server_.reset();
  HttpDownload refused(loop_);
  refused.URL = "http://127.0.0.1:" + std::to_string(deadPort) + "/";
  Outcome out2;
  ASSERT_TRUE(fetch(refused, out2));
  EXPECT_EQ(out2.errorCount, 1);
  EXPECT_EQ(out2.result.failure, DownloadFailure::Connect);
  EXPECT_EQ(out2.result.status, 0);
}

TEST_F(HttpGetTest, BinaryBodyKeepsEveryByteAndLargeBodiesArriveWhole) {
  std::string body;
  for (int i = 0; i < 300000; ++i) body += static_cast<char>(i * 7 % 256);
  serve([&](const HttpRequest&) { return Body(body); });
  HttpDownload get(loop_);
  get.URL = url("/big");
  std::vector<std::int32_t> progress;
  std::int32_t total = -1;
  get.OnProgress = [&](HttpDownloadWorker*, std::int32_t t, std::int32_t readed) {
    total = t;
    progress.push_back(readed);
  };
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.body, body);
  EXPECT_EQ(total, 300000);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 300000);
  // Chunks are at most 1025 bytes, and progress only grows.
  EXPECT_GE(progress.size(), 300000u / 1025);
  for (std::size_t i = 1; i < progress.size(); ++i) {
    EXPECT_GT(progress[i], progress[i - 1]);
    EXPECT_LE(progress[i] - progress[i - 1], 1025);
  }
}

TEST_F(HttpGetTest, ContentLengthMustBeADecimalWithinSigned32Bits) {
  for (std::string bad : {"12abc", "3000000000", "0x10"}) {
    serve([&](const HttpRequest&) {
      HttpResponse r = Body("0123456789");
      r.rawContentLength = bad;
      return r;
    });
    HttpDownload get(loop_);
    get.URL = url("/");
    Outcome out;
    ASSERT_TRUE(fetch(get, out)) << bad;
    EXPECT_EQ(out.errorCount, 1) << bad;
    EXPECT_EQ(out.result.failure, DownloadFailure::BadAnswer) << bad;
    server_.reset();
  }
  // No Content-Length at all is fine: the body runs to the close.
  serve([](const HttpRequest&) {
    HttpResponse r = Body("until close");
    r.sendContentLength = false;
    return r;
  });
  HttpDownload get(loop_);
  get.URL = url("/");
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.body, "until close");
}

TEST_F(HttpGetTest, BodyCutOffMidwayIsAFailureThatKeepsWhatArrived) {
  serve([](const HttpRequest&) {
    HttpResponse r = Body(std::string(5000, 'x'));
    r.cutAfter = 3000;
    return r;
  });
  HttpDownload get(loop_);
  get.URL = url("/");
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.doneCount, 0);
  EXPECT_EQ(out.errorCount, 1);
  EXPECT_EQ(out.result.failure, DownloadFailure::CutShort);
  EXPECT_TRUE(out.result.truncated);
  EXPECT_EQ(out.result.status, 200);
  EXPECT_EQ(out.result.body, std::string(3000, 'x'));
}

HttpResponse Slow(std::size_t bytes) {
  HttpResponse r = Body(std::string(bytes, 'y'));
  r.chunkSize = 500;
  r.chunkDelay = 20ms;
  return r;
}

TEST_F(HttpGetTest, CancelDuringTheBodyGivesOnError) {
  serve([](const HttpRequest&) { return Slow(20000); });
  HttpDownload get(loop_);
  get.URL = url("/slow");
  std::atomic<int> chunks = 0;
  get.OnProgress = [&](HttpDownloadWorker*, std::int32_t, std::int32_t) {
    if (++chunks == 3) get.CancelDownload();
  };
  Outcome out;
  ASSERT_TRUE(fetch(get, out));
  EXPECT_EQ(out.errorCount, 1);
  EXPECT_EQ(out.doneCount, 0);
  EXPECT_EQ(out.result.failure, DownloadFailure::Cancelled);
  EXPECT_LE(chunks.load(), 4);  // stopped at the next chunk, not at the end of the body
}

TEST_F(HttpGetTest, CancelAfterTheWholeBodyStillGivesOnError) {
  serve([](const HttpRequest&) { return Body("complete"); });
  HttpDownload get(loop_);
  get.URL = url("/");
  Outcome out;
  out.wire(get);
  // The body fits one chunk: when its progress is reported, all of it has arrived.
  std::int32_t seen = 0;
  get.OnProgress = [&](HttpDownloadWorker*, std::int32_t total, std::int32_t readed) {
    seen = readed;
    if (readed == total) get.CancelDownload();
  };
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return out.finished(); }, 10s));
  EXPECT_EQ(seen, 8);
  EXPECT_EQ(out.errorCount, 1);
  EXPECT_EQ(out.doneCount, 0);
}

TEST_F(HttpGetTest, DestroyingARunningDownloadDeliversNothing) {
  serve([](const HttpRequest&) { return Slow(50000); });
  Outcome out;
  int progress = 0;
  {
    auto get = std::make_unique<HttpDownload>(loop_);
    get->URL = url("/slow");
    get->OnProgress = [&](HttpDownloadWorker*, std::int32_t, std::int32_t) { ++progress; };
    out.wire(*get);
    get->StartDownload();
    loop_.runUntil([&] { return progress > 0; }, 5s);
  }
  loop_.runUntil([] { return false; }, 300ms);
  EXPECT_FALSE(out.finished());
}

TEST_F(HttpGetTest, StartWhileRunningStartsNothingAndReturnsAtOnce) {
  serve([](const HttpRequest&) {
    HttpResponse r = Body(std::string(3000, 'z'));
    r.chunkSize = 500;
    r.chunkDelay = 250ms;  // the body takes over a second
    return r;
  });
  HttpDownload get(loop_);
  get.URL = url("/slow");
  get.WaitThread = true;
  Outcome out;
  out.wire(get);
  get.StartDownload();
  // Returned while the download is still running.
  EXPECT_TRUE(get.Downloading());
  EXPECT_FALSE(out.finished());
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return out.finished(); }, 10s));
  loop_.runUntil([] { return false; }, 100ms);
  EXPECT_EQ(out.doneCount, 1);
  EXPECT_EQ(server_->requestsServed(), 1u);
  // A finished component can be started again.
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return out.doneCount == 2; }, 10s));
}

TEST_F(HttpGetTest, ExceptionFromOnDoneStringIsReportedThroughOnError) {
  serve([](const HttpRequest&) { return Body("x"); });
  HttpDownload get(loop_);
  get.URL = url("/");
  int done = 0, errors = 0;
  get.OnDoneString = [&](HttpDownload*, const std::string&) {
    ++done;
    throw std::runtime_error("handler failed");
  };
  get.OnError = [&](HttpDownload*) { ++errors; };
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return errors > 0; }, 10s));
  EXPECT_EQ(done, 1);
  EXPECT_EQ(errors, 1);
  EXPECT_FALSE(get.Downloading());
}

TEST_F(HttpGetTest, AddressesAreReadByTheLibraryAndBadOnesFailWithoutConnecting) {
  serve([](const HttpRequest& r) { return Body("path " + r.target); });
  // Scheme in capitals and a host without a path; no scheme at all means http.
  for (std::string address : {"HTTP://" + server_->hostPort(), server_->hostPort() + "/p"}) {
    HttpDownload get(loop_);
    get.URL = address;
    Outcome out;
    ASSERT_TRUE(fetch(get, out));
    EXPECT_EQ(out.doneCount, 1) << address << ": " << out.result.reason;
  }
  for (std::string bad : {std::string(""), std::string("127.0.0.1:http/x"),
                          "ftp://" + server_->hostPort(), std::string("127.0.0.1:70000/")}) {
    HttpDownload get(loop_);
    get.URL = bad;
    Outcome out;
    ASSERT_TRUE(fetch(get, out));
    EXPECT_EQ(out.errorCount, 1) << bad;
    EXPECT_EQ(out.result.failure, DownloadFailure::BadUrl) << bad;
    EXPECT_FALSE(out.result.reason.empty());
  }
  EXPECT_EQ(server_->requestsServed(), 2u);
}

TEST_F(HttpGetTest, FileModeWritesTheBody) {
  serve([](const HttpRequest&) { return Body("file body"); });
  HttpDownload get(loop_);
  get.URL = url("/");
  std::string path = ::testing::TempDir() + "/http_get_file_mode.bin";
  get.FileName = path;
  std::string reported;
  std::int32_t size = 0;
  get.OnDoneFile = [&](HttpDownload*, const std::string& f, std::int32_t s) {
    reported = f;
    size = s;
  };
  get.StartDownload();
  ASSERT_TRUE(loop_.runUntil([&] { return size > 0; }, 10s));
  EXPECT_EQ(reported, path);
  std::ifstream in(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(content, "file body");
}

}  // namespace
}  // namespace longtail

namespace longtail {
namespace {

// A dispatcher whose every round of waiting events starts another download, the way a
// completion handler starts the next request.
class RecursiveDispatcher : public Dispatcher {
 public:
  void post(std::function<void()> task) override {
    std::lock_guard lock(mutex_);
    queued_.push_back(std::move(task));
  }
  void invoke(std::function<void()> task) override { task(); }
  void processPending() override {
    ++depth_;
    maxDepth_ = std::max(maxDepth_, depth_);
    if (depth_ < 100) {
      HttpDownload next(*this);
      next.URL = "http://127.0.0.1:1/";  // refused at once
      next.StartDownload();
    }
    --depth_;
  }
  std::unique_ptr<PeriodicTimer> createTimer(std::function<void()>) override { return nullptr; }
  int maxDepth() const { return maxDepth_; }

 private:
  std::mutex mutex_;
  std::vector<std::function<void()>> queued_;
  int depth_ = 0, maxDepth_ = 0;
};

TEST(HttpGetNesting, WaitingEventsRunOnlyABoundedNumberOfLevelsDeep) {
  RecursiveDispatcher dispatcher;
  {
    HttpDownload first(dispatcher);
    first.URL = "http://127.0.0.1:1/";
    first.StartDownload();
  }
  EXPECT_EQ(dispatcher.maxDepth(), 16);
}

}  // namespace
}  // namespace longtail
