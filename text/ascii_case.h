#pragma once
// Letter-case rules for phrase text held in UTF-8. Only the ASCII letters A-Z and a-z fold;
// every byte of a multi-byte UTF-8 character is 0x80 or above, so byte-wise work never
// changes or matches part of another character.

#include <cstddef>
#include <string>
#include <string_view>

namespace longtail {

// The text with its ASCII letters A-Z lowered; nothing else changes.
std::string LowerAsciiLetters(std::string_view s);

// Equality ignoring the case of ASCII letters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Hash consistent with EqualsIgnoringAsciiCase.
std::size_t HashIgnoringAsciiCase(std::string_view s);

// True when `needle` occurs in `haystack` byte for byte, with case. Both are UTF-8, so a
// match always starts and ends at character boundaries. An empty needle never occurs.
bool ContainsAtCharBoundary(std::string_view haystack, std::string_view needle);

}  // namespace longtail
