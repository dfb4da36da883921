// Every source's answer reader on answers shaped like its service's, written by hand from
// the public formats: escapes, an empty list, a list of one, a wrong shape, a cut body.

#include <gtest/gtest.h>

#include <optional>

#include "harvest/source.h"
#include "harvest/test_text.h"

namespace longtail {
namespace {

using testing::G;
using Phrases = std::vector<std::string>;

struct Case {
  const char* what;
  std::string body;
  std::optional<Phrases> phrases;  // nullopt: refused
};

std::optional<Phrases> Read(const char* id, const std::string& body) {
  Phrases got;
  const bool ok = FindSource(id)->read(body, [&](std::string p) { got.push_back(std::move(p)); });
  if (!ok) {
    EXPECT_TRUE(got.empty()) << "a refused answer handed on phrases";
    return std::nullopt;
  }
  return got;
}

// The OpenSearch shape shared by google, bing and duckduckgo.
std::vector<Case> QueryAndListCases() {
  return {
      {"escapes", R"(["手机",["手机壳","手机\u58c1纸","a\"b\\c","\ud83d\ude00"],[],{"x":1}])",
       Phrases{"手机壳", "手机壁纸", "a\"b\\c", "😀"}},
      {"empty", R"(["x",[]])", Phrases{}},
      {"one", R"(["x",["y"]])", Phrases{"y"}},
      {"controls", "[\"x\",[\"a\\tb\",\" \",\"\\u0007\"]]", Phrases{"a b"}},
      {"wrong shape", R"({"q":"x","s":["y"]})", std::nullopt},
      {"second not a list", R"(["x","y"])", std::nullopt},
      {"not all strings", R"(["x",["a",1]])", std::nullopt},
      {"not UTF-8", "[\"x\",[\"\xB0\xA1\"]]", std::nullopt},
      {"cut short", R"(["x",["a","b")", std::nullopt},
      {"html", "<html>error</html>", std::nullopt},
  };
}

std::vector<std::pair<const char*, std::vector<Case>>> AllCases() {
  return {
      {"google", QueryAndListCases()},
      {"bing", QueryAndListCases()},
      {"duckduckgo", QueryAndListCases()},
      {"baidu",
       {
           {"escapes",
            G("window.baidu.sug({q:\"手机\",p:false,s:[\"手机号码\",\"手机\\u58c1纸\",\"a\\\"b\"]})"
              ";"),
            Phrases{"手机号码", "手机壁纸", "a\"b"}},
           {"four-byte code",
            "window.baidu.sug({q:\"x\",p:false,s:[\"" + Utf8ToGb18030("한😀") + "\"]});",
            Phrases{"한😀"}},
           {"empty", "window.baidu.sug({q:\"x\",p:false,s:[]});", Phrases{}},
           {"one, spaced", " window.baidu.sug( {q : \"x\", p:true, s:[\"y\"]} ) \n", Phrases{"y"}},
           {"no list", "window.baidu.sug({q:\"x\",p:false});", std::nullopt},
           {"other callback", "window.other.sug({q:\"x\",p:false,s:[\"y\"]});", std::nullopt},
           {"bare JSON", R"({"q":"x","p":false,"s":["y"]})", std::nullopt},
           {"cut short", "window.baidu.sug({q:\"x\",p:false,s:[\"a\",\"b\"", std::nullopt},
       }},
      {"so360",
       {
           {"escapes",
            R"({"query":"手机","result":[{"word":"手机号码","rank":1},{"word":"\u624b\u673a\"x"}],"version":"2.0"})",
            Phrases{"手机号码", "手机\"x"}},
           {"empty", R"({"result":[]})", Phrases{}},
           {"one", R"({"result":[{"word":"y"}]})", Phrases{"y"}},
           {"words not objects", R"({"result":[["y"]]})", std::nullopt},
           {"no result", R"({"results":[]})", std::nullopt},
           {"cut short", R"({"result":[{"word":"y"})", std::nullopt},
       }},
      {"sogou",
       {
           {"escapes",
            G("window.sogou.sug([\"手机\",[\"手机号码\",\"手机\\u58c1纸\"],[\"0;0;0;0\",\"0;0;0;"
              "0\"],"
              "[\"\",\"\"],[\"0\"],\"\",\"suglabid_2\"],-1);"),
            Phrases{"手机号码", "手机壁纸"}},
           {"empty", "window.sogou.sug([\"x\",[]],-1);", Phrases{}},
           {"one", "window.sogou.sug([\"x\",[\"y\"]],-1)", Phrases{"y"}},
           {"no list", "window.sogou.sug([\"x\"],-1);", std::nullopt},
           {"no number", "window.sogou.sug([\"x\",[\"y\"]]);", std::nullopt},
           {"smuggled list", "window.sogou.sug([\"x\",[\"y\"]],[\"x\",[\"z\"]]);", std::nullopt},
           {"cut short", "window.sogou.sug([\"x\",[\"y\"]],-1", std::nullopt},
       }},
      {"taobao",
       {
           {"escapes", R"({"result":[["手机壳","3412356"],["手机\u58c1纸","23"]],"magic":[]})",
            Phrases{"手机壳", "手机壁纸"}},
           {"empty", R"({"result":[]})", Phrases{}},
           {"one", R"({"result":[["y","1"]]})", Phrases{"y"}},
           {"objects", R"({"result":[{"word":"y"}]})", std::nullopt},
           {"empty pair", R"({"result":[[]]})", std::nullopt},
           {"cut short", R"({"result":[["y","1"])", std::nullopt},
       }},
  };
}

TEST(SourceReaders, EachAcceptsItsFormatAndRefusesAnythingElse) {
  for (const auto& [id, cases] : AllCases()) {
    ASSERT_NE(FindSource(id), nullptr) << id;
    for (const Case& c : cases) EXPECT_EQ(Read(id, c.body), c.phrases) << id << ": " << c.what;
  }
  // No reader takes another source's answer for its own.
  EXPECT_EQ(Read("taobao", R"(["x",["y"]])"), std::nullopt);
  EXPECT_EQ(Read("google", R"({"result":[["y","1"]]})"), std::nullopt);
  EXPECT_EQ(Read("soso", R"({"result":[["y","1"]]})"), std::nullopt);
}

TEST(SourceRegistry, ListsEveryTableSourceWithItsKindAndEncoding) {
  std::string listed;
  for (const Source& s : AllSources())
    listed += std::string(s.id) + " " + KindName(s.kind) + " " + EncodingName(s.encoding) + "\n";
  EXPECT_EQ(listed,
            "soso suggest cp936\nbaidu-related related cp936\nbaidu suggest cp936\n"
            "google suggest utf8\nbing suggest utf8\nduckduckgo suggest utf8\n"
            "so360 suggest utf8\nsogou suggest cp936\ntaobao suggest utf8\n");
  EXPECT_EQ(FindSource("nope"), nullptr);
}

}  // namespace
}  // namespace longtail
