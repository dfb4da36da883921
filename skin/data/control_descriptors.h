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

class TlqDataSkinControl {
 public:
  explicit TlqDataSkinControl(std::string name = {}) : IDName(std::move(name)) {}
  virtual ~TlqDataSkinControl() = default;

  // Reads the class's keys from the section named IDName, inherited keys first.
  virtual void LoadFromIni(const SkinIni& ini);
  // Erases that section and writes the same keys.
  virtual void SaveToIni(SkinIni& ini);
  // Visits every field in key order, inherited keys first.
  virtual void VisitFields(SkinFieldVisitor& v);
  virtual const char* ClassName() const { return "TlqDataSkinControl"; }
  virtual const char* Kind() const { return ""; }

  std::string IDName;
  int pictureindex = -1;
  int maskpictureindex = -1;
  Rect skinrect;

 protected:
  // Adjustments some kinds make after reading.
  virtual void AfterLoad() {}
};

class TlqDataSkinCustomControl : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  void VisitFields(SkinFieldVisitor& v) override;
  const char* ClassName() const override { return "TlqDataSkinCustomControl"; }

  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  bool stretcheffect = false;
  TlqStretchType stretchtype = stFull;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
};

class TlqDataSkinPanelControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinPanelControl, "panel")
  void VisitFields(SkinFieldVisitor& v) override;
  int bgpictureindex = -1;
  Rect captionrect;
  TAlignment alignment = taCenter;
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

class TlqDataSkinExPanelControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinExPanelControl, "expanel")
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

class TlqDataSkinCheckRadioControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinCheckRadioControl, "checkradio")
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
  TlqMorphKind morphkind = mkDefault;
};

class TlqDataSkinScrollBarControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinScrollBarControl, "scrollbar")
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

class TlqDataSkinComboBox : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinComboBox, "combobox")
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

class TlqDataSkinSpinEditControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinSpinEditControl, "spinedit")
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

class TlqDataSkinLabelControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinLabelControl, "label")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
};

class TlqDataSkinSplitterControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinSplitterControl, "splitter")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect gripperrect;
  bool grippertransparent = false;
  Color grippertransparentcolor = 0;
};

class TlqDataSkinGaugeControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinGaugeControl, "gauge")
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

class TlqDataSkinTrackBarControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinTrackBarControl, "trackbar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect, trackarea, buttonrect, activebuttonrect;
  bool vertical = false, buttontransparent = false;
  Color buttontransparentcolor = 0;
};

class TlqDataSkinUpDownControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinUpDownControl, "updown")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  Rect downbuttonrect, activedownbuttonrect, downdownbuttonrect;

 protected:
  // An up-down control has no nine-part image: corners and client area are always zero.
  void AfterLoad() override;
};

class TlqDataSkinScrollBoxControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinScrollBoxControl, "scrollbox")
  void VisitFields(SkinFieldVisitor& v) override;
  int bgpictureindex = -1;
};

class TlqDataSkinControlBar : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinControlBar, "controlbar")
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

class TlqDataSkinButtonControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinButtonControl, "button")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  Rect activeskinrect, downskinrect, focusedskinrect, disabledskinrect;
  bool morphing = false;
  TlqMorphKind morphkind = mkDefault;
  Rect animateskinrect;
  int framecount = 0, animateinterval = 25;
  bool showfocus = false;
  Rect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  Color menumarkertransparentcolor = 0;
};

class TlqDataSkinMenuButtonControl : public TlqDataSkinButtonControl {
 public:
  using TlqDataSkinButtonControl::TlqDataSkinButtonControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMenuButtonControl, "menubutton")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect trackbuttonrect;
};

class TlqDataSkinListBox : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinListBox, "listbox")
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

class TlqDataSkinCheckListBox : public TlqDataSkinListBox {
 public:
  using TlqDataSkinListBox::TlqDataSkinListBox;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinCheckListBox, "checklistbox")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemcheckrect, checkimagerect, uncheckimagerect;
};

class TlqDataSkinEditControl : public TlqDataSkinCustomControl {
 public:
  using TlqDataSkinCustomControl::TlqDataSkinCustomControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinEditControl, "edit")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color disabledfontcolor = 0, activefontcolor = 0;
  Rect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class TlqDataSkinMemoControl : public TlqDataSkinEditControl {
 public:
  using TlqDataSkinEditControl::TlqDataSkinEditControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMemoControl, "memo")
  void VisitFields(SkinFieldVisitor& v) override;
  Color bgcolor = 0, activebgcolor = 0;
};

// Kinds derived directly from the base: they read no custom-control keys.

class TlqDataSkinStdLabelControl : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinStdLabelControl, "stdlabel")
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color activefontcolor = 0xFF0000;  // blue
};

class TlqDataSkinGridControl : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinGridControl, "grid")
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

class TlqDataSkinTabControl : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinTabControl, "tab")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
  int bgpictureindex = -1;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  int tableftoffset = 0, tabrightoffset = 0;
  Rect tabsbgrect;
  bool tabstretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  TlqStretchType stretchtype = stFull;
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

class TlqDataSkinMainMenuBar : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinMainMenuBar, "mainmenubar")
  void VisitFields(SkinFieldVisitor& v) override;
  Rect itemsrect;
  std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
  Color trackmarkcolor = 0, trackmarkactivecolor = 0;
  bool stretcheffect = false, itemtransparent = false;
};

// Tree view, list view and rich edit read the same keys.
class TlqDataSkinFontBgControl : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  void VisitFields(SkinFieldVisitor& v) override;
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0;
  Color bgcolor = 0;
};

class TlqDataSkinTreeView : public TlqDataSkinFontBgControl {
 public:
  using TlqDataSkinFontBgControl::TlqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinTreeView, "treeview")
};

class TlqDataSkinListView : public TlqDataSkinFontBgControl {
 public:
  using TlqDataSkinFontBgControl::TlqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinListView, "listview")
};

class TlqDataSkinRichEdit : public TlqDataSkinFontBgControl {
 public:
  using TlqDataSkinFontBgControl::TlqDataSkinFontBgControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinRichEdit, "richedit")
};

class TlqDataSkinSlider : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinSlider, "slider")
  void VisitFields(SkinFieldVisitor& v) override;
  Color bgcolor = 0;
  Rect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  int edgesize = 0;
  Color pointscolor = 0;
};

class TlqDataSkinBevel : public TlqDataSkinControl {
 public:
  using TlqDataSkinControl::TlqDataSkinControl;
  LQ_SKIN_DESCRIPTOR(TlqDataSkinBevel, "bevel")
  void VisitFields(SkinFieldVisitor& v) override;
  Color lightcolor = 0, darkcolor = 0;
};

}  // namespace lq
