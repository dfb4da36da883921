#pragma once
// LqSkinPopupMenu: a popup menu component whose items are shown by the menu engine of
// its form's frame instead of the platform's menu code.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <memory>

#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/menu_skin.h"

class QWidget;

namespace lq {

class FrameMenus;
class LqSkinData;

class LqSkinPopupMenu : public QObject {
  Q_OBJECT

 public:
  // The owner is usually the form or a control on it; the frame is searched from there.
  explicit LqSkinPopupMenu(QObject* owner = nullptr);
  ~LqSkinPopupMenu() override;

  MenuItem Items;
  MenuImageList Images;  // used when it holds at least one image
  // Skin of this menu's windows; when none at popup time the frame's menu skin data is
  // taken and kept.
  LqSkinData* SkinData = nullptr;
  // Explicit frame and form to use instead of searching the owners.
  QPointer<FrameMenus> Frame;
  QPointer<QWidget> Form;
  QPoint PopupPointValue() const { return popupPoint_; }

  // Shows the menu with its top-left at the screen point (x, y).
  void Popup(int x, int y);
  // Shows the menu at a screen rectangle for a button (popupUp: open above it).
  void PopupAt(const QRect& r, bool popupUp, QObject* openingControl);
  // Context menu of a control at a screen point; nothing without a skin.
  void PopupFromControl(QObject* openingControl, int x, int y);

  // The frame this menu would use now, or null.
  FrameMenus* FindFrame() const;

 signals:
  // Before every showing, while the items may still be changed.
  void aboutToPopup();
  // Once when a shown menu closes, whether by a click on an item or not.
  void closed();

 private:
  bool Show(const QRect& r, bool popupUp, QObject* openingControl, bool needSkin);
  // attach: a framed form without menus gets them (never while being destroyed).
  FrameMenus* Lookup(bool attach) const;

  QPoint popupPoint_;
};

}  // namespace lq
