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

// --- LqActiveSkinObject -------------------------------------------------------------------------

LqActiveSkinObject::LqActiveSkinObject(LqLacquerForm& frame, const ObjectSpec& def)
    : IDName(def.IDName),
      hint(def.hint),
      ownImage(def.skinrectinapicture),
      normalRect(def.skinrect),
      hoverRect(def.activeskinrect),
      inactiveRect(def.inactiveskinrect),
      morphing(def.morphing),
      morphKind(def.morphkind),
      activePictureIndex(def.activepictureindex),
      ObjectRect(def.skinrect),
      frame_(frame) {
  if (HoverEmpty()) morphing = false;
}

const Bitmap* LqActiveSkinObject::ActivePicture() const {
  const FrameSkin* skin = frame_.Skin();
  return skin ? skin->ActivePicture(activePictureIndex) : nullptr;
}

const Bitmap* LqActiveSkinObject::MainPicture() const {
  const FrameSkin* skin = frame_.Skin();
  return skin && !skin->main.empty() ? &skin->main : nullptr;
}

bool LqActiveSkinObject::MorphInEffect() const {
  const FrameSkin* skin = frame_.Skin();
  return morphing && skin && skin->effectsEnabled;
}

bool LqActiveSkinObject::NeedsMorphStep() const {
  if (!MorphInEffect()) return false;
  return (active && morphFactor < 1) || (!active && morphFactor > 0);
}

bool LqActiveSkinObject::MorphStep() {
  if (!NeedsMorphStep()) return false;
  morphFactor = std::clamp(morphFactor + (active ? 0.2 : -0.2), 0.0, 1.0);
  // Five steps of 0.2 must land exactly on the ends.
  if (morphFactor > 0.999) morphFactor = 1;
  if (morphFactor < 0.001) morphFactor = 0;
  frame_.RepaintObject(this);
  return true;
}

void LqActiveSkinObject::StartMorph() {
  if (MorphInEffect())
    frame_.StartMorphTimer();
  else
    frame_.RepaintObject(this);
}

void LqActiveSkinObject::ResetHover() {
  active = false;
  mouseIn = false;
  if (!MorphInEffect()) morphFactor = 0;
}

void LqActiveSkinObject::MouseEnter() {
  mouseIn = true;
  active = true;
  if (!HoverEmpty()) StartMorph();
  emit frame_.objectEntered(QString::fromStdString(IDName));
}

void LqActiveSkinObject::MouseLeave() {
  mouseIn = false;
  active = false;
  if (!HoverEmpty()) StartMorph();
  emit frame_.objectLeft(QString::fromStdString(IDName));
}

void LqActiveSkinObject::MouseDown(int x, int y, MouseButton button) {
  emit frame_.objectPressed(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect), int(button));
}

void LqActiveSkinObject::MouseUp(int x, int y, MouseButton button) {
  if (!mouseIn) return;
  emit frame_.objectReleased(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect),
                             int(button));
}

void LqActiveSkinObject::MouseMove(int x, int y) {
  emit frame_.objectMouseMoved(QString::fromStdString(IDName), x, y, ToQRect(ObjectRect));
}

void LqActiveSkinObject::CopyToCanvas(ObjectCanvas& canvas, const Bitmap* picture,
                                      const Rect& source) const {
  if (!picture || !canvas.bitmap || source.isEmpty()) return;
  CopyRect(*canvas.bitmap, ObjectRect.translated(-canvas.origin.x, -canvas.origin.y), *picture,
           source);
}

void LqActiveSkinObject::ImageToCanvas(ObjectCanvas& canvas, const Bitmap& image) const {
  if (!canvas.bitmap) return;
  CopyRect(*canvas.bitmap, ObjectRect.left - canvas.origin.x, ObjectRect.top - canvas.origin.y,
           image, image.rect());
}

Bitmap LqActiveSkinObject::MorphImage(const Bitmap* fromPicture, const Rect& from,
                                      const Bitmap* toPicture, const Rect& to) const {
  const int w = ObjectRect.width();
  const int h = ObjectRect.height();
  Bitmap a(w, h), b(w, h);
  if (fromPicture) CopyRect(a, 0, 0, *fromPicture, RectFromSize(from.left, from.top, w, h));
  if (toPicture) CopyRect(b, 0, 0, *toPicture, RectFromSize(to.left, to.top, w, h));
  LqEffectBmp blend(a);
  blend.Morph(morphKind, LqEffectBmp(b), morphFactor);
  return blend.bitmap();
}

void LqActiveSkinObject::BaseDraw(ObjectCanvas& canvas, bool inFrame) {
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

void LqActiveSkinObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  BaseDraw(canvas, inFrame);
}

// --- LqUserObject
// --------------------------------------------------------------------------------

