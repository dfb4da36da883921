// The harvest run's rules, with requests answered by the test instead of a server.

#include "harvest/harvest_run.h"

#include <gtest/gtest.h>

#include "harvest/fake_host.h"
#include "harvest/phrase_provenance.h"
#include "harvest/test_text.h"
#include "net/event_loop.h"

namespace longtail {
namespace {

using namespace std::chrono_literals;
using testing::FakeHost;
using testing::G;

const char* kQuerying = "正在查询：";
const char* kFinished = "查询完毕，这个词再也查不了了！";
const char* kStopping = "正在手动停止查询....";
const char* kStopped = "手动停止查询完毕";
const char* kRefused = "正在查询中，不要重复点击！如果需要重新查询，请先停止！";
const char* kNoKeyword = "不能查询，请输入关键词！";

std::string Querying(const char* phrase) {
  return std::string(kQuerying) + phrase;
}

// A suggestion answer listing the phrases (ASCII only).
std::string Suggest(std::initializer_list<const char*> phrases) {
  std::string body = "[";
  for (const char* p : phrases) {
    if (body.size() > 1) body += ',';
    body += '"';
    body += p;
    body += '"';
  }
  return body + "]";
}

// A results page whose related-searches block lists the phrases (none: an empty block).
std::string RelatedPage(std::initializer_list<std::string> phrases) {
  std::string page = "<div style=\"background-color:#eff2fa\">" + G("相关搜索") +
                     "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td nowrap "
                     "class=\"f14\">";
  bool first = true;
  for (const std::string& p : phrases) {
    if (!first) page += "</td><td nowrap class=\"f14\">";
    first = false;
    page += "<a href=\"s\">" + p + "</a>";
  }
  return page + "</td></tr></table></td></tr><tr><td>";
}

const RequestKind kSuggest = RequestKind::Suggest;
const RequestKind kRelated = RequestKind::Related;

class HarvestRunTest : public ::testing::Test {
 public:
  HarvestRunTest() : run_(loop_, results_, host_) {
    host_.policy.delay = 0ms;
    host_.policy.backoff = 0ms;
    run_.SetEndpoints({"s.test", "w.test"});
    run_.SetRequestStarter([this](HarvestRequest& r) {
      issued_.push_back({r.URL, r.Kind, &r, std::chrono::steady_clock::now()});
      if (onStart_) onStart_(r);
    });
  }

  struct Issued {
    std::string url;
    RequestKind kind;
    HarvestRequest* request;  // the chain's download, reused for its next request
    std::chrono::steady_clock::time_point at;
  };

  // The phrase a request asked about, decoded from its URL.
  static std::string AskedAbout(const Issued& i) { return i.url.substr(i.url.find('=') + 1); }
  std::vector<std::string> Asked(RequestKind kind) const {
    std::vector<std::string> out;
    for (const Issued& i : issued_)
      if (i.kind == kind) out.push_back(AskedAbout(i));
    return out;
  }
  // Runs what is due: the chains issue their next requests from timers.
  void Pump() { loop_.processPending(); }
  void Query() {
    run_.Query();
    Pump();
  }
  void Answer(std::size_t index, const std::string& body) {
    issued_.at(index).request->Finish(true, body);
    Pump();
  }
  void Fail(std::size_t index) {
    issued_.at(index).request->Finish(false, "");
    Pump();
  }
  std::size_t Last(RequestKind kind) const {
    for (std::size_t i = issued_.size(); i-- > 0;)
      if (issued_[i].kind == kind) return i;
    throw std::out_of_range("nothing asked of that kind");
  }
  void Seeds(std::initializer_list<const char*> lines) {
    host_.memo.clear();
    for (const char* l : lines) host_.memo.push_back(l);
  }
  std::vector<std::string> List() const {
    std::vector<std::string> out;
    for (const std::string& s : results_.Items()) out.push_back(s);
    return out;
  }

