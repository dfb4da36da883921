#pragma once
// Text routines of the skinned controls: drawing with the window system's text-format flags,
// measuring, and shortening with "..." to a width.

#include <QFlags>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

namespace lq {

// Text-format flags, numbered like the window system's text call so that values stored in
// skins and forms keep their meaning.
enum class TextFlag : unsigned {
  Left = 0x0,
  Center = 0x1,
  Right = 0x2,
  VCenter = 0x4,  // with SingleLine only
  Bottom = 0x8,   // with SingleLine only
  WordBreak = 0x10,
  SingleLine = 0x20,
  ExpandTabs = 0x40,
  NoClip = 0x100,
  CalcRect = 0x400,  // measure only: rect gets the text's size, nothing is drawn
  NoPrefix = 0x800,  // without it "&x" underlines x and "&&" shows "&"
  EndEllipsis = 0x8000,
};
Q_DECLARE_FLAGS(TextFormat, TextFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextFormat)

// Draws text in rect with the painter's font and pen, background left as it is. With
// TextFlag::CalcRect, rect's right and bottom are set to fit the text instead (left and top stay;
// the width limits word breaking). Returns the height of the text.
int DrawWideText(QPainter& canvas, const QString& text, QRect& rect, TextFormat format);

// Single-line extent of the text in the painter's (or metrics') font.
int WideTextWidth(QPainter& canvas, const QString& text);
int WideTextHeight(QPainter& canvas, const QString& text);
int WideTextWidth(const QFontMetrics& metrics, const QString& text);
int WideTextHeight(const QFontMetrics& metrics, const QString& text);

// When the text is wider than width: the longest start of it that still fits with "..."
// appended, plus "..."; "..." alone when nothing fits. Characters are dropped whole, so a
// surrogate pair or a combining sequence is never cut in two.
QString TrimToWidth(const QFontMetrics& metrics, const QString& text, int width);
QString TrimToWidth(QPainter& canvas, const QString& text, int width);
QString TrimWideToWidth(const QFontMetrics& metrics, const QString& text, int width);
QString TrimWideToWidth(QPainter& canvas, const QString& text, int width);

// One line, vertically centred, left-aligned; nothing for empty text.
void DrawTextVCentered(QPainter& canvas, const QString& text, const QRect& rect);
// Clipped to rect, starting at x = left + indent + 2 and vertically centred by the font's
// height.
void DrawTextIndented(QPainter& canvas, const QString& text, const QRect& rect, int indent = 0);

}  // namespace lq
