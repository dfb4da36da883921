#pragma once
// Skin fonts as QFonts. Heights follow the skin format's convention: a positive height is the
// character-cell height in pixels (ascent + descent), a negative one the character height
// without internal leading (the em size), 0 the default size.

#include <QFont>
#include <QString>

namespace lq {

// Style bits as stored in skin.ini: bold 1, italic 2, underline 4, strike-out 8.
constexpr unsigned kSkinFontBold = 1;
constexpr unsigned kSkinFontItalic = 2;
constexpr unsigned kSkinFontUnderline = 4;
constexpr unsigned kSkinFontStrikeOut = 8;

// Pixel size used for height 0.
constexpr int kDefaultFontPixelSize = 13;

QFont SkinFont(const QString& name, int height, unsigned style);
// The Qt pixel size (em size) giving a font of this family that height.
int SkinFontPixelSize(const QString& family, int height);

// Maps the face names skins and forms ask for ("宋体", "新宋体", "Arial", "MS Sans Serif")
// to the installed faces. Call once at start-up; harmless to repeat.
void InstallSkinFontSubstitutions();

}  // namespace lq
