#pragma once
// Text helpers of the frame: skin fonts, shortening with "...", and text drawn onto a
// Bitmap through a painter that works on the bitmap's own pixels.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

#include "skin/data/bitmap.h"

namespace lq {

// A font from skin values; a positive height is the character-cell height in pixels,
// a negative one the character height without internal leading.
QFont SkinFont(const std::string& name, int height, unsigned styles);

// The text, or its longest start followed by "..." that fits into width ("..." when
// nothing fits).
QString TrimWideToWidth(const QFontMetrics& metrics, const QString& text, int width);

// A QImage sharing the bitmap's pixels (24-bit BGR rows, 4-byte aligned).
inline QImage BitmapImage(Bitmap& b) {
  return QImage(b.bits(), b.width(), b.height(), b.stride(), QImage::Format_BGR888);
}
inline QImage BitmapImage(const Bitmap& b) {
  return QImage(b.bits(), b.width(), b.height(), b.stride(), QImage::Format_BGR888);
}

inline QColor ToQColor(Color c) {
  return QColor(ColorR(c), ColorG(c), ColorB(c));
}

}  // namespace lq
