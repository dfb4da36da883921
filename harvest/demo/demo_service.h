#pragma once
// The demo services on loopback: the suggestion endpoint "/include/keywords.php?k=" and
// the results page "/s?wd=", both answered from the built-in phrase graph in the real
// services' formats. Flags make it slow, failing or empty for tests.

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "harvest/demo/phrase_graph.h"
#include "net/loopback_http_server.h"

namespace longtail::demo {

struct DemoOptions {
  int graphSize = kDefaultGraphSize;
  std::chrono::milliseconds delay{0};  // before every answer
  int failEvery = 0;                   // every Nth request is dropped without an answer (0: never)
  int emptyEvery = 0;                  // every Nth request gets an empty body (0: never)
};

// The suggestion answer: a bracketed, comma-separated list of double-quoted strings,
// non-ASCII characters written as %uXXXX.
std::string SuggestionAnswer(const std::vector<std::string>& phrases);
// The results page in code page 936, with the related-searches block when `phrases` is
// given (an absent block when `withBlock` is false).
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
  DemoOptions options_;
  PhraseGraph graph_;
  std::atomic<std::uint64_t> counter_{0};
  std::unique_ptr<LoopbackHttpServer> server_;
};

}  // namespace longtail::demo
