#include "harvest/keyword_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/cp936.h"

namespace longtail {
namespace {

std::string CannotCreate(const std::string& path, int err) {
  return "Cannot create file \"" + path + "\". " + std::strerror(err);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The mode a newly created file gets, or the mode of the file being replaced, so that
// replacing a file keeps its permissions.
mode_t TargetMode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string KeywordListBytes(const std::vector<std::string>& phrases) {
  std::size_t total = 0;
  for (const std::string& phrase : phrases) total += phrase.size() + 2;
  std::string bytes;
  bytes.reserve(total);
  for (const std::string& phrase : phrases) {
    bytes += Utf8ToGb18030(phrase);
    bytes += "\r\n";
  }
  return bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
  if (path.empty() || path.back() == '/') {
    error = CannotCreate(path, EISDIR);
    return false;
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    error = CannotCreate(path, EISDIR);
    return false;
  }
  const std::string folder = FolderOf(path);
  std::string temp = folder + "/.longtail-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = CannotCreate(path, errno);
    return false;
  }
  int err = 0;
  if (::fchmod(fd, TargetMode(path)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    error = CannotCreate(path, err);
    return false;
  }
  // Make the rename itself durable; a failure here does not undo a completed write.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

bool WriteKeywordListFile(const std::string& path, const std::vector<std::string>& phrases,
                          std::string& error) {
  return WriteFileAtomically(path, KeywordListBytes(phrases), error);
}

std::string JoinAutoSavePath(const std::string& directory, const std::string& fileName) {
  if (directory.empty()) return fileName;
  if (!directory.empty() && directory.back() == '/') return directory + fileName;
  return directory + "/" + fileName;
}

}  // namespace longtail
