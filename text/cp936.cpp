#include "text/cp936.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace longtail {
namespace {

// One iconv descriptor per thread and direction: descriptors carry shift state and are
// not safe to share between threads, and opening one per call is needlessly slow.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; `replace` is called for each input position iconv rejects and returns
  // how many input bytes to skip and the bytes to emit instead (anything string-like).
  template <typename OnBad>
  std::string Run(std::string_view in, OnBad replace) {
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t used = 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (srcLeft > 0) {
      // Feed bounded windows: after a rejected character glibc may redo work on all the
      // input it was given, which would make text with many gaps quadratic.
      std::size_t window = std::min(srcLeft, kWindow);
      std::size_t windowLeft = window;
      char* dst = out.data() + used;
      std::size_t dstLeft = out.size() - used;
      std::size_t rc = iconv(cd_, &src, &windowLeft, &dst, &dstLeft);
      int err = errno;
      used = out.size() - dstLeft;
      srcLeft -= window - windowLeft;
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (err == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // A character cut by the window's end: the next window starts with it.
      if (err == EINVAL && srcLeft > windowLeft) continue;
      // EILSEQ, or a sequence truncated at the very end: replace and go on after it.
      std::string_view rest(src, srcLeft);
      auto [skip, emitted] = replace(rest);
      const std::string_view emit(emitted);
      if (skip == 0 || skip > srcLeft) skip = srcLeft;
      src += skip;
      srcLeft -= skip;
      if (out.size() - used < emit.size() + 8) out.resize(out.size() * 2 + emit.size());
      std::copy(emit.begin(), emit.end(), out.begin() + static_cast<std::ptrdiff_t>(used));
      used += emit.size();
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
  }

 private:
  static constexpr std::size_t kWindow = 256;
  iconv_t cd_;
};

// Length of the well-formed UTF-8 sequence at the start of `s` (1 to 4), or 0 when the
// first byte does not start one.
std::size_t Utf8SequenceLength(std::string_view s, bool allowFourBytes) {
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
  if (s.empty()) return 0;
  unsigned char c = b(0);
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!cont(1) || !cont(2)) return 0;
    if (c == 0xE0 && b(1) < 0xA0) return 0;   // overlong
    if (c == 0xED && b(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (allowFourBytes && c >= 0xF0 && c <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3)) return 0;
    if (c == 0xF0 && b(1) < 0x90) return 0;
    if (c == 0xF4 && b(1) >= 0x90) return 0;
    return 4;
  }
  return 0;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf8ToCp936(std::string_view utf8) {
  thread_local Converter converter("CP936", "UTF-8");
  return converter.Run(utf8, [](std::string_view rest) {
    // A well-formed character code page 936 lacks is skipped whole; a malformed byte alone.
    std::size_t len = Utf8SequenceLength(rest, true);
    return std::pair<std::size_t, std::string_view>(len ? len : 1, "?");
  });
}

namespace {

// The one character at the start of `rest` as GB18030, for what code page 936 lacks.
std::string OneCharacterAsGb18030(std::string_view rest, std::size_t length) {
  thread_local Converter converter("GB18030", "UTF-8");
  return converter.Run(rest.substr(0, length), [](std::string_view) {
    return std::pair<std::size_t, std::string_view>(1, "?");
  });
}

bool IsGb18030FourByteCode(std::string_view s) {
  auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  return s.size() >= 4 && b(0) >= 0x81 && b(0) <= 0xFE && b(1) >= 0x30 && b(1) <= 0x39 &&
         b(2) >= 0x81 && b(2) <= 0xFE && b(3) >= 0x30 && b(3) <= 0x39;
}

}  // namespace

std::string Utf8ToGb18030(std::string_view utf8) {
  // Code page 936 first, so its characters keep exactly its bytes (GB18030 maps a few of
  // them elsewhere); only what it lacks takes GB18030's four-byte form.
  thread_local Converter converter("CP936", "UTF-8");
  return converter.Run(utf8, [](std::string_view rest) {
    std::size_t len = Utf8SequenceLength(rest, true);
    if (len == 0) return std::pair<std::size_t, std::string>(1, "?");
    return std::pair<std::size_t, std::string>(len, OneCharacterAsGb18030(rest, len));
  });
}

std::string Gb18030ToUtf8(std::string_view bytes) {
  thread_local Converter converter("UTF-8", "CP936");
  return converter.Run(bytes, [](std::string_view rest) {
    if (IsGb18030FourByteCode(rest)) {
      thread_local Converter four("UTF-8", "GB18030");
      std::string decoded = four.Run(rest.substr(0, 4), [](std::string_view) {
        return std::pair<std::size_t, std::string_view>(4, "\xEF\xBF\xBD");
      });
      return std::pair<std::size_t, std::string>(4, decoded);
    }
    return std::pair<std::size_t, std::string>(1, "\xEF\xBF\xBD");
  });
}

std::string Cp936ToUtf8(std::string_view cp936) {
  thread_local Converter converter("UTF-8", "CP936");
  return converter.Run(cp936, [](std::string_view) {
    return std::pair<std::size_t, std::string_view>(1, "\xEF\xBF\xBD");
  });
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t u = utf16[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      out += '?';
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

namespace {

bool IsUtf8Made(std::string_view bytes, bool allowFourBytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t len = Utf8SequenceLength(bytes.substr(i), allowFourBytes);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t len = Utf8SequenceLength(bytes.substr(i), true);
    if (len == 0) {
      out += '?';
      ++i;
    } else {
      out.append(bytes.substr(i, len));
      i += len;
    }
  }
  return out;
}

bool IsShortFormUtf8(std::string_view bytes) {
  return IsUtf8Made(bytes, false);
}

bool IsUtf8(std::string_view bytes) {
  return IsUtf8Made(bytes, true);
}

}  // namespace longtail
