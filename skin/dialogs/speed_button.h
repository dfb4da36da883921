#pragma once
// Tool bar buttons of the dialogs. TlqSkinSpeedButton is a button that never takes the
// focus and, when flat, shows only its glyph over the tool bar until the mouse is over it
// or it is pressed. TlqSkinMenuSpeedButton drops a skinned popup menu below itself and
// looks pressed while the menu is open.

#include "skin/controls/skin_button.h"

namespace lq {

class TlqSkinPopupMenu;

class TlqSkinSpeedButton : public TlqSkinButton {
 public:
  explicit TlqSkinSpeedButton(QWidget* parent = nullptr);

  bool Flat() const { return Flat_; }
  void SetFlat(bool on);
  // True while the button shows no face of its own (flat, idle).
  bool ShowsFlat() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool Flat_ = false;
};

class TlqSkinMenuSpeedButton : public TlqSkinSpeedButton {
 public:
  explicit TlqSkinMenuSpeedButton(QWidget* parent = nullptr);

  TlqSkinPopupMenu* SkinPopupMenu = nullptr;
  bool MenuOpen() const { return menuOpen_; }
  // Opens the popup menu below the button (what a click does).
  void DropDown();

  void ButtonClick() override;

 protected:
  void DrawSkin(QImage& canvas) override;

 private:
  bool menuOpen_ = false;
  const TlqSkinPopupMenu* hookedMenu_ = nullptr;
};

}  // namespace lq
