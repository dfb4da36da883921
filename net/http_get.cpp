#include "net/http_get.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "net/curl_failure.h"
#include "net/request_url.h"
#include "net/retry_after.h"

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

// The value after "name:" when the header line has that name (any case).
bool HeaderValue(std::string_view line, std::string_view lowerName, std::string_view& value) {
  if (line.size() <= lowerName.size() || line[lowerName.size()] != ':') return false;
  for (std::size_t i = 0; i < lowerName.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != lowerName[i]) return false;
  }
  value = line.substr(lowerName.size() + 1);
  return true;
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

// The speed window: a third of the deadline, so a drip ends well before it, within 1..20 s.
long SpeedWindowSeconds(std::chrono::milliseconds deadline) {
  return std::clamp<long>(static_cast<long>(deadline.count() / 3000), 1, 20);
}

DownloadResult FailedResult(DownloadFailure failure, std::string reason) {
  DownloadResult r;
  r.failure = failure;
  r.reason = std::move(reason);
  return r;
}

}  // namespace

// ---- worker ---------------------------------------------------------------------------

struct HttpDownloadWorker::Curl {
  CURLM* multi = curl_multi_init();
  CURL* easy = curl_easy_init();
  curl_slist* headers = nullptr;
  char error[CURL_ERROR_SIZE] = {};
  ~Curl() {
    if (multi && easy) curl_multi_remove_handle(multi, easy);
    if (easy) curl_easy_cleanup(easy);
    if (multi) curl_multi_cleanup(multi);
    if (headers) curl_slist_free_all(headers);
  }
};

HttpDownloadWorker::HttpDownloadWorker(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

HttpDownloadWorker::~HttpDownloadWorker() {
  if (!thread_.joinable()) return;
  // The last reference went away on the worker thread itself: it cannot wait for itself.
  if (thread_.get_id() == std::this_thread::get_id()) {
    thread_.detach();
    return;
  }
  Shutdown();
}

void HttpDownloadWorker::Terminate() {
  terminated_ = true;
  {
    std::lock_guard lock(curlMutex_);
    if (curl_) curl_multi_wakeup(curl_->multi);
  }
  std::lock_guard lock(progressMutex_);
  progressDone_.notify_all();
}

bool HttpDownloadWorker::Submit(std::uint64_t serial) {
  if (!thread_.joinable()) {
    try {
      thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      return false;
    }
  }
  std::lock_guard lock(jobMutex_);
  terminated_ = false;
  jobSerial_ = serial;
  jobPending_ = true;
  jobReady_.notify_one();
  return true;
}

void HttpDownloadWorker::Shutdown() {
  {
    std::lock_guard lock(jobMutex_);
    shutdown_ = true;
    jobReady_.notify_one();
  }
  Terminate();
  if (thread_.joinable()) thread_.join();
}

void HttpDownloadWorker::Run() {
  for (;;) {
    std::uint64_t serial = 0;
    {
      std::unique_lock lock(jobMutex_);
      jobReady_.wait(lock, [this] { return jobPending_ || shutdown_; });
      if (shutdown_) break;
      jobPending_ = false;
      serial = jobSerial_;
    }
    Execute();
    auto self = shared_from_this();
    dispatcher_.post([self, serial] {
      if (HttpDownload* owner = self->owner_) owner->DownloadFinished(self, serial);
    });
  }
  std::lock_guard lock(curlMutex_);
  curl_.reset();
}

void HttpDownloadWorker::Execute() {
  result_ = DownloadResult{};
  ContentLength = 0;
  BytesReceived = 0;
  received_ = 0;
  badContentLength_ = tooLarge_ = hasRetryAfter_ = false;
  retryAfter_.clear();
  try {
    RequestUrl target = NormalizeRequestUrl(URL);
    if (Terminated()) {
      result_ = FailedResult(DownloadFailure::Cancelled, "cancelled");
    } else if (!target.ok()) {
      result_ = FailedResult(DownloadFailure::BadUrl, target.error);
    } else {
      Transfer(target.url);
    }
  } catch (const std::exception& e) {
    result_ = FailedResult(DownloadFailure::Other, e.what());
  }
}

void HttpDownloadWorker::Transfer(const std::string& url) {
  {
    std::lock_guard lock(curlMutex_);
    if (!curl_) curl_ = std::make_unique<Curl>();
  }
  Curl& c = *curl_;
  if (!c.multi || !c.easy) {
    result_ = FailedResult(DownloadFailure::Other, "cannot start the HTTP library");
    return;
  }
  CURL* h = c.easy;
  // Reset keeps the handle's connections, so the next request to the host reuses one.
  curl_easy_reset(h);
  if (c.headers) curl_slist_free_all(c.headers);
  c.headers = nullptr;
  c.error[0] = '\0';
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, c.error);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_NOPROXY, noProxy_.c_str());
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  // Certificates are checked against the system's CA store (libcurl's default bundle).
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
  const long deadlineMs = static_cast<long>(std::max<std::int64_t>(1, RequestTimeout.count()));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, deadlineMs);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, std::min(deadlineMs, 30000L));
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, kSpeedFloorBytesPerSecond);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, SpeedWindowSeconds(RequestTimeout));
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxBodyBytes));
  curl_easy_setopt(h, CURLOPT_BUFFERSIZE, static_cast<long>(kDownloadChunkSize));
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &OnHeaderLine);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnBodyChunk);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, this);
  if (!Agent.empty()) curl_easy_setopt(h, CURLOPT_USERAGENT, Agent.c_str());
  if (!Referer.empty()) curl_easy_setopt(h, CURLOPT_REFERER, Referer.c_str());
  if (!UserName.empty() || !Password.empty()) {
    curl_easy_setopt(h, CURLOPT_USERNAME, UserName.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, Password.c_str());
  }
  std::string accept = "Accept: " + AcceptTypes;
  c.headers = curl_slist_append(c.headers, AcceptTypes.empty() ? "Accept:" : accept.c_str());
  if (!UseCache) {
    // Make any cache on the way revalidate with the origin.
    c.headers = curl_slist_append(c.headers, "Cache-Control: no-cache");
    c.headers = curl_slist_append(c.headers, "Pragma: no-cache");
  }
  if (!PostQuery.empty()) {
    c.headers = curl_slist_append(c.headers, "Content-Type: application/x-www-form-urlencoded");
    c.headers = curl_slist_append(c.headers, "Expect:");
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, PostQuery.data());
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(PostQuery.size()));
  }
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, c.headers);

  // The transfer runs in the multi loop so that Terminate can wake it at once, whatever the
  // server is doing (or not doing).
  if (curl_multi_add_handle(c.multi, h) != CURLM_OK) {
    result_ = FailedResult(DownloadFailure::Other, "cannot start the transfer");
    return;
  }
  int code = CURLE_OK;
  bool done = false;
  while (!done && !Terminated()) {
    int running = 0;
    if (curl_multi_perform(c.multi, &running) != CURLM_OK) {
      code = CURLE_OUT_OF_MEMORY;
      break;
    }
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(c.multi, &queued)) {
      if (msg->msg == CURLMSG_DONE && msg->easy_handle == h) {
        code = msg->data.result;
        done = true;
      }
    }
    if (!done && curl_multi_poll(c.multi, nullptr, 0, 1000, nullptr) != CURLM_OK) {
      code = CURLE_OUT_OF_MEMORY;
      break;
    }
  }
  Conclude(code);
  // Removing an unfinished transfer closes its connection; a finished one stays cached.
  curl_multi_remove_handle(c.multi, h);
}

