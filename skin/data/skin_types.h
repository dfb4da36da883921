#pragma once
// The small value types of skin definitions: font styles, text alignment, morphing kinds,
// stretch directions, inactive-frame effects and caption-button commands. The numeric values
// are the ones skin consumers and `skin info` report.

#include <stdexcept>
#include <string>

namespace lq {

// Set of font styles, one bit each.
using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

// The numbers are the positions of the skin.ini words; skin files name the values, so an
// enumerator is only ever made from a word found in its list.
enum class TextAlignment : int { Left = 0, Right = 1, Center = 2 };

// Transition from the normal image to the hover image.
enum class MorphKind : int {
  Fade = 0,
  CentreGradient = 1,
  LeftGradient = 2,
  RightGradient = 3,
  LeftSlide = 4,
  RightSlide = 5,
  Push = 6
};

// Which way a window background picture is stretched.
enum class StretchType : int { Full = 0, Horizontal = 1, Vertical = 2 };

// How an inactive frame is drawn.
enum class InactiveEffect : int {
  Brightness = 0,
  Darkness = 1,
  Grayscale = 2,
  Noise = 3,
  SplitBlur = 4,
  Invert = 5
};

// What a caption button does.
enum class FrameCommand : int {
  Close = 0,
  Maximize = 1,
  Minimize = 2,
  SysMenu = 3,
  Default = 4,
  RollUp = 5,
  MinimizeToTray = 6
};

// A definition value that cannot be read at all (a rectangle or point with an empty
// field, a list longer than any skin needs). It aborts the skin load; the text names the
// section, the key and the value.
class SkinFormatError : public std::runtime_error {
 public:
  explicit SkinFormatError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace lq
