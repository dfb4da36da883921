// longtail-cli urlencode, harvest and serve-demo as a user runs them.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <cstdlib>

#include "cli/child_process.h"
#include "harvest/demo/demo_service.h"
#include "harvest/fake_host.h"
#include "harvest/harvest_run.h"
#include "net/event_loop.h"
#include "net/http_get.h"
#include "support/temp_dir.h"
#include "text/cp936.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::Lines;
using testing::ReadFile;

// The stop completion is the last status text; the summary lines follow it.
void ExpectStopThenSummary(const std::string& err) {
  std::size_t stopped = err.rfind("手动停止查询完毕");
  ASSERT_NE(stopped, std::string::npos) << err;
  EXPECT_EQ(err.find('\n', stopped) + 1, err.find("source soso: asked=")) << err;
}

// Input files of the tests live in one directory of this run, removed at exit.
std::string TempPath(const std::string& name) {
  static const longtail::testing::TempDir dir;
  return dir.file(name);
}

TEST(CliUrlEncode, EncodesCodePage936Bytes) {
  ChildProcess p({"urlencode", "QQ空间", "51"}, "urlencode");
  EXPECT_EQ(p.Wait(), 0);
  EXPECT_EQ(p.Out(), "QQ%BF%D5%BC%E4+51\n");
  ChildProcess none({"urlencode"}, "urlencode_none");
  EXPECT_EQ(none.Wait(), 2);
}

class CliHarvest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(service_.ok()); }
  std::vector<std::string> Hosts() {
    return {"--suggest-host", service_.hostPort(), "--search-host", service_.hostPort()};
  }
  std::vector<std::string> Args(std::vector<std::string> extra) {
    std::vector<std::string> args = {"harvest"};
    for (auto& h : Hosts()) args.push_back(h);
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  }
  demo::DemoService service_{demo::DemoOptions{.graphSize = 1200}};
};

TEST_F(CliHarvest, WritesTheResultListInCodePage936WithCrLfInRunOrder) {
  std::string out = TempPath("cli_harvest_out.txt");
  ChildProcess p(Args({"--no-broad", "--output", out, "手机"}), "harvest");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  std::vector<std::string> written = Lines(ReadFile(out), "\r\n");

  // The same run in-process gives the same list in the same order.
  EventLoop loop;
  PhraseList results;
  testing::FakeHost host;
  host.memo = {"手机"};
  HarvestRun run(loop, results, host, {service_.hostPort(), service_.hostPort()});
  run.Query();
  ASSERT_TRUE(loop.runUntil([&] { return !run.Running() && run.OutstandingRequests() == 0; }, 60s));
  std::vector<std::string> inProcess;
  for (const std::string& phrase : results.Items()) inProcess.push_back(Utf8ToCp936(phrase));
  EXPECT_EQ(written, inProcess);
  EXPECT_EQ(written.at(0), Utf8ToCp936("手机"));
  EXPECT_GT(written.size(), 500u);
  // Status texts go to stderr in UTF-8.
  std::string err = p.Err();
  EXPECT_EQ(err.substr(0, err.find('\n')), "正在查询：手机");
  EXPECT_NE(err.find("查询完毕，这个词再也查不了了！"), std::string::npos);
}

TEST_F(CliHarvest, PrintsUtf8LinesWithoutOutputFileAndReadsSeedFiles) {
  std::string seeds = TempPath("cli_seeds_gbk.txt");
  {
    std::ofstream f(seeds, std::ios::binary);
    f << Utf8ToCp936("音乐\r\nQQ\r\n");
  }
  ChildProcess p(Args({"--no-broad", "--quiet", "--max-phrases", "30", "--seeds", seeds,
                       "--seeds-encoding", "cp936", "Seed"}),
                 "harvest_stdout");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  std::vector<std::string> lines = Lines(p.Out(), "\n");
  ASSERT_GE(lines.size(), 30u);
  EXPECT_EQ(lines[0], "seed");
  EXPECT_EQ(lines[1], "音乐");
  EXPECT_EQ(lines[2], "qq");
  EXPECT_EQ(p.Err().find("正在查询"), std::string::npos);  // --quiet

  std::string utf8Seeds = TempPath("cli_seeds_utf8.txt");
  {
    std::ofstream f(utf8Seeds, std::ios::binary);
    f << "\xEF\xBB\xBF"
      << "电影\n";
  }
  ChildProcess q(Args({"--no-broad", "--max-phrases", "5", "--seeds", utf8Seeds}), "harvest_utf8");
  ASSERT_EQ(q.Wait(), 0) << q.Err();
  EXPECT_EQ(Lines(q.Out(), "\n").at(0), "电影");
}

