#include "skin/controls/combo_box_list.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "skin/controls/combo_box.h"
#include "skin/controls/combo_box_paint.h"
#include "skin/controls/element_image.h"

namespace lq {

LqComboItemDelegate::LqComboItemDelegate(LqSkinComboBox* box)
    : QAbstractItemDelegate(box), box_(box) {}

void LqComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  if (!box_) return;
  const bool highlighted = option.state & QStyle::State_Selected;
  const bool enabled = option.state & QStyle::State_Enabled;
  const QRect r = option.rect;
  QRect text;
  Color color;
  if (box_->SkinnedItems()) {
    const ComboBoxLook& look = box_->Look();
    const bool focused = highlighted && (option.state & QStyle::State_HasFocus);
    const Rect& source = !highlighted ? look.itemrect
                         : focused    ? look.focusitemrect
                                      : look.activeitemrect;
    Bitmap strip;
    BuildHStrip(look.itemleftoffset, look.itemrightoffset, strip, *box_->Picture(), source,
                r.width(), highlighted ? look.focusitemstretcheffect : look.itemstretcheffect);
    painter->drawImage(r.topLeft(), ToImage(strip));
    // The text rectangle grows with the row as the strip's middle does.
    const Rect& t = look.itemtextrect;
    text = QRect(r.left() + t.left, r.top() + t.top, t.width() + r.width() - look.itemrect.width(),
                 t.height());
    color = highlighted ? look.focusfontcolor : look.font.fontcolor;
  } else {
    painter->fillRect(r, ControlColor(highlighted ? clHighlight : clWindow));
    text = r.adjusted(1, 0, -1, 0);
    color = highlighted
                ? clHighlightText
                : (box_->IsBound() ? box_->Look().font.fontcolor : box_->DefaultFont().color);
  }
  text.setLeft(text.left() + box_->ItemIndent(index.row()));
  painter->setFont(box_->font());
  DrawItemContent(*painter, text, qvariant_cast<QIcon>(index.data(Qt::DecorationRole)),
                  box_->iconSize(), index.data(Qt::DisplayRole).toString(),
                  ControlColor(enabled ? color : kSysGrayText), enabled);
}

QSize LqComboItemDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
  if (!box_) return {};
  const QFontMetrics m(box_->font());
  const bool icon = !qvariant_cast<QIcon>(index.data(Qt::DecorationRole)).isNull();
  const int width = box_->ItemIndent(index.row()) + (icon ? box_->iconSize().width() + 4 : 0) +
                    m.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 8;
  if (box_->SkinnedItems()) {
    const ComboBoxLook& look = box_->Look();
    return {width + look.itemrect.width() - look.itemtextrect.width(), look.itemrect.height()};
  }
  return {width, std::max(m.height() + 4, icon ? box_->iconSize().height() + 2 : 0)};
}

QMargins ComboListMargins(const LqSkinComboBox& box) {
  if (!box.ListFramePicture()) return {1, 1, 1, 1};
  const SliceGeometry& g = box.Look().list.geometry;
  const Rect& c = g.clientrect;
  return {c.left, c.top, g.skinWidth() - c.right, g.skinHeight() - c.bottom};
}

void PaintComboListFrame(QPainter& p, const LqSkinComboBox& box, const QRect& rect) {
  if (const Bitmap* picture = box.ListFramePicture()) {
    const SliceGeometry& g = box.Look().list.geometry;
    int w = rect.width(), h = rect.height();
    FittedGeometry fitted;
    FitSizeToSkin(SliceMode::Both, g, w, h, fitted);
    p.drawImage(rect.topLeft(), ToImage(ComposeElement(SliceMode::Both, g, fitted, g.skinrect,
                                                       *picture, w, h, true)));
    return;
  }
  p.fillRect(rect, ControlColor(clWindow));
  p.setPen(ControlColor(box.IsBound() ? box.Look().list.linecolor : clWindowText));
  p.drawRect(rect.adjusted(0, 0, -1, -1));
}

LqComboListFramePainter::LqComboListFramePainter(LqSkinComboBox* box,
                                                 std::function<void()> onHidden)
    : QObject(box), box_(box), onHidden_(std::move(onHidden)) {}

bool LqComboListFramePainter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && onHidden_) onHidden_();
  if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
  auto* window = static_cast<QWidget*>(watched);
  QPainter p(window);
  PaintComboListFrame(p, *box_, window->rect());
  return true;
}

}  // namespace lq
