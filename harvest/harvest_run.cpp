#include "harvest/harvest_run.h"

#include <algorithm>

#include "harvest/admission.h"
#include "harvest/answer_parsing.h"
#include "harvest/status_texts.h"
#include "harvest/url_encode.h"
#include "text/ascii_case.h"

namespace longtail {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// How often the count labels refresh and, after Stop, the stop completion is checked.
constexpr milliseconds kCheckInterval{500};
// The pacing delay towards a service that is not on this machine, unless one is set.
constexpr milliseconds kDefaultRemoteDelay{1000};

// "(" + count + ")", as the count labels show it.
std::string CountLabel(int count) {
  std::string label = "(";
  label += std::to_string(count);
  label += ')';
  return label;
}

// The host of "host", "host:port", "[v6]" or "[v6]:port".
std::string_view HostOf(std::string_view hostPort) {
  if (!hostPort.empty() && hostPort.front() == '[') {
    std::size_t close = hostPort.find(']');
    return hostPort.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  }
  std::size_t colon = hostPort.find(':');
  if (colon != std::string_view::npos && hostPort.find(':', colon + 1) == std::string_view::npos)
    return hostPort.substr(0, colon);
  return hostPort;  // a bare IPv6 address, or no port
}

bool IsLoopbackHost(std::string_view hostPort) {
  std::string host = LowerAsciiLetters(HostOf(hostPort));
  return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

milliseconds Doubled(milliseconds base, int times) {
  milliseconds wait = base;
  for (int i = 0; i < times && wait < kLongestPause; ++i) wait *= 2;
  return std::min<milliseconds>(wait, kLongestPause);
}

// A Retry-After the service sent is waited out, up to the longest pause.
milliseconds HonouringRetryAfter(milliseconds wait, const ResponseFacts& facts) {
  if (facts.retryAfterSeconds && *facts.retryAfterSeconds > 0) {
    milliseconds asked = std::chrono::seconds(std::min<std::int64_t>(
        *facts.retryAfterSeconds, std::chrono::seconds(kLongestPause).count()));
    wait = std::max(wait, asked);
  }
  return std::min<milliseconds>(wait, kLongestPause);
}

OutcomeReason TroubleOf(DownloadFailure failure) {
  switch (failure) {
    case DownloadFailure::Timeout:
      return OutcomeReason::TimedOut;
    case DownloadFailure::TooLarge:
      return OutcomeReason::TooLarge;
    case DownloadFailure::CutShort:
      return OutcomeReason::CutShort;
    case DownloadFailure::EmptyBody:
      return OutcomeReason::EmptyBody;
    case DownloadFailure::Cancelled:
      return OutcomeReason::Cancelled;
    default:
      return OutcomeReason::Connection;
  }
}

// What the transport reported about the request that has just ended.
ResponseFacts FactsOf(const HttpDownload& download, bool delivered) {
  const DownloadResult& result = download.Result();
  ResponseFacts facts;
  facts.completed = delivered && result.completed() && !result.truncated;
  facts.status = result.status;
  facts.finalUrl = result.finalUrl;
  facts.retryAfterSeconds = result.retryAfterSeconds;
  facts.trouble = result.truncated ? OutcomeReason::CutShort : TroubleOf(result.failure);
  return facts;
}

// The services' names as the status panel gives them.
const char* DisplayName(RequestKind kind) {
  return kind == RequestKind::Suggest ? "搜搜" : "百度";
}

}  // namespace

milliseconds DefaultPacingDelay(std::string_view hostPort) {
  return IsLoopbackHost(hostPort) ? milliseconds(0) : kDefaultRemoteDelay;
}

const char* SourceId(RequestKind kind) {
  return kind == RequestKind::Suggest ? "soso" : "baidu-related";
}

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
      stopTimer_(dispatcher.createTimer([this] { CheckStopComplete(); })),
      cancelTimer_(dispatcher.createTimer([this] { CancelInFlight(); })) {
  for (RequestKind kind : {RequestKind::Suggest, RequestKind::Related}) {
    Chain& chain = ChainOf(kind);
    chain.kind = kind;
    chain.wait = dispatcher.createTimer([this, &chain] { Issue(chain); });
  }
  countTimer_->start(kCheckInterval);
}

// Requests still in flight are cancelled by their destructors and deliver nothing.
HarvestRun::~HarvestRun() = default;

int HarvestRun::OutstandingRequests() const {
  int n = 0;
  for (const Chain& chain : chains_) n += chain.state == ChainState::InFlight ? 1 : 0;
  return n;
}

std::size_t HarvestRun::LiveRequestObjects() const {
  std::size_t n = 0;
  for (const Chain& chain : chains_) n += chain.request ? 1 : 0;
  return n;
}

bool HarvestRun::TakesPart(const Chain& chain) const {
  return chain.kind == RequestKind::Suggest || host_.BroadRelevance();
}

void HarvestRun::Query() {
  if (running_) {
    ShowStatus(proceed_ ? status::AlreadyRunning() : status::StillStopping());
    return;
  }
  std::vector<std::string> lines = host_.MemoLines();
  // The memo's text trimmed of characters of code 32 and below; line breaks are such.
  bool blank = true;
  for (const std::string& line : lines)
    for (char c : line) blank = blank && static_cast<unsigned char>(c) <= 32;
  if (blank) {
    ShowStatus(status::NoKeyword());
    return;
  }
  ShowStatus(status::Querying() + LowerAsciiLetters(lines[0]));
  for (Chain& chain : chains_) {
    chain.pos = chain.done = 0;
    chain.counts = {};
    chain.again = false;
    chain.retriesUsed = chain.blockedRounds = 0;
  }
  results_.Clear();
  for (const std::string& line : lines) results_.Append(LowerAsciiLetters(line));
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  proceed_ = true;
  running_ = true;
  // Both chains start from their timers: nothing is issued (and no event runs nested)
  // inside the click itself.
  for (Chain& chain : chains_)
    if (TakesPart(chain)) ScheduleNext(chain);
}

void HarvestRun::Stop() {
  proceed_ = false;
  for (Chain& chain : chains_) {
    if (chain.state != ChainState::Waiting) continue;
    chain.wait->stop();
    chain.state = ChainState::Idle;
  }
  stopTimer_->start(kCheckInterval);
  if (OutstandingRequests() == 0) {
    CheckStopComplete();
    return;
  }
  ShowStatus(status::Stopping());
  cancelTimer_->startOnce(kStopGrace);
}

milliseconds HarvestRun::PacingInterval(const Chain& chain, const RequestPolicy& policy) {
  const std::string& host =
      chain.kind == RequestKind::Suggest ? endpoints_.suggestHost : endpoints_.searchHost;
  milliseconds delay = policy.delay.value_or(DefaultPacingDelay(host));
  if (delay <= milliseconds(0)) return milliseconds(0);
  std::uniform_int_distribution<long long> draw(delay.count(), delay.count() * 3 / 2);
  return milliseconds(draw(random_));
}

void HarvestRun::ScheduleNext(Chain& chain, milliseconds atLeast) {
  chain.state = ChainState::Idle;
  if (!running_ || !proceed_) return;
  if (!chain.again && chain.pos >= results_.Count()) return;  // nothing to ask for now
  // The pacing delay is read now, as the request is about to be issued.
  milliseconds wait = atLeast;
  if (chain.lastStart) {
    auto due = *chain.lastStart + PacingInterval(chain, host_.Policy());
    auto left = std::chrono::duration_cast<milliseconds>(due - Clock::now());
    wait = std::max(wait, left);
  }
  chain.state = ChainState::Waiting;
  chain.wait->startOnce(std::max(wait, milliseconds(0)));
}

void HarvestRun::Issue(Chain& chain) {
  chain.state = ChainState::Idle;
  if (!running_ || !proceed_) return;
  if (!TakesPart(chain)) {
    chain.again = false;
    FinishIfNothingLeft();
    return;
  }
  if (!chain.again) {
    if (chain.pos >= results_.Count()) {  // the list was cleared or filtered meanwhile
      FinishIfNothingLeft();
      return;
    }
    chain.phrase = results_[chain.pos++];
    chain.retriesUsed = 0;
  }
  chain.again = false;
  if (!chain.request) {
    chain.request = std::make_unique<HarvestRequest>(dispatcher_);
    HarvestRequest& r = *chain.request;
    r.Kind = chain.kind;
    r.BinaryData = false;
    r.UseCache = false;  // fetched from the service, past any cache
    r.Agent = kRequestAgent;
    r.OnDoneString = [this, &chain](HttpDownload*, const std::string& body) {
      Completed(chain, true, body);
    };
    r.OnError = [this, &chain](HttpDownload*) { Completed(chain, false, {}); };
  }
  chain.request->RequestTimeout = host_.Policy().requestTimeout;
  chain.request->URL = chain.kind == RequestKind::Suggest ? endpoints_.SuggestUrl(chain.phrase)
                                                          : endpoints_.RelatedUrl(chain.phrase);
  chain.state = ChainState::InFlight;
  chain.lastStart = Clock::now();
  ++chain.counts.asked;
  ShowStatus(status::Querying() + chain.phrase);
  // The one place where events run nested: starting a download lets the GUI thread's
  // waiting events run inside this call (a bounded number of levels deep), so the other
  // chain's answers, clicks and timer ticks may all arrive here. The chain is already
  // InFlight, and nothing a nested event does issues a request directly: requests are
  // issued only from the chains' timers.
  starter_(*chain.request);
}

void HarvestRun::Completed(Chain& chain, bool delivered, const std::string& body) {
  // A handler that failed is reported once more as a failure; the request has ended.
  if (chain.state != ChainState::InFlight) return;
  chain.state = ChainState::Idle;
  const ResponseFacts facts = FactsOf(*chain.request, delivered);
  OutcomeVerdict verdict;
  try {
    std::optional<OutcomeVerdict> judged = JudgeTransport(facts);
    verdict = judged ? *judged : AdmitAnswer(chain, body);
  } catch (...) {
    verdict = {RequestOutcome::Failed, OutcomeReason::WrongShape};
  }
  if (!proceed_) ShowStatus(status::Stopping());
  switch (verdict.outcome) {
    case RequestOutcome::Answered:
      ++chain.counts.answered;
      chain.blockedRounds = 0;
      PhraseFinished(chain);
      WakeIdleChains();  // a chain that had run out asks the new phrases too
      break;
    case RequestOutcome::Failed:
      ++chain.counts.failed;
      RetryOrGiveUp(chain, verdict, facts);
      break;
    case RequestOutcome::Blocked:
      ++chain.counts.blocked;
      PauseBlocked(chain, verdict, facts);
      break;
  }
  if (!proceed_ && OutstandingRequests() == 0) CheckStopComplete();
}

bool AdmitAnswerPhrases(PhraseList& results, RequestKind kind, const std::string& body,
                        const HarvestHost& host) {
  const std::string text = DecodeAnswerBody(body);
  std::vector<std::string> memoLines;
  bool memoRead = false;
  // Pieces are admitted as the parser reads them; a body of the wrong shape admits none.
  PhraseSink admit = [&](std::string phrase) {
    const bool mustContain = host.MustContain();
    if (mustContain && !memoRead) {
      memoLines = host.MemoLines();
      memoRead = true;
    }
    AdmitPhrase(results, phrase, mustContain, memoLines);
  };
  return kind == RequestKind::Suggest ? ReadSuggestionAnswer(text, admit)
                                      : ReadRelatedSearchPage(text, admit);
}

OutcomeVerdict HarvestRun::AdmitAnswer(Chain& chain, const std::string& body) {
  if (!AdmitAnswerPhrases(results_, chain.kind, body, host_)) return JudgeRefusedBody(body);
  return {RequestOutcome::Answered, OutcomeReason::None};
}

void HarvestRun::RetryOrGiveUp(Chain& chain, const OutcomeVerdict& verdict,
                               const ResponseFacts& facts) {
  const RequestPolicy policy = host_.Policy();
  if (!proceed_ || chain.retriesUsed >= policy.retries) {
    PhraseFinished(chain);
    return;
  }
  ++chain.retriesUsed;
  const milliseconds wait =
      HonouringRetryAfter(Doubled(policy.backoff, chain.retriesUsed - 1), facts);
  chain.again = true;
  ShowStatus(status::Retrying(DisplayName(chain.kind), wait, chain.retriesUsed,
                              OutcomeReasonText(verdict.reason)));
  ScheduleNext(chain, wait);
}

void HarvestRun::PauseBlocked(Chain& chain, const OutcomeVerdict& verdict,
                              const ResponseFacts& facts) {
  if (!proceed_) return;  // stopping: the phrase stays unanswered
  const milliseconds wait =
      HonouringRetryAfter(Doubled(host_.Policy().backoff, chain.blockedRounds), facts);
  ++chain.blockedRounds;
  chain.again = true;
  ShowStatus(status::Paused(DisplayName(chain.kind), wait, OutcomeReasonText(verdict.reason)));
  ScheduleNext(chain, wait);
}

void HarvestRun::PhraseFinished(Chain& chain) {
  ++chain.done;
  chain.retriesUsed = 0;
  chain.again = false;
  ScheduleNext(chain);
  FinishIfNothingLeft();
}

void HarvestRun::WakeIdleChains() {
  for (Chain& chain : chains_)
    if (chain.state == ChainState::Idle && TakesPart(chain)) ScheduleNext(chain);
}

void HarvestRun::FinishIfNothingLeft() {
  if (!running_ || !proceed_) return;
  for (const Chain& chain : chains_) {
    if (chain.state != ChainState::Idle) return;
    if (TakesPart(chain) && (chain.again || chain.pos < results_.Count())) return;
  }
  running_ = false;
  ShowStatus(EndText(status::Finished(), true));
}

std::string HarvestRun::EndText(const std::string& plain, bool endedOnItsOwn) const {
  ChainCounts total;
  for (const Chain& chain : chains_) {
    total.answered += chain.counts.answered;
    total.failed += chain.counts.failed;
    total.blocked += chain.counts.blocked;
  }
  if (total.failed == 0 && total.blocked == 0) return plain;
  // A run that ended on its own without one answer says so instead of "finished".
  if (total.answered == 0 && endedOnItsOwn)
    return status::NothingAnswered(total.failed, total.blocked);
  return plain + status::Refusals(total.failed, total.blocked);
}

void HarvestRun::CancelInFlight() {
  for (Chain& chain : chains_)
    if (chain.state == ChainState::InFlight) chain.request->CancelDownload();
}

void HarvestRun::RefreshCounts() {
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  host_.SetExportCountLabel(CountLabel(host_.ExportCount()));
}

void HarvestRun::CheckStopComplete() {
  if (!stopTimer_->active() || OutstandingRequests() > 0) return;
  running_ = false;
  stopTimer_->stop();
  cancelTimer_->stop();
  ShowStatus(EndText(status::Stopped(), false));
}

}  // namespace longtail
