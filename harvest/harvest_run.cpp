#include "harvest/harvest_run.h"

#include <algorithm>

#include "harvest/admission.h"
#include "harvest/answer_parsing.h"
#include "harvest/excluded_words.h"
#include "harvest/status_texts.h"
#include "text/ascii_case.h"

namespace longtail {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// How often the count labels refresh and, after Stop, the stop completion is checked.
constexpr milliseconds kCheckInterval{500};

// "(" + count + ")", as the count labels show it.
std::string CountLabel(int count) {
  std::string label = "(";
  label += std::to_string(count);
  label += ')';
  return label;
}

// The host of "host", "host:port", "[v6]" or "[v6]:port", with or without a scheme.
std::string_view HostOf(std::string_view hostPort) {
  if (std::size_t scheme = hostPort.find("://"); scheme != std::string_view::npos)
    hostPort.remove_prefix(scheme + 3);
  hostPort = hostPort.substr(0, hostPort.find('/'));
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

const Source& ClassicSource(RequestKind kind) {
  return kind == RequestKind::Suggest ? ClassicSuggestSource() : ClassicRelatedSource();
}

// 1 + the source's place in the registry: a byte's worth, kept with every listed phrase.
std::uint8_t SourceNumber(const Source& source) {
  return static_cast<std::uint8_t>(&source - AllSources().data() + 1);
}

}  // namespace

milliseconds DefaultPacingDelay(std::string_view address, milliseconds remote) {
  return IsLoopbackHost(address) ? milliseconds(0) : remote;
}

const char* SourceId(RequestKind kind) {
  return ClassicSource(kind).id;
}

std::string BaseAddress(std::string_view address) {
  std::string scheme = "http";
  if (std::size_t at = address.find("://"); at != std::string_view::npos) {
    scheme = LowerAsciiLetters(address.substr(0, at));
    address.remove_prefix(at + 3);
  }
  while (!address.empty() && address.back() == '/') address.remove_suffix(1);
  if ((scheme != "http" && scheme != "https") || address.empty() ||
      address.find_first_of("/?#@ ") != std::string_view::npos)
    return {};
  return scheme + "://" + std::string(address);
}

std::string HarvestEndpoints::BaseOf(const Source& source) const {
  if (auto it = bases.find(std::string_view(source.id)); it != bases.end()) return it->second;
  if (&source == &ClassicSuggestSource()) return "http://" + suggestHost;
  if (&source == &ClassicRelatedSource()) return "http://" + searchHost;
  return source.defaultBase;
}

std::string HarvestEndpoints::UrlFor(const Source& source, std::string_view phrase) const {
  return source.RequestUrl(BaseOf(source), phrase);
}

std::string HarvestEndpoints::SuggestUrl(const std::string& phrase) const {
  return UrlFor(ClassicSuggestSource(), phrase);
}

std::string HarvestEndpoints::RelatedUrl(const std::string& phrase) const {
  return UrlFor(ClassicRelatedSource(), phrase);
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
  BuildChains();
  countTimer_->start(kCheckInterval);
}

// Requests still in flight are cancelled by their destructors and deliver nothing.
HarvestRun::~HarvestRun() = default;

void HarvestRun::BuildChains() {
  std::vector<const Source*> wanted;
  for (const std::string& id : endpoints_.sources) {
    const Source* source = FindSource(id);
    if (source && std::find(wanted.begin(), wanted.end(), source) == wanted.end())
      wanted.push_back(source);
  }
  if (wanted == ChainSources()) return;
  chains_.clear();
  for (const Source* source : wanted) {
    auto chain = std::make_unique<Chain>();
    chain->source = source;
    chain->kind = source->kind;
    Chain* raw = chain.get();
    chain->wait = dispatcher_.createTimer([this, raw] { Issue(*raw); });
    chains_.push_back(std::move(chain));
  }
}

const HarvestRun::Chain& HarvestRun::ChainOf(RequestKind kind) const {
  for (const auto& chain : chains_)
    if (chain->kind == kind) return *chain;
  static const Chain none;
  return none;
}

const ChainCounts& HarvestRun::Counts(std::string_view id) const {
  for (const auto& chain : chains_)
    if (id == chain->source->id) return chain->counts;
  static const ChainCounts none;
  return none;
}

std::vector<const Source*> HarvestRun::ChainSources() const {
  std::vector<const Source*> sources;
  for (const auto& chain : chains_) sources.push_back(chain->source);
  return sources;
}

int HarvestRun::OutstandingRequests() const {
  int n = 0;
  for (const auto& chain : chains_) n += chain->state == ChainState::InFlight ? 1 : 0;
  return n;
}

std::size_t HarvestRun::LiveRequestObjects() const {
  std::size_t n = 0;
  for (const auto& chain : chains_) n += chain->request ? 1 : 0;
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
  results_.Clear();
  for (const std::string& line : lines) results_.Append(LowerAsciiLetters(line));
  seedCount_ = results_.Count();
  failed_.clear();
  StartChains({});
}

void HarvestRun::Resume(const std::vector<ChainPosition>& positions, std::int32_t seedCount,
                        std::vector<std::string> failed) {
  if (running_) {
    ShowStatus(proceed_ ? status::AlreadyRunning() : status::StillStopping());
    return;
  }
  seedCount_ = std::clamp<std::int32_t>(seedCount, 0, results_.Count());
  failed_ = std::move(failed);
  StartChains(positions);
}

void HarvestRun::StartChains(const std::vector<ChainPosition>& positions) {
  BuildChains();
  for (auto& chain : chains_) {
    std::int32_t next = 0;
    for (const ChainPosition& p : positions)
      if (p.source == chain->source->id)
        next = std::clamp<std::int32_t>(p.next, 0, results_.Count());
    chain->pos = chain->done = chain->resumeAt = next;
    chain->counts = {};
    chain->expansions.clear();
    chain->again = false;
    chain->retriesUsed = chain->blockedRounds = 0;
  }
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  proceed_ = true;
  running_ = true;
  // The chains start from their timers: nothing is issued (and no event runs nested)
  // inside the click itself.
  for (auto& chain : chains_)
    if (TakesPart(*chain)) ScheduleNext(*chain);
  FinishIfNothingLeft();  // no chain takes part, or nothing is left to ask
}

std::vector<ChainPosition> HarvestRun::Positions() const {
  std::vector<ChainPosition> positions;
  for (const auto& chain : chains_) positions.push_back({chain->source->id, chain->resumeAt});
  return positions;
}

void HarvestRun::Stop() {
  proceed_ = false;
  for (auto& chain : chains_) {
    if (chain->state != ChainState::Waiting) continue;
    chain->wait->stop();
    chain->state = ChainState::Idle;
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
  milliseconds delay = policy.delay.value_or(
      DefaultPacingDelay(endpoints_.BaseOf(*chain.source), chain.source->pacing));
  if (delay <= milliseconds(0)) return milliseconds(0);
  std::uniform_int_distribution<long long> draw(delay.count(), delay.count() * 3 / 2);
  return milliseconds(draw(random_));
}

void HarvestRun::ScheduleNext(Chain& chain, milliseconds atLeast) {
  chain.state = ChainState::Idle;
  if (!running_ || !proceed_) return;
  // Nothing to ask for now.
  if (!chain.again && chain.expansions.empty() && chain.pos >= results_.Count()) return;
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
  if (!chain.again && !chain.expansions.empty()) {
    // An expanded query of the seed just asked; what it finds counts as the seed's.
    chain.phrase = std::move(chain.expansions.front());
    chain.expansions.pop_front();
    chain.expanded = true;
    chain.retriesUsed = 0;
  } else if (!chain.again) {
    if (chain.pos >= results_.Count()) {  // the list was cleared or filtered meanwhile
      FinishIfNothingLeft();
      return;
    }
    // Phrases at the greatest depth are listed only: the chain passes over them.
    const int maxDepth = host_.MaxDepth();
    while (maxDepth > 0 && chain.pos < results_.Count() &&
           results_.Origin(chain.pos).depth >= maxDepth)
      ++chain.pos;
    chain.resumeAt = chain.pos;
    if (chain.pos >= results_.Count()) {
      FinishIfNothingLeft();
      return;
    }
    chain.item = chain.pos++;
    chain.itemText = results_[chain.item];
    chain.phrase = chain.itemText;
    chain.expanded = false;
    chain.retriesUsed = 0;
    if (chain.item < seedCount_) QueueExpansions(chain);
  }
  chain.again = false;
  if (!chain.request) {
    chain.request = std::make_unique<HarvestRequest>(dispatcher_);
    HarvestRequest& r = *chain.request;
    r.Kind = chain.kind;
    r.From = chain.source;
    r.BinaryData = false;
    r.UseCache = false;  // fetched from the service, past any cache
    r.Agent = kRequestAgent;
    r.OnDoneString = [this, &chain](HttpDownload*, const std::string& body) {
      Completed(chain, true, body);
    };
    r.OnError = [this, &chain](HttpDownload*) { Completed(chain, false, {}); };
  }
  chain.request->RequestTimeout = host_.Policy().requestTimeout;
  chain.request->URL = endpoints_.UrlFor(*chain.source, chain.phrase);
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
      PhraseFinished(chain, true);
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
  return AdmitAnswerPhrases(results, ClassicSource(kind), body, host);
}

bool AdmitAnswerPhrases(PhraseList& results, const Source& source, const std::string& body,
                        const HarvestHost& host, PhraseOrigin origin) {
  std::vector<std::string> memoLines;
  bool memoRead = false;
  const ExcludedWords excluded(host.ExcludeWords());
  // Pieces are admitted as the parser reads them; a body of the wrong shape admits none.
  PhraseSink admit = [&](std::string phrase) {
    if (excluded.Holds(phrase)) return;
    const bool mustContain = host.MustContain();
    if (mustContain && !memoRead) {
      memoLines = host.MemoLines();
      memoRead = true;
    }
    if (AdmitPhrase(results, phrase, mustContain, memoLines))
      results.SetOrigin(results.Count() - 1, origin);
  };
  return source.read(body, admit);
}

PhraseOrigin HarvestRun::OriginFor(const Chain& chain) {
  // The list may have been edited since the phrase was taken: find it again if it moved.
  std::int32_t parent = chain.item;
  if (parent < 0 || parent >= results_.Count() || results_.View(parent) != chain.itemText)
    parent = results_.IndexOfExact(chain.itemText);
  PhraseOrigin origin;
  origin.source = SourceNumber(*chain.source);
  if (parent >= 0) {
    origin.parent = static_cast<std::uint32_t>(parent);
    origin.depth = static_cast<std::uint16_t>(
        std::min<int>(results_.Origin(parent).depth + 1, PhraseOrigin::kDeepest));
  }
  return origin;
}

OutcomeVerdict HarvestRun::AdmitAnswer(Chain& chain, const std::string& body) {
  if (!AdmitAnswerPhrases(results_, *chain.source, body, host_, OriginFor(chain)))
    return JudgeRefusedBody(body);
  return {RequestOutcome::Answered, OutcomeReason::None};
}

void HarvestRun::RetryOrGiveUp(Chain& chain, const OutcomeVerdict& verdict,
                               const ResponseFacts& facts) {
  const RequestPolicy policy = host_.Policy();
  if (chain.retriesUsed >= policy.retries) {
    failed_.push_back(chain.phrase);
    PhraseFinished(chain, true);
    return;
  }
  if (!proceed_) {  // stopping: a resumed run asks the phrase again
    PhraseFinished(chain, false);
    return;
  }
  ++chain.retriesUsed;
  const milliseconds wait =
      HonouringRetryAfter(Doubled(policy.backoff, chain.retriesUsed - 1), facts);
  chain.again = true;
  ShowStatus(status::Retrying(chain.source->displayName, wait, chain.retriesUsed,
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
  ShowStatus(status::Paused(chain.source->displayName, wait, OutcomeReasonText(verdict.reason)));
  ScheduleNext(chain, wait);
}

void HarvestRun::QueueExpansions(Chain& chain) {
  bool blank = true;
  for (char c : chain.itemText) blank = blank && static_cast<unsigned char>(c) <= 32;
  if (blank) return;
  for (char suffix : expansion_) chain.expansions.push_back(chain.itemText + ' ' + suffix);
}

void HarvestRun::PhraseFinished(Chain& chain, bool complete) {
  if (!chain.expanded) ++chain.done;
  // A seed counts as finished once its expanded queries are too.
  if (complete && chain.expansions.empty()) chain.resumeAt = chain.pos;
  chain.retriesUsed = 0;
  chain.again = false;
  ScheduleNext(chain);
  FinishIfNothingLeft();
}

void HarvestRun::WakeIdleChains() {
  for (auto& chain : chains_)
    if (chain->state == ChainState::Idle && TakesPart(*chain)) ScheduleNext(*chain);
}

void HarvestRun::FinishIfNothingLeft() {
  if (!running_ || !proceed_) return;
  for (const auto& chain : chains_) {
    if (chain->state != ChainState::Idle) return;
    if (TakesPart(*chain) &&
        (chain->again || !chain->expansions.empty() || chain->pos < results_.Count()))
      return;
  }
  running_ = false;
  ShowStatus(EndText(status::Finished(), true));
}

std::string HarvestRun::EndText(const std::string& plain, bool endedOnItsOwn) const {
  ChainCounts total;
  for (const auto& chain : chains_) {
    total.answered += chain->counts.answered;
    total.failed += chain->counts.failed;
    total.blocked += chain->counts.blocked;
  }
  if (total.failed == 0 && total.blocked == 0) return plain;
  // A run that ended on its own without one answer says so instead of "finished".
  if (total.answered == 0 && endedOnItsOwn)
    return status::NothingAnswered(total.failed, total.blocked);
  return plain + status::Refusals(total.failed, total.blocked);
}

void HarvestRun::CancelInFlight() {
  for (auto& chain : chains_)
    if (chain->state == ChainState::InFlight) chain->request->CancelDownload();
}

void HarvestRun::RefreshCounts() {
  host_.SetResultCountLabel(CountLabel(results_.Count()));
  host_.SetExportCountLabel(CountLabel(host_.ExportCount()));
}

void HarvestRun::CheckStopComplete() {
  if (!stopTimer_->isActive() || OutstandingRequests() > 0) return;
  running_ = false;
  stopTimer_->stop();
  cancelTimer_->stop();
  ShowStatus(EndText(status::Stopped(), false));
}

}  // namespace longtail