void LqUserObject::Draw(ObjectCanvas& canvas, bool) {
  if (!canvas.bitmap) return;
  QImage image = BitmapAsQImage(*canvas.bitmap);
  QPainter painter(&image);
  painter.translate(-canvas.origin.x, -canvas.origin.y);
  emit frame_.paintUserObject(QString::fromStdString(IDName), &painter, ToQRect(ObjectRect));
}

// --- LqSkinButtonObject
// --------------------------------------------------------------------------

LqSkinButtonObject::LqSkinButtonObject(LqLacquerForm& frame, const ObjectSpec& def)
    : LqActiveSkinObject(frame, def), downRect(def.downrect), disabledRect(def.disableskinrsect) {}

bool LqSkinButtonObject::NeedsMorphStep() const {
  if (hasMenu && down) return false;
  return LqActiveSkinObject::NeedsMorphStep();
}

void LqSkinButtonObject::Draw(ObjectCanvas& canvas, bool inFrame) {
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

void LqSkinButtonObject::Press() {
  down = true;
  if (MorphInEffect() && active) morphFactor = 1;
  frame_.RepaintObject(this);
}

void LqSkinButtonObject::Release() {
  down = false;
  frame_.RepaintObject(this);
}

void LqSkinButtonObject::OpenMenu() {
  menuOpen = true;
  const Rect r = ObjectRect;
  const QPoint topLeft = frame_.Form()->mapToGlobal(QPoint(r.left, r.top));
  frame_.ShowSystemMenuAt(QRect(topLeft, QSize(r.width(), r.height())));
}

void LqSkinButtonObject::MouseDown(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && enabled && !down) {
    Press();
    if (hasMenu) OpenMenu();
  }
  LqActiveSkinObject::MouseDown(x, y, button);
}

void LqSkinButtonObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !hasMenu) Release();
  LqActiveSkinObject::MouseUp(x, y, button);
}

void LqSkinButtonObject::MenuClosed() {
  menuOpen = false;
  if (down) Release();
}

// --- LqSkinStdButtonObject
// -----------------------------------------------------------------------

LqSkinStdButtonObject::LqSkinStdButtonObject(LqLacquerForm& frame, const ObjectSpec& def,
                                             bool support)
    : LqSkinButtonObject(frame, def),
      command(def.command),
      restoreRect(def.restorerect),
      restoreActiveRect(def.restoreactiverect),
      restoreDownRect(def.restoredownrect),
      restoreInactiveRect(def.restoreinactiverect),
      skinSupport(support) {
  hasMenu = command == FrameCommand::SysMenu;
}

bool LqSkinStdButtonObject::ShowsIcon() const {
  return command == FrameCommand::SysMenu && frame_.ShowIcon() && (ownImage || !skinSupport);
}

bool LqSkinStdButtonObject::NeedsMorphStep() const {
  if (ShowsIcon()) return false;
  return LqSkinButtonObject::NeedsMorphStep();
}

bool LqSkinStdButtonObject::ShowsRestoreState() const {
  switch (command) {
    case FrameCommand::Maximize:
      return frame_.GetFrameState() == FrameState::Maximized;
    case FrameCommand::Minimize:
      return frame_.GetFrameState() == FrameState::Minimized;
    case FrameCommand::RollUp:
      return frame_.RolledUp();
    default:
      return false;
  }
}

void LqSkinStdButtonObject::DrawIcon(ObjectCanvas& canvas) {
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

void LqSkinStdButtonObject::DrawDefault(ObjectCanvas& canvas) {
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
    case FrameCommand::Close:
      glyph = CloseGlyph(gx, gy);
      break;
    case FrameCommand::Maximize:
      glyph = state == FrameState::Maximized ? RestoreGlyph(gx, gy) : MaximizeGlyph(gx, gy);
      break;
    case FrameCommand::Minimize:
      glyph = state == FrameState::Minimized ? RestoreGlyph(gx, gy) : MinimizeGlyph(gx, gy);
      break;
    case FrameCommand::SysMenu:
      glyph = SysMenuGlyph(gx, gy);
      break;
    case FrameCommand::RollUp:
      glyph = frame_.RolledUp() ? RollDownGlyph(gx, gy) : RollUpGlyph(gx, gy);
      break;
    case FrameCommand::MinimizeToTray:
      glyph = TrayGlyph(gx, gy);
      break;
    default:
      break;
  }
  DrawGlyph(face, glyph, enabled ? sys(18) : sys(16));
  ImageToCanvas(canvas, face);
}

void LqSkinStdButtonObject::Draw(ObjectCanvas& canvas, bool inFrame) {
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
  LqSkinButtonObject::Draw(canvas, inFrame);
}

void LqSkinStdButtonObject::OpenMenu() {
  // The system-menu button's menu is the system menu.
  LqSkinButtonObject::OpenMenu();
}

void LqSkinStdButtonObject::DblClick() {
  if (command == FrameCommand::SysMenu) frame_.CloseForm();
}

