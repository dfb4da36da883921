#pragma once
// Fonts and colours of the skinned controls: the owned default font, the system
// colours of the default look, and conversion of skin colour values to Qt.

#include <QColor>
#include <QFont>
#include <QString>

#include "skin/data/bitmap.h"
#include "skin/data/skin_types.h"
#include "skin/data/window_descriptors.h"

namespace lq {

// A font as the skin format describes it: a positive height is the character-cell
// height in pixels, a negative one the character height without internal leading.
struct LqFont {
  QString name = QStringLiteral("Arial");
  int height = 14;
  TFontStyles style = 0;
  Color color = 0;
  int charset = 1;
  friend bool operator==(const LqFont&, const LqFont&) = default;
};

QFont MakeQFont(const QString& name, int height, TFontStyles style);
inline QFont MakeQFont(const LqFont& f) {
  return MakeQFont(f.name, f.height, f.style);
}

// System colour values (0xFF0000nn) come with the skin colours; grey text is the
// one the default look needs beyond them.
constexpr Color kSysGrayText = SystemColor(17);

// Plain colours pass through; system colours resolve to the desktop palette the
// program imitates.
Color ResolveColor(Color c);
QColor ControlColor(Color c);

// Fills of the default look for hot and pressed parts, framed navy.
constexpr Color kDefaultNavy = RGB(0, 0, 128);
constexpr Color kDefaultHotFill = RGB(182, 189, 210);
constexpr Color kDefaultDownFill = RGB(133, 147, 181);
// Disabled captions of a skin whose disabled colour equals its normal colour.
constexpr Color kMidGrey = 8421504;

}  // namespace lq
