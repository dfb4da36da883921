#pragma once
// Descriptors of skinned controls: one class per control kind of [SKINCONTROLS]. Each field
// is named after the skin.ini key it comes from and starts at that key's default, so a
// descriptor read from an empty section holds the defaults.

#include <string>

#include "skin/data/skin_fields.h"

namespace lq {

// Defines the class name and the [SKINCONTROLS]/[SKINOBJECTS] kind word of a descriptor.
#define LQ_SKIN_DESCRIPTOR(cls, kind)      \
  const char* ClassName() const override { \
    return #cls;                           \
  }                                        \
  const char* Kind() const override {      \
    return kind;                           \
  }

// The font keys many kinds share, in their order: fontname, fontheight, fontstyle, fontcolor.
void VisitFontKeys(SkinFieldVisitor& v, std::string& fontname, int& fontheight,
                   TFontStyles& fontstyle, Color& fontcolor);

class LqDataSkinControl {
 public:
  explicit LqDataSkinControl(std::string name = {}) : IDName(std::move(name)) {}
  virtual ~LqDataSkinControl() = default;

  // Reads the class's keys from the section named IDName, inherited keys first.
  virtual void LoadFromIni(const SkinIni& ini);
  // Erases that section and writes the same keys.
  virtual void SaveToIni(SkinIni& ini);
  // Visits every field in key order, inherited keys first.
  virtual void VisitFields(SkinFieldVisitor& v);
  virtual const char* ClassName() const { return "LqDataSkinControl"; }
  virtual const char* Kind() const { return ""; }

  std::string IDName;
  int pictureindex = -1;
  int maskpictureindex = -1;
  Rect skinrect;

 protected:
  // Adjustments some kinds make after reading.
  virtual void AfterLoad() {}
};

class LqDataSkinCustomControl : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  void VisitFields(SkinFieldVisitor& v) override;
  const char* ClassName() const override { return "LqDataSkinCustomControl"; }

  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
};

class LqDataSkinPanelControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinPanelControl, "panel")
  void VisitFields(SkinFieldVisitor& v) override;
  int bgpictureindex = -1;
  Rect captionrect;
  TextAlignment alignment = TextAlignment::Center;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Rect checkimagerect, uncheckimagerect, markframerect, framerect, frametextrect;
  int frameleftoffset = 0, framerightoffset = 0;
  Rect gripperrect;
  bool grippertransparent = false;
  Color grippertransparentcolor = 0;
};

class LqDataSkinExPanelControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinExPanelControl, "expanel")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect rollhskinrect, rollvskinrect;
  int rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
  Rect rollvcaptionrect, rollhcaptionrect;
  Rect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  Rect hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect;
  Rect hrestorebuttonrect, hrestorebuttonactiverect, hrestorebuttondownrect;
  Rect vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect;
  Rect vrestorebuttonrect, vrestorebuttonactiverect, vrestorebuttondownrect;
  Rect captionrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  bool buttonstransparent = false;
  Color buttonstransparentcolor = 0;
};

class LqDataSkinCheckRadioControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinCheckRadioControl, "checkradio")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
  Rect activeskinrect, checkimagearea, textarea, checkimagerect, uncheckimagerect;
  Rect activecheckimagerect, activeuncheckimagerect, unenabledcheckimagerect;
  Rect unenableduncheckimagerect, grayedcheckimagerect, activegrayedcheckimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
};

class LqDataSkinScrollBarControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinScrollBarControl, "scrollbar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect trackarea;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  Rect thumbrect, activethumbrect, downthumbrect;
  int thumboffset1 = 0, thumboffset2 = 0;
  bool thumbtransparent = false;
  Color thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  int thumbminsize = 0, thumbminpagesize = 0;
  Rect glyphrect, activeglyphrect, downglyphrect;
  bool glyphtransparent = false;
  Color glyphtransparentcolor = 0;
};

class LqDataSkinComboBox : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinComboBox, "combobox")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect, itemrect, activeitemrect, focusitemrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color focusfontcolor = 0, activefontcolor = 0;
  std::string listboxname;
  Rect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  bool itemstretcheffect = false, focusitemstretcheffect = false, showfocus = false;
};

class LqDataSkinSpinEditControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinSpinEditControl, "spinedit")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, disabledfontcolor = 0;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
};

class LqDataSkinLabelControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinLabelControl, "label")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
};

class LqDataSkinSplitterControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinSplitterControl, "splitter")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect gripperrect;
  bool grippertransparent = false;
  Color grippertransparentcolor = 0;
};

class LqDataSkinGaugeControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinGaugeControl, "gauge")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect progressarea, progressrect;
  int beginoffset = 0, endoffset = 0;
  bool vertical = false;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  bool progresstransparent = false;
  Color progresstransparentcolor = 0;
  bool progressstretch = false;
  Rect animationskinrect;
  int animationcountframes = 0, animationtimerinterval = 0;
  Rect progressanimationskinrect;
  int progressanimationcountframes = 0, progressanimationtimerinterval = 0;
  int animationbeginoffset = 0, animationendoffset = 0;
};

class LqDataSkinTrackBarControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinTrackBarControl, "trackbar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect, trackarea, buttonrect, activebuttonrect;
  bool vertical = false, buttontransparent = false;
  Color buttontransparentcolor = 0;
};

class LqDataSkinUpDownControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinUpDownControl, "updown")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;

 protected:
  // An up-down control has no nine-part image: corners and client area are always zero.
  void AfterLoad() override;
};

class LqDataSkinScrollBoxControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinScrollBoxControl, "scrollbox")
  void VisitFields(SkinFieldVisitor& v) override;
  int bgpictureindex = -1;
};

class LqDataSkinControlBar : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinControlBar, "controlbar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemrect;
  int bgpictureindex = -1;
  Rect hgriprect, vgriprect;
  int gripoffset1 = 0, gripoffset2 = 0;
  bool itemstretcheffect = false;
  int itemoffset1 = 3, itemoffset2 = 3;
  bool itemtransparent = false;
  Color itemtransparentcolor = 0;
  bool griptransparent = false;
  Color griptransparentcolor = 0;
};

class LqDataSkinButtonControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinButtonControl, "button")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  Rect activeskinrect, downskinrect, focusedskinrect, disabledskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::Fade;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool showfocus = false;
  Rect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  Color menumarkertransparentcolor = 0;
};

class LqDataSkinMenuButtonControl : public LqDataSkinButtonControl {
 public:
  using LqDataSkinButtonControl::LqDataSkinButtonControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMenuButtonControl, "menubutton")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect trackbuttonrect;
};

class LqDataSkinListBox : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinListBox, "listbox")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemrect, activeitemrect, focusitemrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, focusfontcolor = 0;
  Rect captionrect;
  std::string captionfontname = "Arial";
  int captionfontheight = 14;
  TFontStyles captionfontstyle = 0;
  Color captionfontcolor = 0;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  Rect checkbuttonrect, activecheckbuttonrect, downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar";
  std::string hscrollbarname = "hscrollbar";
  std::string bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;
};

class LqDataSkinCheckListBox : public LqDataSkinListBox {
 public:
  using LqDataSkinListBox::LqDataSkinListBox;
  LQ_SKIN_DESCRIPTOR(LqDataSkinCheckListBox, "checklistbox")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemcheckrect, checkimagerect, uncheckimagerect;
};

class LqDataSkinEditControl : public LqDataSkinCustomControl {
 public:
  using LqDataSkinCustomControl::LqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinEditControl, "edit")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color disabledfontcolor = 0, activefontcolor = 0;
  Rect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class LqDataSkinMemoControl : public LqDataSkinEditControl {
 public:
  using LqDataSkinEditControl::LqDataSkinEditControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMemoControl, "memo")
  void VisitFields(SkinFieldVisitor& v) override;
  Color bgcolor = 0, activebgcolor = 0;
};

// Kinds derived directly from the base: they read no custom-control keys.

class LqDataSkinStdLabelControl : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinStdLabelControl, "stdlabel")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0xFF0000;  // blue
};

class LqDataSkinGridControl : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinGridControl, "grid")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect fixedcellrect, selectcellrect, focuscellrect;
  int fixedcellleftoffset = 0, fixedcellrightoffset = 0;
  Rect fixedcelltextrect;
  int cellleftoffset = 0, cellrightoffset = 0;
  Rect celltextrect;
  int bgpictureindex = -1;
  Color linescolor = 0, bgcolor = 0;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color selectfontcolor = 0, focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  int fixedfontheight = 14;
  TFontStyles fixedfontstyle = 0;
  Color fixedfontcolor = 0;
  bool cellstretcheffect = false, fixedcellstretcheffect = false, showfocus = false;
};

class LqDataSkinTabControl : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinTabControl, "tab")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
  int bgpictureindex = -1;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  int tableftoffset = 0, tabrightoffset = 0;
  Rect tabsbgrect;
  bool tabstretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
  std::string updown;
  bool showfocus = false;
  int focusoffsetx = 0, focusoffsety = 0;
  Rect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  bool buttontransparent = false;
  Color buttontransparentcolor = 0;
};

class LqDataSkinMainMenuBar : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinMainMenuBar, "mainmenubar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemsrect;
  std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
  Color trackmarkcolor = 0, trackmarkactivecolor = 0;
  bool stretcheffect = false, itemtransparent = false;
};

// Tree view, list view and rich edit read the same keys.
class LqDataSkinFontBgControl : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color bgcolor = 0;
};

class LqDataSkinTreeView : public LqDataSkinFontBgControl {
 public:
  using LqDataSkinFontBgControl::LqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinTreeView, "treeview")
};

class LqDataSkinListView : public LqDataSkinFontBgControl {
 public:
  using LqDataSkinFontBgControl::LqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinListView, "listview")
};

class LqDataSkinRichEdit : public LqDataSkinFontBgControl {
 public:
  using LqDataSkinFontBgControl::LqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinRichEdit, "richedit")
};

class LqDataSkinSlider : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinSlider, "slider")
  void VisitFields(SkinFieldVisitor& v) override;
  Color bgcolor = 0;
  Rect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  int edgesize = 0;
  Color pointscolor = 0;
};

class LqDataSkinBevel : public LqDataSkinControl {
 public:
  using LqDataSkinControl::LqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(LqDataSkinBevel, "bevel")
  void VisitFields(SkinFieldVisitor& v) override;
  Color lightcolor = 0, darkcolor = 0;
};

}  // namespace lq
