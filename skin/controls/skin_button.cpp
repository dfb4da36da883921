#include "skin/controls/skin_button.h"

#include <QApplication>
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
#include "skin/data/glyph_layout.h"

namespace lq {
namespace {

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}
constexpr int kRepeatFirstDelay = 500;
constexpr int kMorphInterval = 20;
constexpr double kMorphStep = 0.2;

}  // namespace

LqSkinButton::LqSkinButton(QWidget* parent) : LqSkinCustomControl(parent) {
  SetSkinDataName("button");
  QWidget::resize(75, 25);
  setFocusPolicy(Qt::StrongFocus);
  repeatTimer_.callOnTimeout(this, [this] { RepeatTick(); });
  animateTimer_.callOnTimeout(this, [this] { AnimationTick(); });
  morphTimer_.setInterval(kMorphInterval);
  morphTimer_.callOnTimeout(this, [this] { MorphTick(); });
}

LqSkinButton::~LqSkinButton() = default;

void LqSkinButton::SetCaption(const QString& text) {
  if (text == Caption_) return;
  Caption_ = text;
  if (shortcutId_) releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const QKeySequence mnemonic = QKeySequence::mnemonic(text);
  if (!mnemonic.isEmpty()) shortcutId_ = grabShortcut(mnemonic);
  update();
}

void LqSkinButton::SetUseSkinSize(bool on) {
  UseSkinSize_ = on;
  update();
}

void LqSkinButton::SetCanFocused(bool on) {
  CanFocused_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void LqSkinButton::SetGroupIndex(int group) {
  GroupIndex_ = group;
  if (group != 0) SetCanFocused(false);
}

void LqSkinButton::SetDown(bool down) {
  Down_ = down;
  StartMorph();
  update();
  if (Grouped() && Down_ && !AllowAllUp && parentWidget()) {
    for (auto* other : parentWidget()->findChildren<LqSkinButton*>(Qt::FindDirectChildrenOnly))
      if (other != this && other->GroupIndex_ == GroupIndex_ && other->Down_) {
        other->Down_ = false;
        other->StartMorph();
        other->update();
      }
  }
}

void LqSkinButton::SetGlyph(const QImage& glyph) {
  Glyph_ = glyph;
  update();
}

void LqSkinButton::SetNumGlyphs(int n) {
  NumGlyphs_ = std::clamp(n, 1, 4);
  update();
}

void LqSkinButton::SetMargin(int m) {
  Margin_ = m;
  update();
}

void LqSkinButton::SetSpacing(int s) {
  Spacing_ = s;
  update();
}

void LqSkinButton::SetLayout(GlyphLayout l) {
  Layout_ = l;
  update();
}

void LqSkinButton::SetDefault(bool on) {
  Default_ = on;
  WatchWindowKeys();
  // The default look follows the focus around the window.
  QObject::disconnect(focusWatch_);
  if (on) focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
  update();
}

bool LqSkinButton::HoldsDefaultLook() const {
  if (!CanFocused_ || !Default_ || hasFocus()) return false;
  QWidget* focused = QApplication::focusWidget();
  return focused && focused->window() == window() && !dynamic_cast<LqSkinButton*>(focused);
}

void LqSkinButton::WatchWindowKeys() {
  // Enter and Escape reach the window when the focused control does not take them.
  if ((Default_ || Cancel) && window() != this) window()->installEventFilter(this);
}

void LqSkinButton::ButtonClick() {
  if (CanFocused_ && ModalResult != 0) window()->setProperty("ModalResult", ModalResult);
  emit clicked();
}

void LqSkinButton::BindSkin() {
  LqSkinCustomControl::BindSkin();
  look_.animateskinrect = {};
  if (!IsBound() || !CopyLook(Descriptor(), look_)) return;
  const Rect& skinrect = Geometry().skinrect;
  if (look_.activeskinrect.isEmpty()) look_.activeskinrect = skinrect;
  if (look_.downskinrect.isEmpty()) look_.downskinrect = look_.activeskinrect;
  if (look_.disabledfontcolor == look_.fontcolor) look_.disabledfontcolor = kMidGrey;
  if (!UseSkinSize_) DropMaskPicture();
}

void LqSkinButton::ApplySkin() {
  StopEffects();
  LqSkinCustomControl::ApplySkin();
  // The new element decides whether the button morphs at all.
  morphFactor_ = ((MouseInside() || Focused()) && IsBound() && look_.morphing) ? 1.0 : 0.0;
}

void LqSkinButton::FitSizeToSkin(int& width, int& height) {
  const int requestedW = width, requestedH = height;
  LqSkinCustomControl::FitSizeToSkin(width, height);
  // Without the skin size the element is drawn to whatever size the button has.
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both) {
    width = requestedW;
    height = requestedH;
  }
}

