#include "skin/frame/popup_menu.h"

#include <QWidget>

#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/menu_frame_link.h"
#include "skin/frame/popup_window.h"

namespace lq {

LqSkinPopupMenu::LqSkinPopupMenu(QObject* owner) : QObject(owner) {}

LqSkinPopupMenu::~LqSkinPopupMenu() {
  // An open menu must not outlive the items it shows.
  if (FrameMenus* frame = Lookup(false)) {
    LqSkinMenu& menu = frame->SkinMenu();
    for (int i = 0; i < menu.WindowCount(); ++i) {
      if (menu.Window(i)->Source() == &Items) {
        frame->CloseMenus();
        break;
      }
    }
  }
}

namespace {

// The menus of the form the widget belongs to; a form whose frame has no menus yet gets them.
FrameMenus* MenusOfForm(const QWidget* widget, bool attach) {
  if (FrameMenus* menus = FrameMenus::Find(widget)) return menus;
  if (!attach) return nullptr;
  if (LqLacquerForm* frame = LqLacquerForm::FindFrame(widget->window()))
    return AttachFrameMenus(*frame);
  return nullptr;
}

}  // namespace

FrameMenus* LqSkinPopupMenu::FindFrame() const {
  return Lookup(true);
}

FrameMenus* LqSkinPopupMenu::Lookup(bool attach) const {
  if (Frame) return Frame;
  if (Form) return MenusOfForm(Form, attach);
  // The owner when it is a form, else the owner's owner when that is a form; a control
  // owner leads to the window it sits in.
  for (QObject* o = parent(); o; o = o->parent()) {
    if (auto* w = qobject_cast<QWidget*>(o)) return MenusOfForm(w, attach);
  }
  return nullptr;
}

bool LqSkinPopupMenu::Show(const QRect& r, bool popupUp, QObject* openingControl, bool needSkin) {
  emit aboutToPopup();
  FrameMenus* frame = FindFrame();
  if (!SkinData && frame) SkinData = frame->MenusSkinData();
  if (!frame) return false;
  if (needSkin && !SkinData) return false;
  LqSkinMenu& menu = frame->SkinMenu();
  if (menu.Visible()) frame->MenuClosed();
  frame->EnterMenuMode();
  popupPoint_ = r.topLeft();
  menu.Popup(openingControl, MenuSkinFromSkinData(SkinData), popupUp, &Items, r, 0,
             Images.images.empty() ? nullptr : &Images);
  if (!menu.Visible()) {
    frame->MenuClosed();  // nothing to show: leave menu mode at once
    return false;
  }
  // The menu may be destroyed before the engine reports the close.
  menu.SetOnMenuClose([self = QPointer<LqSkinPopupMenu>(this)] {
    if (self) emit self->closed();
  });
  return true;
}

void LqSkinPopupMenu::Popup(int x, int y) {
  Show(QRect(x, y, 0, 0), false, nullptr, false);
}

void LqSkinPopupMenu::PopupAt(const QRect& r, bool popupUp, QObject* openingControl) {
  Show(r, popupUp, openingControl, false);
}

void LqSkinPopupMenu::PopupFromControl(QObject* openingControl, int x, int y) {
  Show(QRect(x, y, 0, 0), false, openingControl, true);
}

}  // namespace lq
