#include "harvest/result_file.h"

#include <nlohmann/json.hpp>

#include "harvest/keyword_file.h"

namespace longtail {
namespace {

constexpr const char* kCsvHeader = "phrase,source,parent,depth\r\n";
constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

PhraseProvenance ProvenanceAt(const ProvenanceOf& provenance, std::size_t index) {
  return provenance ? provenance(index) : PhraseProvenance{};
}

std::string Utf8Lines(const std::vector<std::string>& phrases, const char* lineEnd) {
  std::string bytes;
  for (const std::string& phrase : phrases) {
    bytes += phrase;
    bytes += lineEnd;
  }
  return bytes;
}

// A spreadsheet program reads a cell starting with one of these as a formula (or, for
// tab and CR, strips them and reads what follows as one), so such a field is written
// behind an apostrophe, which makes the cell plain text.
bool StartsLikeFormula(const std::string& field) {
  if (field.empty()) return false;
  switch (field.front()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
      return true;
    default:
      return false;
  }
}

void AppendCsvField(std::string& row, std::string field) {
  if (StartsLikeFormula(field)) field.insert(field.begin(), '\'');
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    row += field;
    return;
  }
  row += '"';
  for (char c : field) {
    if (c == '"') row += '"';
    row += c;
  }
  row += '"';
}

std::string CsvBytes(const std::vector<std::string>& phrases, const ProvenanceOf& provenance) {
  std::string bytes = kCsvHeader;
  for (std::size_t i = 0; i < phrases.size(); ++i) {
    const PhraseProvenance from = ProvenanceAt(provenance, i);
    AppendCsvField(bytes, phrases[i]);
    bytes += ',';
    AppendCsvField(bytes, from.source);
    bytes += ',';
    AppendCsvField(bytes, from.parent);
    bytes += ',';
    bytes += std::to_string(from.depth);
    bytes += "\r\n";
  }
  return bytes;
}

std::string JsonLinesBytes(const std::vector<std::string>& phrases,
                           const ProvenanceOf& provenance) {
  std::string bytes;
  for (std::size_t i = 0; i < phrases.size(); ++i) {
    const PhraseProvenance from = ProvenanceAt(provenance, i);
    nlohmann::ordered_json line = {{"phrase", phrases[i]},
                                   {"source", from.source},
                                   {"parent", from.parent},
                                   {"depth", from.depth}};
    // A source id that is not UTF-8 must not make the whole write throw.
    bytes += line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    bytes += '\n';
  }
  return bytes;
}

}  // namespace

std::string ResultFileBytes(ResultFormat format, const std::vector<std::string>& phrases,
                            const ProvenanceOf& provenance) {
  switch (format) {
    case ResultFormat::KeywordList:
      return KeywordListBytes(phrases);
    case ResultFormat::Utf8Lines:
      return Utf8Lines(phrases, "\n");
    case ResultFormat::Utf8BomCrLf:
      return kUtf8Bom + Utf8Lines(phrases, "\r\n");
    case ResultFormat::Csv:
      return CsvBytes(phrases, provenance);
    case ResultFormat::JsonLines:
      return JsonLinesBytes(phrases, provenance);
  }
  return KeywordListBytes(phrases);
}

bool WriteResultFile(const std::string& path, ResultFormat format,
                     const std::vector<std::string>& phrases, std::string& error,
                     const ProvenanceOf& provenance) {
  return WriteFileAtomically(path, ResultFileBytes(format, phrases, provenance), error);
}

}  // namespace longtail
