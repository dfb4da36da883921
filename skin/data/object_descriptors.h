#pragma once
// Descriptors of frame objects, popup menu items and menu bar items: one class per kind of
// [SKINOBJECTS], fields named after their skin.ini keys.

#include <string>

#include "skin/data/control_descriptors.h"

namespace lq {

class LqDataSkinObject {
 public:
  explicit LqDataSkinObject(std::string name = {}) : IDName(std::move(name)) {}
  virtual ~LqDataSkinObject() = default;

  // Reads the class's keys from the section named IDName, inherited keys first.
  virtual void LoadFromIni(const SkinIni& ini);
  // Erases that section and writes the same keys.
  virtual void SaveToIni(SkinIni& ini);
  virtual void VisitFields(SkinFieldVisitor& v);
  virtual const char* ClassName() const { return "LqDataSkinObject"; }
  virtual const char* Kind() const { return ""; }

  std::string IDName;
  std::string hint;
  bool skinrectinapicture = false;  // rects are in the active picture, not the main one
  Rect skinrect, activeskinrect;
  int activepictureindex = -1;
  Rect inactiveskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;

 protected:
  virtual void AfterLoad() {}
};

// A user object reads only its skinrect.
class LqDataUserObject : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(LqDataUserObject, "userobject")
  void VisitFields(SkinFieldVisitor& v) override;
};

class LqDataSkinButton : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(LqDataSkinButton, "button")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect downrect;
  Rect disableskinrsect;  // the key is spelt so in skin files
};

class LqDataSkinStdButton : public LqDataSkinButton {
 public:
  using LqDataSkinButton::LqDataSkinButton;
  LQ_SKIN_DESCRIPTOR(LqDataSkinStdButton, "stdbutton")
  void VisitFields(SkinFieldVisitor& v) override;
  FrameCommand command = FrameCommand::Default;
  // Images used while the form is maximized.
  Rect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

class LqDataSkinMainMenuBarButton : public LqDataSkinStdButton {
 public:
  using LqDataSkinStdButton::LqDataSkinStdButton;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMainMenuBarButton, "mainmenubarbutton")
};

class LqDataSkinAnimate : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(LqDataSkinAnimate, "animate")
  void VisitFields(SkinFieldVisitor& v) override;
  int countframes = 1;
  bool cycle = false, buttonstyle = false;
  int timerinterval = 50;
  FrameCommand command = FrameCommand::Default;
  Rect downskinrect, restorerect, restoreactiverect, restoredownrect, restoreinactiverect;

 protected:
  void AfterLoad() override { morphing = false; }  // animations never morph
};

class LqDataSkinMenuItem : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMenuItem, "menuitem")
  void VisitFields(SkinFieldVisitor& v) override;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect dividerrect;
  int dividerleftoffset = 0, dividerrightoffset = 0;
  Rect textrect, imagerect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false, inactivestretcheffect = false, dividerstretcheffect = false;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool inactiveanimation = false, useimagecolor = false;
  Color imagecolor = 0, activeimagecolor = 0;
  bool inactivetransparent = false;
  Rect checkimagerect, activecheckimagerect, radioimagerect, activeradioimagerect;
  Rect arrowimagerect, activearrowimagerect;

 protected:
  // An empty active image falls back to the normal one.
  void AfterLoad() override;
};

class LqDataSkinMainMenuItem : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  const char* ClassName() const override { return "LqDataSkinMainMenuItem"; }
  void VisitFields(SkinFieldVisitor& v) override;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect downrect, textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, downfontcolor = 0, unenabledfontcolor = 0;
  bool stretcheffect = false;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool inactiveanimation = false;
};

class LqDataSkinMainMenuBarItem : public LqDataSkinMainMenuItem {
 public:
  using LqDataSkinMainMenuItem::LqDataSkinMainMenuItem;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMainMenuBarItem, "mainmenubaritem")
};

class LqDataSkinCaption : public LqDataSkinObject {
 public:
  using LqDataSkinObject::LqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(LqDataSkinCaption, "caption")
  void VisitFields(SkinFieldVisitor& v) override;
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
  int framecount = 0, animateinterval = 25;
  bool inactiveanimation = false, fullframe = false;
};

}  // namespace lq
