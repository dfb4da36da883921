#include "skin/controls/skin_labels.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include "skin/controls/align_layout.h"
#include "skin/controls/default_look.h"
#include "skin/controls/skin_access.h"

namespace lq {
namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}

}  // namespace

// ---------------------------------------------------------------- LqSkinStdLabel

LqSkinStdLabel::LqSkinStdLabel(QWidget* parent) : QWidget(parent) {
  // Windowless look: nothing is filled, the parent's pixels stay behind the text.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

void LqSkinStdLabel::SetCaption(const QString& text) {
  if (text == Caption_) return;
  Caption_ = text;
  AdjustSize();
  update();
}

void LqSkinStdLabel::SetAlignment(Qt::Alignment a) {
  Alignment_ = a;
  update();
}

void LqSkinStdLabel::SetAutoSize(bool on) {
  AutoSize_ = on;
  AdjustSize();
}

void LqSkinStdLabel::SetWordWrap(bool on) {
  WordWrap_ = on;
  AdjustSize();
  update();
}

void LqSkinStdLabel::SetEllipsType(EllipsisStyle t) {
  EllipsType_ = t;
  update();
}

void LqSkinStdLabel::SetUseSkinFont(bool on) {
  binding_.SetUseSkinFont(on);
  AdjustSize();
  update();
}

void LqSkinStdLabel::SetUseSkinColor(bool on) {
  binding_.SetUseSkinFontColor(on);
  update();
}

void LqSkinStdLabel::SetDefaultFont(const LqFont& f) {
  binding_.SetDefaultFont(f);
  AdjustSize();
  update();
}

void LqSkinStdLabel::SetFont(const LqFont& f) {
  Font_ = f;
  AdjustSize();
  update();
}

void LqSkinStdLabel::SetSkinData(LqSkinData* data) {
  binding_.SetData(data);
  if (data) UpdateSkin();
}

void LqSkinStdLabel::SetSkinDataName(const std::string& name) {
  binding_.SetName(name);
}

void LqSkinStdLabel::BindSkin() {
  binding_.Bind();
  lookCopied_ = binding_.Bound() && CopyLook(binding_.Descriptor(), look_);
}

void LqSkinStdLabel::ReleaseSkin() {
  binding_.Release();
  lookCopied_ = false;
}

void LqSkinStdLabel::UpdateSkin() {
  BindSkin();
  AdjustSize();
  update();
}

QFont LqSkinStdLabel::CurrentFont() const {
  // Unbound, UseSkinFont picks the default font over the label's own.
  if (!binding_.Bound()) return MakeQFont(UseSkinFont() ? DefaultFont() : Font_);
  if (UseSkinFont() && lookCopied_)
    return MakeQFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle);
  return MakeQFont(Font_);
}

Color LqSkinStdLabel::CurrentColor() const {
  if (!binding_.Bound()) return UseSkinFont() ? DefaultFont().color : Font_.color;
  if (UseSkinColor() && lookCopied_) return look_.fontcolor;
  return Font_.color;
}

int LqSkinStdLabel::TextFlags() const {
  int flags = int(Alignment_) | Qt::AlignTop;
  flags |= WordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
  return flags;
}

void LqSkinStdLabel::AdjustSize() {
  if (!AutoSize_) return;
  const QFontMetrics m(CurrentFont());
  if (WordWrap_) {
    const QRect r =
        m.boundingRect(QRect(0, 0, std::max(1, width()), 100000), TextFlags(), Caption_);
    QWidget::resize(width(), r.height());
  } else {
    QWidget::resize(m.horizontalAdvance(Caption_), m.height());
  }
}

void LqSkinStdLabel::paintEvent(QPaintEvent*) {
  BindSkin();
  QPainter p(this);
  p.setFont(CurrentFont());
  const QFontMetrics m(p.font());
  QString text = Caption_;
  if (EllipsType_ != EllipsisStyle::None && !WordWrap_)
    text = m.elidedText(
        Caption_, EllipsType_ == EllipsisStyle::Path ? Qt::ElideMiddle : Qt::ElideRight, width());
  const QRect r = rect();
  if (isEnabled()) {
    p.setPen(ControlColor(CurrentColor()));
    p.drawText(r, TextFlags(), text);
    return;
  }
  // Embossed: a highlight copy one pixel down-right, the shadow copy on top.
  const bool bound = binding_.Bound();
  p.setPen(ControlColor(bound ? SkinButtonHighlight(SkinData()) : clBtnHighlight));
  p.drawText(r.translated(1, 1), TextFlags(), text);
  p.setPen(ControlColor(bound ? SkinButtonShadow(SkinData()) : clBtnShadow));
  p.drawText(r, TextFlags(), text);
}

void LqSkinStdLabel::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) update();
}

// ------------------------------------------------------------------- LqSkinLabel

LqSkinLabel::LqSkinLabel(QWidget* parent) : LqSkinCustomControl(parent) {
  SetSkinDataName("label");
  QWidget::resize(75, 21);
}

void LqSkinLabel::SetCaption(const QString& text) {
  if (text == Caption_) return;
  Caption_ = text;
  AdjustSize();
  update();
}

void LqSkinLabel::SetEllipsType(LabelEllipsis t) {
  if (t == EllipsType_) return;
  EllipsType_ = t;
  update();
}

