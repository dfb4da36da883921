#pragma once
// What a skinned menu takes from a skin: the popup window of [POPUPWINDOW] and the first
// "menuitem" object, with the pictures they point at. A menu copies this at each opening,
// so a skin change never leaves an open menu with dangling pictures.

#include <memory>
#include <optional>
#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"
#include "skin/data/skin_types.h"

namespace lq {

struct MenuFontSpec {
  std::string name = "Arial";
  int height = 14;  // skin convention: > 0 cell height, < 0 character height
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

struct PopupWindowSkin {
  Bitmap window;  // the window picture
  Bitmap mask;    // empty when the skin has none
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect itemsrect;
  Color scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  int stretchtype = 0;
};

struct MenuItemSkin {
  Bitmap active;  // the item's active picture; empty: the item draws no skin background
  Rect skinrect, activeskinrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect dividerrect;
  int dividerleftoffset = 0, dividerrightoffset = 0;
  Rect textrect, imagerect;
  MenuFontSpec font;
  Color fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false, inactivestretcheffect = false, dividerstretcheffect = false;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool inactiveanimation = false, useimagecolor = false;
  Color imagecolor = 0, activeimagecolor = 0;
  bool inactivetransparent = false;
  Rect checkimagerect, activecheckimagerect, radioimagerect, activeradioimagerect;
  Rect arrowimagerect, activearrowimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
};

struct MenuSkin {
  std::optional<PopupWindowSkin> window;  // none: the default look of the window
  std::optional<MenuItemSkin> item;       // none: the default item drawing
  bool effects = true;                    // the skin data's EnableSkinEffects
};

class LqSkinData;

// What menus take from a loaded skin: the popup window when [POPUPWINDOW] names a window
// picture that exists, and the first "menuitem" object. Null without skin data or while it
// is Empty (the default look).
std::shared_ptr<const MenuSkin> MenuSkinFromSkinData(const LqSkinData* data);

}  // namespace lq
