#pragma once
// A download test against a real HTTP server on 127.0.0.1, driven by a plain event loop.

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "net/event_loop.h"
#include "net/http_get.h"
#include "net/loopback_http_server.h"

namespace longtail {

using namespace std::chrono_literals;

// Records what one download reported.
struct Outcome {
  int doneCount = 0;
  int errorCount = 0;
  std::string body;
  DownloadResult result;
  void wire(HttpDownload& get) {
    get.OnDoneString = [this](HttpDownload* s, const std::string& r) {
      ++doneCount;
      body = r;
      result = s->Result();
    };
    get.OnError = [this](HttpDownload* s) {
      ++errorCount;
      result = s->Result();
    };
  }
  bool finished() const { return doneCount + errorCount > 0; }
};

class HttpGetTest : public ::testing::Test {
 protected:
  void serve(LoopbackHttpServer::Handler handler) {
    server_.emplace([this, handler](const HttpRequest& r) {
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(r);
      }
      return handler(r);
    });
    ASSERT_TRUE(server_->ok()) << server_->error();
  }
  std::string url(const std::string& path) { return "http://" + server_->hostPort() + path; }
  HttpRequest lastRequest() {
    std::lock_guard lock(mutex_);
    return requests_.back();
  }
  bool fetch(HttpDownload& get, Outcome& out) {
    out.wire(get);
    get.StartDownload();
    return loop_.runUntil([&] { return out.finished(); }, 10s);
  }

  EventLoop loop_;
  std::mutex mutex_;
  std::vector<HttpRequest> requests_;
  // Last, so it stops (and its connections end) before what its handlers use goes away.
  std::optional<LoopbackHttpServer> server_;
};

inline HttpResponse Body(std::string body, int status = 200) {
  HttpResponse r;
  r.status = status;
  r.reason = status == 200 ? "OK" : "Not Found";
  r.body = std::move(body);
  return r;
}

}  // namespace longtail
