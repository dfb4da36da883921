#pragma once
// The demo services' built-in phrase graph: a deterministic set of Chinese and English
// phrases (a noun, optionally with a modifier and a qualifier) and, for any phrase, the
// suggestions and related searches a search engine might give. The set is finite, so a
// harvest against it ends once every phrase has been asked.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace longtail::demo {

inline constexpr int kDefaultGraphSize = 3000;

class PhraseGraph {
 public:
  // `size` phrases (at least the plain nouns, at most every combination).
  explicit PhraseGraph(int size = kDefaultGraphSize);

  int Size() const { return static_cast<int>(phrases_.size()); }
  const std::string& Phrase(int index) const {
    return phrases_.at(static_cast<std::size_t>(index));
  }
  // Index of the phrase (ASCII letter case ignored), or -1.
  int Find(std::string_view phrase) const;

  // Answers for a query in code page 936. Queries outside the graph get phrases of the
  // nouns they contain, or a deterministic pick.
  std::vector<std::string> Suggestions(std::string_view query) const;
  std::vector<std::string> RelatedSearches(std::string_view query) const;
  // Whether the results page for the query carries a related-searches block at all.
  bool HasRelatedBlock(std::string_view query) const;

 private:
  struct Parts {
    int qualifier = -1, noun = -1, modifier = -1;
  };
  std::string Compose(const Parts& p) const;
  std::vector<std::string> Neighbours(std::string_view query, std::uint64_t salt, int count) const;
  void AddIfPresent(std::vector<std::string>& out, const Parts& p) const;

  std::vector<std::string> nouns_, modifiers_, qualifiers_;
  std::vector<std::string> phrases_;
  std::vector<Parts> parts_;
  std::unordered_map<std::string, int> index_;  // lowered text -> index
};

// FNV-1a; the graph's only source of variety.
std::uint64_t StableHash(std::string_view text, std::uint64_t salt);

}  // namespace longtail::demo