void LqSkinStdButtonObject::MouseDown(int, int, MouseButton button) {
  // Only the left button presses a caption button; no down event is reported.
  if (button != MouseButton::Left || !enabled || down) return;
  Press();
  if (hasMenu) OpenMenu();
}

void LqSkinStdButtonObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !hasMenu) {
    const bool run = mouseIn;
    if (command == FrameCommand::Close) {
      Release();
      LqActiveSkinObject::MouseUp(x, y, button);
      if (run) RunFrameCommand(frame_, command);
      return;
    }
    if (run) RunFrameCommand(frame_, command);
    Release();
  }
  LqActiveSkinObject::MouseUp(x, y, button);
}

void RunFrameCommand(LqLacquerForm& frame, FrameCommand command) {
  switch (command) {
    case FrameCommand::Close:
      frame.CloseForm();
      break;
    case FrameCommand::Maximize:
      frame.SetFrameState(frame.GetFrameState() == FrameState::Maximized ? FrameState::Normal
                                                                         : FrameState::Maximized);
      break;
    case FrameCommand::Minimize:
      if (frame.AlwaysMinimizeToTray)
        frame.MinimizeToTray();
      else
        frame.SetFrameState(frame.GetFrameState() == FrameState::Minimized ? FrameState::Normal
                                                                           : FrameState::Minimized);
      break;
    case FrameCommand::RollUp:
      frame.SetRolledUp(!frame.RolledUp());
      break;
    case FrameCommand::MinimizeToTray:
      frame.MinimizeToTray();
      break;
    case FrameCommand::SysMenu:
    case FrameCommand::Default:
      break;
  }
}

// --- LqSkinAnimateObject
// -------------------------------------------------------------------------

LqSkinAnimateObject::LqSkinAnimateObject(LqLacquerForm& frame, const ObjectSpec& def)
    : LqActiveSkinObject(frame, def),
      countFrames(std::max(1, def.countframes)),
      cycle(def.cycle),
      buttonStyle(def.buttonstyle),
      timerInterval(std::max(25, def.timerinterval)),
      command(def.command),
      downSkinRect(def.downskinrect),
      restoreRect(def.restorerect),
      restoreActiveRect(def.restoreactiverect),
      restoreDownRect(def.restoredownrect),
      restoreInactiveRect(def.restoreinactiverect) {
  morphing = false;
}

void LqSkinAnimateObject::Draw(ObjectCanvas& canvas, bool inFrame) {
  if (!frame_.Skin()) return;
  const Bitmap* picture = ActivePicture();
  if (!frame_.IsFormActive() && !inactiveRect.isEmpty()) {
    CopyToCanvas(canvas, picture, inactiveRect);
    return;
  }
  const bool reversible =
      (command == FrameCommand::Maximize && frame_.GetFrameState() == FrameState::Maximized) ||
      (command == FrameCommand::Minimize && frame_.GetFrameState() == FrameState::Minimized) ||
      (command == FrameCommand::RollUp && frame_.RolledUp());
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

void LqSkinAnimateObject::MouseEnter() {
  mouseIn = true;
  active = true;
  forward = true;
  frame_.StartAnimationTimer();
  emit frame_.objectEntered(QString::fromStdString(IDName));
}

void LqSkinAnimateObject::MouseLeave() {
  mouseIn = false;
  active = false;
  if (!menuOpen) forward = false;
  frame_.StartAnimationTimer();
  emit frame_.objectLeft(QString::fromStdString(IDName));
}

bool LqSkinAnimateObject::AnimationStep() {
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

void LqSkinAnimateObject::MouseDown(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && enabled && !down) {
    down = true;
    frame_.RepaintObject(this);
    if (command == FrameCommand::SysMenu) {
      menuOpen = true;
      const QPoint tl = frame_.Form()->mapToGlobal(QPoint(ObjectRect.left, ObjectRect.top));
      frame_.ShowSystemMenuAt(QRect(tl, QSize(ObjectRect.width(), ObjectRect.height())));
    }
  }
  LqActiveSkinObject::MouseDown(x, y, button);
}

void LqSkinAnimateObject::MouseUp(int x, int y, MouseButton button) {
  if (button == MouseButton::Left && down && !menuOpen) {
    const bool run = mouseIn;
    down = false;
    frame_.RepaintObject(this);
    LqActiveSkinObject::MouseUp(x, y, button);
    if (run) RunFrameCommand(frame_, command);
    return;
  }
  LqActiveSkinObject::MouseUp(x, y, button);
}

void LqSkinAnimateObject::DblClick() {
  if (command == FrameCommand::SysMenu) frame_.CloseForm();
}

void LqSkinAnimateObject::MenuClosed() {
  menuOpen = false;
  down = false;
  if (!mouseIn) forward = false;
  frame_.StartAnimationTimer();
  frame_.RepaintObject(this);
}

}  // namespace lq
