#pragma once
// Tool bar buttons of the dialogs. LqSkinSpeedButton is a button that never takes the
// focus and, when flat, shows only its glyph over the tool bar until the mouse is over it
// or it is pressed. LqSkinMenuSpeedButton drops a skinned popup menu below itself and
// looks pressed while the menu is open.

#include "skin/controls/skin_button.h"

namespace lq {

class LqSkinPopupMenu;

class LqSkinSpeedButton : public LqSkinButton {
 public:
  explicit LqSkinSpeedButton(QWidget* parent = nullptr);

  bool Flat() const { return Flat_; }
  void SetFlat(bool on);
  // True while the button shows no face of its own (flat, idle).
  bool ShowsFlat() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool Flat_ = false;
};

class LqSkinMenuSpeedButton : public LqSkinSpeedButton {
 public:
  explicit LqSkinMenuSpeedButton(QWidget* parent = nullptr);

  LqSkinPopupMenu* SkinPopupMenu = nullptr;
  bool MenuOpen() const { return menuOpen_; }
  // Opens the popup menu below the button (what a click does).
  void DropDown();

  void ButtonClick() override;

 protected:
  void DrawSkin(QImage& canvas) override;

 private:
  bool menuOpen_ = false;
  const LqSkinPopupMenu* hookedMenu_ = nullptr;
};

}  // namespace lq
