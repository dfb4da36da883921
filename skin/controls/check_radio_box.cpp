#include "skin/controls/check_radio_box.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "skin/controls/default_look.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"
#include "skin/data/effects.h"

namespace lq {
namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}
constexpr int kCheckLeft = 3;
constexpr int kCaptionGap = 7;
constexpr int kDefaultBox = 14;

// Bitmap images are drawn transparently: the colour of the bottom-left pixel is
// the transparent colour.
QImage WithTransparentKey(const Bitmap& piece) {
  QImage image = ToImage(piece).convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) return image;
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return image;
}

}  // namespace

LqSkinCheckRadioBox::LqSkinCheckRadioBox(QWidget* parent) : LqSkinCustomControl(parent) {
  SetSkinDataName("checkbox");
  QWidget::resize(150, 25);
  // Flat boxes show their parent: they do not paint every pixel.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setFocusPolicy(Qt::StrongFocus);
  morphTimer_.setInterval(20);
  morphTimer_.callOnTimeout(this, [this] { MorphTick(); });
}

void LqSkinCheckRadioBox::SetCaption(const QString& text) {
  Caption_ = text;
  if (shortcutId_) releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const QKeySequence mnemonic = QKeySequence::mnemonic(text);
  if (!mnemonic.isEmpty()) shortcutId_ = grabShortcut(mnemonic);
  update();
}

void LqSkinCheckRadioBox::SetWordWrap(bool on) {
  WordWrap_ = on;
  if (Flat_) update();
}

void LqSkinCheckRadioBox::SetAllowGrayed(bool on) {
  AllowGrayed_ = on;
  update();
}

void LqSkinCheckRadioBox::SetFlat(bool on) {
  Flat_ = on;
  setAttribute(Qt::WA_OpaquePaintEvent, !on);
  update();
}

