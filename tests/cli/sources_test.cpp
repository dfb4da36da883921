// longtail-cli sources, and harvests that pick their sources, against serve-demo.

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/child_process.h"
#include "harvest/admission.h"
#include "harvest/demo/phrase_graph.h"
#include "harvest/source.h"
#include "support/temp_dir.h"
#include "text/ascii_case.h"
#include "text/cp936.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::Lines;
using testing::ReadFile;

constexpr int kGraphSize = 300;

// One serve-demo for the whole suite, as a user starts it.
class CliSources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    demo_ = new ChildProcess({"serve-demo", "--port", "0", "--phrases", std::to_string(kGraphSize)},
                             "sources_demo");
    std::string out;
    for (int i = 0; i < 500 && out.find('\n') == std::string::npos; ++i) {
      std::this_thread::sleep_for(10ms);
      out = demo_->Out();
    }
    const std::string prefix = "serving on ";
    if (out.rfind(prefix, 0) == 0)
      base_ = out.substr(prefix.size(), out.find(' ', prefix.size()) - prefix.size());
  }
  static void TearDownTestSuite() {
    demo_->Signal(SIGTERM);
    demo_->Wait();
    delete demo_;
  }
  void SetUp() override { ASSERT_EQ(base_.rfind("http://127.0.0.1:", 0), 0u) << demo_->Out(); }

  // A harvest asking `ids` (comma-separated), all at the demo.
  static std::vector<std::string> Harvest(const std::string& ids, std::vector<std::string> extra) {
    std::vector<std::string> args = {"harvest", "--sources", ids, "--retries", "0", "--quiet"};
    std::stringstream list(ids);
    for (std::string id; std::getline(list, id, ',');) {
      args.push_back("--host");
      args.push_back(id + "=" + base_);
    }
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  }

  static ChildProcess* demo_;
  static std::string base_;
  testing::TempDir dir_;
};

ChildProcess* CliSources::demo_ = nullptr;
std::string CliSources::base_;

struct Row {
  std::string phrase, source, parent;
  int depth = 0;
};

std::vector<Row> JsonRows(const std::string& text) {
  std::vector<Row> rows;
  for (const std::string& line : Lines(text, "\n")) {
    const nlohmann::json o = nlohmann::json::parse(line);
    rows.push_back({o["phrase"], o["source"], o["parent"], o["depth"]});
  }
  return rows;
}

int Variant(const std::string& id) {
  return static_cast<int>(FindSource(id) - AllSources().data());
}

TEST_F(CliSources, ListsEverySourceOnALine) {
  ChildProcess p({"sources"}, "sources_list");
  ASSERT_EQ(p.Wait(), 0);
  const std::vector<std::string> lines = Lines(p.Out(), "\n");
  ASSERT_EQ(lines.size(), AllSources().size());
  EXPECT_EQ(lines[0], "soso\tsuggest\thttp://www.soso.com/include/keywords.php?k=\tcp936");
  EXPECT_EQ(lines[1], "baidu-related\trelated\thttp://www.baidu.com/s?wd=\tcp936");
  EXPECT_EQ(lines[2],
            "baidu\tsuggest\thttps://suggestion.baidu.com/su?wd=&cb=window.baidu.sug\tcp936");
  EXPECT_EQ(lines[8], "taobao\tsuggest\thttps://suggest.taobao.com/sug?code=utf-8&q=\tutf8");
  ChildProcess bad({"harvest", "--sources", "soso,nope", "x"}, "sources_bad");
  EXPECT_EQ(bad.Wait(), 2);
  EXPECT_NE(bad.Err().find("unknown source 'nope'"), std::string::npos) << bad.Err();
  ChildProcess badHost({"harvest", "--host", "soso=ftp://x", "x"}, "sources_bad_host");
  EXPECT_EQ(badHost.Wait(), 2);
}

// Each source alone: the demo answers in its format and every phrase found is its own.
TEST_F(CliSources, EverySourceAloneHarvestsFromTheDemo) {
  for (const Source& source : AllSources()) {
    const std::string id = source.id;
    const std::string out = dir_.file(id + ".jsonl");
    ChildProcess p(
        Harvest(id, {"--max-phrases", "60", "--format", "jsonl", "--output", out, "手机"}),
        "alone_" + id);
    ASSERT_EQ(p.Wait(), 0) << id << ": " << p.Err();
    EXPECT_EQ(p.Err().find("source " + id + ": asked="), 0u) << p.Err();
    EXPECT_EQ(p.Err().find("answered=0"), std::string::npos) << p.Err();
    const std::vector<Row> rows = JsonRows(ReadFile(out));
    ASSERT_GE(rows.size(), 60u) << id;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].source, id);
      EXPECT_GE(rows[i].depth, 1);
      EXPECT_FALSE(rows[i].parent.empty());
    }
  }
}

