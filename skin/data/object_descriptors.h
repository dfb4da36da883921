#pragma once
// Descriptors of frame objects, popup menu items and menu bar items: one class per kind of
// [SKINOBJECTS], fields named after their skin.ini keys.

#include <string>

#include "skin/data/control_descriptors.h"

namespace lq {

class TlqDataSkinObject {
 public:
  explicit TlqDataSkinObject(std::string name = {}) : IDName(std::move(name)) {}
  virtual ~TlqDataSkinObject() = default;

  // Reads the class's keys from the section named IDName, inherited keys first.
  virtual void LoadFromIni(const SkinIni& ini);
  // Erases that section and writes the same keys.
  virtual void SaveToIni(SkinIni& ini);
  virtual void VisitFields(SkinFieldVisitor& v);
  virtual const char* ClassName() const { return "TlqDataSkinObject"; }
  virtual const char* Kind() const { return ""; }

  std::string IDName;
  std::string hint;
  bool skinrectinapicture = false;  // rects are in the active picture, not the main one
  Rect skinrect, activeskinrect;
  int activepictureindex = -1;
  Rect inactiveskinrect;
  bool morphing = false;
  TlqMorphKind morphkind = mkDefault;

 protected:
  virtual void AfterLoad() {}
};

// A user object reads only its skinrect.
class TlqDataUserObject : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(TlqDataUserObject, "userobject")
  void VisitFields(SkinFieldVisitor& v) override;
};

class TlqDataSkinButton : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinButton, "button")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect downrect;
  Rect disableskinrsect;  // the key is spelt so in skin files
};

class TlqDataSkinStdButton : public TlqDataSkinButton {
 public:
  using TlqDataSkinButton::TlqDataSkinButton;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinStdButton, "stdbutton")
  void VisitFields(SkinFieldVisitor& v) override;
  TlqStdCommand command = cmDefault;
  // Images used while the form is maximized.
  Rect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
};

class TlqDataSkinMainMenuBarButton : public TlqDataSkinStdButton {
 public:
  using TlqDataSkinStdButton::TlqDataSkinStdButton;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMainMenuBarButton, "mainmenubarbutton")
};

class TlqDataSkinAnimate : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinAnimate, "animate")
  void VisitFields(SkinFieldVisitor& v) override;
  int countframes = 1;
  bool cycle = false, buttonstyle = false;
  int timerinterval = 50;
  TlqStdCommand command = cmDefault;
  Rect downskinrect, restorerect, restoreactiverect, restoredownrect, restoreinactiverect;

 protected:
  void AfterLoad() override { morphing = false; }  // animations never morph
};

class TlqDataSkinMenuItem : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMenuItem, "menuitem")
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

class TlqDataSkinMainMenuItem : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  const char* ClassName() const override { return "TlqDataSkinMainMenuItem"; }
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

class TlqDataSkinMainMenuBarItem : public TlqDataSkinMainMenuItem {
 public:
  using TlqDataSkinMainMenuItem::TlqDataSkinMainMenuItem;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMainMenuBarItem, "mainmenubaritem")
};

class TlqDataSkinCaption : public TlqDataSkinObject {
 public:
  using TlqDataSkinObject::TlqDataSkinObject;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinCaption, "caption")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0;
  TAlignment alignment = taCenter;
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
