#include "skin/controls/skin_panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "skin/controls/align_layout.h"
#include "skin/controls/default_look.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"

namespace lq {
namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}
constexpr int kCheckBoxSize = 14;

}  // namespace

LqSkinPanel::LqSkinPanel(QWidget* parent) : LqSkinCustomControl(parent) {
  SetSkinDataName("panel");
  splitFrame_ = true;
  QWidget::resize(150, 150);
}

void LqSkinPanel::SetCaption(const QString& text) {
  if (text == Caption_) return;
  Caption_ = text;
  if (CaptionMode_) update();
}

void LqSkinPanel::SetImagePosition(lq::ImagePosition p) {
  if (p == ImagePosition_) return;
  ImagePosition_ = p;
  update();
}

void LqSkinPanel::SetTransparentMode(bool on) {
  TransparentMode_ = on;
  update();
  NotifyChildrenBackground(this);
}

void LqSkinPanel::SetCheckedMode(bool on) {
  CheckedMode_ = on;
  update();
}

void LqSkinPanel::SetChecked(bool on) {
  Checked_ = on;
  if (CheckedMode_) {
    update();
    if (AutoEnabledControls)
      for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(on);
  }
  emit checkedChanged();
}

void LqSkinPanel::SetDefaultAlignment(TextAlignment a) {
  DefaultAlignment_ = a;
  update();
}

void LqSkinPanel::SetDefaultCaptionHeight(int h) {
  DefaultCaptionHeight_ = h;
  if (!IsBound()) {
    update();
    AlignControls();
  }
}

void LqSkinPanel::SetBorderStyle(BevelStyle s) {
  BorderStyle_ = s;
  if (!IsBound()) {
    update();
    AlignControls();
  }
}

void LqSkinPanel::SetCaptionMode(bool on) {
  CaptionMode_ = on;
  update();
  AlignControls();
}

void LqSkinPanel::SetRollUpMode(bool on) {
  RollUpMode_ = on;
  if (!IsBound() && CaptionMode_) update();
}

void LqSkinPanel::SetGlyph(const QImage& glyph, int numGlyphs) {
  Glyph_ = glyph;
  NumGlyphs_ = std::clamp(numGlyphs, 1, 2);
  update();
}

void LqSkinPanel::BindSkin() {
  LqSkinCustomControl::BindSkin();
  look_.bgpictureindex = -1;
  if (IsBound()) CopyLook(Descriptor(), look_);
}

void LqSkinPanel::ApplySkin() {
  LqSkinCustomControl::ApplySkin();
  if (RollUpState_) {
    // Roll up again to the new skin's caption height.
    LqSkinCustomControl::SetBounds(QRect(x(), y(), width(), RolledUpHeight()));
  } else {
    AlignControls();
  }
}

int LqSkinPanel::RolledUpHeight() const {
  if (HasElementGeometry()) return Geometry().skinHeight() - Geometry().clientrect.height();
  return DefaultCaptionHeight_ + 1;
}

void LqSkinPanel::SetRollUpState(bool on) {
  if (on == RollUpState_) return;
  RollUpState_ = on;
  const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  if (on) {
    RealHeight_ = height();
    for (QWidget* child : children) child->hide();
    SetBounds(QRect(x(), y(), width(), RolledUpHeight()));
  } else {
    const int restored = RealHeight_ > 0 ? RealHeight_ : height();
    RealHeight_ = -1;
    SetBounds(QRect(x(), y(), width(), restored));
    for (QWidget* child : children) child->show();
    AlignControls();
  }
  emit rollUpStateChanged();
}

QRect LqSkinPanel::AlignClientRect() const {
  if (!HasElementGeometry()) {
    QRect r = rect();
    if (BorderStyle_ != BevelStyle::None) r.adjust(1, 1, -1, -1);
    if (CaptionMode_) r.setTop(r.top() + DefaultCaptionHeight_);
    return r;
  }
  if (look_.bgpictureindex != -1 ||
      (BorderStyle_ == BevelStyle::None && !CaptionMode_ && SliceMode() == SliceMode::Both))
    return rect();
  // The fitted client rectangle for the current size.
  SliceGeometry g = Geometry();
  FittedGeometry f;
  int w = width(), h = height();
  lq::FitSizeToSkin(SliceMode(), g, w, h, f);
  return ToQRect(f.client);
}

QRect LqSkinPanel::CaptionArea() const {
  if (!HasElementGeometry()) return {};
  const Rect area =
      SliceMode() == SliceMode::Fixed ? look_.captionrect : MapSkinRect(look_.captionrect);
  return area.isEmpty() ? QRect() : ToQRect(area);
}

