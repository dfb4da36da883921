#include "skin/data/window_descriptors.h"

namespace lq {
namespace {

template <class T>
void LoadFixed(T& descriptor, const SkinIni& ini) {
  IniFieldReader reader(ini, T::kSection);
  descriptor.VisitFields(reader);
}

template <class T>
void SaveFixed(T& descriptor, SkinIni& ini) {
  ini.EraseSection(T::kSection);
  IniFieldWriter writer(ini, T::kSection);
  descriptor.VisitFields(writer);
}

}  // namespace

void LqDataSkinPopupWindow::LoadFromIni(const SkinIni& ini) {
  LoadFixed(*this, ini);
}
void LqDataSkinPopupWindow::SaveToIni(SkinIni& ini) {
  SaveFixed(*this, ini);
}

void LqDataSkinPopupWindow::VisitFields(SkinFieldVisitor& v) {
  v.Integer("windowpictureindex", windowpictureindex, -1);
  v.Integer("maskpictureindex", maskpictureindex, -1);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("itemsrect", itemsrect);
  v.Colour("scrollmarkercolor", scrollmarkercolor, 0);
  v.Colour("scrollmarkeractivecolor", scrollmarkeractivecolor, 0);
  v.Flag("leftstretch", leftstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Flag("stretcheffect", stretcheffect);
  v.StretchTypeValue("stretchtype", stretchtype);
}

void LqDataSkinHintWindow::LoadFromIni(const SkinIni& ini) {
  LoadFixed(*this, ini);
}
void LqDataSkinHintWindow::SaveToIni(SkinIni& ini) {
  SaveFixed(*this, ini);
}

void LqDataSkinHintWindow::VisitFields(SkinFieldVisitor& v) {
  v.Integer("windowpictureindex", windowpictureindex, -1);
  v.Integer("maskpictureindex", maskpictureindex, -1);
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("clientrect", clientrect);
  v.String("fontname", fontname, "Arial");
  v.Integer("fontheight", fontheight, 14);
  v.FontStyle("fontstyle", fontstyle);
  v.Colour("fontcolor", fontcolor, 0);
  v.Flag("leftstretch", leftstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Flag("stretcheffect", stretcheffect);
  v.StretchTypeValue("stretchtype", stretchtype);
}

void LqSkinColors::LoadFromIni(const SkinIni& ini) {
  LoadFixed(*this, ini);
}
void LqSkinColors::SaveToIni(SkinIni& ini) {
  SaveFixed(*this, ini);
}

void LqSkinColors::VisitFields(SkinFieldVisitor& v) {
  v.Colour("cbtnface", cbtnface, clBtnFace);
  v.Colour("cbtntext", cbtntext, clBtnText);
  v.Colour("cwindow", cwindow, clWindow);
  v.Colour("cwindowtext", cwindowtext, clWindowText);
  v.Colour("chighlight", chighlight, clHighlight);
  v.Colour("chighlighttext", chighlighttext, clHighlightText);
  v.Colour("cbtnhighlight", cbtnhighlight, clBtnHighlight);
  v.Colour("cbtnshadow", cbtnshadow, clBtnShadow);
}

}  // namespace lq