bool LqSkinButton::ShowsDown() const {
  if (!Down_) return false;
  if (Grouped()) return true;
  return MouseInside() || (Focused() && !pressedByMouse_);
}

bool LqSkinButton::EffectsOn() const {
  return IsBound() && SkinEffectsOn(SkinData());
}

Rect LqSkinButton::AnimationFrameRect() const {
  const Rect& a = look_.animateskinrect;
  const int n = std::max(1, look_.framecount);
  if (a.width() > Geometry().skinrect.width()) {
    const int w = a.width() / n;
    return RectFromSize(a.left + (frame_ - 1) * w, a.top, w, a.height());
  }
  const int h = a.height() / n;
  return RectFromSize(a.left, a.top + (frame_ - 1) * h, a.width(), h);
}

Rect LqSkinButton::StateRect() const {
  const bool focused = Focused();
  const bool animating = animateTimer_.isActive() && frame_ >= 1 && frame_ <= look_.framecount;
  if (!isEnabled() && !look_.disabledskinrect.isEmpty()) return look_.disabledskinrect;
  if (ShowsDown()) return look_.downskinrect;
  if (focused && !look_.focusedskinrect.isEmpty() && !animating) return look_.focusedskinrect;
  if (focused || MouseInside() || HoldsDefaultLook())
    return (animating && animatingUp_) ? AnimationFrameRect() : look_.activeskinrect;
  if (animating && !animatingUp_) return AnimationFrameRect();
  return Geometry().skinrect;
}

Color LqSkinButton::StateFontColor() const {
  if (!isEnabled()) return look_.disabledfontcolor;
  if (!UseSkinFontColor()) return DefaultFont().color;
  if (ShowsDown()) return look_.downfontcolor;
  if (Focused() || MouseInside() || HoldsDefaultLook()) return look_.activefontcolor;
  return look_.fontcolor;
}

void LqSkinButton::DrawGlyphAndCaption(QPainter& p, const QRect& area, bool down) {
  int glyphW = 0, glyphH = 0, frame = 1;
  if (!Glyph_.isNull()) {
    glyphW = Glyph_.width() / NumGlyphs_;
    glyphH = Glyph_.height();
    const bool hot = MouseInside();
    if (down && hot && NumGlyphs_ > 2)
      frame = 3;
    else if (hot && NumGlyphs_ > 3)
      frame = 4;
    else if (isEnabled() || NumGlyphs_ < 2)
      frame = 1;
    else
      frame = 2;
  }
  QSize textSize(0, 0);
  // "&S" shows an underlined S (the button's shortcut); "&&" a plain ampersand.
  const int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
  if (!Caption_.isEmpty()) {
    QRect measure(0, 0, area.width(), area.height());
    if (Layout_ == GlyphLayout::Left || Layout_ == GlyphLayout::Right)
      measure.setWidth(std::max(0, area.width() - glyphW));
    else
      measure.setHeight(std::max(0, area.height() - glyphH));
    textSize = p.fontMetrics().boundingRect(measure, textFlags, Caption_).size();
  }
  const Rect r{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  GlyphTextPlacement at = LayoutGlyphAndText(Layout_, r, glyphW, glyphH, Margin_, Spacing_,
                                             textSize.width(), textSize.height());
  const int shift = down ? 1 : 0;
  if (!Caption_.isEmpty())
    p.drawText(QRect(at.text.x + shift, at.text.y + shift, textSize.width() + 2, textSize.height()),
               textFlags, Caption_);
  if (glyphW > 0) {
    // The glyph's bottom-left pixel colour is transparent, as for bitmap glyphs.
    QImage piece = Glyph_.copy((frame - 1) * glyphW, 0, glyphW, glyphH);
    const QColor key = piece.pixelColor(0, glyphH - 1);
    QImage masked = piece.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < glyphH; ++y)
      for (int x = 0; x < glyphW; ++x)
        if (masked.pixelColor(x, y) == key) masked.setPixelColor(x, y, Qt::transparent);
    p.drawImage(at.glyph.x + shift, at.glyph.y + shift, masked);
  }
}