void LqSkinLabel::SetUseSkinSize(bool on) {
  UseSkinSize_ = on;
  update();
}

void LqSkinLabel::SetBorderStyle(BevelStyle s) {
  BorderStyle_ = s;
  if (!IsBound()) {
    update();
    RealignChildren(parentWidget());
  }
}

void LqSkinLabel::SetAlignment(TextAlignment a) {
  Alignment_ = a;
  update();
}

void LqSkinLabel::SetAutoSize(bool on) {
  AutoSize_ = on;
  AdjustSize();
}

void LqSkinLabel::BindSkin() {
  LqSkinCustomControl::BindSkin();
  if (!IsBound()) return;
  CopyLook(Descriptor(), look_);
  if (HasElementGeometry() && SliceMode() == SliceMode::Fixed) AutoSize_ = false;
}

void LqSkinLabel::FitSizeToSkin(int& width, int& height) {
  const int requestedW = width, requestedH = height;
  LqSkinCustomControl::FitSizeToSkin(width, height);
  // Without the skin size an element that does not stretch both ways is drawn
  // stretched to the control instead of forcing its size.
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both) {
    width = requestedW;
    height = requestedH;
  }
}

QRect LqSkinLabel::TextArea() const {
  if (!HasElementGeometry()) return rect().adjusted(3, 3, -3, -3);
  QRect area = ToQRect(FittedClientRect());
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both)
    area.setBottom(area.bottom() + height() - Geometry().skinHeight());
  return area;
}

QFont LqSkinLabel::CurrentFont() const {
  return SkinOrDefaultFont(QString::fromStdString(look_.fontname), look_.fontheight,
                           look_.fontstyle);
}

Color LqSkinLabel::CurrentColor() const {
  return binding_.FontColor(look_.fontcolor);
}

void LqSkinLabel::DrawDefault(QImage& canvas) {
  QPainter p(&canvas);
  const QRect r = canvas.rect();
  DrawDefaultBevel(p, r, BorderStyle_);
  DrawText(p, TextArea());
}

void LqSkinLabel::DrawSkin(QImage& canvas) {
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both && Picture() && HasElementGeometry()) {
    // The element at its own height, stretched to the control's.
    const SliceGeometry& g = Geometry();
    QImage element(canvas.width(), g.skinHeight(), QImage::Format_RGB32);
    element.fill(ControlColor(clBtnFace));
    DrawElementImage(element, g.skinrect);
    QPainter p(&canvas);
    p.drawImage(canvas.rect(), element);
  } else {
    LqSkinCustomControl::DrawSkin(canvas);
  }
  QPainter p(&canvas);
  DrawText(p, TextArea());
}

void LqSkinLabel::DrawText(QPainter& p, QRect area) {
  DrawImage(p, area);
  if (Caption_.isEmpty() || area.width() <= 0 || area.height() <= 0) return;
  p.save();
  p.setFont(CurrentFont());
  const QFontMetrics m(p.font());
  const QString text =
      EllipsType_ == LabelEllipsis::End ? TrimToWidth(m, Caption_, area.width()) : Caption_;
  const int textW = m.horizontalAdvance(text);
  int x = area.left();
  if (Alignment_ == TextAlignment::Right)
    x = area.right() + 1 - textW;
  else if (Alignment_ == TextAlignment::Center)
    x = area.left() + area.width() / 2 - textW / 2;
  const int y = area.top() + area.height() / 2 - m.height() / 2;
  p.setClipRect(area);
  p.setPen(ControlColor(CurrentColor()));
  p.drawText(QRect(x, y, textW + 1, m.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             text);
  p.restore();
}

void LqSkinLabel::AdjustSize() {
  if (!AutoSize_) return;
  const DockAlign align = AlignOf(this);
  if (align == DockAlign::Top || align == DockAlign::Bottom || align == DockAlign::Client) return;
  const QFontMetrics m(CurrentFont());
  const int textW = m.horizontalAdvance(Caption_);
  int grow;
  if (HasElementGeometry())
    grow = textW - FittedClientRect().width();
  else
    grow = textW + 4 - width();
  grow += ImageSpace();
  if (grow != 0) SetBounds(QRect(x(), y(), width() + grow, height()));
}

// ------------------------------------------------------------- LqSkinStatusPanel

LqSkinStatusPanel::LqSkinStatusPanel(QWidget* parent) : LqSkinLabel(parent) {
  SetSkinDataName("statuspanel");
  QWidget::resize(120, height());
}

void LqSkinStatusPanel::SetGlyph(const QImage& glyph, int numGlyphs) {
  Glyph_ = glyph;
  NumGlyphs_ = std::clamp(numGlyphs, 1, 2);
  update();
}

int LqSkinStatusPanel::ImageSpace() const {
  return Glyph_.isNull() ? 0 : Glyph_.width() / NumGlyphs_ + 3;
}

void LqSkinStatusPanel::DrawImage(QPainter& p, QRect& area) {
  if (Glyph_.isNull()) return;
  const int w = Glyph_.width() / NumGlyphs_;
  const int frame = (!isEnabled() && NumGlyphs_ > 1) ? 1 : 0;
  p.drawImage(area.left(), area.top() + area.height() / 2 - Glyph_.height() / 2, Glyph_, frame * w,
              0, w, Glyph_.height());
  area.setLeft(area.left() + w + 2);
}

}  // namespace lq