  EventLoop loop_;
  PhraseList results_;
  FakeHost host_;
  HarvestRun run_;
  std::vector<Issued> issued_;
  std::function<void(HarvestRequest&)> onStart_;
};

using Strings = std::vector<std::string>;

TEST_F(HarvestRunTest, BlankMemoIsRefusedAndChangesNothing) {
  results_.Append("kept");
  for (auto memo : {std::vector<std::string>{}, std::vector<std::string>{" ", "\t", ""}}) {
    host_.memo = memo;
    Query();
    EXPECT_EQ(host_.LastStatus(), kNoKeyword);
  }
  EXPECT_EQ(List(), Strings{"kept"});
  EXPECT_TRUE(issued_.empty());
  EXPECT_FALSE(run_.Running());
}

TEST_F(HarvestRunTest, QueryListsLoweredSeedsAndAsksTheFirstOfBothServices) {
  host_.broad = true;
  results_.Append("old");
  Seeds({"QQ空间 X", "", "Abc"});
  Query();
  EXPECT_EQ(host_.statuses.front(), Querying("qq空间 x"));
  EXPECT_EQ(List(), (Strings{"qq空间 x", "", "abc"}));
  ASSERT_EQ(issued_.size(), 2u);
  EXPECT_EQ(issued_[Last(kRelated)].url, "http://w.test/s?wd=qq%BF%D5%BC%E4+x");
  const Issued& suggest = issued_[Last(kSuggest)];
  EXPECT_EQ(suggest.url, "http://s.test/include/keywords.php?k=qq%BF%D5%BC%E4+x");
  EXPECT_EQ(suggest.request->Agent, kRequestAgent);
  EXPECT_FALSE(suggest.request->UseCache);
  EXPECT_EQ(run_.SuggestPos(), 1);
  EXPECT_EQ(run_.RelatedPos(), 1);
  EXPECT_TRUE(run_.Running());
  EXPECT_TRUE(run_.Proceed());
  EXPECT_EQ(host_.resultLabel, "(3)");
}

TEST_F(HarvestRunTest, QueryDuringARunIsRefusedEvenNestedInADownloadStart) {
  Seeds({"a", "b"});
  bool nested = false;
  onStart_ = [&](HarvestRequest&) {
    if (!nested) {
      nested = true;
      run_.Query();  // starting a download lets waiting events run: a second click
    }
  };
  Query();
  run_.Query();
  EXPECT_EQ(host_.LastStatus(), kRefused);
  EXPECT_EQ(issued_.size(), 1u);
  EXPECT_EQ(List(), (Strings{"a", "b"}));
}

TEST_F(HarvestRunTest, AnswerArrivingNestedInTheOtherChainsStartIsHandled) {
  host_.broad = true;
  Seeds({"a", "b"});
  onStart_ = [&](HarvestRequest&) {
    if (issued_.size() == 2) issued_[0].request->Finish(true, Suggest({"c"}));
  };
  Query();
  Pump();
  EXPECT_EQ(run_.SuggestAnswered() + run_.RelatedAnswered(), 1);
  EXPECT_EQ(List(), (Strings{"a", "b", "c"}));
  EXPECT_EQ(issued_.size(), 3u);  // the answered chain asked its next phrase
  EXPECT_EQ(run_.OutstandingRequests(), 2);
}

TEST_F(HarvestRunTest, SuggestionChainAsksEveryListedPhraseOnceInOrderAndEnds) {
  Seeds({"s1", "s2", "s3"});
  Query();
  Answer(0, Suggest({"x", "S2", "y"}));  // S2 is already listed (case ignored)
  Answer(1, "[]");
  Answer(2, Suggest({"y", "z"}));  // y came earlier from another answer
  Answer(3, "[]");
  Answer(4, "[]");
  EXPECT_TRUE(run_.Running());
  Answer(5, "[]");
  EXPECT_EQ(List(), (Strings{"s1", "s2", "s3", "x", "y", "z"}));
  EXPECT_EQ(Asked(kSuggest), (Strings{"s1", "s2", "s3", "x", "y", "z"}));
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(run_.Counts(kSuggest).answered, 6);
}

TEST_F(HarvestRunTest, DuplicateAndBlankSeedsAreListedAndAskedAsTheyAre) {
  Seeds({"a", "", "a"});
  Query();
  for (std::size_t i = 0; i < 3; ++i) Answer(i, "[]");
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "", "a"}));
  EXPECT_EQ(List(), (Strings{"a", "", "a"}));
  EXPECT_EQ(host_.LastStatus(), kFinished);
}

TEST_F(HarvestRunTest, SuggestionAnswerAdmitsEscapedStringsInOrderWithoutControlCharacters) {
  Seeds({"seed"});
  Query();
  Answer(0, "[\"%u624B%u673A\",\"qq\",\"a%u0000b%0D%0A\",\"%1B\",\" %7F \"]");
  EXPECT_EQ(List(), (Strings{"seed", "手机", "qq", "a b"}));
}

