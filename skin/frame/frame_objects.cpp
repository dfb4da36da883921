#include "skin/frame/frame_objects.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "skin/data/blit.h"
#include "skin/data/effects.h"
#include "skin/data/vector_glyphs.h"
#include "skin/frame/lacquer_form.h"
#include "skin/qt/bridge.h"

namespace lq {

// --- TlqActiveSkinObject -------------------------------------------------------------------------

TlqActiveSkinObject::TlqActiveSkinObject(TlqLacquerForm& frame, const ObjectSpec& spec)
    : IDName(spec.IDName),
      hint(spec.hint),
      ownImage(spec.skinrectinapicture),
      normalRect(spec.skinrect),
      hoverRect(spec.activeskinrect),
      inactiveRect(spec.inactiveskinrect),
      morphing(spec.morphing),
      morphKind(spec.morphkind),
      activePictureIndex(spec.activepictureindex),
      ObjectRect(spec.skinrect),
      frame_(frame) {
  if (HoverEmpty()) morphing = false;
}

const Bitmap* TlqActiveSkinObject::ActivePicture() const {
  const FrameSkin* skin = frame_.Skin();
  return skin ? skin->ActivePicture(activePictureIndex) : nullptr;
}

const Bitmap* TlqActiveSkinObject::MainPicture() const {
  const FrameSkin* skin = frame_.Skin();
  return skin && !skin->main.empty() ? &skin->main : nullptr;
}

bool TlqActiveSkinObject::MorphInEffect() const {
  const FrameSkin* skin = frame_.Skin();
  return morphing && skin && skin->effectsEnabled;
}

bool TlqActiveSkinObject::NeedsMorphStep() const {
  if (!MorphInEffect()) return false;
  return (active && morphFactor < 1) || (!active && morphFactor > 0);
}

bool TlqActiveSkinObject::MorphStep() {
  if (!NeedsMorphStep()) return false;
  morphFactor = std::clamp(morphFactor + (active ? 0.2 : -0.2), 0.0, 1.0);
  // Five steps of 0.2 must land exactly on the ends.
  if (morphFactor > 0.999) morphFactor = 1;
  if (morphFactor < 0.001) morphFactor = 0;
  frame_.RepaintObject(this);
  return true;
}

void TlqActiveSkinObject::StartMorph() {
  if (MorphInEffect())
    frame_.StartMorphTimer();
  else
    frame_.RepaintObject(this);
}

void TlqActiveSkinObject::ResetHover() {
  active = false;
  mouseIn = false;
  if (!MorphInEffect()) morphFactor = 0;
}

void TlqActiveSkinObject::MouseEnter() {
  mouseIn = true;
  active = true;
  if (!HoverEmpty()) StartMorph();
  emit frame_.OnMouseEnterEvent(QString::fromStdString(IDName));
}

void TlqActiveSkinObject::MouseLeave() {
  mouseIn = false;
  active = false;
  if (!HoverEmpty()) StartMorph();
  emit frame_.OnMouseLeaveEvent(QString::fromStdString(IDName));
}

void TlqActiveSkinObject::MouseDown(int x, int y, MouseButton button) {
  emit frame_.OnMouseDownEvent(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect),
                               int(button));
}

void TlqActiveSkinObject::MouseUp(int x, int y, MouseButton button) {
  if (!mouseIn) return;
  emit frame_.OnMouseUpEvent(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect),
                             int(button));
}

void TlqActiveSkinObject::MouseMove(int x, int y) {
  emit frame_.OnMouseMoveEvent(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect));
}

void TlqActiveSkinObject::CopyToCanvas(ObjectCanvas& canvas, const Bitmap* picture,
                                       const Rect& source) const {
  if (!picture || !canvas.bitmap || source.isEmpty()) return;
  CopyRect(*canvas.bitmap, ObjectRect.translated(-canvas.origin.x, -canvas.origin.y), *picture,
           source);
}

