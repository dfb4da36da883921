#pragma once
// Test helper: code page 936 bytes from UTF-8 source text.

#include <string>

#include "text/cp936.h"

namespace longtail::testing {

inline std::string G(const char* utf8) {
  return Utf8ToCp936(utf8);
}

}  // namespace longtail::testing
