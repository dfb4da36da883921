#include "harvest/answer_parsing.h"

#include <optional>

#include "text/cp936.h"

namespace longtail {
namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

int Hex(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `count` hex digits at s[i..]; nullopt when they are not all there.
std::optional<char16_t> HexRun(std::u16string_view s, std::size_t i, std::size_t count) {
  if (i + count > s.size()) return std::nullopt;
  unsigned value = 0;
  for (std::size_t k = 0; k < count; ++k) {
    int h = Hex(s[i + k]);
    if (h < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(h);
  }
  return static_cast<char16_t>(value);
}

// Well-formed UTF-8 (the working text always is) to UTF-16.
std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp;
    std::size_t len;
    if (c < 0x80) {
      cp = c, len = 1;
    } else if (c < 0xE0) {
      cp = c & 0x1F, len = 2;
    } else if (c < 0xF0) {
      cp = c & 0x0F, len = 3;
    } else {
      cp = c & 0x07, len = 4;
    }
    if (i + len > s.size()) break;
    for (std::size_t k = 1; k < len; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
    i += len;
  }
  return out;
}

bool IsLineTerminator(char16_t c) {
  return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

bool IsOctal(char16_t c) {
  return c >= '0' && c <= '7';
}

// Decodes the body of a double-quoted string literal; nullopt when it is not a valid one.
std::optional<std::u16string> DecodeStringLiteralBody(std::u16string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (IsLineTerminator(c)) return std::nullopt;
    if (c != u'\\') {
      out += c;
      continue;
    }
    if (++i >= s.size()) return std::nullopt;  // a lone backslash at the end
    char16_t e = s[i];
    switch (e) {
      case u'b':
        out += u'\b';
        break;
      case u't':
        out += u'\t';
        break;
      case u'n':
        out += u'\n';
        break;
      case u'v':
        out += u'\v';
        break;
      case u'f':
        out += u'\f';
        break;
      case u'r':
        out += u'\r';
        break;
      case u'x':
        if (auto v = HexRun(s, i + 1, 2)) {
          out += *v;
          i += 2;
        } else {
          out += e;
        }
        break;
      case u'u':
        if (auto v = HexRun(s, i + 1, 4)) {
          out += *v;
          i += 4;
        } else {
          out += e;
        }
        break;
      default:
        if (IsLineTerminator(e)) return std::nullopt;
        if (IsOctal(e)) {
          // Legacy octal: up to three digits starting 0-3, up to two starting 4-7.
          unsigned value = e - u'0';
          std::size_t maxDigits = e <= u'3' ? 3 : 2;
          std::size_t digits = 1;
          while (digits < maxDigits && i + 1 < s.size() && IsOctal(s[i + 1])) {
            value = value * 8 + (s[++i] - u'0');
            ++digits;
          }
          out += static_cast<char16_t>(value);
        } else {
          out += e;  // \" \' \\ and any other character stand for themselves
        }
    }
  }
  return out;
}

// The script `unescape`: %uXXXX and %XX become code units, everything else stays.
std::u16string Unescape(std::u16string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'%') {
      if (i + 1 < s.size() && s[i + 1] == u'u') {
        if (auto v = HexRun(s, i + 2, 4)) {
          out += *v;
          i += 5;
          continue;
        }
      }
      if (auto v = HexRun(s, i + 1, 2)) {
        out += *v;
        i += 2;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

// 1-based position of the first occurrence, 0 when absent.
std::size_t Pos(std::string_view needle, std::string_view text) {
  std::size_t p = text.find(needle);
  return p == std::string_view::npos ? 0 : p + 1;
}

}  // namespace

std::vector<std::string> SplitAt(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t at = text.find(delimiter, start);
    if (at == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
}

std::string DecodeAnswerBody(const std::string& body) {
  if (IsUtf8(body)) return body;
  return Gb18030ToUtf8(body);
}

std::string UnescapeScriptText(std::string_view piece) {
  std::string cleaned;
  cleaned.reserve(piece.size());
  for (char c : piece)
    if (c != '"' && c != '[' && c != ']') cleaned += c;
  // The literal is read as Unicode text, as a script engine receives it.
  std::u16string units;
  if (IsAscii(cleaned))
    units.assign(cleaned.begin(), cleaned.end());
  else
    units = Utf8ToUtf16(IsUtf8(cleaned) ? cleaned : Gb18030ToUtf8(cleaned));
  auto literal = DecodeStringLiteralBody(units);
  if (!literal) return {};
  std::u16string decoded = Unescape(*literal);
  bool ascii = true;
  for (char16_t c : decoded) ascii = ascii && c < 0x80;
  if (ascii) return std::string(decoded.begin(), decoded.end());
  return Utf16ToUtf8(decoded);
}

namespace {

void SplitSuggestions(std::string_view workingText, const PhraseSink& sink) {
  if (workingText.empty()) return;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = workingText.find(',', start);
    std::string_view piece = workingText.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    std::string phrase = UnescapeScriptText(piece);
    if (!phrase.empty()) sink(std::move(phrase));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
}

// The table of related searches, cut out of the page; nullopt when the page has none.
std::optional<std::string_view> RelatedSearchTable(std::string_view text) {
  using namespace markers;
  // Drop everything in front of each marker (and the marker's first byte).
  if (std::size_t p = text.find(kAreaStart); p != std::string_view::npos) text.remove_prefix(p + 1);
  if (std::size_t p = text.find(kHeading); p != std::string_view::npos) text.remove_prefix(p + 1);
  text = text.substr(0, text.find(kBlockEnd));
  // The piece between the first and the second table-start marker.
  std::size_t table = text.find(kTableStart);
  if (text.empty() || table == std::string_view::npos) return std::nullopt;
  text.remove_prefix(table + kTableStart.size());
  return text.substr(0, text.find(kTableStart));
}

void SplitLinkTexts(std::string_view table, const PhraseSink& sink) {
  using namespace markers;
  std::size_t start = 0;
  while (true) {
    std::size_t next = table.find(kCell, start);
    std::string_view cell =
        table.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start);
    // 1-based positions as the link text is cut: from just after "\">" to "</a>".
    std::size_t first = Pos(kLinkTextStart, cell) + 2;
    std::ptrdiff_t count =
        static_cast<std::ptrdiff_t>(Pos(kLinkTextEnd, cell)) - static_cast<std::ptrdiff_t>(first);
    if (count > 0 && first - 1 < cell.size())
      sink(std::string(cell.substr(first - 1, static_cast<std::size_t>(count))));
    if (next == std::string_view::npos) break;
    start = next + kCell.size();
  }
}

// Passes on the phrases that are not empty once cleaned of control characters. A link text
// cut where no marker is may start inside a character: its stray bytes become "?".
PhraseSink Cleaning(const PhraseSink& sink) {
  return [&sink](std::string phrase) {
    std::string clean = WithoutControlCharacters(ValidUtf8(phrase));
    if (!clean.empty()) sink(std::move(clean));
  };
}

std::string_view TrimAsciiSpace(std::string_view s) {
  auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::string> SuggestionPhrases(std::string_view workingText) {
  std::vector<std::string> phrases;
  SplitSuggestions(workingText, [&](std::string p) { phrases.push_back(std::move(p)); });
  return phrases;
}

std::string WithoutControlCharacters(std::string_view phrase) {
  std::string out(phrase);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool ReadSuggestionAnswer(std::string_view workingText, const PhraseSink& sink) {
  std::string_view list = TrimAsciiSpace(workingText);
  if (list.size() < 2 || list.front() != '[' || list.back() != ']') return false;
  SplitSuggestions(list, Cleaning(sink));
  return true;
}

bool ReadRelatedSearchPage(std::string_view workingText, const PhraseSink& sink) {
  std::optional<std::string_view> table = RelatedSearchTable(workingText);
  if (!table) return false;
  SplitLinkTexts(*table, Cleaning(sink));
  return true;
}

std::vector<std::string> RelatedSearchPhrases(std::string_view text) {
  std::optional<std::string_view> table = RelatedSearchTable(text);
  if (!table) throw MissingLinkTable();
  std::vector<std::string> phrases;
  SplitLinkTexts(*table, [&](std::string p) { phrases.push_back(std::move(p)); });
  return phrases;
}

}  // namespace longtail
