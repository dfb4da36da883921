#pragma once
// The demo services on loopback: every source's request path (the classic suggestion
// endpoint "/include/keywords.php?k=", the results page "/s?wd=" and the others of the
// source registry), each answered from the built-in phrase graph in its service's format. Options
// make it misbehave the way real services do, for tests and demos: slow, failing, empty, cut short,
// or blocking the client behind a verification page.

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

#include "harvest/demo/phrase_graph.h"
#include "net/loopback_http_server.h"

namespace longtail::demo {

struct DemoOptions {
  int graphSize = kDefaultGraphSize;
  std::chrono::milliseconds delay{0};  // before every answer
  int failEvery = 0;                   // every Nth request is dropped without an answer (0: never)
  int emptyEvery = 0;                  // every Nth request gets an empty body (0: never)
  int cutEvery = 0;  // every Nth answer ends halfway through the body it announced (0: never)
  std::chrono::milliseconds dripDelay{0};  // the body goes out in small pieces with this pause
  // After this many requests every answer is 429 with a verification page (0: never) ...
  int blockAfter = 0;
  // ... for this long (0: until the service stops), announced in Retry-After; then the
  // service answers blockAfter requests again before the next block.
  std::chrono::seconds blockFor{0};
};

// Bytes per piece of a dripped body.
inline constexpr std::size_t kDripPieceBytes = 16;

// The page a blocking service shows instead of an answer: it asks for a human check
// (安全验证, a captcha form) as the common engines' pages do.
std::string VerificationPage();
// A 429 answer carrying the verification page; Retry-After when `retryAfter` is positive.
HttpResponse BlockedAnswer(std::chrono::seconds retryAfter);

// The suggestion answer: a bracketed, comma-separated list of double-quoted strings,
// non-ASCII characters written as %uXXXX. Phrases are UTF-8.
std::string SuggestionAnswer(const std::vector<std::string>& phrases);
// The results page in code page 936 (query and phrases UTF-8), with the related-searches block when
// `phrases` is given (an absent block when `withBlock` is false).
std::string ResultsPage(const std::string& query, const std::vector<std::string>& phrases,
                        bool withBlock);

// Answers one request (what the server runs for every connection).
HttpResponse DemoAnswer(const PhraseGraph& graph, const HttpRequest& request);

class DemoService {
 public:
  DemoService(DemoOptions options, const std::string& host = "127.0.0.1", int port = 0);
  bool ok() const { return server_->ok(); }
  const std::string& error() const { return server_->error(); }
  int port() const { return server_->port(); }
  std::string hostPort() const { return server_->hostPort(); }
  std::size_t requestsServed() const { return server_->requestsServed(); }
  const PhraseGraph& graph() const { return graph_; }
  void stop() { server_->stop(); }

 private:
  // Whether this request falls into a block; sets the seconds the block has left.
  bool Blocked(std::chrono::seconds& left);

  DemoOptions options_;
  PhraseGraph graph_;
  std::atomic<std::uint64_t> counter_{0};
  std::mutex blockMutex_;
  int answeredSinceBlock_ = 0;  // guarded by blockMutex_
  bool blocking_ = false;       // guarded by blockMutex_
  std::chrono::steady_clock::time_point blockEnds_;
  std::unique_ptr<LoopbackHttpServer> server_;
};

}  // namespace longtail::demo
