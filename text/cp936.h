#pragma once
// Conversions between code page 936 (GBK) and Unicode. Phrase text is held as UTF-8;
// code page 936 is the encoding of some services and of the keyword list file, written
// there as GB18030 so that no character is lost. Conversion never fails.

#include <string>
#include <string_view>

namespace longtail {

// UTF-8 to code page 936. Characters code page 936 lacks, and malformed UTF-8 bytes,
// become "?" (one per character or per malformed byte).
std::string Utf8ToCp936(std::string_view utf8);

// UTF-8 to code page 936 bytes, with GB18030's four-byte code for every character code
// page 936 lacks: text code page 936 holds gets exactly its code page 936 bytes, and
// nothing becomes "?". Malformed UTF-8 bytes become "?", one per byte.
std::string Utf8ToGb18030(std::string_view utf8);

// Code page 936 bytes, and GB18030 four-byte codes, to UTF-8: the inverse of
// Utf8ToGb18030. A byte that starts neither becomes U+FFFD.
std::string Gb18030ToUtf8(std::string_view bytes);

// Code page 936 to UTF-8. A byte sequence that is not valid code page 936 becomes
// U+FFFD, one per undecodable byte.
std::string Cp936ToUtf8(std::string_view cp936);

// UTF-16 code units to UTF-8; an unpaired surrogate becomes "?".
std::string Utf16ToUtf8(std::u16string_view utf16);

// The text with every malformed UTF-8 byte made "?"; well-formed text is unchanged.
std::string ValidUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 made only of sequences of one, two or three
// bytes: no overlong forms, no surrogate code points, no four-byte sequences.
bool IsShortFormUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (sequences of one to four bytes, no overlong
// forms, no surrogate code points, nothing above U+10FFFF).
bool IsUtf8(std::string_view bytes);

}  // namespace longtail
