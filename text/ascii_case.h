#pragma once
// Letter-case rules for phrase text held in code page 936. Only single-byte ASCII letters
// fold: the second byte of a double-byte character may fall in the ASCII letter range
// (0x41-0x5A, 0x61-0x7A) and must never be changed or folded, or two different Chinese
// characters would compare equal or a phrase would be corrupted when lowered.

#include <cstddef>
#include <string>
#include <string_view>

namespace longtail {

// Bytes taken by the character starting at s[i]: 2 for a lead byte (0x81-0xFE) that has a
// byte after it, else 1.
inline std::size_t Cp936CharLength(std::string_view s, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  return (c >= 0x81 && c <= 0xFE && i + 1 < s.size()) ? 2 : 1;
}

// The text with its single-byte letters A-Z lowered; nothing else changes.
std::string LowerAsciiLetters(std::string_view s);

// Equality ignoring the case of single-byte ASCII letters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Hash consistent with EqualsIgnoringAsciiCase.
std::size_t HashIgnoringAsciiCase(std::string_view s);

// True when `needle` occurs in `haystack` byte for byte, with case, starting at a character
// boundary of `haystack`. An empty needle never occurs.
bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle);

}  // namespace longtail
