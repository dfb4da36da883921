#pragma once
// A small HTTP/1.1 server for loopback use (IPv4 or IPv6): the demo services and the tests.
// Each connection runs on a thread of its own and stays open for the next request while
// the answers allow it (keep-alive). Responses can be shaped to imitate awkward servers:
// sent in small delayed chunks, streamed without end, chunked, cut off, with a raw or
// missing Content-Length.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace longtail {

struct HttpRequest {
  std::string method;
  std::string target;  // path and query as sent
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  // Value of the first header with this name (any case), or "" when absent.
  std::string header(std::string_view name) const;
  bool hasHeader(std::string_view name) const;
};

struct HttpResponse {
  int status = 200;
  std::string reason = "OK";
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  bool sendContentLength = true;
  std::string rawContentLength;  // sent verbatim instead of the body size when not empty
  std::chrono::milliseconds delayBeforeHeaders{0};
  std::size_t chunkSize = 0;  // 0: the body in one write
  std::chrono::milliseconds chunkDelay{0};
  std::size_t cutAfter = std::string::npos;  // close after this many body bytes
  bool dropConnection = false;               // close without answering at all
  bool chunked = false;                      // Transfer-Encoding: chunked, no Content-Length
  // When set, the body is streamed from it instead of `body`: each call returns the next
  // piece, an empty one ends the body. It runs on the connection's thread.
  std::function<std::string()> bodySource;
};

class LoopbackHttpServer {
 public:
  using Handler = std::function<HttpResponse(const HttpRequest&)>;

  // Binds host:port (an IPv4 or IPv6 address; port 0 picks a free one). Check ok()
  // afterwards.
  LoopbackHttpServer(Handler handler, const std::string& host = "127.0.0.1", int port = 0);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool ok() const { return listenFd_ >= 0; }
  const std::string& error() const { return error_; }
  int port() const { return port_; }
  std::string hostPort() const;  // "127.0.0.1:P" or "[::1]:P"
  std::size_t requestsServed() const { return served_.load(); }
  std::size_t connectionsAccepted() const { return accepted_.load(); }
  // Stops accepting and ends the connections still open; waits for their threads.
  void stop();

 private:
  struct Connection {
    std::thread thread;
    std::atomic<bool> done{false};
  };
  void acceptLoop();
  void serve(int fd);
  bool readRequest(int fd, std::string& pending, HttpRequest& request);
  bool respond(int fd, const HttpResponse& response, bool keepAlive);
  // Sleeps unless the server stops meanwhile; false when it stops.
  bool pause(std::chrono::milliseconds duration);
  void reapFinished(bool all);

  Handler handler_;
  std::string host_;
  int listenFd_ = -1;
  int port_ = 0;
  std::string error_;
  std::atomic<bool> stopping_{false};
  std::atomic<std::size_t> served_{0};
  std::atomic<std::size_t> accepted_{0};
  std::mutex stopMutex_;
  std::condition_variable stopped_;
  std::thread acceptThread_;
  std::mutex connectionsMutex_;
  std::list<std::unique_ptr<Connection>> connections_;
  std::vector<int> openFds_;  // guarded by connectionsMutex_
};

// Percent-decodes a URL query value ("+" is a space); bad escapes stay as they are.
std::string PercentDecode(std::string_view text);

}  // namespace longtail
