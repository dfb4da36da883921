#include "skin/data/skin_unpack.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "skin/data/skin_ini.h"

namespace lq {
namespace {

namespace fs = std::filesystem;

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// A relative path below the target directory, with backslashes read as separators.
bool SafeRelativePath(std::string name, fs::path& out) {
  for (char& c : name)
    if (c == '\\') c = '/';
  fs::path p(name);
  if (name.empty() || p.is_absolute() || p.has_root_name() || !p.has_filename()) return false;
  for (const fs::path& part : p)
    if (part == "..") return false;
  out = p;
  return true;
}

bool Fail(std::string& error, const fs::path& path, int err) {
  error = path.string() + ": " + std::strerror(err);
  return false;
}

// Opens the folder `relative` below the target folder, creating what is missing, one
// component at a time and never through a symbolic link: a link planted inside the target
// folder would otherwise let an unpack write wherever it points.
bool OpenFolderBelow(const Fd& root, const fs::path& dir, const fs::path& relative, Fd& out,
                     std::string& error) {
  Fd at(::dup(root.get()));
  fs::path walked = dir;
  for (const fs::path& part : relative) {
    walked /= part;
    if (::mkdirat(at.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
      return Fail(error, walked, errno);
    Fd next(::openat(at.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (next.get() < 0) {
      if (errno == ELOOP || errno == ENOTDIR) {
        error =
            walked.string() + " is a symbolic link or not a folder; unpack does not follow links";
        return false;
      }
      return Fail(error, walked, errno);
    }
    at = std::move(next);
  }
  out = std::move(at);
  return true;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the file `relative` below the target folder through a temporary file renamed
// over the name: the rename replaces a symbolic link of that name instead of writing
// through it.
bool WriteBelow(const Fd& root, const fs::path& dir, const fs::path& relative,
                const std::vector<std::uint8_t>& bytes, std::string& error) {
  Fd folder;
  if (!OpenFolderBelow(root, dir, relative.parent_path(), folder, error)) return false;
  static std::atomic<unsigned> counter = 0;
  const std::string name = relative.filename().string();
  const std::string temp = "." + name + ".unpack-" + std::to_string(::getpid()) + "-" +
                           std::to_string(counter.fetch_add(1));
  const fs::path target = dir / relative;
  Fd file(::openat(folder.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                   0666));
  if (file.get() < 0) return Fail(error, target, errno);
  int err = WriteAll(file.get(), bytes) ? 0 : errno;
  if (::close(file.release()) != 0 && err == 0) err = errno;
  if (err == 0 && ::renameat(folder.get(), temp.c_str(), folder.get(), name.c_str()) != 0)
    err = errno;
  if (err != 0) {
    ::unlinkat(folder.get(), temp.c_str(), 0);
    return Fail(error, target, err);
  }
  return true;
}

bool WritePicture(const BmpPicture& picture, const std::string& name, const std::string& what,
                  const Fd& root, const fs::path& dir, std::string& error) {
  fs::path relative;
  if (!SafeRelativePath(name, relative)) {
    error = name.empty() ? what + " has no file name in [PICTURES]"
                         : what + " file name \"" + name + "\" leaves the target directory";
    return false;
  }
  return WriteBelow(root, dir, relative, WriteBmp(picture), error);
}

}  // namespace

bool UnpackSkinContainer(const SkinContainer& c, const std::string& directory, std::string& error) {
  fs::path dir(directory);
  std::error_code ec;
  fs::create_directories(dir, ec);
  // The target folder itself is named by the user, so a link there is followed.
  Fd root(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (root.get() < 0) {
    error = directory + ": not a directory";
    return false;
  }
  SkinIni ini = SkinIni::FromText(c.text);
  std::vector<std::string> active;
  try {
    active = ReadIniList(ini, "PICTURES", "activepictures");
  } catch (const SkinFormatError& e) {
    error = e.what();
    return false;
  }
  const std::optional<BmpPicture>* slots[] = {&c.main, &c.inactive, &c.mask};
  const char* keys[] = {"picture", "inactivepicture", "mask"};
  const char* names[] = {"main picture", "inactive picture", "mask picture"};
  for (int i = 0; i < 3; ++i) {
    if (!*slots[i]) continue;
    if (!WritePicture(**slots[i], ReadSkinString(ini, "PICTURES", keys[i], ""), names[i], root, dir,
                      error))
      return false;
  }
  for (std::size_t i = 0; i < c.active.size(); ++i) {
    std::string name = i < active.size() ? active[i] : "";
    if (!WritePicture(c.active[i], name, "active picture " + std::to_string(i), root, dir, error))
      return false;
  }
  std::vector<std::uint8_t> text(c.text.begin(), c.text.end());
  return WriteBelow(root, dir, "skin.ini", text, error);
}

}  // namespace lq
