#pragma once
// Test helper: while alive, files this process writes cannot grow past `bytes`, and
// SIGXFSZ is ignored, so a write past the limit fails part way as on a full disk.

#include <sys/resource.h>

#include <csignal>

namespace longtail::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved_;
    tight.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &tight);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

}  // namespace longtail::testing
