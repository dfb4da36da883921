#pragma once
// The harvest run: Query lists the seed lines, and one chain of requests per chosen source
// asks about the listed phrases in list order: suggestion sources always, related-search
// sources with broad relevance. The result list is the run's queue; every phrase an answer
// names is admitted to it (with where it came from) and so asked about in its turn.
//
// Each chain keeps at most one request in flight on its own reused download, waits the
// pacing delay between the starts of two requests, retries a failed request after a
// doubling back-off and, when its service blocks it, pauses and asks the same phrase
// again while the other chains go on. The run ends on its own once every chain has
// asked every listed phrase and nothing is in flight or waiting. Stop lets the requests
// in flight finish for at most 5 s, then cancels them; the stop completion reports once
// none is left.
//
// Everything runs on the GUI thread of the Dispatcher; the downloads run on workers.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/phrase_list.h"
#include "harvest/request_outcome.h"
#include "harvest/source.h"
#include "net/dispatcher.h"
#include "net/http_get.h"

namespace longtail {

// The id the command-line tool reports a classic kind's source by ("soso", "baidu-related").
const char* SourceId(RequestKind kind);

// The request object: the download a chain reuses for all of its requests.
class HarvestRequest : public HttpDownload {
 public:
  using HttpDownload::HttpDownload;
  RequestKind Kind = RequestKind::Suggest;
  const Source* From = nullptr;
};

inline constexpr int kDemoDefaultPort = 8600;
inline constexpr const char* kRequestAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1)";

// Which sources a run asks, and where they live.
struct HarvestEndpoints {
  HarvestEndpoints() = default;
  HarvestEndpoints(std::string suggest, std::string search,
                   std::vector<std::string> ids = {"soso", "baidu-related"})
      : suggestHost(std::move(suggest)), searchHost(std::move(search)), sources(std::move(ids)) {}

  // The classic pair's hosts ("host" or "host:port"; plain http).
  std::string suggestHost = "127.0.0.1:" + std::to_string(kDemoDefaultPort);
  std::string searchHost = "127.0.0.1:" + std::to_string(kDemoDefaultPort);
  // Source ids, one chain each, in this order; unknown ids and repeats are skipped.
  std::vector<std::string> sources = {"soso", "baidu-related"};
  // "scheme://host[:port]" by source id, in place of the default (or the classic host).
  std::map<std::string, std::string, std::less<>> bases;

  std::string BaseOf(const Source& source) const;
  std::string UrlFor(const Source& source, std::string_view phrase) const;
  std::string SuggestUrl(const std::string& phrase) const;
  std::string RelatedUrl(const std::string& phrase) const;
};

// "http://host[:port]" for an address given with or without a scheme; empty when the
// scheme is neither http nor https or no host is left.
std::string BaseAddress(std::string_view address);

// How politely the run asks; read whenever a request is about to be issued.
struct RequestPolicy {
  // The least time between the starts of two requests of one chain; each interval is
  // drawn from [delay, 1.5 delay]. nullopt: 1000 ms for a service on a non-loopback
  // host, none on loopback.
  std::optional<std::chrono::milliseconds> delay;
  int retries = 2;                          // a failed request is asked again this many times
  std::chrono::milliseconds backoff{1000};  // before the first retry; doubles each time
  std::chrono::milliseconds requestTimeout{std::chrono::seconds(60)};
};

inline constexpr std::chrono::milliseconds kDefaultRemoteDelay{1000};

// The pacing delay towards a service at "[scheme://]host[:port]" when none is set:
// `remote` (1000 ms unless a source says otherwise), or none for a service on this machine.
std::chrono::milliseconds DefaultPacingDelay(
    std::string_view address, std::chrono::milliseconds remote = kDefaultRemoteDelay);

// A Retry-After wait is honoured up to this long; so is a blocked chain's back-off.
inline constexpr std::chrono::seconds kLongestPause{300};
// After Stop, requests still in flight are cancelled once this has passed.
inline constexpr std::chrono::seconds kStopGrace{5};

