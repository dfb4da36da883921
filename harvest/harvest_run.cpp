#include "harvest/harvest_run.h"

#include "harvest/admission.h"
#include "harvest/answer_parsing.h"
#include "harvest/status_texts.h"
#include "harvest/url_encode.h"
#include "text/ascii_case.h"

namespace longtail {
namespace {

// How often the count labels refresh and, after Stop, the stop completion is checked.
constexpr std::chrono::milliseconds kCheckInterval{500};

// "(" + count + ")", as the count labels show it.
std::string CountLabel(int count) {
  std::string label = "(";
  label += std::to_string(count);
  label += ')';
  return label;
}

}  // namespace

std::string HarvestEndpoints::SuggestUrl(const std::string& phrase) const {
  return "http://" + suggestHost + "/include/keywords.php?k=" + UrlEncode(phrase);
}

std::string HarvestEndpoints::RelatedUrl(const std::string& phrase) const {
  return "http://" + searchHost + "/s?wd=" + UrlEncode(phrase);
}

HarvestRun::HarvestRun(Dispatcher& dispatcher, PhraseList& results, HarvestHost& host,
                       HarvestEndpoints endpoints)
    : dispatcher_(dispatcher),
      results_(results),
      host_(host),
      endpoints_(std::move(endpoints)),
      starter_([](HarvestRequest& request) { request.StartDownload(); }),
      countTimer_(dispatcher.createTimer([this] { RefreshCounts(); })),
      stopTimer_(dispatcher.createTimer([this] { CheckStopComplete(); })) {
  countTimer_->start(kCheckInterval);
}

// Requests still in flight are cancelled by their destructors and deliver nothing.
HarvestRun::~HarvestRun() = default;

bool HarvestRun::MemoIsBlank(const std::vector<std::string>& lines) {
  // The memo's text trimmed of characters of code 32 and below; line breaks are such.
  for (const std::string& line : lines)
    for (char c : line)
      if (static_cast<unsigned char>(c) > 32) return false;
  return true;
}

void HarvestRun::Query() {
  // A Query that arrives while another one is still issuing its first requests (events
  // run nested inside a download's start) is refused like any Query during a run;
  // starting again nested would list the seeds twice.
  if (running_ || starting_) {
    ShowStatus(status::AlreadyRunning());
    return;
  }
  std::vector<std::string> lines = host_.MemoLines();
  if (MemoIsBlank(lines)) {
    ShowStatus(status::NoKeyword());
    return;
  }
  starting_ = true;
  std::string first = lines.empty() ? std::string() : LowerAsciiLetters(lines[0]);
  ShowStatus(status::Querying() + first);
  relatedAnswered_ = relatedPos_ = suggestAnswered_ = suggestPos_ = 0;
  if (host_.BroadRelevance()) IssueRequest(endpoints_.RelatedUrl(first), RequestKind::Related);
  results_.Clear();
  IssueRequest(endpoints_.SuggestUrl(first), RequestKind::Suggest);
  for (const std::string& line : lines) results_.Append(LowerAsciiLetters(line));
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  proceed_ = true;
  running_ = true;
  starting_ = false;
}

void HarvestRun::Stop() {
  proceed_ = false;
  stopTimer_->start(kCheckInterval);
}

void HarvestRun::RequestNextOrFinish(RequestKind kind) {
  const int count = results_.Count();
  const bool ended = host_.BroadRelevance()
                         ? (suggestAnswered_ >= suggestPos_ && count <= relatedPos_)
                         : (count <= suggestAnswered_);
  if (!running_ || !proceed_) {
    ShowStatus(proceed_ ? status::Finished() : status::Stopping());
    running_ = false;
    proceed_ = false;
    return;
  }
  if (ended) {
    ShowStatus(status::Finished());
    running_ = false;
    return;
  }
  try {
    if (kind == RequestKind::Suggest) {
      if (suggestPos_ <= count - 1) {
        std::string phrase = results_[suggestPos_];
        ShowStatus(status::Querying() + phrase);
        IssueRequest(endpoints_.SuggestUrl(phrase), RequestKind::Suggest);
      }
    } else if (relatedPos_ <= count - 1) {
      std::string phrase = results_[relatedPos_];
      ShowStatus(status::Querying() + phrase);
      IssueRequest(endpoints_.RelatedUrl(phrase), RequestKind::Related);
    }
  } catch (...) {
    // Issuing the next request is best effort; the chain simply ends.
  }
}

void HarvestRun::Answered(HttpDownload* sender) {
  auto* request = static_cast<HarvestRequest*>(sender);
  if (!request->Answered) {
    request->Answered = true;
    --outstanding_;
  }
  ReleaseLater(request->RequestId);
}

void HarvestRun::DeferAnswer(HttpDownload* sender, bool success, std::string body) {
  // An answer that comes in while Query is still issuing its first requests (waiting
  // events run inside a download's start) would meet a run that is not running yet and
  // end its chain; it is handled once Query has finished instead.
  std::weak_ptr<int> alive = alive_;
  std::uint64_t id = static_cast<HarvestRequest*>(sender)->RequestId;
  dispatcher_.post([this, alive, id, success, body = std::move(body)] {
    if (!alive.lock()) return;
    auto it = requests_.find(id);
    if (it != requests_.end()) it->second->Finish(success, body);
  });
}

void HarvestRun::ReleaseLater(std::uint64_t id) {
  // Release the request once its handlers have returned; nothing reads it afterwards.
  // Waiting events run nested inside a handler (a download's start processes them), so
  // the release may come up while its request is still delivering: then it waits again.
  std::weak_ptr<int> alive = alive_;
  dispatcher_.post([this, alive, id] {
    if (!alive.lock()) return;
    auto it = requests_.find(id);
    if (it == requests_.end()) return;
    if (it->second->Delivering())
      ReleaseLater(id);
    else
      requests_.erase(it);
  });
}

void HarvestRun::OnAnswer(HttpDownload* sender, const std::string& body) {
  const RequestKind kind = static_cast<HarvestRequest*>(sender)->Kind;
  if (kind == RequestKind::Suggest)
    ++suggestAnswered_;
  else
    ++relatedAnswered_;
  const std::string text = DecodeAnswerBody(body);
  // A page without the link table throws here, before anything is admitted; the download
  // reports that as a failure and OnFailure counts the answer once more.
  const std::vector<std::string> phrases =
      kind == RequestKind::Suggest ? SuggestionPhrases(text) : RelatedSearchPhrases(text);
  std::vector<std::string> memoLines;
  bool memoRead = false;
  for (const std::string& phrase : phrases) {
    bool mustContain = host_.MustContain();
    if (mustContain && !memoRead) {
      memoLines = host_.MemoLines();
      memoRead = true;
    }
    AdmitPhrase(results_, phrase, mustContain, memoLines);
  }
  RequestNextOrFinish(kind);
}

void HarvestRun::OnFailure(HttpDownload* sender) {
  const RequestKind kind = static_cast<HarvestRequest*>(sender)->Kind;
  if (kind == RequestKind::Suggest)
    ++suggestAnswered_;
  else
    ++relatedAnswered_;
  RequestNextOrFinish(kind);
}

void HarvestRun::IssueRequest(const std::string& url, RequestKind kind) {
  try {
    auto request = std::make_unique<HarvestRequest>(dispatcher_);
    HarvestRequest* raw = request.get();
    raw->BinaryData = false;
    raw->UseCache = false;  // fetched from the service, past any cache
    raw->Agent = kRequestAgent;
    raw->URL = url;
    raw->RequestId = nextRequestId_++;
    requests_.emplace(raw->RequestId, std::move(request));
    if (kind == RequestKind::Suggest)
      ++suggestPos_;
    else
      ++relatedPos_;
    ++outstanding_;
    raw->OnDoneString = [this](HttpDownload* s, const std::string& r) {
      if (starting_) return DeferAnswer(s, true, r);
      Answered(s);
      OnAnswer(s, r);
    };
    raw->OnError = [this](HttpDownload* s) {
      if (starting_) return DeferAnswer(s, false, {});
      Answered(s);
      OnFailure(s);
    };
    raw->Kind = kind;
    // The one place where events run nested: starting a download lets the GUI thread's
    // waiting events run inside this call (a bounded number of levels deep), so answers
    // of other requests, clicks and timer ticks may all arrive here. `starting_` defers
    // answers during Query, and ReleaseLater never frees a request that is delivering.
    starter_(*raw);
  } catch (...) {
    // Errors while issuing are ignored, as for the step.
  }
}

void HarvestRun::RefreshCounts() {
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  host_.SetExportCountLabel(CountLabel(host_.ExportCount()));
}

void HarvestRun::CheckStopComplete() {
  // An answer counted twice (a results page without the link table) pushes the answered
  // count past the issued one, so the counters alone could report the stop as complete
  // while a request is still in flight; it must also be true that none is.
  if (suggestAnswered_ >= suggestPos_ && relatedAnswered_ >= relatedPos_ && outstanding_ == 0) {
    running_ = false;
    ShowStatus(status::Stopped());
    stopTimer_->stop();
  }
}

}  // namespace longtail
