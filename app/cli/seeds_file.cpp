#include "app/cli/seeds_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "text/cp936.h"

namespace longtail::cli {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

SeedsFileResult ReadSeedsFile(const std::string& path, bool utf8, std::vector<std::string>& seeds) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return {1, "cannot read " + path + ": " + std::strerror(errno)};
  // Read one byte past the limit, so that a pipe or a growing file is caught too.
  std::string text;
  char buffer[1 << 16];
  while (text.size() <= kMaxSeedsFileBytes) {
    std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    text.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return {1, "cannot read " + path + ": " + std::strerror(errno)};
  if (text.size() > kMaxSeedsFileBytes)
    return {2, path + " is larger than " + std::to_string(kMaxSeedsFileBytes >> 20) +
                   " MB; split it into smaller seeds files"};
  if (utf8 && text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::vector<std::string> lines = SplitLines(text);
  if (utf8) {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (!IsUtf8(lines[i]))
        return {2, path + " line " + std::to_string(i + 1) +
                       " is not UTF-8; if the file is in code page 936, add --seeds-encoding "
                       "cp936"};
  }
  for (std::string& line : lines) seeds.push_back(utf8 ? std::move(line) : Gb18030ToUtf8(line));
  return {};
}

}  // namespace longtail::cli