void LqSkinCheckRadioBox::SetCanFocused(bool on) {
  CanFocused_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void LqSkinCheckRadioBox::SetRadio(bool on) {
  Radio_ = on;
  update();
}

void LqSkinCheckRadioBox::SetChecked(bool on) {
  const bool wasChecked = Checked_;
  Checked_ = on;
  if (on)
    State_ = CheckBoxState::Checked;
  else if (State_ != CheckBoxState::Grayed)
    State_ = CheckBoxState::Unchecked;
  update();
  if (on && GroupIndex != 0 && parentWidget()) {
    for (auto* other :
         parentWidget()->findChildren<LqSkinCheckRadioBox*>(Qt::FindDirectChildrenOnly))
      if (other != this && other->GroupIndex == GroupIndex && other->Checked_)
        other->SetChecked(false);
  }
  if (!Radio_ || (on && !wasChecked)) {
    emit clicked();
  }
}

void LqSkinCheckRadioBox::SetState(CheckBoxState s) {
  State_ = s;
  Checked_ = s == CheckBoxState::Checked;
  update();
  emit clicked();
}

void LqSkinCheckRadioBox::Toggle() {
  if (!Radio_)
    SetChecked(!Checked_);
  else if (!Checked_)
    SetChecked(true);
}

void LqSkinCheckRadioBox::BindSkin() {
  LqSkinCustomControl::BindSkin();
  if (!IsBound() || !CopyLook(Descriptor(), look_)) return;
  const Rect& skinrect = Geometry().skinrect;
  if (look_.activeskinrect.isEmpty()) look_.activeskinrect = skinrect;
  if (look_.activecheckimagerect.isEmpty()) look_.activecheckimagerect = look_.checkimagerect;
  if (look_.activeuncheckimagerect.isEmpty()) look_.activeuncheckimagerect = look_.uncheckimagerect;
  if (look_.unenabledcheckimagerect.isEmpty()) look_.unenabledcheckimagerect = look_.checkimagerect;
  if (look_.unenableduncheckimagerect.isEmpty())
    look_.unenableduncheckimagerect = look_.uncheckimagerect;
  if (Flat_) {
    look_.morphing = false;
    DropMaskPicture();
  }
}

void LqSkinCheckRadioBox::ApplySkin() {
  if (!Flat_) {
    morphTimer_.stop();
    LqSkinCustomControl::ApplySkin();
    return;
  }
  // Flat boxes keep the size the form gives them and have no region.
  BindSkin();
  update();
}

void LqSkinCheckRadioBox::SetBounds(const QRect& r) {
  if (Flat_)
    LqSkinControl::SetBounds(r);
  else
    LqSkinCustomControl::SetBounds(r);
}

void LqSkinCheckRadioBox::FitSizeToSkin(int& width, int& height) {
  const int w = width, h = height;
  LqSkinCustomControl::FitSizeToSkin(width, height);
  if (Flat_) {
    width = w;
    height = h;
  }
}

Rect LqSkinCheckRadioBox::CheckImageRect(bool* lightened) const {
  if (lightened) *lightened = false;
  const bool hot = MouseInside();
  if (State_ == CheckBoxState::Grayed) {
    if (!look_.grayedcheckimagerect.isEmpty() && isEnabled()) {
      if (hot && !look_.activegrayedcheckimagerect.isEmpty())
        return look_.activegrayedcheckimagerect;
      return look_.grayedcheckimagerect;
    }
    if (lightened) *lightened = true;
    if (!isEnabled()) return look_.unenabledcheckimagerect;
    return hot ? look_.activecheckimagerect : look_.checkimagerect;
  }
  const bool checked = State_ == CheckBoxState::Checked;
  if (!isEnabled())
    return checked ? look_.unenabledcheckimagerect : look_.unenableduncheckimagerect;
  if (hot) return checked ? look_.activecheckimagerect : look_.activeuncheckimagerect;
  return checked ? look_.checkimagerect : look_.uncheckimagerect;
}

QFont LqSkinCheckRadioBox::CaptionFont() const {
  QFont font =
      SkinOrDefaultFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle);
  if (WordWrap_ || Caption_.isEmpty() || font.pixelSize() <= 0) return font;
  // A single line too long for the box is drawn a little smaller rather than cut off,
  // down to three quarters of its size.
  const int room = width() - 3 - CaptionLeft();
  const int smallest = std::max(1, font.pixelSize() * 3 / 4);
  while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(Caption_) > room)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

int LqSkinCheckRadioBox::CaptionLeft() const {
  const int imageW =
      (IsBound() && !look_.checkimagerect.isEmpty()) ? CheckImageRect().width() : kDefaultBox + 1;
  return imageW + kCaptionGap;
}

Color LqSkinCheckRadioBox::CaptionColor() const {
  return binding_.FontColor(isEnabled() ? look_.framefontcolor : look_.unenabledfontcolor);
}

QRect LqSkinCheckRadioBox::CaptionRect() const {
  const int left = CaptionLeft();
  const QFontMetrics m(CaptionFont());
  QRect r;
  if (WordWrap_) {
    r = m.boundingRect(QRect(left, 0, std::max(1, width() - 2 - left), height()), Qt::TextWordWrap,
                       Caption_);
  } else {
    r = QRect(left, 0, m.horizontalAdvance(Caption_), m.height());
  }
  r.moveTop(height() / 2 - r.height() / 2);
  if (r.right() > width() - 3) r.setRight(width() - 3);
  return r;
}

void LqSkinCheckRadioBox::DrawCaption(QPainter& p, const QRect& r, Color color, int flags) {
  if (Caption_.isEmpty()) return;
  p.setFont(CaptionFont());
  p.setPen(ControlColor(color));
  p.drawText(r, flags, Caption_);
  if (Focused()) {
    // Dotted in the caption's colour, which the skin makes stand out from the panel.
    p.setPen(QPen(ControlColor(color), 1, Qt::DotLine));
    p.drawRect(r.adjusted(-2, -1, 1, 0));
  }
}

