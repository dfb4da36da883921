#include "skin/data/object_descriptors.h"

namespace lq {

void LqDataSkinObject::LoadFromIni(const SkinIni& ini) {
  IniFieldReader reader(ini, IDName);
  VisitFields(reader);
  AfterLoad();
}

void LqDataSkinObject::SaveToIni(SkinIni& ini) {
  ini.EraseSection(IDName);
  IniFieldWriter writer(ini, IDName);
  VisitFields(writer);
}

void LqDataSkinObject::VisitFields(SkinFieldVisitor& v) {
  v.String("hint", hint, "");
  v.Integer("activepictureindex", activepictureindex, -1);
  v.Flag("skinrectinapicture", skinrectinapicture);
  v.RectValue("skinrect", skinrect);
  v.RectValue("activeskinrect", activeskinrect);
  v.RectValue("inactiveskinrect", inactiveskinrect);
  v.Flag("morphing", morphing);
  v.MorphKindValue("morphkind", morphkind);
}

void LqDataUserObject::VisitFields(SkinFieldVisitor& v) {
  v.RectValue("skinrect", skinrect);
}

void LqDataSkinButton::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinObject::VisitFields(v);
  v.RectValue("downrect", downrect);
  v.RectValue("disableskinrsect", disableskinrsect);
}

void LqDataSkinStdButton::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinButton::VisitFields(v);
  v.Command("command", command, FrameCommand::Default);
  v.RectValue("restorerect", restorerect);
  v.RectValue("restoreactiverect", restoreactiverect);
  v.RectValue("restoredownrect", restoredownrect);
  v.RectValue("restoreinactiverect", restoreinactiverect);
}

void LqDataSkinAnimate::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinObject::VisitFields(v);
  v.Integer("countframes", countframes, 1);
  v.Flag("cycle", cycle);
  v.Flag("buttonstyle", buttonstyle);
  v.Integer("timerinterval", timerinterval, 50);
  v.Command("command", command, FrameCommand::Default);
  v.RectValue("downskinrect", downskinrect);
  v.RectValue("restorerect", restorerect);
  v.RectValue("restoreactiverect", restoreactiverect);
  v.RectValue("restoredownrect", restoredownrect);
  v.RectValue("restoreinactiverect", restoreinactiverect);
}

void LqDataSkinMenuItem::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.RectValue("dividerrect", dividerrect);
  v.Integer("dividerleftoffset", dividerleftoffset, 0);
  v.Integer("dividerrightoffset", dividerrightoffset, 0);
  v.RectValue("textrect", textrect);
  v.RectValue("imagerect", imagerect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("unenabledfontcolor", unenabledfontcolor, 0);
  v.Flag("stretcheffect", stretcheffect);
  v.Flag("inactivestretcheffect", inactivestretcheffect);
  v.Flag("dividerstretcheffect", dividerstretcheffect);
  v.RectValue("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Flag("inactiveanimation", inactiveanimation);
  v.Flag("useimagecolor", useimagecolor);
  v.Colour("imagecolor", imagecolor, 0);
  v.Colour("activeimagecolor", activeimagecolor, 0);
  v.Flag("inactivetransparent", inactivetransparent);
  v.RectValue("checkimagerect", checkimagerect);
  v.RectValue("activecheckimagerect", activecheckimagerect);
  v.RectValue("radioimagerect", radioimagerect);
  v.RectValue("activeradioimagerect", activeradioimagerect);
  v.RectValue("arrowimagerect", arrowimagerect);
  v.RectValue("activearrowimagerect", activearrowimagerect);
}

void LqDataSkinMenuItem::AfterLoad() {
  if (activecheckimagerect.isEmpty()) activecheckimagerect = checkimagerect;
  if (activeradioimagerect.isEmpty()) activeradioimagerect = radioimagerect;
  if (activearrowimagerect.isEmpty()) activearrowimagerect = arrowimagerect;
}

void LqDataSkinMainMenuItem::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.RectValue("downrect", downrect);
  v.RectValue("textrect", textrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Colour("downfontcolor", downfontcolor, 0);
  v.Colour("unenabledfontColor", unenabledfontcolor, 0);
  v.Flag("stretcheffect", stretcheffect);
  v.RectValue("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Flag("inactiveanimation", inactiveanimation);
}

void LqDataSkinCaption::VisitFields(SkinFieldVisitor& v) {
  LqDataSkinObject::VisitFields(v);
  v.RectValue("textrect", textrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Colour("activefontcolor", activefontcolor, 0);
  v.Alignment("alignment", alignment);
  v.Flag("light", light);
  v.Colour("lightcolor", lightcolor, 0);
  v.Colour("activelightcolor", activelightcolor, 0);
  v.Flag("shadow", shadow);
  v.Colour("shadowcolor", shadowcolor, 0);
  v.Colour("activeshadowcolor", activeshadowcolor, 0);
  v.RectValue("framerect", framerect);
  v.RectValue("activeframerect", activeframerect);
  v.RectValue("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset, 0);
  v.Integer("framerightoffset", framerightoffset, 0);
  v.Flag("stretcheffect", stretcheffect);
  v.RectValue("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Flag("inactiveanimation", inactiveanimation);
  v.Flag("fullframe", fullframe);
}

}  // namespace lq
