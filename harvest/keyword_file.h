#pragma once
// The keyword list text file written by export and auto-save: the phrases in list order,
// each followed by CR LF, in code page 936 (as GB18030, so characters code page 936 lacks
// keep a four-byte code), with no byte-order mark; an empty list gives a file of 0 bytes.

#include <string>
#include <vector>

namespace longtail {

// The whole content of a keyword list file for `phrases` (UTF-8).
std::string KeywordListBytes(const std::vector<std::string>& phrases);

// Replaces the content of `path` with `bytes` atomically: the bytes go to a temporary
// file in the same folder, which is flushed to disk and then renamed over `path`, so a
// crash or a full disk never leaves a half-written file where the previous one was.
// On failure the previous file is untouched, the temporary file is removed and `error`
// holds `Cannot create file "<path>". <reason>`.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Writes `phrases` to `path` in the keyword list format, atomically.
bool WriteKeywordListFile(const std::string& path, const std::vector<std::string>& phrases,
                          std::string& error);

// The auto-save path: the directory, one separator unless it already ends with one, and
// the file name as typed.
std::string JoinAutoSavePath(const std::string& directory, const std::string& fileName);

}  // namespace longtail
