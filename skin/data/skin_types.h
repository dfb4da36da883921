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

enum TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

enum LqMorphKind : int {
  mkDefault = 0,
  mkGradient = 1,
  mkLeftGradient = 2,
  mkRightGradient = 3,
  mkLeftSlide = 4,
  mkRightSlide = 5,
  mkPush = 6
};

enum LqStretchType : int { stFull = 0, stHorz = 1, stVert = 2 };

enum LqInactiveEffect : int {
  ieBrightness = 0,
  ieDarkness = 1,
  ieGrayScale = 2,
  ieNoise = 3,
  ieSplitBlur = 4,
  ieInvert = 5
};

enum LqStdCommand : int {
  cmClose = 0,
  cmMaximize = 1,
  cmMinimize = 2,
  cmSysMenu = 3,
  cmDefault = 4,
  cmRollUp = 5,
  cmMinimizeToTray = 6
};

// A definition value that cannot be read at all (a rectangle or point with an empty
// field, a list longer than any skin needs). It aborts the skin load; the text names the
// section, the key and the value.
class SkinFormatError : public std::runtime_error {
 public:
  explicit SkinFormatError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace lq
