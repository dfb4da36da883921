#pragma once
// What a frame takes from a loaded skin, copied at every skin application: the frame
// information, the pictures and the frame objects' descriptor values. A copy keeps the
// frame independent of descriptor lifetimes (they are replaced at every skin change).

#include <string>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"
#include "skin/data/skin_types.h"
#include "skin/frame/frame_metrics.h"

namespace lq {

class LqSkinData;

enum class FrameObjectKind { UserObject, Caption, Button, StdButton, Animate };

// Values of a caption element.
struct CaptionSpec {
  Rect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0;
  TextAlignment alignment = TextAlignment::Center;
  bool light = false;
  Color lightcolor = 0, activelightcolor = 0;
  bool shadow = false;
  Color shadowcolor = 0, activeshadowcolor = 0;
  Rect framerect, activeframerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
  bool stretcheffect = false;
  Rect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool inactiveanimation = false;
  bool fullframe = false;
};

// Values of one frame object element (the fields its kind does not read stay default).
struct ObjectSpec {
  FrameObjectKind kind = FrameObjectKind::UserObject;
  std::string IDName;
  std::string hint;
  bool skinrectinapicture = false;
  Rect skinrect, activeskinrect, inactiveskinrect;
  int activepictureindex = -1;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
  // buttons
  Rect downrect, disableskinrsect;
  // standard buttons and animate objects
  FrameCommand command = FrameCommand::Default;
  Rect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
  // animate objects
  int countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int timerinterval = 50;
  Rect downskinrect;
  // caption
  CaptionSpec caption;
};

struct FrameSkin {
  FrameSkinInfo info;
  Bitmap main;
  Bitmap inactive;
  Bitmap mask;
  std::vector<Bitmap> activePictures;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
  int bgpictureindex = -1;
  bool autorenderinginactiveimage = false;
  InactiveEffect inactiveeffect = InactiveEffect::Brightness;
  bool effectsEnabled = true;
  std::vector<ObjectSpec> objects;

  const Bitmap* ActivePicture(int index) const {
    if (index < 0 || index >= int(activePictures.size())) return nullptr;
    return activePictures[index].empty() ? nullptr : &activePictures[index];
  }
};

// Builds the frame's copy from a loaded skin data component (menu items and menu-bar
// objects are left out: they are not frame objects).
FrameSkin FrameSkinFromSkinData(const LqSkinData& data);

}  // namespace lq