TEST_F(HarvestRunTest, MustContainComparesWithCaseAgainstTheMemoLines) {
  host_.mustContain = true;
  Seeds({"QQ"});
  Query();
  Answer(0, "[\"qq%u7A7A%u95F4\",\"QQ%u6E38%u620F\",\"xQQ\"]");
  EXPECT_EQ(List(), (Strings{"qq", "QQ游戏", "xQQ"}));
  // Memo lines that are all empty admit nothing.
  host_.memo = {"", ""};
  Answer(1, Suggest({"QQa", "b"}));
  EXPECT_EQ(List().size(), 3u);
}

TEST_F(HarvestRunTest, ExcludeWordsKeepCandidatesOutIgnoringAsciiCase) {
  host_.exclude = {"Free", "", "ç"};  // "盗"
  Seeds({"free app"});                     // a seed is listed whatever it holds
  Query();
  Answer(0, Suggest({"app FREE", "app", "çç", "paid"}));
  EXPECT_EQ(List(), (Strings{"free app", "app", "paid"}));
}

TEST_F(HarvestRunTest, MaxDepthListsTheDeepestPhrasesButAsksNothingAboutThem) {
  host_.maxDepth = 1;
  Seeds({"a", "b"});
  Query();
  Answer(0, Suggest({"a1"}));
  Answer(1, Suggest({"b1"}));
  EXPECT_EQ(List(), (Strings{"a", "b", "a1", "b1"}));
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "b"}));
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(host_.LastStatus(), kFinished);
}

TEST_F(HarvestRunTest, FailedRequestIsRetriedWithADoublingBackOffThenTheChainMovesOn) {
  host_.policy.backoff = 40ms;
  Seeds({"a", "b"});
  Query();
  auto started = std::chrono::steady_clock::now();
  Fail(0);
  EXPECT_EQ(host_.LastStatus(), "搜搜 1 秒后第 1 次重试：连接失败");
  EXPECT_EQ(issued_.size(), 1u);  // waiting out the back-off
  loop_.runUntil([&] { return issued_.size() == 2; }, 5s);
  Fail(1);
  loop_.runUntil([&] { return issued_.size() == 3; }, 5s);
  EXPECT_GE(std::chrono::steady_clock::now() - started, 40ms + 80ms);
  Fail(2);  // the last retry: the phrase counts failed
  loop_.runUntil([&] { return issued_.size() == 4; }, 5s);
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "a", "a", "b"}));
  EXPECT_EQ(run_.SuggestAnswered(), 1);
  EXPECT_EQ(run_.Counts(kSuggest).failed, 3);
  EXPECT_EQ(host_.LastStatus(), Querying("b"));
}

TEST_F(HarvestRunTest, AnswersOfTheWrongShapeFailAndAdmitNothing) {
  host_.broad = true;
  host_.policy.retries = 0;
  Seeds({"a"});
  Query();
  Answer(Last(kSuggest), "<html>Not Found, sorry, gone</html>");
  Answer(Last(kRelated), "<html>a results page, without the related block</html>");
  EXPECT_EQ(List(), Strings{"a"});
  EXPECT_EQ(run_.Counts(kSuggest).failed, 1);
  EXPECT_EQ(run_.Counts(kRelated).failed, 1);
  EXPECT_EQ(run_.RelatedAnswered(), 1);  // counted once
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(host_.LastStatus(), "查询结束，没有一个请求得到回答：2 个请求失败");
}

TEST_F(HarvestRunTest, EndTextCountsRequestsThatDidNotCount) {
  host_.policy.retries = 0;
  Seeds({"a", "b"});
  Query();
  Fail(0);
  Answer(1, "[]");
  EXPECT_EQ(host_.LastStatus(), std::string(kFinished) + "（1 个请求失败）");
}

TEST_F(HarvestRunTest, VerificationPagePausesThatChainWhileTheOtherGoesOn) {
  host_.broad = true;
  host_.policy.backoff = 30ms;
  Seeds({"a", "b"});
  Query();
  Answer(Last(kRelated), G("<html><title>百度安全验证</title>请输入验证码, 继续访问</html>"));
  EXPECT_EQ(host_.LastStatus(), "百度 暂停 1 秒：要求验证");
  EXPECT_EQ(run_.Counts(kRelated).blocked, 1);
  Answer(Last(kSuggest), Suggest({"c"}));  // the suggestion chain goes on meanwhile
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "b"}));
  EXPECT_EQ(Asked(kRelated), Strings{"a"});
  loop_.runUntil([&] { return Asked(kRelated).size() == 2; }, 5s);
  EXPECT_EQ(Asked(kRelated), (Strings{"a", "a"}));  // the same phrase again
  EXPECT_EQ(List(), (Strings{"a", "b", "c"}));
  EXPECT_EQ(run_.RelatedAnswered(), 0);
}

