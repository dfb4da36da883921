// The harvest run's rules, with requests answered by the test instead of a server.

#include "harvest/harvest_run.h"

#include <gtest/gtest.h>

#include "harvest/fake_host.h"
#include "harvest/test_text.h"
#include "net/event_loop.h"

namespace longtail {
namespace {

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

class HarvestRunTest : public ::testing::Test {
 protected:
  HarvestRunTest() : run_(loop_, results_, host_) {
    run_.SetEndpoints({"s.test", "w.test"});
    run_.SetRequestStarter([this](HarvestRequest& r) {
      issued_.push_back({r.URL, r.Kind, &r});
      if (onStart_) onStart_(r);
    });
  }

  struct Issued {
    std::string url;
    RequestKind kind;
    HarvestRequest* request;  // valid until its answer has been released
  };

  // The phrase a request asked about, decoded from its URL.
  static std::string AskedAbout(const Issued& i) { return i.url.substr(i.url.find('=') + 1); }
  std::vector<std::string> Asked(RequestKind kind) const {
    std::vector<std::string> out;
    for (const Issued& i : issued_)
      if (i.kind == kind) out.push_back(AskedAbout(i));
    return out;
  }

  void Answer(std::size_t index, const std::string& body) {
    issued_.at(index).request->Finish(true, body);
    loop_.processPending();  // releases the answered request
  }
  void Fail(std::size_t index) {
    issued_.at(index).request->Finish(false, "");
    loop_.processPending();
  }
  void Seeds(std::initializer_list<const char*> lines) {
    host_.memo.clear();
    for (const char* l : lines) host_.memo.push_back(G(l));
  }
  std::vector<std::string> List() const {
    std::vector<std::string> out;
    for (const std::string& s : results_.Items()) out.push_back(Cp936ToUtf8(s));
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
    run_.Query();
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
  run_.Query();
  EXPECT_EQ(host_.statuses, Strings{Querying("qq空间 x")});
  EXPECT_EQ(List(), (Strings{"qq空间 x", "", "abc"}));
  ASSERT_EQ(issued_.size(), 2u);
  EXPECT_EQ(issued_[0].url, "http://w.test/s?wd=qq%BF%D5%BC%E4+x");  // related first
  EXPECT_EQ(issued_[0].kind, RequestKind::Related);
  EXPECT_EQ(issued_[1].url, "http://s.test/include/keywords.php?k=qq%BF%D5%BC%E4+x");
  EXPECT_EQ(issued_[1].kind, RequestKind::Suggest);
  EXPECT_EQ(issued_[1].request->Agent, kRequestAgent);
  EXPECT_FALSE(issued_[1].request->UseCache);
  EXPECT_EQ(run_.SuggestPos(), 1);
  EXPECT_EQ(run_.RelatedPos(), 1);
  EXPECT_TRUE(run_.Running());
  EXPECT_TRUE(run_.Proceed());
  EXPECT_EQ(host_.resultLabel, "(3)");
}

TEST_F(HarvestRunTest, QueryDuringARunIsRefusedWithoutSideEffects) {
  Seeds({"a"});
  run_.Query();
  run_.Query();
  EXPECT_EQ(host_.LastStatus(), kRefused);
  EXPECT_EQ(issued_.size(), 1u);
  EXPECT_EQ(run_.SuggestPos(), 1);
  EXPECT_EQ(List(), Strings{"a"});
}

TEST_F(HarvestRunTest, NestedQueryWhileStartingIsRefusedAndSeedsAreListedOnce) {
  // Starting a download lets waiting events run; a second click arrives in there.
  Seeds({"a", "b"});
  bool nested = false;
  onStart_ = [&](HarvestRequest&) {
    if (!nested) {
      nested = true;
      run_.Query();
    }
  };
  run_.Query();
  EXPECT_EQ(List(), (Strings{"a", "b"}));
  EXPECT_EQ(issued_.size(), 1u);
  EXPECT_EQ(host_.statuses, (Strings{Querying("a"), kRefused}));
  EXPECT_TRUE(run_.Running());
}

TEST_F(HarvestRunTest, AnswerArrivingWhileQueryStartsIsHandledAfterTheStart) {
  // A fast answer to the first request runs nested inside Query's next download start.
  host_.broad = true;
  Seeds({"a", "b"});
  onStart_ = [&](HarvestRequest&) {
    if (issued_.size() == 2) issued_[0].request->Finish(true, "<html>no table</html>");
  };
  run_.Query();
  EXPECT_EQ(run_.RelatedAnswered(), 0);  // not yet handled
  loop_.processPending();
  EXPECT_EQ(run_.RelatedAnswered(), 2);
  EXPECT_EQ(Asked(RequestKind::Related), (Strings{"a", "b"}));  // the related chain goes on
  EXPECT_TRUE(run_.Running());
  EXPECT_TRUE(run_.Proceed());
}

TEST_F(HarvestRunTest, SingleSeedWhoseAnswerAddsNothingEndsTheRun) {
  Seeds({"a"});
  run_.Query();
  Answer(0, "[]");
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_FALSE(run_.Running());
  EXPECT_TRUE(run_.Proceed());
  EXPECT_EQ(run_.SuggestAnswered(), 1);
}

TEST_F(HarvestRunTest, SuggestionChainAsksEveryListedPhraseOnceInOrder) {
  Seeds({"s1", "s2", "s3"});
  run_.Query();
  Answer(0, Suggest({"x", "S2", "y"}));  // S2 is already listed (case ignored)
  Answer(1, "[]");
  Answer(2, Suggest({"y", "z"}));  // y came earlier from another answer
  Answer(3, "[]");
  Answer(4, "[]");
  EXPECT_TRUE(run_.Running());
  Answer(5, "[]");
  EXPECT_EQ(List(), (Strings{"s1", "s2", "s3", "x", "y", "z"}));
  EXPECT_EQ(Asked(RequestKind::Suggest), (Strings{"s1", "s2", "s3", "x", "y", "z"}));
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_FALSE(run_.Running());
}

TEST_F(HarvestRunTest, DuplicateAndBlankSeedsAreListedAndAskedAsTheyAre) {
  Seeds({"a", "", "a"});
  run_.Query();
  for (std::size_t i = 0; i < 3; ++i) Answer(i, "[]");
  EXPECT_EQ(Asked(RequestKind::Suggest), (Strings{"a", "", "a"}));
  EXPECT_EQ(List(), (Strings{"a", "", "a"}));
  EXPECT_EQ(host_.LastStatus(), kFinished);
}

TEST_F(HarvestRunTest, SuggestionAnswerOfEscapedStringsAdmitsInOrder) {
  Seeds({"seed"});
  run_.Query();
  Answer(0, "[\"%u624B%u673A\",\"qq\"]");
  EXPECT_EQ(List(), (Strings{"seed", "手机", "qq"}));
  EXPECT_EQ(host_.LastStatus(), Querying("手机"));
}

TEST_F(HarvestRunTest, MustContainComparesWithCaseAgainstTheMemoLines) {
  host_.mustContain = true;
  Seeds({"QQ"});
  run_.Query();
  Answer(0, "[\"qq%u7A7A%u95F4\",\"QQ%u6E38%u620F\",\"xQQ\"]");
  EXPECT_EQ(List(), (Strings{"qq", "QQ游戏", "xQQ"}));
  // Memo lines that are all empty admit nothing.
  host_.memo = {"", ""};
  Answer(1, Suggest({"QQa", "b"}));
  EXPECT_EQ(List().size(), 3u);
}

TEST_F(HarvestRunTest, FailureCountsAsAnAnswerAndTheChainMovesOn) {
  Seeds({"a", "b"});
  run_.Query();
  Fail(0);
  EXPECT_EQ(run_.SuggestAnswered(), 1);
  EXPECT_EQ(Asked(RequestKind::Suggest), (Strings{"a", "b"}));
  EXPECT_EQ(host_.LastStatus(), Querying("b"));
}

TEST_F(HarvestRunTest, PageWithoutLinkTableIsCountedTwiceAndTheChainMovesOn) {
  host_.broad = true;
  Seeds({"a", "b"});
  run_.Query();
  Answer(0, "<html>no related block</html>");
  EXPECT_EQ(run_.RelatedAnswered(), 2);  // OnAnswer counted it, then OnFailure again
  EXPECT_EQ(run_.RelatedPos(), 2);
  EXPECT_EQ(Asked(RequestKind::Related), (Strings{"a", "b"}));
  EXPECT_EQ(List(), (Strings{"a", "b"}));
}

TEST_F(HarvestRunTest, RelatedSearchPageAdmitsItsLinkTexts) {
  host_.broad = true;
  Seeds({"a"});
  run_.Query();
  std::string page = "<div style=\"background-color:#eff2fa\">" + G("相关搜索") +
                     "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td nowrap "
                     "class=\"f14\"><a href=\"s?wd=1\">" +
                     G("手机") +
                     "</a></td><td nowrap class=\"f14\"><a href=\"s\">A</a>"
                     "</td></tr></table></td></tr><tr><td>";
  Answer(0, page);
  EXPECT_EQ(List(), (Strings{"a", "手机"}));  // "A" is "a" ignoring case
  EXPECT_EQ(Asked(RequestKind::Related), (Strings{"a", "%CA%D6%BB%FA"}));
}

TEST_F(HarvestRunTest, StopLetsRequestsFinishAndCompletesWhenAllAreAnswered) {
  host_.broad = true;
  Seeds({"a"});
  run_.Query();
  run_.Stop();
  EXPECT_TRUE(run_.StopPending());
  EXPECT_FALSE(run_.Proceed());
  run_.CheckStopComplete();  // two requests outstanding: nothing yet
  EXPECT_TRUE(run_.Running());
  Answer(1, Suggest({"late"}));  // phrases of a late answer are still admitted
  EXPECT_EQ(host_.LastStatus(), kStopping);
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(List(), (Strings{"a", "late"}));
  run_.CheckStopComplete();
  EXPECT_TRUE(run_.StopPending());
  Fail(0);
  EXPECT_EQ(host_.LastStatus(), kStopping);
  EXPECT_EQ(issued_.size(), 2u);  // nothing issued after Stop
  run_.CheckStopComplete();
  EXPECT_EQ(host_.LastStatus(), kStopped);
  EXPECT_FALSE(run_.StopPending());
}

TEST_F(HarvestRunTest, StopCompletionWaitsForARequestHiddenByADoubleCount) {
  host_.broad = true;
  Seeds({"a", "b"});
  run_.Query();
  Answer(0, "<html>no table</html>");  // related answered 2, asks "b": answered 2 >= pos 2
  EXPECT_EQ(run_.RelatedAnswered(), run_.RelatedPos());
  run_.Stop();
  Answer(1, "[]");
  run_.CheckStopComplete();
  EXPECT_EQ(host_.LastStatus(), kStopping);  // the request for "b" is still out
  EXPECT_TRUE(run_.StopPending());
  Answer(2, "<html>no table</html>");
  run_.CheckStopComplete();
  EXPECT_EQ(host_.LastStatus(), kStopped);
}

TEST_F(HarvestRunTest, StopWithoutARunCompletesAtTheFirstTick) {
  run_.Stop();
  run_.CheckStopComplete();
  EXPECT_EQ(host_.statuses, Strings{kStopped});
  EXPECT_FALSE(run_.StopPending());
}

TEST_F(HarvestRunTest, BroadRunEndsAtASuggestionStepAndALateAnswerLeavesItIdle) {
  host_.broad = true;
  Seeds({"a"});
  run_.Query();
  // The related chain has asked every listed phrase: a suggestion step ends the run
  // while the related request is still out.
  Answer(1, "[]");
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_FALSE(run_.Running());
  EXPECT_TRUE(run_.Proceed());
  Answer(0, "<html>no block</html>");
  EXPECT_EQ(host_.statuses.back(), kFinished);
  EXPECT_FALSE(run_.Proceed());
  EXPECT_EQ(issued_.size(), 2u);
}

TEST_F(HarvestRunTest, BroadRunStaysQueryingWhenTheRelatedChainEndedFirst) {
  host_.broad = true;
  Seeds({"a"});
  run_.Query();
  Answer(0, "<html>no block</html>");  // related chain: list 1 <= pos 1, nothing issued
  EXPECT_EQ(run_.RelatedPos(), 1);
  Answer(1, Suggest({"b"}));  // suggestion adds "b": not ended, asks "b"
  EXPECT_EQ(host_.LastStatus(), Querying("b"));
  Answer(2, "[]");  // suggestion chain reaches the end; the related chain never restarts
  EXPECT_TRUE(run_.Running());
  EXPECT_EQ(run_.OutstandingRequests(), 0);
  EXPECT_EQ(host_.LastStatus(), Querying("b"));
  run_.Stop();
  run_.CheckStopComplete();
  EXPECT_EQ(host_.LastStatus(), kStopped);
  EXPECT_FALSE(run_.Running());
}

TEST_F(HarvestRunTest, UntickingBroadRelevanceChangesTheEndTestFromTheNextStep) {
  host_.broad = true;
  Seeds({"a", "b"});
  run_.Query();
  host_.broad = false;
  Answer(1, "[]");  // suggestion: list 2 > answered 1, asks "b"
  Answer(0, "[]");  // related failure path: chain goes on ("b") although unticked
  EXPECT_EQ(Asked(RequestKind::Related), (Strings{"a", "b"}));
  Answer(2, "[]");  // suggestion answered 2 >= list 2: ends
  EXPECT_EQ(host_.LastStatus(), kFinished);
}

TEST_F(HarvestRunTest, ClearingTheListDuringARunEndsTheChainAtTheNextStep) {
  Seeds({"a", "b", "c"});
  run_.Query();
  results_.Clear();
  Answer(0, "[]");
  EXPECT_EQ(host_.LastStatus(), kFinished);
  EXPECT_EQ(issued_.size(), 1u);
}

TEST_F(HarvestRunTest, QueryAfterAStoppedRunCountsItsLateAnswerInTheNewRun) {
  host_.broad = true;
  Seeds({"a"});
  run_.Query();
  run_.Stop();
  Answer(1, "[]");  // Running false now, related request 0 still out
  Seeds({"n"});
  run_.Query();
  EXPECT_TRUE(run_.Running());
  Answer(0, "<html></html>");  // the stopped run's related answer, counted twice here
  EXPECT_EQ(run_.RelatedAnswered(), 2);
  run_.CheckStopComplete();  // the stop completion is still pending
  EXPECT_TRUE(run_.StopPending());
}

TEST_F(HarvestRunTest, CountLabelsShowBothListSizes) {
  Seeds({"a", "b"});
  run_.Query();
  host_.exportCount = 7;
  run_.RefreshCounts();
  EXPECT_EQ(host_.resultLabel, "(2)");
  EXPECT_EQ(host_.exportLabel, "(7)");
}

TEST_F(HarvestRunTest, AnsweredRequestsAreReleased) {
  Seeds({"s"});
  run_.Query();
  for (int i = 0; i < 200; ++i) {
    std::string next = "p";
    next += std::to_string(i);
    Answer(issued_.size() - 1, "[\"" + next + "\"]");
    EXPECT_LE(run_.LiveRequestObjects(), 1u);
  }
  EXPECT_EQ(results_.Count(), 201);
  EXPECT_EQ(run_.OutstandingRequests(), 1);
}

}  // namespace
}  // namespace longtail
