#pragma once
// Painting of the combo box: the closed box (skinned or default look) and the
// icon-and-text content that the box and its list items share.

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QRect>
#include <QString>

namespace lq {

class LqSkinComboBox;

// Width of the default look's drop-down button.
constexpr int kDefaultComboButtonWidth = 17;

// The icon (if any, at most iconSize and never taller than area) then the text,
// elided at the right, both centred vertically in area and clipped to it.
void DrawItemContent(QPainter& p, const QRect& area, const QIcon& icon, QSize iconSize,
                     const QString& text, const QColor& color, bool enabled);

// The closed box: frame, button and current item, in the box's present state.
void PaintComboBox(QPainter& p, const LqSkinComboBox& box);

}  // namespace lq
