#include "skin/controls/combo_box_paint.h"

#include <QFontMetrics>
#include <algorithm>

#include "skin/controls/combo_box.h"
#include "skin/controls/default_look.h"
#include "skin/controls/element_image.h"

namespace lq {
namespace {

// Gap between an item's icon and its text, and before the text.
constexpr int kIconGap = 4;
constexpr int kTextPadding = 2;
// The inner dark edge of the sunken default frame.
constexpr Color kDarkShadow = RGB(105, 105, 105);

void PaintSkinnedFrame(QPainter& p, const LqSkinComboBox& box, const Bitmap& picture) {
  const ComboBoxLook& look = box.Look();
  const Rect& source = box.Active() ? look.activeskinrect : look.geometry.skinrect;
  Bitmap strip;
  BuildHStrip(look.geometry.lefttoppoint.x, look.RightFixedWidth(), strip, picture, source,
              box.width(), look.geometry.stretcheffect);
  p.drawImage(0, 0, ToImage(strip));
  // The plain button is cut from the frame image itself, so that a stretched middle
  // can never distort it; state images replace it where the skin has them.
  Rect button = !box.isEnabled()   ? look.unenabledbuttonrect
                : box.ButtonDown() ? look.downbuttonrect
                : box.ButtonHot()  ? look.activebuttonrect
                                   : Rect{};
  if (button.isEmpty()) button = look.buttonrect.translated(source.left, source.top);
  p.drawImage(box.ButtonRect().topLeft(), ToImage(CutPicture(picture, button)));
}

void PaintDefaultFrame(QPainter& p, const LqSkinComboBox& box) {
  const QRect r = box.rect();
  DrawControlFrame(p, r, clBtnShadow, clBtnHighlight);
  DrawControlFrame(p, r.adjusted(1, 1, -1, -1), kDarkShadow, clBtnFace);
  p.fillRect(r.adjusted(2, 2, -2, -2), ControlColor(box.isEnabled() ? clWindow : clBtnFace));
  const QRect b = box.ButtonRect();
  DrawDefaultPart(p, b, box.ButtonHot() && box.isEnabled(), box.ButtonDown());
  const Rect arrow{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
  DrawDirectionArrow(p, box.ButtonDown() ? arrow.translated(1, 1) : arrow, ArrowDirection::Down,
                     ControlColor(box.isEnabled() ? clBtnText : kSysGrayText));
}

}  // namespace

void DrawItemContent(QPainter& p, const QRect& area, const QIcon& icon, QSize iconSize,
                     const QString& text, const QColor& color, bool enabled) {
  if (area.isEmpty()) return;
  p.save();
  p.setClipRect(area);
  int x = area.left() + kTextPadding;
  if (!icon.isNull()) {
    const QSize s = iconSize.boundedTo(QSize(iconSize.width(), area.height()));
    const QRect target(x, area.top() + (area.height() - s.height()) / 2, s.width(), s.height());
    icon.paint(&p, target, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    x += s.width() + kIconGap;
  }
  const int room = std::max(0, area.right() + 1 - x);
  p.setPen(color);
  p.drawText(QRect(x, area.top(), room, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
             QFontMetrics(p.font()).elidedText(text, Qt::ElideRight, room));
  p.restore();
}

void PaintComboBox(QPainter& p, const LqSkinComboBox& box) {
  const Bitmap* picture = box.Picture();
  if (picture)
    PaintSkinnedFrame(p, box, *picture);
  else
    PaintDefaultFrame(p, box);

  if (box.isEditable()) return;  // the edit field shows the text

  QRect area = box.ClientRect();
  QColor color = ControlColor(box.TextColor());
  // The default look marks a focused closed box like a selected item.
  if (!picture && box.hasFocus() && !box.PopupOpen() && box.isEnabled()) {
    p.fillRect(area, ControlColor(clHighlight));
    color = ControlColor(clHighlightText);
  }
  p.setFont(box.font());
  const int current = box.currentIndex();
  DrawItemContent(p, area, current >= 0 ? box.itemIcon(current) : QIcon(), box.iconSize(),
                  box.currentText(), color, box.isEnabled());
}

}  // namespace lq