void LqSkinCheckRadioBox::PaintFlat(QPainter& p) {
  const bool bound = IsBound() && Picture() && !look_.checkimagerect.isEmpty();
  if (!bound) {
    PaintFlatDefault(p);
    return;
  }
  bool lighten = false;
  const Rect src = CheckImageRect(&lighten);
  Bitmap piece = CutPicture(*Picture(), src);
  if (lighten) {
    LqEffectBmp light(piece);
    light.Brighten(0.5);
    piece = light.bitmap();
  }
  const QImage image = WithTransparentKey(piece);
  p.drawImage(kCheckLeft, height() / 2 - image.height() / 2, image);
  const int flags = WordWrap_ ? int(Qt::TextWordWrap) : int(Qt::AlignVCenter | Qt::TextSingleLine);
  DrawCaption(p, CaptionRect(), CaptionColor(), flags);
}

void LqSkinCheckRadioBox::PaintFlatDefault(QPainter& p) {
  const int top = height() / 2 - kDefaultBox / 2;
  const Color frame = MouseInside() ? kDefaultNavy : clBtnShadow;
  DrawControlFrame(p, QRect(kCheckLeft, top, kDefaultBox, kDefaultBox), frame, frame);
  Color mark = isEnabled() ? RGB(0, 0, 0) : clBtnShadow;
  if (State_ == CheckBoxState::Grayed) mark = kSysGrayText;
  if (State_ != CheckBoxState::Unchecked) {
    if (Radio_)
      DrawRadioDot(p, 7, height() / 2 - 3, ControlColor(mark));
    else
      DrawCheckMark(p, 7, height() / 2 - 4, ControlColor(mark));
  }
  const Color text = isEnabled() ? DefaultFont().color : clBtnShadow;
  const int flags = WordWrap_ ? int(Qt::TextWordWrap) : int(Qt::AlignVCenter | Qt::TextSingleLine);
  DrawCaption(p, CaptionRect(), text, flags);
}

void LqSkinCheckRadioBox::DrawSkin(QImage& canvas) {
  // Non-flat: the element image (hot image while the mouse is inside), the check
  // image centred in its area and the caption in the text area, both grown with the width.
  DrawElementImage(canvas, MouseInside() ? look_.activeskinrect : Geometry().skinrect);
  if (!Picture()) return;
  QPainter p(&canvas);
  const int dx = width() - Geometry().skinWidth();
  QRect area = ToQRect(look_.checkimagearea);
  if (look_.checkimagearea.left >= look_.textarea.right) area.translate(dx, 0);
  bool lighten = false;
  Bitmap piece = CutPicture(*Picture(), CheckImageRect(&lighten));
  if (lighten) {
    LqEffectBmp light(piece);
    light.Brighten(0.5);
    piece = light.bitmap();
  }
  const QImage image = WithTransparentKey(piece);
  p.drawImage(area.left() + area.width() / 2 - image.width() / 2,
              area.top() + area.height() / 2 - image.height() / 2, image);
  QRect text = ToQRect(look_.textarea);
  if (look_.checkimagearea.left >= look_.textarea.right)
    text.setWidth(text.width() + dx);
  else
    text.setRight(text.right() + dx);
  Color color = MouseInside() ? look_.activefontcolor : look_.fontcolor;
  if (!isEnabled()) color = look_.unenabledfontcolor;
  if (!UseSkinFontColor()) color = DefaultFont().color;
  DrawCaption(p, text, color, Qt::AlignVCenter | Qt::TextSingleLine);
}

