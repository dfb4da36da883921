#include "text/ascii_case.h"

namespace longtail {
namespace {

inline char LowerByte(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

std::string LowerAsciiLetters(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerByte(c);
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerByte(a[i]) != LowerByte(b[i])) return false;
  return true;
}

std::size_t HashIgnoringAsciiCase(std::string_view s) {
  // FNV-1a over the folded bytes.
  std::size_t h = 14695981039346656037ull;
  for (char c : s) h = (h ^ static_cast<unsigned char>(LowerByte(c))) * 1099511628211ull;
  return h;
}

bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  return !needle.empty() && haystack.find(needle) != std::string_view::npos;
}

}  // namespace longtail