void HttpDownloadWorker::Conclude(int code) {
  CURL* h = curl_->easy;
  DownloadResult& r = result_;
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  r.status = status;
  char* effective = nullptr;
  if (curl_easy_getinfo(h, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
    r.finalUrl = effective;
  long redirects = 0;
  curl_easy_getinfo(h, CURLINFO_REDIRECT_COUNT, &redirects);
  if (hasRetryAfter_) r.retryAfterSeconds = ParseRetryAfter(retryAfter_, std::time(nullptr));
  r.bytesReceived = received_;

  if (Terminated()) {
    r.failure = DownloadFailure::Cancelled;
    r.reason = "cancelled";
  } else if (tooLarge_ || code == CURLE_FILESIZE_EXCEEDED) {
    r.failure = DownloadFailure::TooLarge;
    r.reason = "body larger than " + std::to_string(MaxBodyBytes) + " bytes";
  } else if (badContentLength_) {
    r.failure = DownloadFailure::BadAnswer;
    r.reason = "malformed Content-Length";
  } else if (code != CURLE_OK) {
    const bool redirected = redirects > 0 || (status >= 300 && status < 400);
    r.failure = FailureFromCurlCode(code, redirected);
    // A connection lost before any answer is no connection, not a cut body.
    if (r.failure == DownloadFailure::CutShort && status == 0) r.failure = DownloadFailure::Connect;
    r.truncated = r.failure == DownloadFailure::CutShort;
    r.reason = curl_->error[0] ? curl_->error : curl_easy_strerror(static_cast<CURLcode>(code));
  } else if (received_ == 0) {
    r.failure = DownloadFailure::EmptyBody;
    r.reason = "empty body";
  }
  if (r.failure == DownloadFailure::TooLarge) std::string().swap(r.body);
}

std::size_t HttpDownloadWorker::OnHeaderLine(char* data, std::size_t size, std::size_t n,
                                             void* self) {
  auto* w = static_cast<HttpDownloadWorker*>(self);
  std::string_view line(data, size * n);
  if (line.rfind("HTTP/", 0) == 0) {
    // A new answer (after a redirect or an interim 1xx one): its headers start afresh.
    w->ContentLength = 0;
    w->hasRetryAfter_ = false;
    return size * n;
  }
  std::string_view value;
  if (HeaderValue(line, "content-length", value) && !ParseContentLength(value, w->ContentLength)) {
    w->badContentLength_ = true;
    return 0;  // aborts the transfer
  }
  if (HeaderValue(line, "retry-after", value)) {
    w->retryAfter_ = std::string(Trim(value));
    w->hasRetryAfter_ = true;
  }
  return size * n;
}

std::size_t HttpDownloadWorker::OnBodyChunk(char* data, std::size_t size, std::size_t n,
                                            void* self) {
  auto* w = static_cast<HttpDownloadWorker*>(self);
  if (w->Terminated()) return 0;
  const std::size_t len = size * n;
  w->received_ += static_cast<std::int64_t>(len);
  std::string& body = w->result_.body;
  if (body.size() + len > w->MaxBodyBytes) {
    // Over the cap: drop what was held and end the transfer.
    w->tooLarge_ = true;
    std::string().swap(body);
    return 0;
  }
  // Grow by doubling, but never past the cap.
  if (body.size() + len > body.capacity())
    body.reserve(std::min(w->MaxBodyBytes, std::max(body.size() + len, body.capacity() * 2)));
  body.append(data, len);
  w->BytesReceived = static_cast<std::int32_t>(std::min<std::int64_t>(w->received_, INT32_MAX));
  if (w->OnProgress) w->ReportProgress();
  return w->Terminated() ? 0 : len;
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

// ---- component ------------------------------------------------------------------------

HttpDownload::HttpDownload(Dispatcher& dispatcher)
    : dispatcher_(dispatcher), lastResult_(std::make_shared<DownloadResult>()) {}

HttpDownload::~HttpDownload() {
  if (!worker_) return;
  worker_->owner_ = nullptr;
  // The transfer is woken and ends at once; the thread is waited for, so nothing it
  // touches outlives it.
  worker_->Shutdown();
}

void HttpDownload::StartDownload() {
  if (!busy_) {
    EnsureCurlInitialised();
    if (!worker_) {
      worker_ = std::make_shared<HttpDownloadWorker>(dispatcher_);
      worker_->owner_ = this;
      worker_->noProxy_ = NoProxyList();
    }
    // The worker is idle between jobs: its settings can be written here.
    HttpDownloadWorker& w = *worker_;
    w.AcceptTypes = AcceptTypes;
    w.Agent = Agent;
    w.URL = URL;
    w.FileName = FileName;
    w.UserName = UserName;
    w.Password = Password;
    w.PostQuery = PostQuery;
    w.Referer = Referer;
    w.BinaryData = BinaryData;
    w.UseCache = UseCache;
    w.RequestTimeout = RequestTimeout;
    w.MaxBodyBytes = MaxBodyBytes;
    w.OnProgress = OnProgress;
    busy_ = true;
    const std::uint64_t serial = ++serial_;
    if (!w.Submit(serial)) {
      // No thread to be had: the download fails like one that got no answer.
      w.result_ = FailedResult(DownloadFailure::Other, "cannot start a worker thread");
      auto worker = worker_;
      dispatcher_.post([worker, serial] {
        if (HttpDownload* owner = worker->owner_) owner->DownloadFinished(worker, serial);
      });
    }
    if (WaitThread) ProcessPendingBounded(dispatcher_);
  }
  ProcessPendingBounded(dispatcher_);
}

void HttpDownload::CancelDownload() {
  if (busy_ && worker_) worker_->Terminate();
}

void HttpDownload::DownloadFinished(const std::shared_ptr<HttpDownloadWorker>& worker,
                                    std::uint64_t serial) {
  if (worker_ != worker || serial != serial_ || !busy_) return;
  busy_ = false;
  auto result = std::make_shared<DownloadResult>(std::move(worker->result_));
  // A cancel that came after the transfer ended, but before its delivery, still wins.
  if (worker->Terminated() && result->completed()) {
    result->failure = DownloadFailure::Cancelled;
    result->reason = "cancelled";
  }
  Deliver(result);
}

void HttpDownload::Finish(DownloadResult result) {
  Deliver(std::make_shared<DownloadResult>(std::move(result)));
}

void HttpDownload::Finish(bool success, const std::string& body) {
  DownloadResult r;
  if (success) {
    r.status = 200;
    r.body = body;
    r.bytesReceived = static_cast<std::int64_t>(body.size());
  } else {
    r.failure = DownloadFailure::Other;
    r.reason = "no answer";
  }
  Finish(std::move(r));
}

void HttpDownload::Deliver(const std::shared_ptr<const DownloadResult>& result) {
  struct DeliveringScope {
    int& depth;
    explicit DeliveringScope(int& d) : depth(d) { ++depth; }
    ~DeliveringScope() { --depth; }
  } scope(delivering_);
  // A handler may start the next download, whose completion can be delivered nested
  // inside it; this one's result stays alive (and unchanged) until its handlers return.
  lastResult_ = result;
  const bool success = result->completed();
  const std::string& body = result->body;
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