void LqSkinButton::DrawState(QImage& canvas, const Rect& skinRect, bool active, bool down) {
  Q_UNUSED(active);
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both && SliceMode() != SliceMode::Fixed &&
      HasElementGeometry() && Picture()) {
    // A three-part image at the element's height, stretched to the button's.
    QImage element(canvas.width(), Geometry().skinHeight(), QImage::Format_RGB32);
    element.fill(ControlColor(clBtnFace));
    DrawElementImage(element, skinRect);
    QPainter(&canvas).drawImage(canvas.rect(), element);
  } else {
    DrawElementImage(canvas, skinRect);
  }
  QPainter p(&canvas);
  p.setFont(
      SkinOrDefaultFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle));
  QRect client = ToQRect(FittedClientRect());
  if (!UseSkinSize_ && SliceMode() != SliceMode::Both)
    client.setBottom(client.bottom() + height() - Geometry().skinHeight());
  if (look_.showfocus && Focused()) {
    p.setPen(QPen(ControlColor(StateFontColor()), 1, Qt::DotLine));
    p.drawRect(client.adjusted(0, 0, -1, -1));
  }
  bool drawDefault = true;
  if (paintHook_) paintHook_(p, client, drawDefault, active, down);
  if (!drawDefault) return;
  p.setPen(ControlColor(StateFontColor()));
  DrawGlyphAndCaption(p, client, down);
}

void LqSkinButton::DrawSkin(QImage& canvas) {
  const bool down = ShowsDown();
  const bool active = !down && (Focused() || MouseInside() || HoldsDefaultLook());
  DrawState(canvas, StateRect(), active, down);
}

void LqSkinButton::DrawDefault(QImage& canvas) {
  QPainter p(&canvas);
  const bool down = ShowsDown();
  DrawDefaultPart(p, canvas.rect(), MouseInside() || Focused() || HoldsDefaultLook(), down);
  p.setFont(MakeQFont(DefaultFont()));
  p.setPen(ControlColor(isEnabled() ? DefaultFont().color : clBtnShadow));
  DrawGlyphAndCaption(p, canvas.rect(), down);
}

void LqSkinButton::paintEvent(QPaintEvent* e) {
  const bool blending = morphFactor_ > 0.0 && morphFactor_ < 1.0 && isEnabled();
  if (!blending || width() < 1 || height() < 1) {
    LqSkinCustomControl::paintEvent(e);
    return;
  }
  BindSkin();
  if (!IsBound() || !look_.morphing) {
    LqSkinCustomControl::paintEvent(e);
    return;
  }
  int w = width(), h = height();
  FitSizeToSkin(w, h);
  QImage normal(size(), QImage::Format_RGB32), active(size(), QImage::Format_RGB32);
  normal.fill(ControlColor(clBtnFace));
  active.fill(ControlColor(clBtnFace));
  DrawState(normal, Geometry().skinrect, false, false);
  DrawState(active, look_.activeskinrect, true, false);
  LqEffectBmp blend(FromImage(normal));
  blend.Morph(look_.morphkind, LqEffectBmp(FromImage(active)), morphFactor_);
  QPainter(this).drawImage(0, 0, ToImage(blend.bitmap()));
}

void LqSkinButton::StartMorph() {
  if (!look_.morphing || !EffectsOn()) return;
  morphTimer_.start();
}

void LqSkinButton::MorphTick() {
  const double target = (MouseInside() || Focused()) ? 1.0 : 0.0;
  if (morphFactor_ == target || std::abs(morphFactor_ - target) < 1e-9) {
    morphFactor_ = target;
    morphTimer_.stop();
  } else {
    morphFactor_ += target > morphFactor_ ? kMorphStep : -kMorphStep;
    morphFactor_ = std::clamp(morphFactor_, 0.0, 1.0);
  }
  update();
}

void LqSkinButton::StartAnimation(bool up) {
  if (!IsBound() || look_.animateskinrect.isEmpty() || look_.framecount <= 0 || !EffectsOn())
    return;
  animatingUp_ = up;
  frame_ = up ? 1 : look_.framecount;
  animateTimer_.start(std::max(1, look_.animateinterval));
}

void LqSkinButton::AnimationTick() {
  frame_ += animatingUp_ ? 1 : -1;
  if (frame_ > look_.framecount || frame_ <= 0) animateTimer_.stop();
  update();
}