void LqSkinPanel::PaintWholeArea(QPainter& p, const QImage& image) {
  FillClientImage(p, image, rect(), Geometry().stretcheffect, Geometry().stretchtype);
}

void LqSkinPanel::paintEvent(QPaintEvent* e) {
  if (width() <= 0 || height() <= 0) return;
  BindSkin();
  if (HasElementGeometry() && Picture()) {
    int w = width(), h = height();
    FitSizeToSkin(w, h);
    const SliceGeometry& g = Geometry();
    if (BorderStyle_ == BevelStyle::None && SliceMode() == SliceMode::Both && !CaptionMode_) {
      // No frame at all: a plain skin-textured area.
      QPainter p(this);
      const Rect src = g.clientrect.translated(g.skinrect.left, g.skinrect.top);
      PaintWholeArea(p, ToImage(CutPicture(*Picture(), src)));
      return;
    }
    if (const Bitmap* bg = ActivePicture(SkinData(), look_.bgpictureindex)) {
      QPainter p(this);
      PaintWholeArea(p, ToImage(*bg));
      return;
    }
  }
  LqSkinCustomControl::paintEvent(e);
}

void LqSkinPanel::DrawSkin(QImage& canvas) {
  LqSkinCustomControl::DrawSkin(canvas);
  const QRect area = CaptionArea();
  if (Caption_.isEmpty() || area.isEmpty()) return;
  QPainter p(&canvas);
  DrawSkinCaption(p, area);
}

// The roll-up marker: pointing down while rolled up (click to roll down), else up.
void LqSkinPanel::DrawRollGlyph(QPainter& p, int x, int y, Color c) const {
  if (RollUpState_)
    DrawRollDownGlyph(p, x, y, ControlColor(c));
  else
    DrawRollUpGlyph(p, x, y, ControlColor(c));
}

int LqSkinPanel::GlyphWidth() const {
  return Glyph_.isNull() ? 0 : Glyph_.width() / NumGlyphs_;
}

void LqSkinPanel::DrawGlyph(QPainter& p, int x, int y) const {
  if (Glyph_.isNull()) return;
  const int w = GlyphWidth();
  const int frame = (!isEnabled() && NumGlyphs_ > 1) ? 1 : 0;
  p.drawImage(x, y, Glyph_, frame * w, 0, w, Glyph_.height());
}

void LqSkinPanel::DrawSkinCaption(QPainter& p, const QRect& area) {
  p.setFont(
      SkinOrDefaultFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle));
  const QFontMetrics m(p.font());
  const int textW = m.horizontalAdvance(Caption_);
  const int textH = m.height();
  int markW = 0;
  const Rect& mark = Checked_ ? look_.checkimagerect : look_.uncheckimagerect;
  if (CheckedMode_ && !mark.isEmpty()) markW = mark.width() + 4;
  const int glyphW = GlyphWidth();
  const int captionW = textW + markW + (glyphW > 0 ? glyphW + Spacing : 0);
  const int y = area.top() + area.height() / 2 - textH / 2;
  int x = area.left();
  if (look_.alignment == TextAlignment::Right)
    x = area.right() + 1 - captionW;
  else if (look_.alignment == TextAlignment::Center)
    x = area.left() + area.width() / 2 - captionW / 2;

  p.save();
  p.setClipRect(area);
  if (markW > 0 && Picture()) {
    const QImage markImage = ToImage(CutPicture(*Picture(), mark));
    p.drawImage(x, area.top() + area.height() / 2 - markImage.height() / 2, markImage);
    x += markW;
  }
  if (glyphW > 0 && ImagePosition_ == ImagePosition::Left) {
    DrawGlyph(p, area.left(), area.top() + area.height() / 2 - Glyph_.height() / 2);
  } else if (glyphW > 0) {
    DrawGlyph(p, x, area.top() + area.height() / 2 - Glyph_.height() / 2);
    x += glyphW + Spacing;
  }
  if (!look_.framerect.isEmpty() && Picture()) {
    // A caption plate behind the text, with fixed ends and a tiled middle.
    Bitmap plate;
    const int plateW = textW + look_.framerect.width() - look_.frametextrect.width();
    BuildHStrip(look_.frameleftoffset, look_.framerightoffset, plate, *Picture(), look_.framerect,
                plateW, false);
    const QImage plateImage = ToImage(plate);
    p.drawImage(x - look_.frametextrect.left,
                area.top() + area.height() / 2 - plateImage.height() / 2, plateImage);
  }
  p.setPen(ControlColor(look_.fontcolor));
  p.drawText(QRect(x, y, textW + 1, textH), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
             Caption_);
  if (RollUpMode_)
    DrawRollGlyph(p, area.right() - 10, area.top() + area.height() / 2 - 5, look_.fontcolor);
  p.restore();
}

