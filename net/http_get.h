#pragma once
// HttpDownload downloads one URL at a time on a worker thread of its own
// (HttpDownloadWorker) and reports the outcome on the GUI thread through a Dispatcher: the
// whole body (OnDoneString), a failure (OnError) and, when wanted, progress after every
// chunk (OnProgress). Result() tells what the transfer ended with: HTTP status, final
// address, Retry-After, a body cut short, the kind of failure and its reason.
//
// A component that is started again after it finished reuses its worker thread and its
// connection to the server (keep-alive), so a chain of requests to one service costs one
// thread and, while the server keeps it open, one TCP connection.
//
// Rules the callers rely on: a body that arrived whole and is not empty is delivered
// through OnDoneString whatever the HTTP status (the caller judges the status); an empty
// body, a body cut short or over the size cap, a time-out, a cancel or a malformed
// Content-Length is a failure; an exception thrown by OnDoneString is reported through
// OnError; the component never throws to its caller and a destroyed component delivers
// nothing.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "net/dispatcher.h"
#include "net/download_result.h"

namespace longtail {

class HttpDownload;
class HttpDownloadWorker;

using ProgressHandler =
    std::function<void(HttpDownloadWorker* sender, std::int32_t totalSize, std::int32_t readed)>;
using DoneFileHandler =
    std::function<void(HttpDownload* sender, const std::string& fileName, std::int32_t fileSize)>;
using DoneStringHandler = std::function<void(HttpDownload* sender, const std::string& result)>;
using FailureHandler = std::function<void(HttpDownload* sender)>;

// Body bytes are read in chunks of at most this many bytes.
inline constexpr std::size_t kDownloadChunkSize = 1025;
// An answer slower than this on average over the speed window (a third of the request
// deadline, 1 to 20 s) is a drip and ends as a time-out.
inline constexpr long kSpeedFloorBytesPerSecond = 32;

// The worker: one thread and one libcurl handle, kept for every download of its component.
// Each start copies the component's settings into it; the thread runs one job at a time.
class HttpDownloadWorker : public std::enable_shared_from_this<HttpDownloadWorker> {
 public:
  // The settings of the current job.
  std::string AcceptTypes, Agent, URL, FileName, UserName, Password, PostQuery, Referer;
  bool BinaryData = false;
  bool UseCache = false;
  std::chrono::milliseconds RequestTimeout = kDefaultRequestTimeout;
  std::size_t MaxBodyBytes = kMaxBodyBytes;
  ProgressHandler OnProgress;

  // Progress of the current job, as its progress events report it.
  std::int32_t ContentLength = 0;
  std::int32_t BytesReceived = 0;

  explicit HttpDownloadWorker(Dispatcher& dispatcher);
  ~HttpDownloadWorker();
  HttpDownloadWorker(const HttpDownloadWorker&) = delete;
  HttpDownloadWorker& operator=(const HttpDownloadWorker&) = delete;

  // Asks the current job to stop now: wakes the transfer and any pending progress wait.
  void Terminate();
  bool Terminated() const { return terminated_.load(); }

 private:
  friend class HttpDownload;
  struct Curl;  // the libcurl handles, created and released on the worker thread

  // GUI thread: hands the job whose settings are filled in to the thread (starting it the
  // first time). False when no thread can be had.
  bool Submit(std::uint64_t serial);
  // Cancels the current job, ends the thread and waits for it.
  void Shutdown();
  void Run();
  void Execute();
  void Transfer(const std::string& url);
  void Conclude(int curlCode);

  static std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t n, void* self);
  static std::size_t OnBodyChunk(char* data, std::size_t size, std::size_t n, void* self);
  void ReportProgress();

  Dispatcher& dispatcher_;
  std::thread thread_;
  HttpDownload* owner_ = nullptr;  // GUI thread only; cleared when the component dies
  std::string noProxy_;

  std::mutex jobMutex_;
  std::condition_variable jobReady_;
  bool jobPending_ = false;
  bool shutdown_ = false;
  std::uint64_t jobSerial_ = 0;

  std::atomic<bool> terminated_{false};
  std::mutex curlMutex_;  // guards curl_ being created or released while Terminate wakes it
  std::unique_ptr<Curl> curl_;

  // The current job's state (worker thread while it runs, GUI thread once it has ended).
  DownloadResult result_;
  std::int64_t received_ = 0;
  bool badContentLength_ = false;
  bool tooLarge_ = false;
  std::string retryAfter_;  // the last answer's Retry-After header value
  bool hasRetryAfter_ = false;

  std::mutex progressMutex_;
  std::condition_variable progressDone_;
  bool progressPending_ = false;
};

class HttpDownload {
 public:
  explicit HttpDownload(Dispatcher& dispatcher);
  virtual ~HttpDownload();
  HttpDownload(const HttpDownload&) = delete;
  HttpDownload& operator=(const HttpDownload&) = delete;

  std::string AcceptTypes = "*/*";
  std::string Agent = "Tarnwick HTTPGet";
  bool BinaryData = false;
  std::string URL;  // http or https; without a scheme it is http
  bool UseCache = false;
  std::string FileName;  // when set, a successful body is written there and OnDoneFile fires
  std::string UserName;
  std::string Password;
  std::string PostQuery;
  std::string Referer;
  bool WaitThread = false;
  // The longest a single download may take, redirects included.
  std::chrono::milliseconds RequestTimeout = kDefaultRequestTimeout;
  std::size_t MaxBodyBytes = kMaxBodyBytes;
  ProgressHandler OnProgress;
  DoneFileHandler OnDoneFile;
  DoneStringHandler OnDoneString;
  FailureHandler OnError;

  // Starts a download unless one is running, then lets the GUI thread's waiting events run.
  void StartDownload();
  // Asks the running download to stop at once; its completion reports OnError.
  void CancelDownload();
  bool Downloading() const { return busy_; }
  // True while OnDoneString/OnDoneFile/OnError run. Waiting events may run nested inside a
  // handler, so an owner that releases components must not release one that is delivering.
  bool Delivering() const { return delivering_ > 0; }
  // How the last delivered download ended; read it in the handlers, before starting again.
  const DownloadResult& Result() const { return *lastResult_; }

  // Delivers an outcome to the events as if a download had ended with it. Used by the
  // worker's completion; public so a caller can feed the same path from elsewhere (tests,
  // replayed answers).
  void Finish(DownloadResult result);
  // The same for a bare outcome: a success is a complete 200 answer with this body.
  void Finish(bool success, const std::string& body);

 private:
  friend class HttpDownloadWorker;
  void DownloadFinished(const std::shared_ptr<HttpDownloadWorker>& worker, std::uint64_t serial);
  void Deliver(const std::shared_ptr<const DownloadResult>& result);

  Dispatcher& dispatcher_;
  std::shared_ptr<HttpDownloadWorker> worker_;
  std::shared_ptr<const DownloadResult> lastResult_;
  bool busy_ = false;
  std::uint64_t serial_ = 0;
  int delivering_ = 0;
};

}  // namespace longtail