void LqSkinButton::StopEffects() {
  animateTimer_.stop();
  morphTimer_.stop();
  frame_ = 0;
}

void LqSkinButton::RepeatTick() {
  repeatTimer_.setInterval(std::max(1, RepeatInterval));
  if (Down_ && MouseInside()) ButtonClick();
}

void LqSkinButton::HoverChanged(bool entering) {
  const bool act = Grouped() ? !Down_ : (!Focused() || Down_);
  if (!act) return;
  if (Down_) {
    update();
  } else {
    StartAnimation(entering);
    StartMorph();
    update();
  }
}

void LqSkinButton::enterEvent(QEnterEvent* e) {
  LqSkinCustomControl::enterEvent(e);
  binding_.SetHovered(true);
  HoverChanged(true);
  if (Down_ && RepeatMode && !Grouped()) repeatTimer_.start(kRepeatFirstDelay);
}

void LqSkinButton::leaveEvent(QEvent* e) {
  LqSkinCustomControl::leaveEvent(e);
  // A default button that holds the role without the focus keeps its hot look.
  const bool keepsHot = CanFocused_ && Default_ && !hasFocus() &&
                        !dynamic_cast<LqSkinButton*>(QApplication::focusWidget());
  if (!keepsHot) binding_.SetHovered(false);
  HoverChanged(false);
  repeatTimer_.stop();
}

void LqSkinButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    LqSkinCustomControl::mousePressEvent(e);
    return;
  }
  if (CanFocused_ && !hasFocus()) {
    setFocus(Qt::MouseFocusReason);
    if (!hasFocus() && isActiveWindow()) return;  // the focus could not be taken
  }
  StopEffects();
  pressedByMouse_ = true;
  if (!Down_) {
    binding_.SetHovered(true);
    SetDown(true);
    if (RepeatMode && !Grouped()) repeatTimer_.start(kRepeatFirstDelay);
    if (Grouped()) ButtonClick();
  } else if (Grouped()) {
    downOnPress_ = true;
  }
}

void LqSkinButton::mouseMoveEvent(QMouseEvent* e) {
  LqSkinCustomControl::mouseMoveEvent(e);
  // While the button holds the mouse, leaving and re-entering change its look.
  if (!pressedByMouse_) return;
  const bool inside = rect().contains(e->position().toPoint());
  if (inside == MouseInside()) return;
  binding_.SetHovered(inside);
  if (!inside) repeatTimer_.stop();
  update();
}

void LqSkinButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    LqSkinCustomControl::mouseReleaseEvent(e);
    return;
  }
  pressedByMouse_ = false;
  binding_.SetHovered(rect().contains(e->position().toPoint()));
  if (!Grouped()) {
    if (MouseInside()) {
      const bool wasDown = Down_;
      SetDown(false);
      repeatTimer_.stop();
      if (wasDown) ButtonClick();
    } else {
      Down_ = false;  // silently: no click, no repaint of a pressed look
      repeatTimer_.stop();
      update();
    }
  } else {
    if (Down_ && AllowAllUp && downOnPress_ && MouseInside()) {
      SetDown(false);
      ButtonClick();
    }
  }
  downOnPress_ = false;
  if (isVisible()) LqSkinCustomControl::mouseReleaseEvent(e);
}

void LqSkinButton::keyPressEvent(QKeyEvent* e) {
  if (!CanFocused_) {
    LqSkinCustomControl::keyPressEvent(e);
    return;
  }
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
    StopEffects();
    SetDown(true);
    if (RepeatMode) ButtonClick();
  } else if (e->key() == Qt::Key_Space && RepeatMode) {
    ButtonClick();
  } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    ButtonClick();
  } else {
    LqSkinCustomControl::keyPressEvent(e);
  }
}

void LqSkinButton::keyReleaseEvent(QKeyEvent* e) {
  if (CanFocused_ && e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
    SetDown(false);
    ButtonClick();
    return;
  }
  LqSkinCustomControl::keyReleaseEvent(e);
}

void LqSkinButton::focusInEvent(QFocusEvent* e) {
  LqSkinCustomControl::focusInEvent(e);
  StartAnimation(true);
  StartMorph();
  update();
}

void LqSkinButton::focusOutEvent(QFocusEvent* e) {
  LqSkinCustomControl::focusOutEvent(e);
  if (Down_ && !Grouped()) {
    Down_ = false;
    repeatTimer_.stop();
  }
  StartAnimation(false);
  StartMorph();
  update();
}

