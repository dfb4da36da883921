#include "harvest/source_readers.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>
#include <vector>

#include "text/cp936.h"

namespace longtail::readers {
namespace {

using nlohmann::json;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// The arguments of the one script call `callee(...)` (an optional ";" after it) that makes
// up the whole text; nullopt when the text is anything else.
std::optional<std::string_view> CallArguments(std::string_view text, std::string_view callee) {
  text = Trimmed(text);
  if (!text.empty() && text.back() == ';') text = Trimmed(text.substr(0, text.size() - 1));
  if (text.size() < callee.size() + 2 || text.substr(0, callee.size()) != callee) return {};
  text = Trimmed(text.substr(callee.size()));
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') return {};
  return text.substr(1, text.size() - 2);
}

bool IsIdentifierByte(char c, bool first) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$' ||
         (!first && c >= '0' && c <= '9');
}

// A script object literal with bare keys ({q:"x",s:[...]}) as JSON: every identifier that
// stands where a key does is quoted. Strings are copied as they are.
std::string QuoteBareKeys(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  char lastSignificant = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '"') {
      const std::size_t start = i++;
      while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
      i = std::min(i + 1, text.size());
      out.append(text.substr(start, i - start));
      lastSignificant = '"';
      continue;
    }
    if (IsIdentifierByte(c, true) && (lastSignificant == '{' || lastSignificant == ',')) {
      const std::size_t start = i;
      while (i < text.size() && IsIdentifierByte(text[i], false)) ++i;
      std::size_t after = i;
      while (after < text.size() && IsSpace(text[after])) ++after;
      const bool key = after < text.size() && text[after] == ':';
      if (key) out += '"';
      out.append(text.substr(start, i - start));
      if (key) out += '"';
      lastSignificant = 'a';
      continue;
    }
    out += c;
    if (!IsSpace(c)) lastSignificant = c;
    ++i;
  }
  return out;
}

json Parsed(std::string_view text) {
  return json::parse(text.begin(), text.end(), nullptr, false);
}

// Appends the elements of `array`, which must all be strings.
bool TakeStrings(const json& array, std::vector<std::string>& phrases) {
  if (!array.is_array()) return false;
  for (const json& item : array) {
    if (!item.is_string()) return false;
    phrases.push_back(item.get<std::string>());
  }
  return true;
}

// Hands the phrases on once the whole answer has been found to have its shape.
bool HandOn(bool shaped, const std::vector<std::string>& phrases, const PhraseSink& sink) {
  if (!shaped) return false;
  for (const std::string& phrase : phrases) {
    std::string clean = WithoutControlCharacters(phrase);
    if (!clean.empty()) sink(std::move(clean));
  }
  return true;
}

// ["query", [strings...], anything else...]
bool QueryAndListShape(const json& answer, std::vector<std::string>& phrases) {
  return answer.is_array() && answer.size() >= 2 && answer[0].is_string() &&
         TakeStrings(answer[1], phrases);
}

}  // namespace

bool ClassicSuggestions(const std::string& body, const PhraseSink& sink) {
  return ReadSuggestionAnswer(DecodeAnswerBody(body), sink);
}

bool ClassicRelatedSearches(const std::string& body, const PhraseSink& sink) {
  return ReadRelatedSearchPage(DecodeAnswerBody(body), sink);
}

bool BaiduSuggestions(const std::string& body, const PhraseSink& sink) {
  const std::string text = Gb18030ToUtf8(body);
  const auto arguments = CallArguments(text, "window.baidu.sug");
  if (!arguments) return false;
  const json answer = Parsed(QuoteBareKeys(*arguments));
  std::vector<std::string> phrases;
  const bool shaped = answer.is_object() && answer.contains("s") && answer.contains("q") &&
                      answer["q"].is_string() && TakeStrings(answer["s"], phrases);
  return HandOn(shaped, phrases, sink);
}

bool QueryAndList(const std::string& body, const PhraseSink& sink) {
  std::vector<std::string> phrases;
  return HandOn(QueryAndListShape(Parsed(body), phrases), phrases, sink);
}

bool WordObjects(const std::string& body, const PhraseSink& sink) {
  const json answer = Parsed(body);
  std::vector<std::string> phrases;
  bool shaped = answer.is_object() && answer.contains("result") && answer["result"].is_array();
  if (shaped) {
    for (const json& item : answer["result"]) {
      shaped = item.is_object() && item.contains("word") && item["word"].is_string();
      if (!shaped) break;
      phrases.push_back(item["word"].get<std::string>());
    }
  }
  return HandOn(shaped, phrases, sink);
}

bool SogouSuggestions(const std::string& body, const PhraseSink& sink) {
  const std::string text = Gb18030ToUtf8(body);
  const auto arguments = CallArguments(text, "window.sogou.sug");
  if (!arguments) return false;
  // The call's arguments read as one JSON array: the answer, then a number.
  std::string callText = "[";
  callText.append(*arguments);
  callText += ']';
  const json call = Parsed(callText);
  std::vector<std::string> phrases;
  const bool shaped = call.is_array() && call.size() == 2 && call[1].is_number() &&
                      QueryAndListShape(call[0], phrases);
  return HandOn(shaped, phrases, sink);
}

bool PhraseCountPairs(const std::string& body, const PhraseSink& sink) {
  const json answer = Parsed(body);
  std::vector<std::string> phrases;
  bool shaped = answer.is_object() && answer.contains("result") && answer["result"].is_array();
  if (shaped) {
    for (const json& item : answer["result"]) {
      shaped = item.is_array() && !item.empty() && item[0].is_string();
      if (!shaped) break;
      phrases.push_back(item[0].get<std::string>());
    }
  }
  return HandOn(shaped, phrases, sink);
}

}  // namespace longtail::readers
