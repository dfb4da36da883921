#include "skin/dialogs/speed_button.h"

#include <QPainter>

#include "skin/frame/popup_menu.h"

namespace lq {

LqSkinSpeedButton::LqSkinSpeedButton(QWidget* parent) : LqSkinButton(parent) {
  SetSkinDataName("toolbutton");
  SetCanFocused(false);
}

void LqSkinSpeedButton::SetFlat(bool on) {
  Flat_ = on;
  // An idle flat button lets the tool bar show through.
  setAttribute(Qt::WA_OpaquePaintEvent, !on);
  update();
}

bool LqSkinSpeedButton::ShowsFlat() const {
  return Flat_ && isEnabled() && !MouseInside() && !Down();
}

void LqSkinSpeedButton::paintEvent(QPaintEvent* e) {
  if (!ShowsFlat()) {
    LqSkinButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  DrawGlyphAndCaption(p, rect(), false);
}

LqSkinMenuSpeedButton::LqSkinMenuSpeedButton(QWidget* parent) : LqSkinSpeedButton(parent) {
  SetSkinDataName("toolmenubutton");
}

void LqSkinMenuSpeedButton::ButtonClick() {
  LqSkinSpeedButton::ButtonClick();
  DropDown();
}

void LqSkinMenuSpeedButton::DrawSkin(QImage& canvas) {
  // Pressed for as long as its menu is open, wherever the mouse is.
  if (menuOpen_ && !Look().downskinrect.isEmpty())
    DrawState(canvas, Look().downskinrect, false, true);
  else
    LqSkinSpeedButton::DrawSkin(canvas);
}

void LqSkinMenuSpeedButton::DropDown() {
  if (!SkinPopupMenu || menuOpen_) return;
  if (hookedMenu_ != SkinPopupMenu) {
    // Connected once per menu, so repeated drops do not stack connections; the
    // connection ends with the button when the menu outlives it.
    connect(SkinPopupMenu, &LqSkinPopupMenu::closed, this, [this] {
      if (!menuOpen_) return;
      menuOpen_ = false;
      SetDown(false);
    });
    hookedMenu_ = SkinPopupMenu;
  }
  menuOpen_ = true;
  SetDown(true);
  const QRect screen(mapToGlobal(QPoint(0, 0)), size());
  SkinPopupMenu->PopupAt(screen, false, this);
}

}  // namespace lq
