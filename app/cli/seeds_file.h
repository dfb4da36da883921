#pragma once
// Reading the seeds file of longtail-cli harvest: its lines become memo lines.

#include <cstddef>
#include <string>
#include <vector>

namespace longtail::cli {

// Files larger than this are refused rather than read into memory.
inline constexpr std::size_t kMaxSeedsFileBytes = 64u << 20;

// Splits text into lines at LF, CR LF and lone CR; a final line break does not start
// another line.
std::vector<std::string> SplitLines(const std::string& text);

struct SeedsFileResult {
  int exitCode = 0;  // 0 on success, 1 when the file cannot be read, 2 when it is refused
  std::string error;
};

// Appends the file's lines to `seeds` in UTF-8 (a cp936 file is converted). A utf8 file may start
// with a byte-order mark; a line of it that is not UTF-8 refuses the whole file.
SeedsFileResult ReadSeedsFile(const std::string& path, bool utf8, std::vector<std::string>& seeds);

}  // namespace longtail::cli
