#pragma once
// The value rules of the spin edit without any widget: clamping into the limits,
// formatting a value for the editor, which typed characters the editor takes and
// which editor texts become a value.

#include <cstddef>
#include <optional>
#include <string>

namespace lq {

enum class SpinValueType { Integer, Float };

struct SpinValueRules {
  SpinValueType ValueType = SpinValueType::Integer;
  int Decimal = 2;
  double MinValue = 0;
  double MaxValue = 0;
  char DecimalSeparator = '.';

  // Equal limits mean no limit at all.
  double Clamp(double value) const;
  // Integer: rounded to the nearest integer, ties to even; float: Decimal digits.
  std::string Format(double value) const;
  // Whether ch may be typed at position `at` of rest, the editor text with the selection
  // removed. A minus goes only in front. Enter and (when the editor is disabled) Backspace
  // and printable keys are refused.
  bool AcceptsKey(char32_t ch, const std::string& rest, bool editorEnabled,
                  std::size_t at = 0) const;
  // The number an editor text stands for, or nothing when the text is not one yet
  // ("", "-", stray characters, a misplaced sign or separator, out of number range).
  std::optional<double> Parse(const std::string& text) const;
};

}  // namespace lq