TEST_F(CliHarvest, MaxPhrasesPressesStopAndTheStopCompletes) {
  ChildProcess p(Args({"--broad", "--max-phrases", "50", "qq"}), "harvest_max");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  ExpectStopThenSummary(p.Err());
  std::size_t lines = Lines(p.Out(), "\n").size();
  EXPECT_GE(lines, 50u);
  // Stop is pressed within one round of the tool's loop; the answers in flight and those
  // handled in that round (a results page lists dozens) still count.
  EXPECT_LT(lines, 400u);
}

TEST_F(CliHarvest, FormatCsvWritesTheSameListAsRowsWithAHeader) {
  std::string out = TempPath("cli_harvest_out.csv");
  ChildProcess csv(Args({"--no-broad", "--quiet", "--format", "csv", "--output", out, "手机"}),
                   "harvest_csv");
  ChildProcess plain(Args({"--no-broad", "--quiet", "--format", "csv", "手机"}), "harvest_plain");
  ASSERT_EQ(csv.Wait(), 0) << csv.Err();
  ASSERT_EQ(plain.Wait(), 0) << plain.Err();
  std::vector<std::string> rows = Lines(ReadFile(out), "\r\n");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], "phrase,source,parent,depth");
  rows.erase(rows.begin());
  // The seed has no provenance; every other phrase came from the suggestion source.
  ASSERT_TRUE(rows[0].ends_with(",,,0")) << rows[0];
  rows[0].resize(rows[0].size() - 4);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::size_t at = rows[i].find(",soso,");
    ASSERT_NE(at, std::string::npos) << rows[i];
    rows[i].resize(at);
  }
  // Without --output the phrases stay UTF-8 lines whatever the format.
  EXPECT_EQ(rows, Lines(plain.Out(), "\n"));
  EXPECT_EQ(rows.at(0), "手机");
  EXPECT_GT(rows.size(), 500u);
}

TEST_F(CliHarvest, UsageAndIoErrors) {
  for (std::vector<std::string> bad : {std::vector<std::string>{},
                                       {"  "},
                                       {"--bogus", "x"},
                                       {"--max-phrases", "0", "x"},
                                       {"--seeds-encoding", "latin1", "x"},
                                       {"x", "--output"},
                                       {"--format", "xlsx", "x"},
                                       {"x", "--format"}}) {
    ChildProcess p(Args(bad), "usage");
    EXPECT_EQ(p.Wait(), 2) << (bad.empty() ? "" : bad[0]);
  }
  ChildProcess noSeeds(Args({"--seeds", TempPath("does/not/exist.txt")}), "noseeds");
  EXPECT_EQ(noSeeds.Wait(), 1);
  ChildProcess noOut(
      Args({"--no-broad", "--max-phrases", "3", "--output", TempPath("no/such/dir/out.txt"), "x"}),
      "noout");
  EXPECT_EQ(noOut.Wait(), 1);
}

TEST(CliHarvestOutcome, EveryRequestRefusedExitsThreeWithTheSummary) {
  int port;
  {
    demo::DemoService closed(demo::DemoOptions{.graphSize = 100});
    port = closed.port();
  }
  const std::string host = "127.0.0.1:" + std::to_string(port);
  ChildProcess p({"harvest", "--suggest-host", host, "--search-host", host, "--retries", "1",
                  "--backoff-ms", "1", "a"},
                 "refused");
  ASSERT_EQ(p.Wait(), 3) << p.Err();
  EXPECT_NE(p.Err().find("source soso: asked=2 answered=0 failed=2 blocked=0\n"
                         "source baidu-related: asked=2 answered=0 failed=2 blocked=0\n"
                         "summary: phrases=1\n"),
            std::string::npos)
      << p.Err();
}

