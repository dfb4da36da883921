#pragma once
// The tool button glyphs of the file window (back, up, new folder, view style), drawn in
// code on a magenta key colour that the skinned buttons treat as transparent.

#include <QImage>

namespace lq {

enum class ToolGlyph { Back, Up, NewFolder, ViewStyle };

QImage DrawToolGlyph(ToolGlyph glyph);

}  // namespace lq
