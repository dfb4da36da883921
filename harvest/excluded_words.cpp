#include "harvest/excluded_words.h"

#include "text/ascii_case.h"

namespace longtail {

ExcludedWords::ExcludedWords(const std::vector<std::string>& words) {
  for (const std::string& word : words)
    if (!word.empty()) words_.push_back(LowerAsciiLetters(word));
}

bool ExcludedWords::Holds(std::string_view phrase) const {
  if (words_.empty()) return false;
  const std::string lowered = LowerAsciiLetters(phrase);
  for (const std::string& word : words_)
    if (lowered.find(word) != std::string::npos) return true;
  return false;
}

std::vector<std::string> SplitExcludeWords(std::string_view typed) {
  static constexpr std::string_view kFullWidthComma = "\xEF\xBC\x8C";    // U+FF0C
  static constexpr std::string_view kIdeographicComma = "\xE3\x80\x81";  // U+3001
  static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (std::size_t i = 0; i < typed.size();) {
    const std::string_view rest = typed.substr(i);
    if (rest.starts_with(kFullWidthComma) || rest.starts_with(kIdeographicComma) ||
        rest.starts_with(kIdeographicSpace)) {
      flush();
      i += 3;
      continue;
    }
    const char c = typed[i++];
    if (c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
      flush();
    else
      word += c;
  }
  flush();
  return words;
}

}  // namespace longtail
