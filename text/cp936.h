#pragma once
// Conversions between code page 936 (GBK), the byte encoding phrase text is held in,
// and Unicode. Conversion never fails: what cannot be represented becomes "?".

#include <string>
#include <string_view>

namespace longtail {

// UTF-8 to code page 936. Characters code page 936 lacks, and malformed UTF-8 bytes,
// become "?" (one per character or per malformed byte).
std::string Utf8ToCp936(std::string_view utf8);

// Code page 936 to UTF-8. A byte sequence that is not valid code page 936 becomes
// U+FFFD, one per undecodable byte.
std::string Cp936ToUtf8(std::string_view cp936);

// UTF-16 code units to UTF-8; an unpaired surrogate becomes "?".
std::string Utf16ToUtf8(std::u16string_view utf16);

// True when the bytes are well-formed UTF-8 made only of sequences of one, two or three
// bytes: no overlong forms, no surrogate code points, no four-byte sequences.
bool IsShortFormUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (sequences of one to four bytes, no overlong
// forms, no surrogate code points, nothing above U+10FFFF).
bool IsUtf8(std::string_view bytes);

}  // namespace longtail
