#include "net/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace longtail {
namespace {

bool NameEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string HttpRequest::header(std::string_view name) const {
  for (auto& [k, v] : headers)
    if (NameEquals(k, name)) return v;
  return {};
}

bool HttpRequest::hasHeader(std::string_view name) const {
  return std::any_of(headers.begin(), headers.end(),
                     [&](auto& kv) { return NameEquals(kv.first, name); });
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
               HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler, const std::string& host, int port)
    : handler_(std::move(handler)), host_(host) {
  sockaddr_storage storage{};
  socklen_t addrLen = 0;
  const bool v6 = host.find(':') != std::string::npos;
  if (v6) {
    auto* a = reinterpret_cast<sockaddr_in6*>(&storage);
    a->sin6_family = AF_INET6;
    a->sin6_port = htons(static_cast<std::uint16_t>(port));
    addrLen = sizeof *a;
    if (::inet_pton(AF_INET6, host.c_str(), &a->sin6_addr) != 1) {
      error_ = "not an IPv6 address: " + host;
      return;
    }
  } else {
    auto* a = reinterpret_cast<sockaddr_in*>(&storage);
    a->sin_family = AF_INET;
    a->sin_port = htons(static_cast<std::uint16_t>(port));
    addrLen = sizeof *a;
    if (::inet_pton(AF_INET, host.c_str(), &a->sin_addr) != 1) {
      error_ = "not an IPv4 address: " + host;
      return;
    }
  }
  int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  int yes = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  auto* addr = reinterpret_cast<sockaddr*>(&storage);
  if (::bind(fd, addr, addrLen) != 0 || ::listen(fd, 64) != 0) {
    error_ = std::strerror(errno);
    ::close(fd);
    return;
  }
  ::getsockname(fd, addr, &addrLen);
  port_ = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&storage)->sin6_port
                   : reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
  listenFd_ = fd;
  acceptThread_ = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stop();
}

std::string LoopbackHttpServer::hostPort() const {
  const bool v6 = host_.find(':') != std::string::npos;
  return (v6 ? "[" + host_ + "]" : host_) + ":" + std::to_string(port_);
}

bool LoopbackHttpServer::pause(std::chrono::milliseconds duration) {
  std::unique_lock lock(stopMutex_);
  return !stopped_.wait_for(lock, duration, [this] { return stopping_.load(); });
}

void LoopbackHttpServer::stop() {
  {
    std::lock_guard lock(stopMutex_);
    if (stopping_.exchange(true)) return;
  }
  stopped_.notify_all();
  if (listenFd_ >= 0) ::shutdown(listenFd_, SHUT_RDWR);
  if (acceptThread_.joinable()) acceptThread_.join();
  {
    std::lock_guard lock(connectionsMutex_);
    for (int fd : openFds_) ::shutdown(fd, SHUT_RDWR);
  }
  reapFinished(true);
  if (listenFd_ >= 0) ::close(listenFd_);
}

