// Sequential downloads against a loopback server that answers after a fixed delay: one
// component started again and again (its worker thread and kept-alive connection reused)
// versus a new component per request (a thread and a TCP connection each time, as a
// harvest did before).

#include <benchmark/benchmark.h>

#include <chrono>

#include "net/event_loop.h"
#include "net/http_get.h"
#include "net/loopback_http_server.h"

namespace longtail {
namespace {

LoopbackHttpServer::Handler AnswerAfter(std::chrono::milliseconds delay) {
  return [delay](const HttpRequest&) {
    HttpResponse r;
    r.body = "[\"one\",\"two\",\"three\"]";
    r.delayBeforeHeaders = delay;
    return r;
  };
}

// Runs one download to its end on the loop; false when it failed.
bool Fetch(EventLoop& loop, HttpDownload& get, const std::string& url) {
  bool done = false, ok = false;
  get.URL = url;
  get.OnDoneString = [&](HttpDownload*, const std::string&) { done = ok = true; };
  get.OnError = [&](HttpDownload*) { done = true; };
  get.StartDownload();
  loop.runUntil([&] { return done; }, std::chrono::seconds(10));
  return ok;
}

void Report(benchmark::State& state, const LoopbackHttpServer& server) {
  state.counters["connections"] = static_cast<double>(server.connectionsAccepted());
  state.counters["requests"] = static_cast<double>(server.requestsServed());
  state.counters["per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ReusedComponent(benchmark::State& state) {
  LoopbackHttpServer server(AnswerAfter(std::chrono::milliseconds(state.range(0))));
  EventLoop loop;
  HttpDownload get(loop);
  const std::string url = "http://" + server.hostPort() + "/include/keywords.php?k=a";
  for (auto _ : state)
    if (!Fetch(loop, get, url)) state.SkipWithError("download failed");
  Report(state, server);
}

void BM_ComponentPerRequest(benchmark::State& state) {
  LoopbackHttpServer server(AnswerAfter(std::chrono::milliseconds(state.range(0))));
  EventLoop loop;
  const std::string url = "http://" + server.hostPort() + "/include/keywords.php?k=a";
  for (auto _ : state) {
    HttpDownload get(loop);
    if (!Fetch(loop, get, url)) state.SkipWithError("download failed");
  }
  Report(state, server);
}

// 20 ms is a service's think time; 0 ms shows the transport's own cost per request.
BENCHMARK(BM_ReusedComponent)->Arg(20)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ComponentPerRequest)->Arg(20)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace longtail

BENCHMARK_MAIN();
