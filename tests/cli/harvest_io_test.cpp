// longtail-cli harvest's files, signals and help, driven as a separate process.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>

#include "cli/child_process.h"
#include "harvest/demo/demo_service.h"
#include "support/temp_dir.h"
#include "text/cp936.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::Lines;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteText;

std::vector<std::string> HarvestArgs(const demo::DemoService& service,
                                     std::vector<std::string> extra) {
  std::vector<std::string> args = {"harvest", "--suggest-host", service.hostPort(), "--search-host",
                                   service.hostPort()};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

// Waits until the run's first status text is out: the signal handlers are in place then.
void WaitForRunStart(const ChildProcess& p) {
  for (int i = 0; i < 3000 && p.Err().find("正在查询：") == std::string::npos; ++i)
    std::this_thread::sleep_for(10ms);
}

TEST(CliStopSignals, SecondSignalCancelsStalledRequestsWritesTheListAndExits130) {
  // Every answer takes longer than the test waits: Stop alone cannot end the run.
  demo::DemoService stalled(demo::DemoOptions{.graphSize = 500, .delay = 6s});
  TempDir dir;
  const std::string out = dir.file("found.txt");
  ChildProcess p(HarvestArgs(stalled, {"--output", out, "手机", "qq"}), "second_signal");
  WaitForRunStart(p);
  p.Signal(SIGINT);
  std::this_thread::sleep_for(200ms);  // Stop is pressed and waits for the answers
  const auto second = std::chrono::steady_clock::now();
  p.Signal(SIGHUP);
  ASSERT_EQ(p.Wait(), 130) << p.Err();
  EXPECT_LT(std::chrono::steady_clock::now() - second, 4s);
  EXPECT_EQ(Lines(ReadFile(out), "\r\n"), (std::vector<std::string>{Utf8ToCp936("手机"), "qq"}));
}

TEST(CliOutput, AFailedWriteLeavesThePreviousFileAndSaysWhy) {
  demo::DemoService service(demo::DemoOptions{.graphSize = 1200});
  TempDir dir;
  const std::string out = dir.file("list.txt");
  WriteText(out, "previous\r\n");
  // The list is larger than the file-size limit the child inherits: its write fails as on
  // a full disk.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limited = saved;
  limited.rlim_cur = 2000;
  setrlimit(RLIMIT_FSIZE, &limited);
  ChildProcess p(HarvestArgs(service, {"--no-broad", "--quiet", "--max-phrases", "400", "--output",
                                       out, "qq"}),
                 "fsize");
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(p.Wait(), 1);
  EXPECT_NE(p.Err().find("Cannot create file \"" + out + "\". File too large"), std::string::npos)
      << p.Err();
  EXPECT_EQ(ReadFile(out), "previous\r\n");
  EXPECT_EQ(dir.entryCount(), 1) << "the temporary file was left behind";
}

TEST(CliSeeds, LinesEndAtEveryLineBreakAndControlBytesNeverReachTheTerminal) {
  demo::DemoService service(demo::DemoOptions{.graphSize = 500});
  TempDir dir;
  const std::string seeds = dir.file("seeds.txt");
  WriteText(seeds, std::string("a\0b\x1b[2Jc\r", 9) + Utf8ToCp936("音乐\rqq\r\n电影\n"));
  ChildProcess p(HarvestArgs(service, {"--no-broad", "--max-phrases", "8", "--seeds", seeds,
                                       "--seeds-encoding", "cp936"}),
                 "seeds_cr");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  std::vector<std::string> lines = Lines(p.Out(), "\n");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
            (std::vector<std::string>{"a b [2jc", "音乐", "qq", "电影"}));
  EXPECT_EQ(p.Err().rfind("正在查询：a b [2jc\n", 0), 0u) << p.Err();
  EXPECT_EQ(p.Err().find('\x1b'), std::string::npos);
}

TEST(CliSeeds, RefusesAUtf8FileThatIsNotUtf8AndAnOversizedFile) {
  TempDir dir;
  const std::string gbk = dir.file("gbk.txt");
  WriteText(gbk, "qq\n" + Utf8ToCp936("手机") + "\n");
  ChildProcess p({"harvest", "--seeds", gbk}, "seeds_gbk");
  EXPECT_EQ(p.Wait(), 2);
  EXPECT_NE(p.Err().find(gbk + " line 2 is not UTF-8"), std::string::npos) << p.Err();
  EXPECT_NE(p.Err().find("--seeds-encoding cp936"), std::string::npos) << p.Err();

  const std::string huge = dir.file("huge.txt");
  WriteText(huge, "");
  std::filesystem::resize_file(huge, (64u << 20) + 1);
  ChildProcess q({"harvest", "--seeds", huge, "--seeds-encoding", "cp936"}, "seeds_huge");
  EXPECT_EQ(q.Wait(), 2);
  EXPECT_NE(q.Err().find("larger than 64 MB"), std::string::npos) << q.Err();
}

TEST(CliHelp, EveryCommandAnswersHelp) {
  for (std::vector<std::string> args : {std::vector<std::string>{"--help"},
                                        {"harvest", "--help"},
                                        {"serve-demo", "-h"},
                                        {"urlencode", "--help"},
                                        {"skin", "unpack", "--help"},
                                        {"skin", "--help"}}) {
    ChildProcess p(args, "help");
    EXPECT_EQ(p.Wait(), 0) << args[0];
    EXPECT_EQ(p.Out().rfind("usage: longtail-cli ", 0), 0u) << p.Out();
  }
  ChildProcess harvest({"harvest", "--help"}, "help_harvest");
  harvest.Wait();
  EXPECT_NE(harvest.Out().find("--seeds-encoding"), std::string::npos);
}

}  // namespace
}  // namespace longtail