void LqSkinCheckRadioBox::paintEvent(QPaintEvent* e) {
  if (width() < 1 || height() < 1) return;
  if (!Flat_) {
    const bool blending = morphFactor_ > 0.0 && morphFactor_ < 1.0 && isEnabled();
    BindSkin();
    if (!blending || !IsBound() || !look_.morphing) {
      LqSkinCustomControl::paintEvent(e);
      return;
    }
    int w = width(), h = height();
    LqSkinCustomControl::FitSizeToSkin(w, h);
    QImage normal(size(), QImage::Format_RGB32), active(size(), QImage::Format_RGB32);
    const bool inside = MouseInside();
    binding_.SetHovered(false);
    DrawSkin(normal);
    binding_.SetHovered(true);
    DrawSkin(active);
    binding_.SetHovered(inside);
    LqEffectBmp blend(FromImage(normal));
    blend.Morph(look_.morphkind, LqEffectBmp(FromImage(active)), morphFactor_);
    QPainter(this).drawImage(0, 0, ToImage(blend.bitmap()));
    return;
  }
  BindSkin();
  // Drawn into a transparent buffer that goes over what the parent painted here.
  QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
  buffer.fill(Qt::transparent);
  {
    QPainter bp(&buffer);
    PaintFlat(bp);
  }
  QPainter(this).drawImage(0, 0, buffer);
}

void LqSkinCheckRadioBox::StartMorph() {
  if (Flat_ || !look_.morphing || !IsBound() || !SkinEffectsOn(SkinData())) return;
  morphTimer_.start();
}

void LqSkinCheckRadioBox::MorphTick() {
  const double target = (MouseInside() || Focused()) ? 1.0 : 0.0;
  if (std::abs(morphFactor_ - target) < 1e-9) {
    morphFactor_ = target;
    morphTimer_.stop();
  } else {
    morphFactor_ = std::clamp(morphFactor_ + (target > morphFactor_ ? 0.2 : -0.2), 0.0, 1.0);
  }
  update();
}

void LqSkinCheckRadioBox::enterEvent(QEnterEvent* e) {
  LqSkinCustomControl::enterEvent(e);
  binding_.SetHovered(true);
  StartMorph();
  update();
}

void LqSkinCheckRadioBox::leaveEvent(QEvent* e) {
  LqSkinCustomControl::leaveEvent(e);
  binding_.SetHovered(false);
  StartMorph();
  update();
}

void LqSkinCheckRadioBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    if (CanFocused_ && !hasFocus()) setFocus(Qt::MouseFocusReason);
    binding_.SetHovered(true);
    update();
  }
  LqSkinCustomControl::mousePressEvent(e);
}

void LqSkinCheckRadioBox::mouseReleaseEvent(QMouseEvent* e) {
  LqSkinCustomControl::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  binding_.SetHovered(rect().contains(e->position().toPoint()));
  if (!MouseInside()) {
    update();
    return;
  }
  if (AllowGrayed_ && !Radio_ && State_ == CheckBoxState::Unchecked)
    SetState(CheckBoxState::Grayed);
  else
    Toggle();
}

void LqSkinCheckRadioBox::keyReleaseEvent(QKeyEvent* e) {
  if (Focused() && e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
    Toggle();
    return;
  }
  LqSkinCustomControl::keyReleaseEvent(e);
}

void LqSkinCheckRadioBox::focusInEvent(QFocusEvent* e) {
  LqSkinCustomControl::focusInEvent(e);
  update();
}

void LqSkinCheckRadioBox::focusOutEvent(QFocusEvent* e) {
  LqSkinCustomControl::focusOutEvent(e);
  update();
}

void LqSkinCheckRadioBox::changeEvent(QEvent* e) {
  LqSkinCustomControl::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    binding_.SetHovered(false);
    update();
  }
}

bool LqSkinCheckRadioBox::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(e)->shortcutId() == shortcutId_) {
    if (!isEnabled()) return true;
    if (CanFocused_) setFocus(Qt::ShortcutFocusReason);
    Toggle();
    return true;
  }
  return LqSkinCustomControl::event(e);
}

}  // namespace lq
