#pragma once
// Text that longtail-cli prints: phrases and status texts come from services and files,
// so control characters in them must not reach a terminal (where ESC sequences would be
// obeyed) or split one printed line into several.

#include <cstdio>
#include <string>
#include <string_view>

namespace longtail::cli {

// The UTF-8 text with every C0 control, DEL and C1 control (U+0080-U+009F) made a space.
std::string TerminalSafe(std::string_view utf8);

// Writes the text and a line feed whole (an embedded NUL does not end it). False on an
// output error.
bool WriteLine(std::FILE* to, std::string_view text);

}  // namespace longtail::cli