void LoopbackHttpServer::reapFinished(bool all) {
  std::list<std::unique_ptr<Connection>> finished;
  {
    std::lock_guard lock(connectionsMutex_);
    for (auto it = connections_.begin(); it != connections_.end();) {
      if (all || (*it)->done) {
        finished.push_back(std::move(*it));
        it = connections_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& c : finished) c->thread.join();
}

void LoopbackHttpServer::acceptLoop() {
  while (!stopping_) {
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      break;
    }
    ++accepted_;
    // Headers and body go out in separate writes: without this a kept-alive connection
    // waits for the client's delayed acknowledgement between them.
    int noDelay = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    reapFinished(false);
    auto conn = std::make_unique<Connection>();
    Connection* raw = conn.get();
    std::lock_guard lock(connectionsMutex_);
    if (stopping_) {
      ::close(fd);
      break;
    }
    openFds_.push_back(fd);
    raw->thread = std::thread([this, fd, raw] {
      serve(fd);
      {
        std::lock_guard inner(connectionsMutex_);
        openFds_.erase(std::find(openFds_.begin(), openFds_.end(), fd));
        ::close(fd);
      }
      raw->done = true;
    });
    connections_.push_back(std::move(conn));
  }
}

void LoopbackHttpServer::serve(int fd) {
  std::string pending;  // bytes read past the previous request
  for (;;) {
    HttpRequest req;
    if (!readRequest(fd, pending, req)) return;
    served_++;
    HttpResponse res = handler_(req);
    if (res.delayBeforeHeaders.count() > 0 && !pause(res.delayBeforeHeaders)) return;
    if (res.dropConnection) return;
    // The connection stays open when the client wants that and the answer's end is
    // marked by its own framing rather than by the close.
    const bool framed = res.chunked || (res.sendContentLength && res.rawContentLength.empty());
    const bool keepAlive = framed && res.cutAfter == std::string::npos &&
                           !NameEquals(req.header("Connection"), "close");
    if (!respond(fd, res, keepAlive)) return;
    if (!keepAlive) break;
  }
  ::shutdown(fd, SHUT_WR);
  // Drain what the client still sends so the close does not reset the connection.
  char buf[4096];
  while (::recv(fd, buf, sizeof buf, 0) > 0) {
  }
}

bool LoopbackHttpServer::readRequest(int fd, std::string& data, HttpRequest& req) {
  // Read the head, then as much body as Content-Length announces.
  char buf[4096];
  std::size_t headEnd = std::string::npos;
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0 || data.size() > (1u << 20)) return false;
    data.append(buf, static_cast<std::size_t>(n));
  }
  std::string_view head(data.data(), headEnd);
  std::size_t lineEnd = head.find("\r\n");
  std::string_view requestLine = head.substr(0, lineEnd);
  std::size_t sp1 = requestLine.find(' ');
  std::size_t sp2 = requestLine.find(' ', sp1 == std::string_view::npos ? 0 : sp1 + 1);
  if (sp1 == std::string_view::npos || sp2 == std::string_view::npos) return false;
  req.method = std::string(requestLine.substr(0, sp1));
  req.target = std::string(requestLine.substr(sp1 + 1, sp2 - sp1 - 1));
  std::size_t pos = lineEnd == std::string_view::npos ? head.size() : lineEnd + 2;
  while (pos < head.size()) {
    std::size_t end = head.find("\r\n", pos);
    if (end == std::string_view::npos) end = head.size();
    std::string_view line = head.substr(pos, end - pos);
    std::size_t colon = line.find(':');
    if (colon != std::string_view::npos)
      req.headers.emplace_back(std::string(line.substr(0, colon)),
                               std::string(TrimSpaces(line.substr(colon + 1))));
    pos = end + 2;
  }
  std::size_t want = 0;
  std::string cl = req.header("Content-Length");
  if (!cl.empty()) want = std::strtoul(cl.c_str(), nullptr, 10);
  if (want >= (1u << 24)) return false;
  data.erase(0, headEnd + 4);
  while (data.size() < want) {
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) return false;
    data.append(buf, static_cast<std::size_t>(n));
  }
  req.body = data.substr(0, want);
  data.erase(0, want);
  return true;
}

bool LoopbackHttpServer::respond(int fd, const HttpResponse& res, bool keepAlive) {
  std::string out = "HTTP/1.1 " + std::to_string(res.status) + " " + res.reason + "\r\n";
  for (auto& [k, v] : res.headers) out += k + ": " + v + "\r\n";
  if (res.chunked)
    out += "Transfer-Encoding: chunked\r\n";
  else if (!res.rawContentLength.empty())
    out += "Content-Length: " + res.rawContentLength + "\r\n";
  else if (res.sendContentLength)
    out += "Content-Length: " + std::to_string(res.body.size()) + "\r\n";
  if (!keepAlive) out += "Connection: close\r\n";
  out += "\r\n";
  if (!SendAll(fd, out.data(), out.size())) return false;

  // The body in pieces: from the source, or `body` cut into chunkSize steps.
  std::size_t offset = 0;
  auto nextPiece = [&]() -> std::string {
    if (res.bodySource) return res.bodySource();
    std::size_t step = res.chunkSize ? res.chunkSize : res.body.size();
    std::string piece = res.body.substr(offset, step);
    offset += piece.size();
    return piece;
  };
  std::size_t sent = 0;
  for (bool first = true; !stopping_; first = false) {
    std::string piece = nextPiece();
    if (piece.empty()) break;
    if (!first && res.chunkDelay.count() > 0 && !pause(res.chunkDelay)) return false;
    if (piece.size() > res.cutAfter - sent) piece.resize(res.cutAfter - sent);
    std::string frame = piece;
    if (res.chunked) {
      char size[20];
      std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
      frame = size + piece + "\r\n";
    }
    if (!piece.empty() && !SendAll(fd, frame.data(), frame.size())) return false;
    sent += piece.size();
    if (sent >= res.cutAfter) return true;
  }
  if (res.chunked && !SendAll(fd, "0\r\n\r\n", 5)) return false;
  return true;
}

}  // namespace longtail