TEST_F(HarvestRunTest, PacingKeepsTheLeastIntervalBetweenTheStartsOfAChain) {
  host_.policy.delay = 60ms;
  Seeds({"a", "b", "c"});
  Query();
  for (std::size_t i = 0; i < 2; ++i) {
    Answer(i, "[]");  // answered at once: only the pacing holds the next start back
    EXPECT_EQ(issued_.size(), i + 1);
    ASSERT_TRUE(loop_.runUntil([&] { return issued_.size() == i + 2; }, 5s));
  }
  // The starts are taken a moment after the run notes them; allow that moment.
  for (std::size_t i = 1; i < issued_.size(); ++i)
    EXPECT_GE(issued_[i].at - issued_[i - 1].at, 59ms);
  // The delay is read as each request is about to be issued.
  host_.policy.delay = 0ms;
  Answer(2, Suggest({"d"}));
  Pump();
  EXPECT_EQ(issued_.size(), 4u);
}

TEST_F(HarvestRunTest, StopLetsRequestsFinishAndCompletesWhenNoneIsLeft) {
  host_.broad = true;
  Seeds({"a"});
  Query();
  run_.Stop();
  EXPECT_TRUE(run_.StopPending());
  EXPECT_FALSE(run_.Proceed());
  EXPECT_EQ(host_.LastStatus(), kStopping);
  run_.CheckStopComplete();  // two requests outstanding: nothing yet
  EXPECT_TRUE(run_.Running());
  Answer(Last(kSuggest), Suggest({"late"}));  // phrases of a late answer are still admitted
  EXPECT_EQ(host_.LastStatus(), kStopping);
  EXPECT_EQ(List(), (Strings{"a", "late"}));
  EXPECT_TRUE(run_.Running());  // Query stays refused until the stop completes
  Answer(Last(kRelated), RelatedPage({"x"}));
  EXPECT_EQ(issued_.size(), 2u);  // nothing issued after Stop
  EXPECT_EQ(host_.LastStatus(), kStopped);
  EXPECT_FALSE(run_.Running());
  EXPECT_FALSE(run_.StopPending());
}

TEST_F(HarvestRunTest, StopWithoutARunCompletesAtOnceAndAWaitingChainIssuesNothing) {
  run_.Stop();
  EXPECT_EQ(host_.statuses, Strings{kStopped});
  EXPECT_FALSE(run_.StopPending());
  host_.policy.backoff = 10ms;
  Seeds({"a"});
  Query();
  Fail(0);  // waiting to retry
  run_.Stop();
  loop_.runUntil([] { return false; }, 50ms);
  EXPECT_EQ(issued_.size(), 1u);
  EXPECT_EQ(host_.LastStatus(), std::string(kStopped) + "（1 个请求失败）");
}

TEST_F(HarvestRunTest, QueryWhileStoppingIsRefusedAndAcceptedOnceTheStopCompletes) {
  Seeds({"a"});
  Query();
  run_.Stop();
  run_.Query();
  EXPECT_EQ(host_.LastStatus(), "正在停止上一次查询，请稍候再点击查询！");
  Answer(0, "[]");
  Seeds({"n"});
  Query();
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "n"}));
  EXPECT_EQ(run_.SuggestAnswered(), 0);  // counters start afresh
}

TEST_F(HarvestRunTest, ChainThatRanOutAsksPhrasesFoundLaterAndTheRunEndsOnItsOwn) {
  host_.broad = true;
  Seeds({"a"});
  Query();
  Answer(Last(kRelated), RelatedPage({}));  // the related chain has asked every phrase
  EXPECT_TRUE(run_.Running());
  Answer(Last(kSuggest), Suggest({"b"}));  // "b" is asked by both chains
  EXPECT_EQ(Asked(kRelated), (Strings{"a", "b"}));
  EXPECT_EQ(Asked(kSuggest), (Strings{"a", "b"}));
  Answer(Last(kSuggest), "[]");
  EXPECT_TRUE(run_.Running());  // the related request for "b" is still out
  Answer(Last(kRelated), RelatedPage({}));
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(run_.OutstandingRequests(), 0);
}

