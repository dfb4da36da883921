#pragma once
// The harvest run: Query lists the seed lines and asks the services about the first one;
// every answer (OnAnswer) or failure (OnFailure) is counted and runs RequestNextOrFinish,
// which decides whether the run has ended and otherwise asks that service about the next
// phrase of the result list. The result list is the run's queue. Stop lets the requests in
// flight finish; CheckStopComplete, ticking every 500 ms after Stop, reports once all are
// answered. RefreshCounts updates the count labels every 500 ms.
//
// Everything runs on the GUI thread of the Dispatcher; the downloads run on workers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "harvest/phrase_list.h"
#include "net/dispatcher.h"
#include "net/http_get.h"

namespace longtail {

// Which service a request asks: the keyword-suggestion endpoint or the related-searches
// block of a results page.
enum class RequestKind { Suggest, Related };

// The request object: a download that remembers which service it asks.
class HarvestRequest : public HttpDownload {
 public:
  using HttpDownload::HttpDownload;
  RequestKind Kind = RequestKind::Suggest;
  std::uint64_t RequestId = 0;
  bool Answered = false;  // its completion handler has run
};

inline constexpr int kDemoDefaultPort = 8600;
inline constexpr const char* kRequestAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1)";

// Where the two services live ("host" or "host:port"; plain http).
struct HarvestEndpoints {
  std::string suggestHost = "127.0.0.1:" + std::to_string(kDemoDefaultPort);
  std::string searchHost = "127.0.0.1:" + std::to_string(kDemoDefaultPort);
  std::string SuggestUrl(const std::string& phrase) const;
  std::string RelatedUrl(const std::string& phrase) const;
};

// What the run needs of the window (or tool) around it. Texts are code page 936.
class HarvestHost {
 public:
  virtual ~HarvestHost() = default;
  virtual bool BroadRelevance() const = 0;                 // read at every step
  virtual bool MustContain() const = 0;                    // read at every admission
  virtual std::vector<std::string> MemoLines() const = 0;  // as typed, not lowered
  virtual int ExportCount() const = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void SetResultCountLabel(const std::string& text) = 0;
  virtual void SetExportCountLabel(const std::string& text) = 0;
};

class HarvestRun {
 public:
  HarvestRun(Dispatcher& dispatcher, PhraseList& results, HarvestHost& host,
             HarvestEndpoints endpoints = {});
  ~HarvestRun();
  HarvestRun(const HarvestRun&) = delete;
  HarvestRun& operator=(const HarvestRun&) = delete;

  void Query();  // the Query button
  void Stop();   // the Stop button
  // Handles a request's answer body, or its failure; both then go on with its chain.
  void OnAnswer(HttpDownload* sender, const std::string& body);
  void OnFailure(HttpDownload* sender);
  // Ends the run when nothing is left to ask, else asks `kind`'s next phrase.
  void RequestNextOrFinish(RequestKind kind);
  // The periodic checks the run keeps on its dispatcher's timers (public so tests can
  // tick them at will): the count labels, and after Stop the stop completion.
  void RefreshCounts();
  void CheckStopComplete();

  bool Running() const { return running_; }
  // Stop was pressed and its completion has not been reported yet.
  bool StopPending() const { return stopTimer_->active(); }
  bool Proceed() const { return proceed_; }
  std::int32_t SuggestPos() const { return suggestPos_; }
  std::int32_t RelatedPos() const { return relatedPos_; }
  std::int32_t SuggestAnswered() const { return suggestAnswered_; }
  std::int32_t RelatedAnswered() const { return relatedAnswered_; }
  // Requests issued whose completion has not run yet.
  int OutstandingRequests() const { return outstanding_; }
  // Request objects still held (answered ones are released right after their handler).
  std::size_t LiveRequestObjects() const { return requests_.size(); }
  const HarvestEndpoints& Endpoints() const { return endpoints_; }
  void SetEndpoints(HarvestEndpoints endpoints) { endpoints_ = std::move(endpoints); }

  // Replaces the start of each download (tests answer requests themselves through
  // HarvestRequest::Finish). The default starts the real download.
  using RequestStarter = std::function<void(HarvestRequest&)>;
  void SetRequestStarter(RequestStarter starter) { starter_ = std::move(starter); }

 private:
  void ShowStatus(const std::string& text) { host_.ShowStatus(text); }
  void IssueRequest(const std::string& url, RequestKind kind);
  void Answered(HttpDownload* sender);
  void ReleaseLater(std::uint64_t id);
  void DeferAnswer(HttpDownload* sender, bool success, std::string body);
  static bool MemoIsBlank(const std::vector<std::string>& lines);

  Dispatcher& dispatcher_;
  PhraseList& results_;
  HarvestHost& host_;
  HarvestEndpoints endpoints_;
  RequestStarter starter_;
  std::unique_ptr<DispatcherTimer> countTimer_;
  std::unique_ptr<DispatcherTimer> stopTimer_;

  bool running_ = false;
  bool proceed_ = false;
  bool starting_ = false;  // Query is issuing its first requests
  std::int32_t suggestPos_ = 0;
  std::int32_t relatedPos_ = 0;
  std::int32_t suggestAnswered_ = 0;
  std::int32_t relatedAnswered_ = 0;

  std::uint64_t nextRequestId_ = 1;
  int outstanding_ = 0;
  std::unordered_map<std::uint64_t, std::unique_ptr<HarvestRequest>> requests_;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace longtail
