#include "skin/controls/edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPainter>

#include "skin/controls/default_look.h"
#include "skin/controls/edit_context_menu.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"
#include "skin/data/image_compose.h"

namespace lq {

LqSkinEdit::LqSkinEdit(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setAttribute(Qt::WA_Hover, true);
  QWidget::resize(121, 20);
  UpdateLook();
}

void LqSkinEdit::SetSkinData(LqSkinData* data) {
  if (binding_.SetData(data)) ApplySkin();
}

void LqSkinEdit::SetDefaultColor(Color c) {
  DefaultColor_ = c;
  update();
}

void LqSkinEdit::SetDefaultFont(const LqFont& f) {
  binding_.SetDefaultFont(f);
  UpdateLook();
}

void LqSkinEdit::SetUseSkinFont(bool on) {
  binding_.SetUseSkinFont(on);
  UpdateLook();
}

void LqSkinEdit::SetDefaultWidth(int w) {
  DefaultWidth_ = w;
  if (!IsBound() && w > 0) QWidget::resize(w, height());
}

void LqSkinEdit::SetDefaultHeight(int h) {
  DefaultHeight_ = h;
  if (!IsBound() && h > 0 && ForcedHeight() == 0) QWidget::resize(width(), h);
}

void LqSkinEdit::SetButtonMode(bool on) {
  ButtonMode_ = on;
  UpdateLook();
}

void LqSkinEdit::ReleaseSkin() {
  binding_.Release();
}

void LqSkinEdit::BindSkin() {
  binding_.SetIndex(BindEditLook(SkinData(), SkinDataName(), look_));
}

void LqSkinEdit::ApplySkin() {
  BindSkin();
  if (!IsBound()) {
    if (DefaultWidth_ > 0) QWidget::resize(DefaultWidth_, height());
  }
  UpdateLook();
  if (!IsBound() && DefaultHeight_ > 0 && ForcedHeight() == 0)
    QWidget::resize(width(), DefaultHeight_);
}

int LqSkinEdit::ForcedHeight() const {
  const int textHeight = QFontMetrics(font()).height();
  if (IsBound()) {
    if (UseSkinFont()) return look_.SkinHeight();
    return textHeight + look_.SkinHeight() - look_.geometry.clientrect.height();
  }
  return UseSkinFont() ? 0 : textHeight + 4;
}

Color LqSkinEdit::TextColor() const {
  if (!IsBound()) return DefaultFont().color;
  return Active() ? look_.activefontcolor : look_.font.fontcolor;
}

// Font, colours, text margins and height for the current binding and state.
void LqSkinEdit::UpdateLook() {
  setFont(binding_.Font(look_.font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ControlColor(TextColor()));
  pal.setColor(QPalette::Disabled, QPalette::Text,
               ControlColor(IsBound() ? look_.disabledfontcolor : kSysGrayText));
  pal.setColor(QPalette::Base, Qt::transparent);
  pal.setColor(QPalette::Disabled, QPalette::Base, Qt::transparent);
  setPalette(pal);

  const int forced = ForcedHeight();
  if (forced > 0) {
    setFixedHeight(forced);
  } else {
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
  }
  if (IsBound()) {
    const Rect& c = look_.geometry.clientrect;
    setTextMargins(c.left, c.top, look_.SkinWidth() - c.right, look_.SkinHeight() - c.bottom);
  } else {
    setTextMargins(2, 2, 2 + (ButtonMode_ ? height() : 0), 2);
  }
  update();
}

QRect LqSkinEdit::ButtonRect() const {
  if (!ButtonMode_) return {};
  if (IsBound()) {
    Rect b = look_.buttonrect;
    if (b.left >= look_.geometry.righttoppoint.x) b = b.translated(width() - look_.SkinWidth(), 0);
    return QRect(b.left, b.top, b.width(), b.height());
  }
  const int side = height() - 4;
  return QRect(width() - 2 - side, 2, side, side);
}

void LqSkinEdit::PaintFrame(QPainter& p) {
  const Bitmap* picture = IsBound() ? ActivePicture(SkinData(), look_.pictureindex) : nullptr;
  if (picture) {
    const Rect& source = Active() ? look_.activeskinrect : look_.geometry.skinrect;
    Bitmap strip;
    BuildHStrip(look_.geometry.lefttoppoint.x, look_.RightFixedWidth(), strip, *picture, source,
                width(), look_.geometry.stretcheffect);
    p.drawImage(rect(), ToImage(strip));
    if (ButtonMode_) {
      Rect state = !isEnabled()      ? look_.unenabledbuttonrect
                   : ButtonPressed() ? look_.downbuttonrect
                   : buttonHot_      ? look_.activebuttonrect
                                     : Rect{};
      if (!state.isEmpty()) p.drawImage(ButtonRect(), ToImage(CutPicture(*picture, state)));
    }
    return;
  }
  const QRect r = rect();
  p.fillRect(r, ControlColor(DefaultColor_));
  p.setPen(ControlColor(clBtnShadow));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(ControlColor(clBtnFace));
  p.drawRect(r.adjusted(1, 1, -2, -2));
  if (ButtonMode_) {
    DrawDefaultPart(p, ButtonRect(), buttonHot_, ButtonPressed());
  }
}

void LqSkinEdit::paintEvent(QPaintEvent* e) {
  {
    QPainter p(this);
    PaintFrame(p);
  }
  QLineEdit::paintEvent(e);
}

void LqSkinEdit::enterEvent(QEnterEvent* e) {
  QLineEdit::enterEvent(e);
  binding_.SetHovered(true);
  UpdateLook();
  emit mouseEntered();
}

void LqSkinEdit::leaveEvent(QEvent* e) {
  QLineEdit::leaveEvent(e);
  binding_.SetHovered(false);
  buttonHot_ = false;
  UpdateLook();
  emit mouseLeft();
}

void LqSkinEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  UpdateLook();
}

void LqSkinEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  UpdateLook();
}

