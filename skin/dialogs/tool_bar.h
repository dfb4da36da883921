#pragma once
// LqSkinToolBar: the strip across the top of the file window, a borderless panel drawn
// from the "toolpanel" element that holds the look-in label, folder box and tool buttons.

#include "skin/controls/skin_panel.h"

namespace lq {

class LqSkinToolBar : public LqSkinPanel {
 public:
  explicit LqSkinToolBar(QWidget* parent = nullptr) : LqSkinPanel(parent) {
    SetSkinDataName("toolpanel");
    SetBorderStyle(BevelStyle::None);
  }
};

}  // namespace lq
