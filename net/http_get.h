#pragma once
// HttpDownload downloads one URL on a worker thread of its own (HttpDownloadWorker) and reports
// the outcome on the GUI thread through a Dispatcher: the whole body (OnDoneString), a
// failure (OnError) and, when wanted, progress after every chunk (OnProgress).
//
// Rules the callers rely on: any non-empty body is a success whatever the HTTP status; an
// empty body, a cancel or a malformed Content-Length is a failure; an exception thrown by
// OnDoneString is reported through OnError; the component never throws to its caller and
// a destroyed component delivers nothing.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "net/dispatcher.h"

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

// The worker: a snapshot of the component's settings taken at start, and its results.
class HttpDownloadWorker : public std::enable_shared_from_this<HttpDownloadWorker> {
 public:
  std::string AcceptTypes, Agent, URL, FileName, UserName, Password, PostQuery, Referer;
  bool BinaryData = false;
  bool UseCache = false;
  ProgressHandler OnProgress;

  std::atomic<bool> Success{false};
  std::int32_t ContentLength = 0;
  std::int32_t BytesReceived = 0;
  std::string ResultText;
  std::string FailureReason;  // why a download failed, for diagnostics

  explicit HttpDownloadWorker(Dispatcher& dispatcher) : dispatcher_(dispatcher) {}
  ~HttpDownloadWorker();

  // Runs the download on the calling thread (the worker).
  void Execute();
  // Asks the worker to stop at its next check; also releases a pending progress wait.
  void Terminate();
  bool Terminated() const { return terminated_.load(); }

 private:
  friend class HttpDownload;
  static std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t n, void* self);
  static std::size_t OnBodyChunk(char* data, std::size_t size, std::size_t n, void* self);
  static int OnTransferInfo(void* self, long long, long long, long long, long long);
  void ReportProgress();

  Dispatcher& dispatcher_;
  std::thread thread_;
  std::atomic<bool> terminated_{false};
  HttpDownload* owner_ = nullptr;  // GUI thread only; cleared when the component dies
  std::string noProxy_;
  bool badContentLength_ = false;
  std::int64_t received_ = 0;
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
  std::string URL;
  bool UseCache = false;
  std::string FileName;  // when set, a successful body is written there and OnDoneFile fires
  std::string UserName;
  std::string Password;
  std::string PostQuery;
  std::string Referer;
  bool WaitThread = false;
  ProgressHandler OnProgress;
  DoneFileHandler OnDoneFile;
  DoneStringHandler OnDoneString;
  FailureHandler OnError;

  // Starts a worker unless one is running, then lets the GUI thread's waiting events run.
  void StartDownload();
  // Asks the running worker to stop; its completion reports OnError.
  void CancelDownload();
  bool Downloading() const { return worker_ != nullptr; }
  // True while OnDoneString/OnDoneFile/OnError run. Waiting events may run nested inside a
  // handler, so an owner that releases components must not release one that is delivering.
  bool Delivering() const { return delivering_ > 0; }

  // Delivers a finished download's outcome to the events. Used by the worker's completion;
  // public so a caller can feed the same path from elsewhere (tests, replayed answers).
  void Finish(bool success, const std::string& body);

 private:
  void DownloadFinished(const std::shared_ptr<HttpDownloadWorker>& worker);

  Dispatcher& dispatcher_;
  std::shared_ptr<HttpDownloadWorker> worker_;
  int delivering_ = 0;
};

}  // namespace longtail
