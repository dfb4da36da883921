#include "harvest/demo/demo_service.h"

#include <gtest/gtest.h>

#include "harvest/answer_parsing.h"
#include "harvest/test_text.h"
#include "text/ascii_case.h"

namespace longtail::demo {
namespace {

using longtail::testing::G;

TEST(DemoFormats, SuggestionAnswerEscapesWhatTheEngineUnescapes) {
  std::vector<std::string> phrases = {G("手机"), "qq", G("qq空间 2024"), "a\"b,c%d"};
  std::string body = SuggestionAnswer(phrases);
  EXPECT_EQ(body.substr(0, 18), "[\"%u624B%u673A\",\"q");
  EXPECT_EQ(SuggestionPhrases(body), phrases);
}

TEST(DemoFormats, ResultsPageCarriesTheRelatedBlock) {
  std::vector<std::string> phrases;
  for (const char* p : {"手机价格", "手机<b>", "qq", "a", "b", "c", "d"}) phrases.push_back(G(p));
  std::string page = ResultsPage(G("手机"), phrases, true);
  EXPECT_EQ(RelatedSearchPhrases(page), phrases);
  EXPECT_THROW(RelatedSearchPhrases(ResultsPage(G("手机"), {}, false)), MissingLinkTable);
}

TEST(PhraseGraph, IsDeterministicFiniteAndAnswersEveryQuery) {
  PhraseGraph a(3000), b(3000), big(30000);
  EXPECT_EQ(a.Size(), 3000);
  EXPECT_EQ(big.Size(), 30000);
  for (int i = 0; i < a.Size(); i += 97) {
    EXPECT_EQ(a.Phrase(i), b.Phrase(i));
    EXPECT_EQ(a.Find(a.Phrase(i)), i);
    EXPECT_EQ(a.Suggestions(a.Phrase(i)), b.Suggestions(b.Phrase(i)));
    for (const std::string& s : a.Suggestions(a.Phrase(i))) {
      EXPECT_GE(a.Find(s), 0) << s;
      EXPECT_FALSE(EqualsIgnoringAsciiCase(s, a.Phrase(i)));
    }
  }
  EXPECT_FALSE(a.Suggestions(G("完全陌生的词")).empty());
  EXPECT_FALSE(a.RelatedSearches("").empty());
  // A query naming a noun gets phrases of that noun.
  int withNoun = 0;
  for (const std::string& s : a.Suggestions(G("我的手机坏了")))
    withNoun += ContainsAtCharBoundary(s, G("手机"));
  EXPECT_GE(withNoun, 3);
}

TEST(DemoAnswer, ServesBothPathsAndRejectsOthers) {
  PhraseGraph graph(500);
  HttpRequest req;
  req.target = "/include/keywords.php?k=%CA%D6%BB%FA";
  HttpResponse r = DemoAnswer(graph, req);
  EXPECT_EQ(r.status, 200);
  EXPECT_EQ(SuggestionPhrases(r.body), graph.Suggestions(G("手机")));
  req.target = "/s?wd=%CA%D6%BB%FA&pn=10";
  r = DemoAnswer(graph, req);
  EXPECT_NE(r.body.find(std::string(markers::kHeading)), std::string::npos);
  req.target = "/other";
  EXPECT_EQ(DemoAnswer(graph, req).status, 404);
}

}  // namespace
}  // namespace longtail::demo