void LqSkinButton::changeEvent(QEvent* e) {
  LqSkinCustomControl::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    StopEffects();
    morphFactor_ = 0.0;
    binding_.SetHovered(false);
    update();
  }
}

bool LqSkinButton::eventFilter(QObject* watched, QEvent* e) {
  if (watched == window() && e->type() == QEvent::KeyPress && isEnabled() && isVisible()) {
    auto* key = static_cast<QKeyEvent*>(e);
    // A focused button answers Enter itself; otherwise the default button does.
    const bool buttonFocused = dynamic_cast<LqSkinButton*>(QApplication::focusWidget()) &&
                               static_cast<LqSkinButton*>(QApplication::focusWidget())->CanFocused_;
    if (Default_ && !buttonFocused &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      ButtonClick();
      return true;
    }
    if (Cancel && CanFocused_ && key->key() == Qt::Key_Escape &&
        key->modifiers() == Qt::NoModifier) {
      ButtonClick();
      return true;
    }
  }
  return LqSkinCustomControl::eventFilter(watched, e);
}

bool LqSkinButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(e)->shortcutId() == shortcutId_) {
    if (!isEnabled()) return true;
    if (CanFocused_) setFocus(Qt::ShortcutFocusReason);
    ButtonClick();
    return true;
  }
  return LqSkinCustomControl::event(e);
}

// ------------------------------------------------------------- LqSkinXFormButton

LqSkinXFormButton::LqSkinXFormButton(QWidget* parent) : LqSkinButton(parent) {
  SetCanFocused(false);
}

void LqSkinXFormButton::SetDefImage(const QImage& image) {
  DefImage_ = image;
  if (!image.isNull()) {
    SetDefaultHeight(image.height());
    SetDefaultWidth(image.width());
  }
}

void LqSkinXFormButton::SetDefMask(const QImage& mask) {
  DefMask_ = mask;
  if (!DefImage_.isNull()) UpdateRegion();
}

void LqSkinXFormButton::ApplySkin() {
  LqSkinButton::ApplySkin();
  if (OwnImageMode()) {
    LqSkinControl::SetBounds(QRect(pos(), DefImage_.size()));
    UpdateRegion();
    update();
  }
}

void LqSkinXFormButton::SetBounds(const QRect& r) {
  LqSkinButton::SetBounds(r);
  if (OwnImageMode() && size() != DefImage_.size())
    LqSkinControl::SetBounds(QRect(pos(), DefImage_.size()));
}

void LqSkinXFormButton::resizeEvent(QResizeEvent* e) {
  LqSkinButton::resizeEvent(e);
  if (OwnImageMode() && size() != DefImage_.size()) QWidget::resize(DefImage_.size());
}

void LqSkinXFormButton::UpdateRegion() {
  if (!OwnImageMode()) {
    LqSkinButton::UpdateRegion();
    return;
  }
  if (!parentWidget()) return;
  if (DefMask_.isNull()) {
    clearMask();
    regionApplied_ = false;
    return;
  }
  QRegion region = MaskImageRegion(DefMask_);
  if (region.isEmpty()) {
    clearMask();
    regionApplied_ = false;
  } else {
    setMask(region);
    regionApplied_ = true;
  }
}

void LqSkinXFormButton::PaintOwnImage(QPainter& p) {
  const bool down = ShowsDown();
  const bool hot = MouseInside() || Focused();
  const QImage* image = &DefImage_;
  Color color = DefaultFont().color;
  if (down && !DefDownImage_.isNull()) {
    image = &DefDownImage_;
  } else if (hot && !down) {
    image = DefActiveImage_.isNull() ? &DefImage_ : &DefActiveImage_;
  }
  if (down)
    color = DefDownFontColor;
  else if (hot)
    color = DefActiveFontColor;
  QImage buffer(size(), QImage::Format_RGB32);
  buffer.fill(ControlColor(clBtnFace));
  QPainter bp(&buffer);
  bp.drawImage(0, 0, *image);
  bp.setFont(MakeQFont(DefaultFont()));
  bp.setPen(ControlColor(color));
  DrawGlyphAndCaption(bp, buffer.rect(), down);
  bp.end();
  p.drawImage(0, 0, buffer);
}

void LqSkinXFormButton::paintEvent(QPaintEvent* e) {
  BindSkin();
  if (!OwnImageMode()) {
    LqSkinButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  PaintOwnImage(p);
}

}  // namespace lq
