#include "skin/dialogs/speed_button.h"

#include <QPainter>
#include <QPointer>

#include "skin/frame/popup_menu.h"

namespace lq {

TlqSkinSpeedButton::TlqSkinSpeedButton(QWidget* parent) : TlqSkinButton(parent) {
  SetSkinDataName("toolbutton");
  SetCanFocused(false);
}

void TlqSkinSpeedButton::SetFlat(bool on) {
  Flat_ = on;
  // An idle flat button lets the tool bar show through.
  setAttribute(Qt::WA_OpaquePaintEvent, !on);
  update();
}

bool TlqSkinSpeedButton::ShowsFlat() const {
  return Flat_ && isEnabled() && !MouseInside() && !Down();
}

void TlqSkinSpeedButton::paintEvent(QPaintEvent* e) {
  if (!ShowsFlat()) {
    TlqSkinButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  DrawGlyphAndCaption(p, rect(), false);
}

TlqSkinMenuSpeedButton::TlqSkinMenuSpeedButton(QWidget* parent) : TlqSkinSpeedButton(parent) {
  SetSkinDataName("toolmenubutton");
}

void TlqSkinMenuSpeedButton::ButtonClick() {
  TlqSkinSpeedButton::ButtonClick();
  DropDown();
}

void TlqSkinMenuSpeedButton::DrawSkin(QImage& canvas) {
  // Pressed for as long as its menu is open, wherever the mouse is.
  if (menuOpen_ && !Look().downskinrect.isEmpty())
    DrawState(canvas, Look().downskinrect, false, true);
  else
    TlqSkinSpeedButton::DrawSkin(canvas);
}

void TlqSkinMenuSpeedButton::DropDown() {
  if (!SkinPopupMenu || menuOpen_) return;
  if (hookedMenu_ != SkinPopupMenu) {
    // Hooked once per menu, so repeated drops do not stack handlers; the menu may
    // outlive the button.
    QPointer<TlqSkinMenuSpeedButton> self(this);
    auto previous = SkinPopupMenu->OnMenuClose;
    SkinPopupMenu->OnMenuClose = [self, previous] {
      if (self && self->menuOpen_) {
        self->menuOpen_ = false;
        self->SetDown(false);
      }
      if (previous) previous();
    };
    hookedMenu_ = SkinPopupMenu;
  }
  menuOpen_ = true;
  SetDown(true);
  const QRect screen(mapToGlobal(QPoint(0, 0)), size());
  SkinPopupMenu->PopupAt(screen, false, this);
}

}  // namespace lq
