#include "text/ascii_case.h"

namespace longtail {
namespace {

inline char LowerByte(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

std::string LowerAsciiLetters(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    std::size_t len = Cp936CharLength(out, i);
    if (len == 1) out[i] = LowerByte(out[i]);
    i += len;
  }
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    std::size_t len = Cp936CharLength(a, i);
    if (len == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (LowerByte(a[i]) != LowerByte(b[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

std::size_t HashIgnoringAsciiCase(std::string_view s) {
  // FNV-1a over the folded bytes.
  std::size_t h = 14695981039346656037ull;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t len = Cp936CharLength(s, i);
    for (std::size_t k = 0; k < len; ++k) {
      char c = len == 1 ? LowerByte(s[i]) : s[i + k];
      h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    i += len;
  }
  return h;
}

bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  if (needle.empty() || needle.size() > haystack.size()) return false;
  for (std::size_t i = 0; i + needle.size() <= haystack.size(); i += Cp936CharLength(haystack, i)) {
    if (haystack.compare(i, needle.size(), needle) == 0) return true;
  }
  return false;
}

}  // namespace longtail