void LqSkinEdit::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
    QChar key = k == Qt::Key_Escape ? QChar(27) : QChar(13);
    if (keyFilter_) keyFilter_(key);
    if (key.isNull()) {
      e->accept();
      return;
    }
    if (k != Qt::Key_Escape) emit returnPressed();
    e->ignore();  // the form gets it as a dialog key
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void LqSkinEdit::contextMenuEvent(QContextMenuEvent* e) {
  EditMenuState s;
  s.canUndo = isUndoAvailable() && !isReadOnly();
  s.hasSelection = hasSelectedText();
  s.readOnly = isReadOnly();
  s.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
  s.wholeTextSelected = selectedText() == text();
  EditMenuActions a;
  a.undo = [this] { undo(); };
  a.cut = [this] { cut(); };
  a.copy = [this] { copy(); };
  a.paste = [this] { paste(); };
  a.clear = [this] { del(); };
  a.selectAll = [this] { selectAll(); };
  ShowEditMenu(this, BuildEditMenu(s, a, SkinData()),
               EditMenuPosition(this, e->globalPos(), e->reason() == QContextMenuEvent::Keyboard));
}

void LqSkinEdit::mousePressEvent(QMouseEvent* e) {
  if (ButtonMode_ && e->button() == Qt::LeftButton && ButtonRect().contains(e->pos())) {
    buttonDown_ = buttonHot_ = true;
    update();
    return;
  }
  QLineEdit::mousePressEvent(e);
}

void LqSkinEdit::mouseMoveEvent(QMouseEvent* e) {
  if (ButtonMode_) {
    const bool hot = ButtonRect().contains(e->pos());
    if (hot != buttonHot_) {
      buttonHot_ = hot;
      update();
    }
    if (buttonDown_) return;
  }
  QLineEdit::mouseMoveEvent(e);
}

void LqSkinEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (buttonDown_) {
    const bool click = ButtonRect().contains(e->pos());
    buttonDown_ = false;
    update();
    if (click) emit buttonClicked();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

void LqSkinEdit::changeEvent(QEvent* e) {
  QLineEdit::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) update();
}

}  // namespace lq