void TlqActiveSkinObject::ImageToCanvas(ObjectCanvas& canvas, const Bitmap& image) const {
  if (!canvas.bitmap) return;
  CopyRect(*canvas.bitmap, ObjectRect.left - canvas.origin.x, ObjectRect.top - canvas.origin.y,
           image, image.rect());
}

Bitmap TlqActiveSkinObject::MorphImage(const Bitmap* fromPicture, const Rect& from,
                                       const Bitmap* toPicture, const Rect& to) const {
  const int w = ObjectRect.width();
  const int h = ObjectRect.height();
  Bitmap a(w, h), b(w, h);
  if (fromPicture) CopyRect(a, 0, 0, *fromPicture, RectFromSize(from.left, from.top, w, h));
  if (toPicture) CopyRect(b, 0, 0, *toPicture, RectFromSize(to.left, to.top, w, h));
  TlqEffectBmp blend(a);
  blend.Morph(morphKind, TlqEffectBmp(b), morphFactor);
  return blend.bitmap();
}

void TlqActiveSkinObject::BaseDraw(ObjectCanvas& canvas, bool inFrame) {
  if (!frame_.Skin()) return;
  const Bitmap* activePicture = ActivePicture();
  const Bitmap* normalPicture = ownImage ? activePicture : MainPicture();
  if (enabled && !frame_.IsFormActive() && !inactiveRect.isEmpty() && activePicture) {
    CopyToCanvas(canvas, activePicture, inactiveRect);
    return;
  }
  if (MorphInEffect() && morphFactor > 0 && morphFactor < 1) {
    ImageToCanvas(canvas, MorphImage(normalPicture, normalRect, activePicture, hoverRect));
    return;
  }
  if (!active || HoverEmpty()) {
    if (!inFrame && !ownImage) return;  // the frame picture already shows it
    CopyToCanvas(canvas, normalPicture, normalRect);
    return;
  }
  CopyToCanvas(canvas, activePicture, hoverRect);
}

void TlqActiveSkinObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  BaseDraw(canvas, inFrame);
}

// --- TlqUserObject
// --------------------------------------------------------------------------------

void TlqUserObject::Draw(ObjectCanvas& canvas, bool) {
  if (!canvas.bitmap) return;
  QImage image = BitmapAsQImage(*canvas.bitmap);
  QPainter painter(&image);
  painter.translate(-canvas.origin.x, -canvas.origin.y);
  emit frame_.OnPaintEvent(QString::fromStdString(IDName), &painter, ToQRect(ObjectRect));
}

// --- TlqSkinButtonObject
// --------------------------------------------------------------------------

TlqSkinButtonObject::TlqSkinButtonObject(TlqLacquerForm& frame, const ObjectSpec& spec)
    : TlqActiveSkinObject(frame, spec),
      downRect(spec.downrect),
      disabledRect(spec.disableskinrsect) {}

bool TlqSkinButtonObject::NeedsMorphStep() const {
  if (hasMenu && down) return false;
  return TlqActiveSkinObject::NeedsMorphStep();
}

void TlqSkinButtonObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  if (!frame_.Skin()) return;
  if (!enabled && !disabledRect.isEmpty()) {
    CopyToCanvas(canvas, ActivePicture(), disabledRect);
    return;
  }
  if (down && mouseIn && !downRect.isEmpty()) {
    CopyToCanvas(canvas, ActivePicture(), downRect);
    return;
  }
  BaseDraw(canvas, inFrame);
}

void TlqSkinButtonObject::Press() {
  down = true;
  if (MorphInEffect() && active) morphFactor = 1;
  frame_.RepaintObject(this);
}

void TlqSkinButtonObject::Release() {
  down = false;
  frame_.RepaintObject(this);
}

void TlqSkinButtonObject::OpenMenu() {
  menuOpen = true;
  const Rect r = ObjectRect;
  const QPoint topLeft = frame_.Form()->mapToGlobal(QPoint(r.left, r.top));
  frame_.ShowSystemMenuAt(QRect(topLeft, QSize(r.width(), r.height())));
}

