#include "skin/data/control_descriptors.h"

namespace lq {

void VisitFontKeys(SkinFieldVisitor& v, std::string& fontname, int& fontheight,
                   TFontStyles& fontstyle, Color& fontcolor) {
  v.String("fontname", fontname, "Arial");
  v.Integer("fontheight", fontheight, 14);
  v.FontStyle("fontstyle", fontstyle);
  v.Colour("fontcolor", fontcolor, 0);
}

void LqDataSkinControl::LoadFromIni(const SkinIni& ini) {
  IniFieldReader reader(ini, IDName);
  VisitFields(reader);
  AfterLoad();
}

void LqDataSkinControl::SaveToIni(SkinIni& ini) {
  ini.EraseSection(IDName);
  IniFieldWriter writer(ini, IDName);
  VisitFields(writer);
}

void LqDataSkinControl::VisitFields(SkinFieldVisitor& v) {
  v.Integer("pictureindex", pictureindex, -1);
  v.Integer("maskpictureindex", maskpictureindex, -1);
  v.RectValue("skinrect", skinrect);
}

void LqDataSkinCustomControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("clientrect", clientrect);
  v.Flag("leftstretch", leftstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Flag("stretcheffect", stretcheffect);
  v.StretchTypeValue("stretchtype", stretchtype);
}

void LqDataSkinPanelControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.Integer("bgpictureindex", bgpictureindex, -1);
  v.RectValue("captionrect", captionrect);
  v.Alignment("alignment", alignment);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
  v.RectValue("markframerect", markframerect);
  v.RectValue("framerect", framerect);
  v.RectValue("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset, 0);
  v.Integer("framerightoffset", framerightoffset, 0);
  v.RectValue("gripperrect", gripperrect);
  v.Flag("grippertransparent", grippertransparent);
  v.Colour("grippertransparentcolor", grippertransparentcolor, 0);
}

void LqDataSkinExPanelControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("rollhskinrect", rollhskinrect);
  v.RectValue("rollvskinrect", rollvskinrect);
  v.Integer("rollleftoffset", rollleftoffset, 0);
  v.Integer("rollrightoffset", rollrightoffset, 0);
  v.Integer("rolltopoffset", rolltopoffset, 0);
  v.Integer("rollbottomoffset", rollbottomoffset, 0);
  v.RectValue("rollvcaptionrect", rollvcaptionrect);
  v.RectValue("rollhcaptionrect", rollhcaptionrect);
  v.RectValue("closebuttonrect", closebuttonrect);
  v.RectValue("closebuttonactiverect", closebuttonactiverect);
  v.RectValue("closebuttondownrect", closebuttondownrect);
  v.RectValue("hrollbuttonrect", hrollbuttonrect);
  v.RectValue("hrollbuttonactiverect", hrollbuttonactiverect);
  v.RectValue("hrollbuttondownrect", hrollbuttondownrect);
  v.RectValue("hrestorebuttonrect", hrestorebuttonrect);
  v.RectValue("hrestorebuttonactiverect", hrestorebuttonactiverect);
  v.RectValue("hrestorebuttondownrect", hrestorebuttondownrect);
  v.RectValue("vrollbuttonrect", vrollbuttonrect);
  v.RectValue("vrollbuttonactiverect", vrollbuttonactiverect);
  v.RectValue("vrollbuttondownrect", vrollbuttondownrect);
  v.RectValue("vrestorebuttonrect", vrestorebuttonrect);
  v.RectValue("vrestorebuttonactiverect", vrestorebuttonactiverect);
  v.RectValue("vrestorebuttondownrect", vrestorebuttondownrect);
  v.RectValue("captionrect", captionrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Flag("buttonstransparent", buttonstransparent);
  v.Colour("buttonstransparentcolor", buttonstransparentcolor, 0);
}

void LqDataSkinCheckRadioControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("unenabledfontcolor", unenabledfontcolor, 0);
  v.Colour("framefontcolor", framefontcolor, 0);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("checkimagearea", checkimagearea);
  v.RectValue("textarea", textarea);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
  v.RectValue("activecheckimagerect", activecheckimagerect);
  v.RectValue("activeuncheckimagerect", activeuncheckimagerect);
  v.RectValue("unenabledcheckimagerect", unenabledcheckimagerect);
  v.RectValue("unenableduncheckimagerect", unenableduncheckimagerect);
  v.RectValue("grayedcheckimagerect", grayedcheckimagerect);
  v.RectValue("activegrayedcheckimagerect", activegrayedcheckimagerect);
  v.Flag("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
}

void LqDataSkinScrollBarControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("trackarea", trackarea);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
  v.RectValue("thumbrect", thumbrect);
  v.RectValue("activethumbrect", activethumbrect);
  v.RectValue("downthumbrect", downthumbrect);
  v.Integer("thumboffset1", thumboffset1, 0);
  v.Integer("thumboffset2", thumboffset2, 0);
  v.Flag("thumbtransparent", thumbtransparent);
  v.Colour("thumbtransparentcolor", thumbtransparentcolor, 0);
  v.Flag("thumbstretcheffect", thumbstretcheffect);
  v.Integer("thumbminsize", thumbminsize, 0);
  v.Integer("thumbminpagesize", thumbminpagesize, 0);
  v.RectValue("glyphrect", glyphrect);
  v.RectValue("activeglyphrect", activeglyphrect);
  v.RectValue("downglyphrect", downglyphrect);
  v.Flag("glyphtransparent", glyphtransparent);
  v.Colour("glyphtransparentcolor", glyphtransparentcolor, 0);
}

