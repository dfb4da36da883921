#include "harvest/demo/demo_service.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <set>
#include <thread>

#include "harvest/answer_parsing.h"
#include "harvest/demo/demo_options.h"
#include "harvest/source.h"
#include "harvest/test_text.h"
#include "text/ascii_case.h"

namespace longtail::demo {
namespace {

using longtail::testing::G;
using namespace std::chrono_literals;

// One GET on its own connection; the whole answer as received, head and body.
std::string RawGet(int port, const std::string& target) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  ::inet_pton(AF_INET, "127.0.0.1", &addr.sin_addr);
  std::string answer;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
    const std::string request =
        "GET " + target + " HTTP/1.1\r\nHost: demo\r\nConnection: close\r\n\r\n";
    ::send(fd, request.data(), request.size(), 0);
    char buf[4096];
    for (ssize_t n; (n = ::recv(fd, buf, sizeof buf, 0)) > 0;)
      answer.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return answer;
}

std::string BodyOf(const std::string& answer) {
  const std::size_t at = answer.find("\r\n\r\n");
  return at == std::string::npos ? "" : answer.substr(at + 4);
}

TEST(DemoFormats, SuggestionAnswerEscapesWhatTheEngineUnescapes) {
  std::vector<std::string> phrases = {"手机", "qq", "qq空间 2024", "a\"b,c%d", "한😀"};
  std::string body = SuggestionAnswer(phrases);
  EXPECT_EQ(body.substr(0, 18), "[\"%u624B%u673A\",\"q");
  EXPECT_EQ(SuggestionPhrases(body), phrases);
}

TEST(DemoFormats, ResultsPageCarriesTheRelatedBlock) {
  std::vector<std::string> phrases;
  for (const char* p : {"手机价格", "手机<b>", "qq", "a", "b", "c", "d"}) phrases.push_back(p);
  std::string page = ResultsPage("手机", phrases, true);
  EXPECT_NE(page.find(G("手机价格")), std::string::npos);  // a code page 936 page
  EXPECT_EQ(RelatedSearchPhrases(DecodeAnswerBody(page)), phrases);
  EXPECT_THROW(RelatedSearchPhrases(DecodeAnswerBody(ResultsPage("手机", {}, false))),
               MissingLinkTable);
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
  EXPECT_FALSE(a.Suggestions("完全陌生的词").empty());
  EXPECT_FALSE(a.RelatedSearches("").empty());
  // A query naming a noun gets phrases of that noun.
  int withNoun = 0;
  for (const std::string& s : a.Suggestions("我的手机坏了"))
    withNoun += ContainsAtCharBoundary(s, "手机");
  EXPECT_GE(withNoun, 3);
}

TEST(PhraseGraph, GrowsPastEveryThreeWordPhraseWithoutHoldingTheFourWordOnes) {
  PhraseGraph full(38460), big(100000), largest(PhraseGraph::MaxSize() + 1000);
  EXPECT_EQ(full.Size(), 38460);
  EXPECT_EQ(big.Size(), 100000);
  EXPECT_EQ(largest.Size(), PhraseGraph::MaxSize());
  EXPECT_GT(PhraseGraph::MaxSize(), 1000000);
  for (int i = 38460; i < big.Size(); i += 3331) {
    const std::string phrase = big.Phrase(i);
    EXPECT_EQ(big.Find(phrase), i) << i;
    EXPECT_EQ(full.Find(phrase), -1);
    for (const std::string& s : big.Suggestions(phrase)) EXPECT_GE(big.Find(s), 0) << s;
  }
  EXPECT_EQ(largest.Find(largest.Phrase(largest.Size() - 1)), largest.Size() - 1);
  // The answers lead into the four-word phrases, so a harvest can find them.
  int fourWord = 0;
  for (int i = 2460; i < 38460; i += 97)
    for (const std::string& s : big.Suggestions(big.Phrase(i))) fourWord += big.Find(s) >= 38460;
  EXPECT_GT(fourWord, 50);
}

TEST(DemoMisbehaviour, BlocksBehindAVerificationPageThenServesAgain) {
  DemoService service(DemoOptions{.graphSize = 500, .blockAfter = 2, .blockFor = 1s});
  ASSERT_TRUE(service.ok());
  const std::string target = "/include/keywords.php?k=qq";
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(RawGet(service.port(), target).rfind("HTTP/1.1 200", 0), 0u);
  const std::string blocked = RawGet(service.port(), target);
  EXPECT_EQ(blocked.rfind("HTTP/1.1 429", 0), 0u) << blocked;
  EXPECT_NE(blocked.find("Retry-After: 1\r\n"), std::string::npos);
  EXPECT_NE(blocked.find("安全验证"), std::string::npos);
  EXPECT_NE(blocked.find("captcha"), std::string::npos);
  EXPECT_EQ(RawGet(service.port(), target).rfind("HTTP/1.1 429", 0), 0u);
  std::this_thread::sleep_for(1100ms);
  EXPECT_EQ(RawGet(service.port(), target).rfind("HTTP/1.1 200", 0), 0u);
}

TEST(DemoMisbehaviour, CutsBodiesShortAndDripsThem) {
  DemoService cutting(DemoOptions{.graphSize = 500, .cutEvery = 2});
  const std::string target = "/include/keywords.php?k=qq";
  const std::string whole = BodyOf(RawGet(cutting.port(), target));
  const std::string cut = RawGet(cutting.port(), target);
  EXPECT_NE(cut.find("Content-Length: " + std::to_string(whole.size())), std::string::npos);
  EXPECT_EQ(BodyOf(cut), whole.substr(0, whole.size() / 2));

  DemoService dripping(DemoOptions{.graphSize = 500, .dripDelay = 20ms});
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(BodyOf(RawGet(dripping.port(), target)), whole);
  EXPECT_GE(std::chrono::steady_clock::now() - started,
            20ms * static_cast<int>((whole.size() - 1) / kDripPieceBytes));
}

TEST(DemoOptionWords, ReadBothSpellingsAndRefuseWhatIsOutOfRange) {
  DemoOptions o;
  std::string error;
  ASSERT_TRUE(ParseDemoOptions(" --block-after 40 --block-seconds=30  --drip-ms 5 ", o, error))
      << error;
  EXPECT_EQ(o.blockAfter, 40);
  EXPECT_EQ(o.blockFor, 30s);
  EXPECT_EQ(o.dripDelay, 5ms);
  EXPECT_FALSE(
      ParseDemoOptions("--phrases " + std::to_string(PhraseGraph::MaxSize() + 1), o, error));
  EXPECT_NE(error.find(std::to_string(PhraseGraph::MaxSize())), std::string::npos) << error;
  EXPECT_FALSE(ParseDemoOptions("--cut-every", o, error));
  EXPECT_FALSE(ParseDemoOptions("--port 1", o, error));
  EXPECT_NE(error.find("--port"), std::string::npos) << error;
}

TEST(DemoAnswer, ServesBothPathsAndRejectsOthers) {
  PhraseGraph graph(500);
  HttpRequest req;
  req.target = "/include/keywords.php?k=%CA%D6%BB%FA";
  HttpResponse r = DemoAnswer(graph, req);
  EXPECT_EQ(r.status, 200);
  EXPECT_EQ(SuggestionPhrases(r.body), graph.Suggestions("手机"));
  req.target = "/s?wd=%CA%D6%BB%FA&pn=10";
  r = DemoAnswer(graph, req);
  EXPECT_NE(r.body.find(G("相关搜索")), std::string::npos);
  req.target = "/other";
  EXPECT_EQ(DemoAnswer(graph, req).status, 404);
}

// Every source's path is answered in that source's format, which its own reader accepts,
// and each suggestion service answers in its own way.
TEST(DemoAnswer, ServesEverySourceInItsFormat) {
  PhraseGraph graph(500);
  std::set<std::vector<std::string>> answers;
  for (const Source& source : AllSources()) {
    HttpRequest req;
    req.target = source.RequestUrl("", "手机😀");
    const HttpResponse r = DemoAnswer(graph, req);
    ASSERT_EQ(r.status, 200) << source.id;
    std::vector<std::string> phrases;
    EXPECT_TRUE(source.read(r.body, [&](std::string p) { phrases.push_back(std::move(p)); }))
        << source.id << ": " << r.body;
    EXPECT_GT(phrases.size(), 3u) << source.id;
    if (source.kind == RequestKind::Suggest) answers.insert(phrases);
  }
  EXPECT_EQ(answers.size(), 8u);
}

}  // namespace
}  // namespace longtail::demo