// What the run needs of the window (or tool) around it. Texts are UTF-8.
class HarvestHost {
 public:
  virtual ~HarvestHost() = default;
  virtual bool BroadRelevance() const = 0;                 // read at every step
  virtual bool MustContain() const = 0;                    // read at every admission
  virtual std::vector<std::string> MemoLines() const = 0;  // as typed, not lowered
  virtual int ExportCount() const = 0;
  virtual RequestPolicy Policy() const { return {}; }
  // Candidates holding any of these words (ignoring ASCII letter case) are not admitted;
  // read at every answer.
  virtual std::vector<std::string> ExcludeWords() const { return {}; }
  // Phrases at this depth are listed but nothing is asked about them; 0: no limit.
  virtual int MaxDepth() const { return 0; }
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void SetResultCountLabel(const std::string& text) = 0;
  virtual void SetExportCountLabel(const std::string& text) = 0;
};

// The requests one chain made in a run, by how they ended.
struct ChainCounts {
  int asked = 0;
  int answered = 0;
  int failed = 0;
  int blocked = 0;
};

// Where a chain stands in the result list: every phrase before `next` has been asked and
// finished (answered, or failed after its retries); a resumed run asks from `next` on.
struct ChainPosition {
  std::string source;  // source id
  std::int32_t next = 0;
};

// Reads an answer body of `source` and admits its phrases to the list as they are read
// (the host's must-contain option, memo lines and exclude words apply), each with `origin`. False
// when the body does not have the source's shape; then nothing is admitted.
bool AdmitAnswerPhrases(PhraseList& results, const Source& source, const std::string& body,
                        const HarvestHost& host, PhraseOrigin origin = {});
// The same for the classic source of `kind`.
bool AdmitAnswerPhrases(PhraseList& results, RequestKind kind, const std::string& body,
                        const HarvestHost& host);

class HarvestRun {
 public:
  HarvestRun(Dispatcher& dispatcher, PhraseList& results, HarvestHost& host,
             HarvestEndpoints endpoints = {});
  ~HarvestRun();
  HarvestRun(const HarvestRun&) = delete;
  HarvestRun& operator=(const HarvestRun&) = delete;

  void Query();  // the Query button
  void Stop();   // the Stop button
  // Continues a stopped or interrupted run on the list as it stands (the caller restores
  // it): each chain asks from its position on, the first `seedCount` items count as
  // seeds, and `failed` carries the phrases that failed before. Refused while running.
  void Resume(const std::vector<ChainPosition>& positions, std::int32_t seedCount,
              std::vector<std::string> failed = {});
  // Where each chain stands, for a session that a later run can resume.
  std::vector<ChainPosition> Positions() const;
  // Phrases asked whose requests failed after every retry, in the order they failed.
  const std::vector<std::string>& FailedPhrases() const { return failed_; }
  std::int32_t SeedCount() const { return seedCount_; }
  // The periodic checks the run keeps on its dispatcher's timers (public so tests can
  // tick them at will): the count labels, and after Stop the stop completion.
  void RefreshCounts();
  void CheckStopComplete();

  // A run is in progress (also while it stops); Query is refused meanwhile.
  bool Running() const { return running_; }
  // The user has not asked the current run to stop.
  bool Proceed() const { return proceed_; }
  // Stop was pressed and its completion has not been reported yet.
  bool StopPending() const { return stopTimer_->isActive(); }
  // Phrases the first chain of each kind has taken from the list, and finished with
  // (answered, or failed after its retries); expanded queries are not phrases of the list.
  std::int32_t SuggestPos() const { return ChainOf(RequestKind::Suggest).pos; }
  std::int32_t RelatedPos() const { return ChainOf(RequestKind::Related).pos; }
  std::int32_t SuggestAnswered() const { return ChainOf(RequestKind::Suggest).done; }
  std::int32_t RelatedAnswered() const { return ChainOf(RequestKind::Related).done; }
  const ChainCounts& Counts(RequestKind kind) const { return ChainOf(kind).counts; }
  // The counts of the chain asking source `id` (all zero when the run has none).
  const ChainCounts& Counts(std::string_view id) const;
  // The sources the run's chains ask, in order.
  std::vector<const Source*> ChainSources() const;
  // Requests in flight.
  int OutstandingRequests() const;
  // Download objects held: one per chain that has asked anything, however long the run.
  std::size_t LiveRequestObjects() const;
  const HarvestEndpoints& Endpoints() const { return endpoints_; }
  // Takes effect for the chains at the next Query (the hosts at the next request).
  void SetEndpoints(HarvestEndpoints endpoints) { endpoints_ = std::move(endpoints); }
  // Each seed is also asked followed by a space and each of these characters ("" for
  // none, the default); the expanded queries are asked, not listed. From the next Query.
  void SetExpansion(std::string suffixes) { expansion_ = std::move(suffixes); }

