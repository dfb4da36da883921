#include "net/http_get.h"

#include <curl/curl.h>

#include <charconv>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <mutex>

#include "net/url_parts.h"

namespace longtail {
namespace {

void EnsureCurlInitialised() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The hosts that never go through a proxy: whatever the environment lists plus loopback.
std::string NoProxyList() {
  const char* env = std::getenv("no_proxy");
  if (!env) env = std::getenv("NO_PROXY");
  std::string list = env ? env : "";
  if (!list.empty()) list += ",";
  return list + "localhost,127.0.0.1,::1";
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() &&
         (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
    s.remove_suffix(1);
  return s;
}

// A Content-Length value is accepted only as a decimal within signed 32 bits.
bool ParseContentLength(std::string_view text, std::int32_t& value) {
  text = Trim(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

// Lets waiting events run, unless they already run this many levels deep. A completion
// handler that starts the next download runs the next completion nested inside it; with
// fast answers that could nest without end and exhaust the stack.
constexpr int kMaxPendingNesting = 16;

void ProcessPendingBounded(Dispatcher& dispatcher) {
  thread_local int depth = 0;
  if (depth >= kMaxPendingNesting) return;
  ++depth;
  try {
    dispatcher.processPending();
  } catch (...) {
    --depth;
    throw;
  }
  --depth;
}

struct CurlHandles {
  CURL* easy = nullptr;
  curl_slist* headers = nullptr;
  ~CurlHandles() {
    if (easy) curl_easy_cleanup(easy);
    if (headers) curl_slist_free_all(headers);
  }
};

}  // namespace

// ---- worker ---------------------------------------------------------------------------

HttpDownloadWorker::~HttpDownloadWorker() {
  if (thread_.joinable()) thread_.join();
}

void HttpDownloadWorker::Terminate() {
  terminated_ = true;
  Success = false;
  std::lock_guard lock(progressMutex_);
  progressDone_.notify_all();
}

std::size_t HttpDownloadWorker::OnHeaderLine(char* data, std::size_t size, std::size_t n, void* self) {
  auto* w = static_cast<HttpDownloadWorker*>(self);
  std::string_view line(data, size * n);
  if (line.rfind("HTTP/", 0) == 0) {
    w->ContentLength = 0;  // a new response (after a redirect or an interim 1xx answer)
    return size * n;
  }
  constexpr std::string_view kName = "content-length:";
  if (line.size() >= kName.size()) {
    bool match = true;
    for (std::size_t i = 0; i < kName.size() && match; ++i) {
      char c = line[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      match = c == kName[i];
    }
    if (match && !ParseContentLength(line.substr(kName.size()), w->ContentLength)) {
      w->badContentLength_ = true;
      w->FailureReason = "malformed Content-Length";
      return 0;  // aborts the transfer
    }
  }
  return size * n;
}

std::size_t HttpDownloadWorker::OnBodyChunk(char* data, std::size_t size, std::size_t n, void* self) {
  auto* w = static_cast<HttpDownloadWorker*>(self);
  if (w->Terminated()) return 0;
  std::size_t len = size * n;
  w->ResultText.append(data, len);
  w->received_ += static_cast<std::int64_t>(len);
  w->BytesReceived = static_cast<std::int32_t>(std::min<std::int64_t>(w->received_, INT32_MAX));
  if (w->OnProgress) w->ReportProgress();
  return w->Terminated() ? 0 : len;
}

int HttpDownloadWorker::OnTransferInfo(void* self, long long, long long, long long, long long) {
  return static_cast<HttpDownloadWorker*>(self)->Terminated() ? 1 : 0;
}

void HttpDownloadWorker::ReportProgress() {
  {
    std::lock_guard lock(progressMutex_);
    progressPending_ = true;
  }
  auto self = shared_from_this();
  dispatcher_.post([self] {
    if (!self->Terminated() && self->OnProgress)
      self->OnProgress(self.get(), self->ContentLength, self->BytesReceived);
    std::lock_guard lock(self->progressMutex_);
    self->progressPending_ = false;
    self->progressDone_.notify_all();
  });
  std::unique_lock lock(progressMutex_);
  progressDone_.wait(lock, [&] { return !progressPending_ || Terminated(); });
}

void HttpDownloadWorker::Execute() {
  try {
    HttpUrlParts parts = SplitHttpUrl(URL);
    if (Terminated()) return;
    if (parts.host.empty() || !parts.portInRange) {
      FailureReason = "bad address";
      return;
    }
    CurlHandles h;
    h.easy = curl_easy_init();
    if (!h.easy) {
      FailureReason = "cannot start the HTTP library";
      return;
    }
    std::string target = "http://" + parts.host + ":" + std::to_string(parts.port) + parts.path;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(h.easy, CURLOPT_URL, target.c_str());
    curl_easy_setopt(h.easy, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h.easy, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(h.easy, CURLOPT_REDIR_PROTOCOLS_STR, "http");
    curl_easy_setopt(h.easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h.easy, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(h.easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h.easy, CURLOPT_NOPROXY, noProxy_.c_str());
    curl_easy_setopt(h.easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(h.easy, CURLOPT_CONNECTTIMEOUT, 30L);
    // A server that stops sending for a minute has cut the download off.
    curl_easy_setopt(h.easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h.easy, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(h.easy, CURLOPT_BUFFERSIZE, static_cast<long>(kDownloadChunkSize));
    curl_easy_setopt(h.easy, CURLOPT_HEADERFUNCTION, &OnHeaderLine);
    curl_easy_setopt(h.easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(h.easy, CURLOPT_WRITEFUNCTION, &OnBodyChunk);
    curl_easy_setopt(h.easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(h.easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h.easy, CURLOPT_XFERINFOFUNCTION, &OnTransferInfo);
    curl_easy_setopt(h.easy, CURLOPT_XFERINFODATA, this);
    if (!Agent.empty()) curl_easy_setopt(h.easy, CURLOPT_USERAGENT, Agent.c_str());
    if (!Referer.empty()) curl_easy_setopt(h.easy, CURLOPT_REFERER, Referer.c_str());
    if (!UserName.empty() || !Password.empty()) {
      curl_easy_setopt(h.easy, CURLOPT_USERNAME, UserName.c_str());
      curl_easy_setopt(h.easy, CURLOPT_PASSWORD, Password.c_str());
    }
    std::string accept = "Accept: " + AcceptTypes;
    h.headers = curl_slist_append(h.headers, AcceptTypes.empty() ? "Accept:" : accept.c_str());
    if (!UseCache) {
      // Make any cache on the way revalidate with the origin.
      h.headers = curl_slist_append(h.headers, "Cache-Control: no-cache");
      h.headers = curl_slist_append(h.headers, "Pragma: no-cache");
    }
    if (!PostQuery.empty()) {
      h.headers = curl_slist_append(h.headers, "Content-Type: application/x-www-form-urlencoded");
      h.headers = curl_slist_append(h.headers, "Expect:");
      curl_easy_setopt(h.easy, CURLOPT_POSTFIELDS, PostQuery.data());
      curl_easy_setopt(h.easy, CURLOPT_POSTFIELDSIZE_LARGE,
                       static_cast<curl_off_t>(PostQuery.size()));
    }
    curl_easy_setopt(h.easy, CURLOPT_HTTPHEADER, h.headers);
    if (Terminated()) return;

    CURLcode rc = curl_easy_perform(h.easy);
    if (rc != CURLE_OK && FailureReason.empty())
      FailureReason = errorBuffer[0] ? errorBuffer : curl_easy_strerror(rc);
    if (Terminated()) {
      FailureReason = "cancelled";
      return;
    }
    if (badContentLength_) return;
    // A partial body from a connection cut off mid-way still counts as an answer.
    Success = BytesReceived > 0;
    if (!Success && FailureReason.empty()) FailureReason = "empty body";
  } catch (const std::exception& e) {
    Success = false;
    FailureReason = e.what();
  }
}

// ---- component ------------------------------------------------------------------------

HttpDownload::HttpDownload(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

HttpDownload::~HttpDownload() {
  if (!worker_) return;
  worker_->owner_ = nullptr;
  worker_->Terminate();
  // The worker notices within a moment (at its next chunk or library progress check).
  if (worker_->thread_.joinable()) worker_->thread_.join();
}

void HttpDownload::StartDownload() {
  if (!worker_) {
    EnsureCurlInitialised();
    auto w = std::make_shared<HttpDownloadWorker>(dispatcher_);
    w->AcceptTypes = AcceptTypes;
    w->Agent = Agent;
    w->URL = URL;
    w->FileName = FileName;
    w->UserName = UserName;
    w->Password = Password;
    w->PostQuery = PostQuery;
    w->Referer = Referer;
    w->BinaryData = BinaryData;
    w->UseCache = UseCache;
    w->OnProgress = OnProgress;
    w->noProxy_ = NoProxyList();
    w->owner_ = this;
    worker_ = w;
    auto completion = [w] {
      if (w->thread_.joinable()) w->thread_.join();
      if (HttpDownload* owner = w->owner_) owner->DownloadFinished(w);
    };
    try {
      w->thread_ = std::thread([w, completion] {
        w->Execute();
        w->dispatcher_.post(completion);
      });
    } catch (const std::system_error&) {
      // No thread to be had: the download fails like one that got no answer.
      w->FailureReason = "cannot start a worker thread";
      dispatcher_.post(completion);
    }
    if (WaitThread) ProcessPendingBounded(dispatcher_);
  }
  ProcessPendingBounded(dispatcher_);
}

void HttpDownload::CancelDownload() {
  if (worker_) worker_->Terminate();
}

void HttpDownload::DownloadFinished(const std::shared_ptr<HttpDownloadWorker>& worker) {
  if (worker_ != worker) return;
  worker_.reset();
  worker->owner_ = nullptr;
  bool ok = worker->Success && !worker->Terminated();
  Finish(ok, worker->ResultText);
}

void HttpDownload::Finish(bool success, const std::string& body) {
  struct DeliveringScope {
    int& depth;
    explicit DeliveringScope(int& d) : depth(d) { ++depth; }
    ~DeliveringScope() { --depth; }
  } scope(delivering_);
  try {
    if (!success) {
      if (OnError) OnError(this);
      return;
    }
    if (!FileName.empty()) {
      std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
      out.write(body.data(), static_cast<std::streamsize>(body.size()));
      out.close();
      if (!out) throw std::runtime_error("cannot write " + FileName);
      if (OnDoneFile)
        OnDoneFile(this, FileName,
                   static_cast<std::int32_t>(std::min<std::size_t>(body.size(), INT32_MAX)));
    } else if (OnDoneString) {
      OnDoneString(this, body);
    }
  } catch (...) {
    // A failing completion handler turns the download into a failure. An error raised by
    // OnError itself goes no further: the component never throws to its caller.
    if (success && OnError) {
      try {
        OnError(this);
      } catch (...) {
      }
    }
  }
}

}  // namespace longtail
