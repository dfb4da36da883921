#include "app/cli/terminal_text.h"

namespace longtail::cli {

std::string TerminalSafe(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
    } else if (c == 0xC2 && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      out += ' ';
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool WriteLine(std::FILE* to, std::string_view text) {
  return std::fwrite(text.data(), 1, text.size(), to) == text.size() && std::fputc('\n', to) != EOF;
}

}  // namespace longtail::cli