  // Replaces the start of each download (tests answer requests themselves through
  // HarvestRequest::Finish). The default starts the real download.
  using RequestStarter = std::function<void(HarvestRequest&)>;
  void SetRequestStarter(RequestStarter starter) { starter_ = std::move(starter); }

 private:
  enum class ChainState { Idle, Waiting, InFlight };
  struct Chain {
    const Source* source = nullptr;
    RequestKind kind = RequestKind::Suggest;
    ChainState state = ChainState::Idle;
    std::int32_t pos = 0;       // list index of the next phrase to take
    std::int32_t done = 0;      // phrases finished
    std::int32_t resumeAt = 0;  // every item before it is finished; see ChainPosition
    ChainCounts counts;
    std::string phrase;  // the phrase being asked (again, after a failure or a block)
    // The list item the phrase belongs to (a seed, for its expanded queries) and its text,
    // for the provenance of what the answer names.
    std::int32_t item = -1;
    std::string itemText;
    std::deque<std::string> expansions;  // expanded queries of the seed just taken
    bool expanded = false;               // `phrase` is one of them
    bool again = false;                  // the next request asks `phrase` again
    int retriesUsed = 0;                 // failed attempts at `phrase`
    int blockedRounds = 0;               // blocks in a row, for the back-off
    std::optional<std::chrono::steady_clock::time_point> lastStart;
    std::unique_ptr<HarvestRequest> request;
    std::unique_ptr<PeriodicTimer> wait;
  };

  // The first chain of `kind`; an idle chain of no source when the run has none.
  const Chain& ChainOf(RequestKind kind) const;
  // Makes one chain per source of the endpoints unless the chains already are those.
  void BuildChains();
  PhraseOrigin OriginFor(const Chain& chain);
  void QueueExpansions(Chain& chain);
  bool TakesPart(const Chain& chain) const;
  void ShowStatus(const std::string& text) { host_.ShowStatus(text); }
  // Waits what pacing (and `atLeast`) asks, then issues the chain's next request.
  void ScheduleNext(Chain& chain, std::chrono::milliseconds atLeast = {});
  void Issue(Chain& chain);
  void Completed(Chain& chain, bool delivered, const std::string& body);
  OutcomeVerdict AdmitAnswer(Chain& chain, const std::string& body);
  void RetryOrGiveUp(Chain& chain, const OutcomeVerdict& verdict, const ResponseFacts& facts);
  void PauseBlocked(Chain& chain, const OutcomeVerdict& verdict, const ResponseFacts& facts);
  // `complete`: the phrase will not be asked again, not even by a resumed run.
  void PhraseFinished(Chain& chain, bool complete);
  // Resets the chains' positions and counts and starts those that take part.
  void StartChains(const std::vector<ChainPosition>& positions);
  void WakeIdleChains();
  void FinishIfNothingLeft();
  void CancelInFlight();
  std::chrono::milliseconds PacingInterval(const Chain& chain, const RequestPolicy& policy);
  std::string EndText(const std::string& plain, bool endedOnItsOwn) const;

  Dispatcher& dispatcher_;
  PhraseList& results_;
  HarvestHost& host_;
  HarvestEndpoints endpoints_;
  RequestStarter starter_;
  std::vector<std::unique_ptr<Chain>> chains_;
  std::unique_ptr<PeriodicTimer> countTimer_;
  std::unique_ptr<PeriodicTimer> stopTimer_;
  std::unique_ptr<PeriodicTimer> cancelTimer_;
  std::mt19937 random_{std::random_device{}()};

  std::string expansion_;
  std::int32_t seedCount_ = 0;
  std::vector<std::string> failed_;

  bool running_ = false;
  bool proceed_ = false;
};

}  // namespace longtail
