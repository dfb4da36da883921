#pragma once
// The demo services' built-in phrase graph: a deterministic set of Chinese and English
// phrases (a noun, optionally with a modifier and a qualifier, and in large graphs a tail
// word after those) and, for any phrase, the suggestions and related searches a search
// engine might give. The set is finite, so a harvest against it ends once every phrase
// has been asked.
//
// Phrases of up to three words are held; the four-word ones, which only graphs larger
// than every three-word combination have, are computed from their index, so a graph of
// a million phrases costs no more memory than one of forty thousand.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace longtail::demo {

inline constexpr int kDefaultGraphSize = 3000;

class PhraseGraph {
 public:
  // `size` phrases (at least the plain nouns, at most MaxSize()).
  explicit PhraseGraph(int size = kDefaultGraphSize);
  // The largest graph there is: every combination of the words.
  static int MaxSize();

  int Size() const { return static_cast<int>(phrases_.size()) + tailed_; }
  std::string Phrase(int index) const;
  // Index of the phrase (ASCII letter case ignored), or -1.
  int Find(std::string_view phrase) const;

  // Answers for a query, UTF-8 like every phrase of the graph. Queries outside the graph get
  // phrases of the nouns they contain, or a deterministic pick. `variant` tells apart the services
  // answering: each gives its own suggestions.
  std::vector<std::string> Suggestions(std::string_view query, int variant = 0) const;
  std::vector<std::string> RelatedSearches(std::string_view query) const;
  // Whether the results page for the query carries a related-searches block at all.
  bool HasRelatedBlock(std::string_view query) const;

 private:
  struct Parts {
    int qualifier = -1, noun = -1, modifier = -1, tail = -1;
  };
  std::string Compose(const Parts& p) const;
  Parts PartsOf(int index) const;
  int FindTailed(std::string_view lowered) const;
  std::vector<std::string> Neighbours(std::string_view query, std::uint64_t salt, int count) const;
  void AddIfPresent(std::vector<std::string>& out, const Parts& p) const;

  std::vector<std::string> nouns_, modifiers_, qualifiers_, tails_;
  std::vector<std::string> phrases_;  // the phrases of up to three words
  std::vector<Parts> parts_;
  int threeStart_ = 0, threeCount_ = 0;         // where the three-word phrases lie in phrases_
  int tailed_ = 0;                              // four-word phrases: index Size() - tailed_ onwards
  std::unordered_map<std::string, int> index_;  // lowered text -> index
};

// FNV-1a; the graph's only source of variety.
std::uint64_t StableHash(std::string_view text, std::uint64_t salt);

}  // namespace longtail::demo