// Three sources at once find the union of what each names, and every phrase is credited
// to a source whose answer about its parent named it (which one came first is a race here;
// HarvestRunTest checks the first-come rule exactly).
TEST_F(CliSources, ThreeSourcesFindTheUnionWithTheFirstSourceCredited) {
  const std::vector<std::string> ids = {"baidu", "google", "taobao"};
  const std::string out = dir_.file("three.jsonl");
  ChildProcess p(Harvest("baidu,google,taobao", {"--format", "jsonl", "--output", out, "音乐"}),
                 "three");
  ASSERT_EQ(p.Wait(), 0) << p.Err();
  const std::vector<Row> rows = JsonRows(ReadFile(out));

  const demo::PhraseGraph graph(kGraphSize);
  PhraseList expected;
  expected.Append("音乐");
  for (int i = 0; i < expected.Count(); ++i)
    for (const std::string& id : ids)
      for (const std::string& s : graph.Suggestions(expected.Item(i), Variant(id)))
        AdmitPhrase(expected, s, false, {});
  std::set<std::string> want, got;
  for (const std::string& s : expected.Items()) want.insert(LowerAsciiLetters(s));
  std::map<std::string, int> depthOf;
  for (const Row& r : rows) {
    got.insert(LowerAsciiLetters(r.phrase));
    depthOf[r.phrase] = r.depth;
  }
  EXPECT_EQ(got, want);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const Row& r = rows[i];
    bool named = false;
    for (const std::string& s : graph.Suggestions(r.parent, Variant(r.source)))
      named = named || EqualsIgnoringAsciiCase(s, r.phrase);
    EXPECT_TRUE(named) << r.phrase << " credited to " << r.source << " from " << r.parent;
    EXPECT_EQ(r.depth, depthOf.at(r.parent) + 1);
  }
}

TEST_F(CliSources, AnEmojiSeedRoundTripsThroughTheKeywordListAndUtf8Output) {
  const std::string seeds = dir_.file("seeds.txt");
  testing::WriteText(seeds, "😀手机\n한국어 qq\n");
  const std::string list = dir_.file("list.txt");
  ChildProcess first(Harvest("soso", {"--max-phrases", "5", "--seeds", seeds, "--output", list}),
                     "emoji_first");
  ASSERT_EQ(first.Wait(), 0) << first.Err();
  const std::string bytes = ReadFile(list);
  EXPECT_EQ(bytes.rfind(Utf8ToGb18030("😀手机\r\n한국어 qq\r\n"), 0), 0u);
  EXPECT_EQ(bytes.find('?'), std::string::npos);

  ChildProcess second({"harvest", "--sources", "soso", "--host", "soso=" + base_, "--max-phrases",
                       "1", "--seeds", list, "--seeds-encoding", "cp936"},
                      "emoji_second");
  ASSERT_EQ(second.Wait(), 0) << second.Err();
  const std::vector<std::string> lines = Lines(second.Out(), "\n");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "😀手机");
  EXPECT_EQ(lines[1], "한국어 qq");
  EXPECT_NE(second.Err().find("正在查询：😀手机"), std::string::npos) << second.Err();
}

int AskedOf(const std::string& err, const std::string& id) {
  const std::string key = "source " + id + ": asked=";
  const std::size_t at = err.find(key);
  return at == std::string::npos ? -1 : std::stoi(err.substr(at + key.size()));
}

std::vector<std::string> SortedLines(const std::string& path) {
  std::vector<std::string> lines = Lines(ReadFile(path), "\n");
  std::sort(lines.begin(), lines.end());
  return lines;
}

// A run stopped early and continued from its session file finds what one uninterrupted run
// finds, asking each phrase once across the two.
TEST_F(CliSources, AResumedSessionEqualsOneUninterruptedRun) {
  const std::string whole = dir_.file("whole.txt"), part = dir_.file("part.txt");
  const std::string session = dir_.file("run.session");
  ChildProcess full(Harvest("soso", {"--format", "utf8", "--output", whole, "手机"}), "whole");
  ASSERT_EQ(full.Wait(), 0) << full.Err();
  ChildProcess first(Harvest("soso", {"--max-phrases", "40", "--session", session, "--format",
                                      "utf8", "--output", part, "手机"}),
                     "first_half");
  ASSERT_EQ(first.Wait(), 0) << first.Err();
  ASSERT_LT(Lines(ReadFile(part), "\n").size(), SortedLines(whole).size());
  ChildProcess rest(Harvest("soso", {"--resume", session, "--format", "utf8", "--output", part}),
                    "second_half");
  ASSERT_EQ(rest.Wait(), 0) << rest.Err();
  EXPECT_EQ(SortedLines(part), SortedLines(whole));
  EXPECT_EQ(AskedOf(first.Err(), "soso") + AskedOf(rest.Err(), "soso"), AskedOf(full.Err(), "soso"))
      << first.Err() << rest.Err();

  // A damaged session is refused and left as it was.
  std::ofstream(session, std::ios::trunc) << "{not json";
  ChildProcess damaged(Harvest("soso", {"--resume", session}), "damaged");
  EXPECT_EQ(damaged.Wait(), 2);
  EXPECT_EQ(ReadFile(session), "{not json");
}

}  // namespace
}  // namespace longtail