void TlqSkinButtonObject::MouseDown(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && enabled && !down) {
    Press();
    if (hasMenu) OpenMenu();
  }
  TlqActiveSkinObject::MouseDown(x, y, button);
}

void TlqSkinButtonObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !hasMenu) Release();
  TlqActiveSkinObject::MouseUp(x, y, button);
}

void TlqSkinButtonObject::MenuClosed() {
  menuOpen = false;
  if (down) Release();
}

// --- TlqSkinStdButtonObject
// -----------------------------------------------------------------------

TlqSkinStdButtonObject::TlqSkinStdButtonObject(TlqLacquerForm& frame, const ObjectSpec& spec,
                                               bool support)
    : TlqSkinButtonObject(frame, spec),
      command(spec.command),
      restoreRect(spec.restorerect),
      restoreActiveRect(spec.restoreactiverect),
      restoreDownRect(spec.restoredownrect),
      restoreInactiveRect(spec.restoreinactiverect),
      skinSupport(support) {
  hasMenu = command == cmSysMenu;
}

bool TlqSkinStdButtonObject::ShowsIcon() const {
  return command == cmSysMenu && frame_.ShowIcon() && (ownImage || !skinSupport);
}

bool TlqSkinStdButtonObject::NeedsMorphStep() const {
  if (ShowsIcon()) return false;
  return TlqSkinButtonObject::NeedsMorphStep();
}

bool TlqSkinStdButtonObject::ShowsRestoreState() const {
  switch (command) {
    case cmMaximize:
      return frame_.GetFrameState() == FrameState::Maximized;
    case cmMinimize:
      return frame_.GetFrameState() == FrameState::Minimized;
    case cmRollUp:
      return frame_.RolledUp();
    default:
      return false;
  }
}

void TlqSkinStdButtonObject::DrawIcon(ObjectCanvas& canvas) {
  morphFactor = 0;
  if (!canvas.bitmap) return;
  QIcon icon = frame_.Form()->windowIcon();
  if (icon.isNull()) icon = QApplication::windowIcon();
  if (icon.isNull()) return;
  QImage image = BitmapAsQImage(*canvas.bitmap);
  QPainter painter(&image);
  painter.drawPixmap(ObjectRect.left - canvas.origin.x, ObjectRect.top - canvas.origin.y,
                     icon.pixmap(16, 16));
}

void TlqSkinStdButtonObject::DrawDefault(ObjectCanvas& canvas) {
  if (!canvas.bitmap) return;
  const int w = ObjectRect.width();
  const int h = ObjectRect.height();
  Bitmap face(w, h);
  const bool pressed = down && mouseIn;
  auto sys = [this](int role) {
    const QColor c = frame_.FrameSysColor(role);
    return RGB(c.red(), c.green(), c.blue());
  };
  if (pressed || mouseIn) {
    face.fill(RGB(0, 0, 128));  // navy frame, 8388608
    FillRect(face, {1, 1, w - 1, h - 1}, pressed ? Color(11899781) : Color(13811126));
  } else {
    face.fill(sys(15));
  }
  int gx = w / 2 - 5;
  int gy = h / 2 - 4;
  if (pressed) {
    ++gx;
    ++gy;
  }
  const FrameState state = frame_.GetFrameState();
  GlyphShape glyph;
  switch (command) {
    case cmClose:
      glyph = CloseGlyph(gx, gy);
      break;
    case cmMaximize:
      glyph = state == FrameState::Maximized ? RestoreGlyph(gx, gy) : MaximizeGlyph(gx, gy);
      break;
    case cmMinimize:
      glyph = state == FrameState::Minimized ? RestoreGlyph(gx, gy) : MinimizeGlyph(gx, gy);
      break;
    case cmSysMenu:
      glyph = SysMenuGlyph(gx, gy);
      break;
    case cmRollUp:
      glyph = frame_.RolledUp() ? RollDownGlyph(gx, gy) : RollUpGlyph(gx, gy);
      break;
    case cmMinimizeToTray:
      glyph = TrayGlyph(gx, gy);
      break;
    default:
      break;
  }
  DrawGlyph(face, glyph, enabled ? sys(18) : sys(16));
  ImageToCanvas(canvas, face);
}

void TlqSkinStdButtonObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  if (ShowsIcon()) {
    DrawIcon(canvas);
    return;
  }
  if (!skinSupport) {
    DrawDefault(canvas);
    return;
  }
  if (!frame_.Skin()) return;
  if (enabled && !restoreRect.isEmpty() && ShowsRestoreState()) {
    const Bitmap* picture = ActivePicture();
    if (!frame_.FormActive() && !restoreInactiveRect.isEmpty()) {
      CopyToCanvas(canvas, picture, restoreInactiveRect);
    } else if (down && mouseIn && !restoreDownRect.isEmpty()) {
      CopyToCanvas(canvas, picture, restoreDownRect);
    } else if (MorphInEffect() && morphFactor > 0 && morphFactor < 1) {
      ImageToCanvas(canvas, MorphImage(picture, restoreRect, picture, restoreActiveRect));
    } else if (active && !restoreActiveRect.isEmpty()) {
      CopyToCanvas(canvas, picture, restoreActiveRect);
    } else {
      CopyToCanvas(canvas, picture, restoreRect);
    }
    return;
  }
  TlqSkinButtonObject::Draw(canvas, inFrame);
}

void TlqSkinStdButtonObject::OpenMenu() {
  // The system-menu button's menu is the system menu.
  TlqSkinButtonObject::OpenMenu();
}

void TlqSkinStdButtonObject::DblClick() {
  if (command == cmSysMenu) frame_.CloseForm();
}

void TlqSkinStdButtonObject::MouseDown(int, int, MouseButton button) {
  // Only the left button presses a caption button; no down event is reported.
  if (button != MouseButton::Left || !enabled || down) return;
  Press();
  if (hasMenu) OpenMenu();
}

void TlqSkinStdButtonObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !hasMenu) {
    const bool run = mouseIn;
    if (command == cmClose) {
      Release();
      TlqActiveSkinObject::MouseUp(x, y, button);
      if (run) RunFrameCommand(frame_, command);
      return;
    }
    if (run) RunFrameCommand(frame_, command);
    Release();
  }
  TlqActiveSkinObject::MouseUp(x, y, button);
}

void RunFrameCommand(TlqLacquerForm& frame, TlqStdCommand command) {
  switch (command) {
    case cmClose:
      frame.CloseForm();
      break;
    case cmMaximize:
      frame.SetFrameState(frame.GetFrameState() == FrameState::Maximized ? FrameState::Normal
                                                                         : FrameState::Maximized);
      break;
    case cmMinimize:
      if (frame.AlwaysMinimizeToTray)
        frame.MinimizeToTray();
      else
        frame.SetFrameState(frame.GetFrameState() == FrameState::Minimized ? FrameState::Normal
                                                                           : FrameState::Minimized);
      break;
    case cmRollUp:
      frame.SetRolledUp(!frame.RolledUp());
      break;
    case cmMinimizeToTray:
      frame.MinimizeToTray();
      break;
    case cmSysMenu:
    case cmDefault:
      break;
  }
}

// --- TlqSkinAnimateObject
// -------------------------------------------------------------------------

TlqSkinAnimateObject::TlqSkinAnimateObject(TlqLacquerForm& frame, const ObjectSpec& spec)
    : TlqActiveSkinObject(frame, spec),
      countFrames(std::max(1, spec.countframes)),
      cycle(spec.cycle),
      buttonStyle(spec.buttonstyle),
      timerInterval(std::max(25, spec.timerinterval)),
      command(spec.command),
      downSkinRect(spec.downskinrect),
      restoreRect(spec.restorerect),
      restoreActiveRect(spec.restoreactiverect),
      restoreDownRect(spec.restoredownrect),
      restoreInactiveRect(spec.restoreinactiverect) {
  morphing = false;
}

void TlqSkinAnimateObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  if (!frame_.Skin()) return;
  const Bitmap* picture = ActivePicture();
  if (!frame_.IsFormActive() && !inactiveRect.isEmpty()) {
    CopyToCanvas(canvas, picture, inactiveRect);
    return;
  }
  const bool reversible =
      (command == cmMaximize && frame_.GetFrameState() == FrameState::Maximized) ||
      (command == cmMinimize && frame_.GetFrameState() == FrameState::Minimized) ||
      (command == cmRollUp && frame_.RolledUp());
  if (reversible && !restoreRect.isEmpty()) {
    Rect r = restoreRect;
    if (down && mouseIn && !restoreDownRect.isEmpty())
      r = restoreDownRect;
    else if (active && !restoreActiveRect.isEmpty())
      r = restoreActiveRect;
    CopyToCanvas(canvas, picture, r);
    return;
  }
  if (down && mouseIn && !downSkinRect.isEmpty()) {
    CopyToCanvas(canvas, picture, downSkinRect);
    return;
  }
  if (hoverRect.isEmpty() || !picture) {
    BaseDraw(canvas, inFrame);
    return;
  }
  // Frame n of a horizontal strip starting at the hover rect, each the normal rect's size.
  const int w = normalRect.width();
  const int h = normalRect.height();
  CopyToCanvas(canvas, picture,
               RectFromSize(hoverRect.left + (frame - 1) * w, hoverRect.top, w, h));
}

void TlqSkinAnimateObject::MouseEnter() {
  mouseIn = true;
  active = true;
  forward = true;
  frame_.StartAnimationTimer();
  emit frame_.OnMouseEnterEvent(QString::fromStdString(IDName));
}

void TlqSkinAnimateObject::MouseLeave() {
  mouseIn = false;
  active = false;
  if (!menuOpen) forward = false;
  frame_.StartAnimationTimer();
  emit frame_.OnMouseLeaveEvent(QString::fromStdString(IDName));
}

bool TlqSkinAnimateObject::AnimationStep() {
  if (!buttonStyle) return false;
  const bool needs = forward ? (cycle || frame < countFrames) : frame > 1;
  if (!needs) return false;
  if (accumulator < timerInterval) {
    accumulator += 25;
    return true;
  }
  accumulator = 25;
  if (forward) {
    if (frame < countFrames)
      ++frame;
    else if (cycle)
      frame = 1;
  } else if (frame > 1) {
    --frame;
  }
  frame_.RepaintObject(this);
  return true;
}

void TlqSkinAnimateObject::MouseDown(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && enabled && !down) {
    down = true;
    frame_.RepaintObject(this);
    if (command == cmSysMenu) {
      menuOpen = true;
      const QPoint tl = frame_.Form()->mapToGlobal(QPoint(ObjectRect.left, ObjectRect.top));
      frame_.ShowSystemMenuAt(QRect(tl, QSize(ObjectRect.width(), ObjectRect.height())));
    }
  }
  TlqActiveSkinObject::MouseDown(x, y, button);
}

void TlqSkinAnimateObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !menuOpen) {
    const bool run = mouseIn;
    down = false;
    frame_.RepaintObject(this);
    TlqActiveSkinObject::MouseUp(x, y, button);
    if (run) RunFrameCommand(frame_, command);
    return;
  }
  TlqActiveSkinObject::MouseUp(x, y, button);
}

void TlqSkinAnimateObject::DblClick() {
  if (command == cmSysMenu) frame_.CloseForm();
}

void TlqSkinAnimateObject::MenuClosed() {
  menuOpen = false;
  down = false;
  if (!mouseIn) forward = false;
  frame_.StartAnimationTimer();
  frame_.RepaintObject(this);
}

}  // namespace lq