TEST_F(HarvestRunTest, UntickingBroadRelevanceEndsTheRelatedChainAtItsNextRequest) {
  host_.broad = true;
  Seeds({"a", "b"});
  Query();
  host_.broad = false;
  Answer(Last(kRelated), RelatedPage({}));
  EXPECT_EQ(Asked(kRelated), Strings{"a"});
  Answer(Last(kSuggest), "[]");
  Answer(Last(kSuggest), "[]");
  EXPECT_EQ(host_.LastStatus(), kFinished);
}

TEST_F(HarvestRunTest, ClearingTheListDuringARunEndsTheChainAtTheNextStep) {
  Seeds({"a", "b", "c"});
  Query();
  results_.Clear();
  Answer(0, "[]");
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_EQ(issued_.size(), 1u);
}

TEST_F(HarvestRunTest, CountLabelsShowBothListSizes) {
  Seeds({"a", "b"});
  Query();
  host_.exportCount = 7;
  run_.RefreshCounts();
  EXPECT_EQ(host_.resultLabel, "(2)");
  EXPECT_EQ(host_.exportLabel, "(7)");
}

TEST_F(HarvestRunTest, EachChainReusesOneDownloadHoweverLongTheRun) {
  Seeds({"s"});
  Query();
  for (int i = 0; i < 200; ++i) {
    std::string next = "p";
    next += std::to_string(i);
    Answer(issued_.size() - 1, "[\"" + next + "\"]");
    EXPECT_EQ(issued_.back().request, issued_.front().request);
  }
  EXPECT_EQ(run_.LiveRequestObjects(), 1u);
  EXPECT_EQ(results_.Count(), 201);
  EXPECT_EQ(run_.OutstandingRequests(), 1);
}

// Index of the last request whose address holds `part`.
std::size_t LastTo(const std::vector<HarvestRunTest::Issued>& issued, const std::string& part) {
  for (std::size_t i = issued.size(); i-- > 0;)
    if (issued[i].url.find(part) != std::string::npos) return i;
  throw std::out_of_range("nothing asked there");
}

TEST_F(HarvestRunTest, EachPhraseRemembersTheSourceThatNamedItFirstItsParentAndDepth) {
  run_.SetEndpoints({"s.test", "w.test", {"soso", "bing", "nope", "soso"}});
  Seeds({"a"});
  Query();
  ASSERT_EQ(issued_.size(), 2u);  // one chain per known source, once each
  EXPECT_EQ(issued_[1].url, "https://api.bing.com/osjson.aspx?query=a");
  Answer(LastTo(issued_, "osjson"), R"(["a",["b","c"]])");
  Answer(LastTo(issued_, "keywords"), Suggest({"c", "d"}));
  EXPECT_EQ(List(), (Strings{"a", "b", "c", "d"}));
  Answer(LastTo(issued_, "keywords"), Suggest({"e"}));  // soso's answer about "b"
  const ProvenanceOf from = ProvenanceIn(results_);
  auto row = [&](std::size_t i) {
    const PhraseProvenance p = from(i);
    return p.source + "," + p.parent + "," + std::to_string(p.depth);
  };
  EXPECT_EQ(row(0), ",,0");
  EXPECT_EQ(row(1), "bing,a,1");
  EXPECT_EQ(row(2), "bing,a,1");  // named by soso too, but later
  EXPECT_EQ(row(3), "soso,a,1");
  EXPECT_EQ(row(4), "soso,b,2");
  EXPECT_EQ(run_.Counts("bing").answered, 1);
  EXPECT_EQ(run_.Counts("soso").answered, 2);
}

TEST_F(HarvestRunTest, ExpansionAsksEachSeedWithEverySuffixWithoutListingThose) {
  run_.SetExpansion("ab");
  Seeds({"x", " ", "y"});
  Query();
  for (int i = 0; i < 6; ++i) Answer(issued_.size() - 1, i == 1 ? Suggest({"found"}) : "[]");
  EXPECT_EQ(Asked(kSuggest), (Strings{"x", "x+a", "x+b", "+", "y", "y+a", "y+b"}));
  EXPECT_EQ(List(), (Strings{"x", " ", "y", "found"}));
  EXPECT_EQ(ProvenanceIn(results_)(3).parent, "x");  // what "x a" finds is the seed's
  Answer(issued_.size() - 1, "[]");
  Answer(issued_.size() - 1, "[]");  // "found" itself is not expanded
  EXPECT_EQ(Asked(kSuggest).back(), "found");
  EXPECT_EQ(run_.SuggestAnswered(), 4);  // the listed phrases; expanded queries aside
  EXPECT_EQ(run_.Counts(kSuggest).answered, 8);
}

}  // namespace
}  // namespace longtail