// The status texts speak --lang's language, else LANG's; the summary lines never change.
TEST(CliHarvestOutcome, StatusTextsFollowLangOptionThenLang) {
  int port;
  {
    demo::DemoService closed(demo::DemoOptions{.graphSize = 100});
    port = closed.port();
  }
  const std::string host = "127.0.0.1:" + std::to_string(port);
  auto run = [&](std::vector<std::string> extra, const char* lang, const char* tag) {
    std::vector<std::string> args = {"harvest", "--suggest-host", host, "--search-host",
                                     host,      "--retries",      "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back("a");
    const char* saved = std::getenv("LANG");
    const std::string before = saved ? saved : "";
    setenv("LANG", lang, 1);
    ChildProcess p(args, tag);
    if (saved)
      setenv("LANG", before.c_str(), 1);
    else
      unsetenv("LANG");
    EXPECT_EQ(p.Wait(), 3) << p.Err();
    return p.Err();
  };
  const std::string english = run({"--lang", "en"}, "zh_CN.UTF-8", "lang_en");
  EXPECT_EQ(english.substr(0, english.find('\n')), "Querying: a") << english;
  EXPECT_NE(english.find("The query ended with no request answered: 2 requests failed\n"
                         "source soso: asked=1 answered=0 failed=1 blocked=0\n"),
            std::string::npos)
      << english;
  EXPECT_EQ(run({}, "en_GB.UTF-8", "lang_env"), english);
  const std::string chinese = run({"--lang", "zh"}, "en_GB.UTF-8", "lang_zh");
  EXPECT_EQ(chinese.substr(0, chinese.find('\n')), "正在查询：a") << chinese;
}

TEST(CliHarvestOutcome, DelayHoldsRequestsToOneServiceApart) {
  demo::DemoService service(demo::DemoOptions{.graphSize = 1200});
  const auto started = std::chrono::steady_clock::now();
  ChildProcess p({"harvest", "--suggest-host", service.hostPort(), "--no-broad", "--delay-ms",
                  "150", "--max-seconds", "1", "qq"},
                 "delay");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  const auto elapsed = std::chrono::steady_clock::now() - started;
  // Without the delay the demo answers hundreds of requests a second.
  const std::string err = p.Err();
  const std::size_t at = err.find("source soso: asked=");
  ASSERT_NE(at, std::string::npos) << err;
  const int asked = std::stoi(err.substr(at + std::string("source soso: asked=").size()));
  EXPECT_GE(asked, 2);
  EXPECT_LE(asked, 1 + elapsed / 150ms);
  ChildProcess bad({"harvest", "--delay-ms", "-5", "a"}, "delay_bad");
  EXPECT_EQ(bad.Wait(), 2);
}

TEST(CliInterrupt, SigtermStopsTheRunAndStillWritesTheList) {
  demo::DemoService slow(demo::DemoOptions{.graphSize = 3000, .delay = 30ms});
  std::string out = TempPath("cli_sigterm_out.txt");
  ChildProcess p({"harvest", "--suggest-host", slow.hostPort(), "--search-host", slow.hostPort(),
                  "--output", out, "手机"},
                 "sigterm");
  // Interrupt once the run is under way (its handler is in place before the first status).
  auto asked = [&] {
    std::string err = p.Err();
    std::size_t n = 0;
    for (std::size_t at = 0; (at = err.find("正在查询：", at)) != std::string::npos; ++at) ++n;
    return n;
  };
  for (int i = 0; i < 3000 && asked() < 3; ++i) std::this_thread::sleep_for(10ms);
  p.Signal(SIGTERM);
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  EXPECT_NE(p.Err().find("手动停止查询完毕"), std::string::npos);
  std::vector<std::string> lines = Lines(ReadFile(out), "\r\n");
  EXPECT_GT(lines.size(), 5u);
  EXPECT_LT(lines.size(), 2000u);
}

TEST(CliInterrupt, MaxSecondsPressesStop) {
  demo::DemoService slow(demo::DemoOptions{.graphSize = 3000, .delay = 50ms});
  auto started = std::chrono::steady_clock::now();
  ChildProcess p({"harvest", "--suggest-host", slow.hostPort(), "--search-host", slow.hostPort(),
                  "--max-seconds", "1", "qq"},
                 "maxseconds");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
  ExpectStopThenSummary(p.Err());
}

TEST(CliServeDemo, ServesUntilTerminated) {
  ChildProcess p({"serve-demo", "--port", "0", "--phrases", "500"}, "serve");
  std::string out;
  for (int i = 0; i < 500 && out.find('\n') == std::string::npos; ++i) {
    std::this_thread::sleep_for(10ms);
    out = p.Out();
  }
  ASSERT_EQ(out.rfind("serving on http://127.0.0.1:", 0), 0u) << out;
  std::string hostPort = out.substr(std::string("serving on http://").size());
  hostPort = hostPort.substr(0, hostPort.find(' '));

  EventLoop loop;
  HttpDownload get(loop);
  get.URL = "http://" + hostPort + "/include/keywords.php?k=qq";
  std::string body;
  get.OnDoneString = [&](HttpDownload*, const std::string& r) { body = r; };
  get.StartDownload();
  loop.runUntil([&] { return !get.Downloading(); }, 10s);
  EXPECT_EQ(body.front(), '[');
  EXPECT_EQ(body.back(), ']');

  p.Signal(SIGTERM);
  EXPECT_EQ(p.Wait(), 0);
  ChildProcess bad({"serve-demo", "--port", "seventy"}, "serve_bad");
  EXPECT_EQ(bad.Wait(), 2);
}

}  // namespace
}  // namespace longtail
