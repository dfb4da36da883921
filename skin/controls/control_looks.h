#pragma once
// What each control kind copies from its descriptor on every bind. Keeping copies
// (instead of descriptor pointers) means nothing of an old skin is reached after
// the control has been released.

#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/skin_types.h"

namespace lq {

class LqDataSkinControl;

struct FontLook {
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
};

struct PanelLook {
  Rect captionrect;
  TextAlignment alignment = TextAlignment::Center;
  FontLook font;
  int bgpictureindex = -1;
  Rect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
};

struct ButtonLook {
  FontLook font;
  Color activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  Rect activeskinrect, downskinrect, disabledskinrect, focusedskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool showfocus = false;
};

struct CheckLook {
  FontLook font;
  Color activefontcolor = 0, framefontcolor = 0, unenabledfontcolor = 0;
  Rect activeskinrect, checkimagearea, textarea;
  Rect checkimagerect, uncheckimagerect, activecheckimagerect, activeuncheckimagerect;
  Rect unenabledcheckimagerect, unenableduncheckimagerect;
  Rect grayedcheckimagerect, activegrayedcheckimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
};

// Each returns false (leaving out untouched) when the descriptor is of another kind.
bool CopyPanelLook(const LqDataSkinControl* d, PanelLook& out);
bool CopyButtonLook(const LqDataSkinControl* d, ButtonLook& out);
bool CopyCheckLook(const LqDataSkinControl* d, CheckLook& out);
bool CopyLabelFont(const LqDataSkinControl* d, FontLook& out);
bool CopyStdLabelFont(const LqDataSkinControl* d, FontLook& out);

}  // namespace lq