void DrawDefaultBevel(QPainter& p, const QRect& r, BevelStyle style) {
  p.fillRect(r, ControlColor(clBtnFace));
  switch (style) {
    case BevelStyle::Frame:
      DrawControlFrame(p, r, clBtnShadow, clBtnShadow);
      break;
    case BevelStyle::Raised:
      DrawControlFrame(p, r, clBtnHighlight, clBtnShadow);
      break;
    case BevelStyle::Lowered:
      DrawControlFrame(p, r, clBtnShadow, clBtnHighlight);
      break;
    case BevelStyle::None:
      break;
  }
}

void LqSkinPanel::DrawDefault(QImage& canvas) {
  QPainter p(&canvas);
  const QRect r = canvas.rect();
  DrawDefaultBevel(p, r, BorderStyle_);
  if (CaptionMode_) DrawDefaultCaption(p);
}

void LqSkinPanel::DrawDefaultCaption(QPainter& p) {
  const int w = width();
  const int ch = DefaultCaptionHeight_;
  QRect bar;
  if (BorderStyle_ == BevelStyle::Frame) {
    bar = QRect(0, 0, w, ch);
    DrawControlFrame(p, bar, clBtnShadow, clBtnShadow);
    bar.adjust(1, 1, -1, -1);
    DrawControlFrame(p, bar, clBtnHighlight, clBtnFace);
  } else {
    bar = QRect(1, 1, w - 2, ch - 1);
    DrawControlFrame(p, bar, clBtnShadow, clBtnHighlight);
    bar.adjust(1, 1, -1, -1);
    DrawControlFrame(p, bar, clBtnHighlight, clBtnShadow);
  }
  p.setFont(MakeQFont(DefaultFont()));
  const QFontMetrics m(p.font());
  int left = 0;
  if (CheckedMode_) {
    const int boxY = ch / 2 - kCheckBoxSize / 2;
    p.fillRect(5, boxY, kCheckBoxSize, kCheckBoxSize, ControlColor(clWindow));
    DrawControlFrame(p, QRect(5, boxY, kCheckBoxSize, kCheckBoxSize), clBtnShadow, clBtnHighlight);
    if (Checked_)
      DrawCheckMark(p, 8, boxY + 3, ControlColor(isEnabled() ? RGB(0, 0, 0) : clBtnShadow));
    left = 20;
  }
  const int arrowW = RollUpMode_ ? 10 : 0;
  const int glyphW = GlyphWidth();
  const int captionW = m.horizontalAdvance(Caption_) + (glyphW > 0 ? glyphW + Spacing : 0);
  const int barW = w - left - arrowW;
  int x;
  if (DefaultAlignment_ == TextAlignment::Right)
    x = left + barW - captionW;
  else if (DefaultAlignment_ == TextAlignment::Center)
    x = left + 2 + barW / 2 - captionW / 2;
  else
    x = left + 2;
  if (glyphW > 0) {
    DrawGlyph(p, x, ch / 2 - Glyph_.height() / 2);
    x += glyphW + Spacing;
  }
  p.setPen(ControlColor(isEnabled() ? DefaultFont().color : clBtnShadow));
  p.drawText(QRect(x, 0, w - x - arrowW, ch), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             Caption_);
  if (RollUpMode_) DrawRollGlyph(p, w - 12, ch / 2 - 5, clBtnText);
}

void LqSkinPanel::mouseReleaseEvent(QMouseEvent* e) {
  LqSkinCustomControl::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton || !CaptionMode_ || !(RollUpMode_ || CheckedMode_)) return;
  const QRect area =
      HasElementGeometry() ? CaptionArea() : QRect(1, 1, width() - 2, DefaultCaptionHeight_ - 1);
  if (!area.contains(e->position().toPoint())) return;
  if (CheckedMode_) SetChecked(!Checked_);
  if (RollUpMode_) SetRollUpState(!RollUpState_);
}

void LqSkinPanel::changeEvent(QEvent* e) {
  LqSkinCustomControl::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) update();
}

LqSkinGroupBox::LqSkinGroupBox(QWidget* parent) : LqSkinPanel(parent) {
  SetSkinDataName("groupbox");
  SetCaptionMode(true);
}

}  // namespace lq
