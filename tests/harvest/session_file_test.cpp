#include "harvest/session_file.h"

#include <gtest/gtest.h>

#include "harvest/excluded_words.h"
#include "support/temp_dir.h"
#include "test_text.h"

namespace longtail {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteText;

HarvestSession Sample() {
  HarvestSession s;
  s.seeds = {"QQ", "手机"};
  s.broad = false;
  s.mustContain = true;
  s.expansion = "abc";
  s.exclude = {"免费", "free"};
  s.maxDepth = 3;
  s.endpoints.sources = {"baidu", "soso"};
  s.endpoints.suggestHost = "127.0.0.1:9";
  s.endpoints.bases["baidu"] = "https://127.0.0.1:10";
  PhraseOrigin child;
  child.parent = 1;
  child.depth = 1;
  child.source = static_cast<std::uint8_t>(FindSource("baidu") - AllSources().data() + 1);
  s.results = {{"qq", {}}, {"手机", {}}, {"手机 \"壳\",😀", child}};
  s.chains = {{"baidu", 2}, {"soso", 3}};
  s.failed = {"qq a"};
  return s;
}

TEST(SessionFile, RoundTripsEverythingAndRestoresTheListWithOrigins) {
  TempDir dir;
  const std::string path = dir.file("run.session");
  std::string error;
  ASSERT_TRUE(WriteSessionFile(path, Sample(), error)) << error;
  HarvestSession read;
  ASSERT_EQ(ReadSessionFile(path, read, error), SessionReadStatus::Ok) << error;
  // Written again, the session gives the same bytes: nothing was lost on the way.
  EXPECT_EQ(SessionBytes(read), ReadAll(path));
  EXPECT_EQ(read.endpoints.bases.at("baidu"), "https://127.0.0.1:10");
  EXPECT_EQ(read.chains[1].next, 3);
  PhraseList list;
  RestoreResults(read, list);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Origin(2).parent, 1u);
  EXPECT_EQ(list.Origin(2).source, Sample().results[2].origin.source);
  EXPECT_EQ(list.Origin(0).parent, PhraseOrigin::kNoParent);
}

TEST(SessionFile, DamagedOrNewerFilesAreRefusedWithAReasonAndLeaveTheSessionAlone) {
  TempDir dir;
  const std::string path = dir.file("run.session");
  std::string good = SessionBytes(Sample());
  struct Case {
    std::string bytes;
    SessionReadStatus status;
    const char* says;
  };
  std::string badParent = good;
  badParent.replace(badParent.find("\"parent\": 1"), 11, "\"parent\": 7");
  std::string newer = good;
  newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 2");
  const Case cases[] = {
      {good.substr(0, good.size() / 2), SessionReadStatus::Damaged, "damaged"},
      {"{\"format\":\"something else\"}", SessionReadStatus::Damaged, "not a session"},
      {badParent, SessionReadStatus::Damaged, "bad parent"},
      {newer, SessionReadStatus::Newer, "newer version (format 2"},
  };
  for (const Case& c : cases) {
    WriteText(path, c.bytes);
    HarvestSession read;
    read.seeds = {"untouched"};
    std::string error;
    EXPECT_EQ(ReadSessionFile(path, read, error), c.status) << c.says;
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
    EXPECT_EQ(read.seeds, std::vector<std::string>{"untouched"});
  }
  std::string error;
  HarvestSession read;
  EXPECT_EQ(ReadSessionFile(dir.file("none"), read, error), SessionReadStatus::Missing);
}

TEST(ExcludeWords, TypedWordsSplitAtSpacesAndAsciiOrFullWidthCommas) {
  EXPECT_EQ(SplitExcludeWords(" 免费, free，盗版  x\t"),
            (std::vector<std::string>{"免费", "free", "盗版", "x"}));
}

}  // namespace
}  // namespace longtail
