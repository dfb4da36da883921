#include "harvest/result_format.h"

#include "text/ascii_case.h"

namespace longtail {

const std::vector<ResultFormatInfo>& ResultFormats() {
  static const std::vector<ResultFormatInfo> formats = {
      {ResultFormat::KeywordList, "txt", ".txt"},      {ResultFormat::Utf8Lines, "utf8", ".txt"},
      {ResultFormat::Utf8BomCrLf, "utf8-bom", ".txt"}, {ResultFormat::Csv, "csv", ".csv"},
      {ResultFormat::JsonLines, "jsonl", ".jsonl"},
  };
  return formats;
}

const ResultFormatInfo& InfoOf(ResultFormat format) {
  for (const ResultFormatInfo& info : ResultFormats())
    if (info.format == format) return info;
  return ResultFormats().front();
}

std::optional<ResultFormat> ResultFormatByName(std::string_view name) {
  for (const ResultFormatInfo& info : ResultFormats())
    if (name == info.name) return info.format;
  return std::nullopt;
}

std::optional<ResultFormat> ResultFormatByExtension(std::string_view path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return std::nullopt;
  const std::string_view extension = path.substr(dot);
  for (const ResultFormatInfo& info : ResultFormats())
    if (EqualsIgnoringAsciiCase(extension, info.extension)) return info.format;
  return std::nullopt;
}

std::string ResultFormatNames() {
  std::string names;
  for (const ResultFormatInfo& info : ResultFormats()) {
    if (!names.empty()) names += '|';
    names += info.name;
  }
  return names;
}

}  // namespace longtail
