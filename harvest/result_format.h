#pragma once
// The formats a result list can be written in, and how they are chosen: by name on the
// command line, by file extension in the window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace longtail {

enum class ResultFormat {
  KeywordList,  // code page 936, CR LF after every line, no byte-order mark
  Utf8Lines,    // UTF-8, LF after every line
  Utf8BomCrLf,  // UTF-8 with a byte-order mark and CR LF, for spreadsheet programs
  Csv,          // UTF-8 comma-separated values with a header row
  JsonLines,    // one JSON object a line
};

struct ResultFormatInfo {
  ResultFormat format;
  const char* name;       // as given to --format
  const char* extension;  // with the dot, lower case
};

// Every format, the keyword list first (the default).
const std::vector<ResultFormatInfo>& ResultFormats();

const ResultFormatInfo& InfoOf(ResultFormat format);

// The format called `name` exactly, or nothing.
std::optional<ResultFormat> ResultFormatByName(std::string_view name);

// The format a file name's extension stands for, ignoring ASCII case; nothing for an
// unknown extension or none. Formats sharing an extension resolve to the first listed.
std::optional<ResultFormat> ResultFormatByExtension(std::string_view path);

// The format names joined with `|`, for usage texts.
std::string ResultFormatNames();

}  // namespace longtail
