#pragma once
// The exclude words of a run: a candidate holding any of them is not admitted. Matching
// ignores the case of ASCII letters and is byte-wise on UTF-8, so a word never matches
// inside a character. Empty words are ignored.

#include <string>
#include <string_view>
#include <vector>

namespace longtail {

class ExcludedWords {
 public:
  explicit ExcludedWords(const std::vector<std::string>& words);
  bool Holds(std::string_view phrase) const;
  bool Empty() const { return words_.empty(); }

 private:
  std::vector<std::string> words_;  // lowered
};

// Splits what the user typed into words: spaces, tabs, line breaks and commas (ASCII or
// full-width) separate them; empty pieces are dropped.
std::vector<std::string> SplitExcludeWords(std::string_view typed);

}  // namespace longtail