void LqDataSkinComboBox::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("itemrect", itemrect);
  v.RectValue("activeitemrect", activeitemrect);
  v.RectValue("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.RectValue("itemtextrect", itemtextrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("focusfontcolor", focusfontcolor, 0);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.String("listboxname", listboxname, "");
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("unenabledbuttonrect", unenabledbuttonrect);
  v.Flag("itemstretcheffect", itemstretcheffect);
  v.Flag("focusitemstretcheffect", focusitemstretcheffect);
  v.Flag("showfocus", showfocus);
}

void LqDataSkinSpinEditControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("disabledfontcolor", disabledfontcolor, 0);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
}

void LqDataSkinLabelControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
}

void LqDataSkinSplitterControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("gripperrect", gripperrect);
  v.Flag("grippertransparent", grippertransparent);
  v.Colour("grippertransparentcolor", grippertransparentcolor, 0);
}

void LqDataSkinGaugeControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("progressarea", progressarea);
  v.RectValue("progressrect", progressrect);
  v.Integer("beginoffset", beginoffset, 0);
  v.Integer("endoffset", endoffset, 0);
  v.Flag("vertical", vertical);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Flag("progresstransparent", progresstransparent);
  v.Colour("progresstransparentcolor", progresstransparentcolor, 0);
  v.Flag("progressstretch", progressstretch);
  v.RectValue("animationskinrect", animationskinrect);
  v.Integer("animationcountframes", animationcountframes, 0);
  v.Integer("animationtimerinterval", animationtimerinterval, 0);
  v.RectValue("progressanimationskinrect", progressanimationskinrect);
  v.Integer("progressanimationcountframes", progressanimationcountframes, 0);
  v.Integer("progressanimationtimerinterval", progressanimationtimerinterval, 0);
  v.Integer("animationbeginoffset", animationbeginoffset, 0);
  v.Integer("animationendoffset", animationendoffset, 0);
}

void LqDataSkinTrackBarControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("trackarea", trackarea);
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.Flag("vertical", vertical);
  v.Flag("buttontransparent", buttontransparent);
  v.Colour("buttontransparentcolor", buttontransparentcolor, 0);
}

void LqDataSkinUpDownControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
}

void LqDataSkinUpDownControl::AfterLoad() {
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = Point{};
  clientrect = Rect{};
}

void LqDataSkinScrollBoxControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.Integer("bgpictureindex", bgpictureindex, -1);
}

