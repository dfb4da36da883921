#pragma once
// Runs longtail-cli as a child process with stdout and stderr captured in files.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace longtail::testing {

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The lines of text that ends every line with `end`.
inline std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t start = 0, at;
  while ((at = text.find(end, start)) != std::string::npos) {
    lines.push_back(text.substr(start, at - start));
    start = at + end.size();
  }
  EXPECT_EQ(start, text.size()) << "text does not end with a line end";
  return lines;
}

class ChildProcess {
 public:
  explicit ChildProcess(std::vector<std::string> args, const std::string& tag) {
    static int counter = 0;
    std::string base = ::testing::TempDir() + "/cli_" + tag + "_" + std::to_string(::getpid()) +
                       "_" + std::to_string(++counter);
    outPath_ = base + ".out";
    errPath_ = base + ".err";
    args.insert(args.begin(), LONGTAIL_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~ChildProcess() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      Wait();
    }
  }

  // Exit code, 128 + signal number for a signal, -1 on timeout.
  int Wait(std::chrono::seconds timeout = std::chrono::seconds(60)) {
    if (exited_) return code_;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      pid_t r = ::waitpid(pid_, &status, WNOHANG);
      if (r == pid_) {
        exited_ = true;
        code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return code_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  void Signal(int sig) { ::kill(pid_, sig); }
  std::string Out() const { return ReadFile(outPath_); }
  std::string Err() const { return ReadFile(errPath_); }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  int code_ = -1;
  std::string outPath_, errPath_;
};

}  // namespace longtail::testing
