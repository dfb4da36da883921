#include "skin/controls/spin_edit_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lq {

namespace {
// Beyond this an integer value loses units in a double; such texts are not numbers.
constexpr double kLargestExact = 9007199254740992.0;
}  // namespace

double SpinValueRules::Clamp(double value) const {
  if (MinValue == MaxValue) return value;
  if (value < MinValue) return MinValue;
  if (value > MaxValue) return MaxValue;
  return value;
}

std::string SpinValueRules::Format(double value) const {
  char buf[64];
  if (ValueType == SpinValueType::Integer) {
    std::snprintf(buf, sizeof buf, "%.0f", std::nearbyint(value));
  } else {
    int digits = Decimal < 0 ? 0 : (Decimal > 18 ? 18 : Decimal);
    std::snprintf(buf, sizeof buf, "%.*f", digits, value);
    for (char* p = buf; *p; ++p)
      if (*p == '.') *p = DecimalSeparator;
  }
  std::string s = buf;
  if (s == "-0") s = "0";
  return s;
}

bool SpinValueRules::AcceptsKey(char32_t ch, const std::string& rest, bool editorEnabled,
                                std::size_t at) const {
  const bool printable = ch >= 32 && ch != 127;
  if (!editorEnabled && (printable || ch == 8)) return false;
  if (ch == '\r' || ch == '\n') return false;
  if (!printable) return true;
  // Nothing goes in front of a minus.
  if (at == 0 && !rest.empty() && rest[0] == '-') return false;
  if (ch >= '0' && ch <= '9') return true;
  if (ch == '-') return at == 0 && rest.find('-') == std::string::npos;
  if (ValueType == SpinValueType::Float &&
      ch == char32_t(static_cast<unsigned char>(DecimalSeparator)))
    return rest.find(DecimalSeparator) == std::string::npos;
  return false;
}

std::optional<double> SpinValueRules::Parse(const std::string& text) const {
  if (text.empty() || text == "-") return std::nullopt;
  int separators = 0;
  std::string normal;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      normal += c;
    } else if (c == '-') {
      if (i != 0) return std::nullopt;
      normal += c;
    } else if (ValueType == SpinValueType::Float && c == DecimalSeparator) {
      if (i == 0 || ++separators > 1) return std::nullopt;
      normal += '.';
    } else {
      return std::nullopt;
    }
  }
  char* end = nullptr;
  double v = std::strtod(normal.c_str(), &end);
  if (end != normal.c_str() + normal.size() || !std::isfinite(v)) return std::nullopt;
  if (std::fabs(v) > kLargestExact) return std::nullopt;
  return v;
}

}  // namespace lq