void LqDataSkinControlBar::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("itemrect", itemrect);
  v.Integer("bgpictureindex", bgpictureindex, -1);
  v.RectValue("hgriprect", hgriprect);
  v.RectValue("vgriprect", vgriprect);
  v.Integer("gripoffset1", gripoffset1, 0);
  v.Integer("gripoffset2", gripoffset2, 0);
  v.Flag("itemstretcheffect", itemstretcheffect);
  v.Integer("itemoffset1", itemoffset1, 3);
  v.Integer("itemoffset2", itemoffset2, 3);
  v.Flag("itemtransparent", itemtransparent);
  v.Colour("itemtransparentcolor", itemtransparentcolor, 0);
  v.Flag("griptransparent", griptransparent);
  v.Colour("griptransparentcolor", griptransparentcolor, 0);
}

void LqDataSkinButtonControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("downfontcolor", downfontcolor, 0);
  v.Colour("disabledfontcolor", disabledfontcolor, 0);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("downskinrect", downskinrect);
  v.RectValue("focusedskinrect", focusedskinrect);
  v.RectValue("disabledskinrect", disabledskinrect);
  v.Flag("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
  v.RectValue("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Flag("showfocus", showfocus);
  v.RectValue("menumarkerflatrect", menumarkerflatrect);
  v.RectValue("menumarkerrect", menumarkerrect);
  v.RectValue("menumarkeractiverect", menumarkeractiverect);
  v.RectValue("menumarkerdownrect", menumarkerdownrect);
  v.Colour("menumarkertransparentcolor", menumarkertransparentcolor, 0);
}

void LqDataSkinMenuButtonControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinButtonControl::VisitFields(v);
  v.RectValue("trackbuttonrect", trackbuttonrect);
}

void LqDataSkinListBox::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("itemrect", itemrect);
  v.RectValue("activeitemrect", activeitemrect);
  v.RectValue("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.RectValue("itemtextrect", itemtextrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("focusfontcolor", focusfontcolor, 0);
  v.RectValue("captionrect", captionrect);
  v.String("captionfontname", captionfontname, "Arial");
  v.Integer("captionfontheight", captionfontheight, 14);
  v.FontStyle("captionfontstyle", captionfontstyle);
  v.Colour("captionfontcolor", captionfontcolor, 0);
  v.RectValue("upbuttonrect", upbuttonrect);
  v.RectValue("activeupbuttonrect", activeupbuttonrect);
  v.RectValue("downupbuttonrect", downupbuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("activedownbuttonrect", activedownbuttonrect);
  v.RectValue("downdownbuttonrect", downdownbuttonrect);
  v.RectValue("checkbuttonrect", checkbuttonrect);
  v.RectValue("activecheckbuttonrect", activecheckbuttonrect);
  v.RectValue("downcheckbuttonrect", downcheckbuttonrect);
  v.String("vscrollbarname", vscrollbarname, "vscrollbar");
  v.String("hscrollbarname", hscrollbarname, "hscrollbar");
  v.String("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
  v.Flag("showfocus", showfocus);
}

void LqDataSkinCheckListBox::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinListBox::VisitFields(v);
  v.RectValue("itemcheckrect", itemcheckrect);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("uncheckimagerect", uncheckimagerect);
}

void LqDataSkinEditControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinCustomControl::VisitFields(v);
  v.RectValue("activeskinrect", activeskinrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("disabledfontcolor", disabledfontcolor, 0);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.RectValue("buttonrect", buttonrect);
  v.RectValue("activebuttonrect", activebuttonrect);
  v.RectValue("downbuttonrect", downbuttonrect);
  v.RectValue("unenabledbuttonrect", unenabledbuttonrect);
}

void LqDataSkinMemoControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinEditControl::VisitFields(v);
  v.Colour("bgcolor", bgcolor, 0);
  v.Colour("activebgcolor", activebgcolor, 0);
}

void LqDataSkinStdLabelControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0xFF0000);
}

void LqDataSkinGridControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.RectValue("fixedcellrect", fixedcellrect);
  v.RectValue("selectcellrect", selectcellrect);
  v.RectValue("focuscellrect", focuscellrect);
  v.Integer("fixedcellleftoffset", fixedcellleftoffset, 0);
  v.Integer("fixedcellrightoffset", fixedcellrightoffset, 0);
  v.RectValue("fixedcelltextrect", fixedcelltextrect);
  v.Integer("cellleftoffset", cellleftoffset, 0);
  v.Integer("cellrightoffset", cellrightoffset, 0);
  v.RectValue("celltextrect", celltextrect);
  v.Integer("bgpictureindex", bgpictureindex, -1);
  v.Colour("linescolor", linescolor, 0);
  v.Colour("bgcolor", bgcolor, 0);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("selectfontcolor", selectfontcolor, 0);
  v.Colour("focusfontcolor", focusfontcolor, 0);
  v.String("fixedfontname", fixedfontname, "Arial");
  v.Integer("fixedfontheight", fixedfontheight, 14);
  v.FontStyle("fixedfontstyle", fixedfontstyle);
  v.Colour("fixedfontcolor", fixedfontcolor, 0);
  v.Flag("cellstretcheffect", cellstretcheffect);
  v.Flag("fixedcellstretcheffect", fixedcellstretcheffect);
  v.Flag("showfocus", showfocus);
}

void LqDataSkinTabControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.RectValue("tabrect", tabrect);
  v.RectValue("activetabrect", activetabrect);
  v.RectValue("focustabrect", focustabrect);
  v.RectValue("mouseintabrect", mouseintabrect);
  v.RectValue("clientrect", clientrect);
  v.Integer("bgpictureindex", bgpictureindex, -1);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.Integer("tableftoffset", tableftoffset, 0);
  v.Integer("tabrightoffset", tabrightoffset, 0);
  v.RectValue("tabsbgrect", tabsbgrect);
  v.Flag("tabstretcheffect", tabstretcheffect);
  v.Flag("leftstretch", leftstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Flag("stretcheffect", stretcheffect);
  v.StretchTypeValue("stretchtype", stretchtype);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("focusfontcolor", focusfontcolor, 0);
  v.Colour("mouseinfontcolor", mouseinfontcolor, 0);
  v.String("updown", updown, "");
  v.Flag("showfocus", showfocus);
  v.Integer("focusoffsetx", focusoffsetx, 0);
  v.Integer("focusoffsety", focusoffsety, 0);
  v.RectValue("closebuttonrect", closebuttonrect);
  v.RectValue("closebuttonactiverect", closebuttonactiverect);
  v.RectValue("closebuttondownrect", closebuttondownrect);
  v.Flag("buttontransparent", buttontransparent);
  v.Colour("buttontransparentcolor", buttontransparentcolor, 0);
}

void LqDataSkinMainMenuBar::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.RectValue("itemsrect", itemsrect);
  v.String("menubaritem", menubaritem, "");
  v.String("closebutton", closebutton, "");
  v.String("minbutton", minbutton, "");
  v.String("maxbutton", maxbutton, "");
  v.String("sysmenubutton", sysmenubutton, "");
  v.Colour("trackmarkcolor", trackmarkcolor, 0);
  v.Colour("trackmarkactivecolor", trackmarkactivecolor, 0);
  v.Flag("stretcheffect", stretcheffect);
  v.Flag("itemtransparent", itemtransparent);
}

void LqDataSkinFontBgControl::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("bgcolor", bgcolor, 0);
}

void LqDataSkinSlider::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.Colour("bgcolor", bgcolor, 0);
  v.RectValue("hrulerrect", hrulerrect);
  v.RectValue("hthumbrect", hthumbrect);
  v.RectValue("vrulerrect", vrulerrect);
  v.RectValue("vthumbrect", vthumbrect);
  v.Integer("edgesize", edgesize, 0);
  v.Colour("pointscolor", pointscolor, 0);
}

void LqDataSkinBevel::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinControl::VisitFields(v);
  v.Colour("lightcolor", lightcolor, 0);
  v.Colour("darkcolor", darkcolor, 0);
}

}  // namespace lq
