#include "skin/controls/skin_access.h"

#include "skin/controls/control_looks.h"
#include "skin/data/skin_data.h"

namespace lq {

bool SkinLoaded(const LqSkinData* data) {
  return data && !data->Empty;
}

int LookupControl(const LqSkinData* data, const std::string& name) {
  return SkinLoaded(data) ? data->GetControlIndex(name) : -1;
}

const LqDataSkinControl* ControlAt(const LqSkinData* data, int index) {
  if (!SkinLoaded(data) || index < 0 || std::size_t(index) >= data->ControlDescriptors.size())
    return nullptr;
  return data->ControlDescriptors[std::size_t(index)].get();
}

const Bitmap* ActivePicture(const LqSkinData* data, int index) {
  if (!SkinLoaded(data) || index < 0 || std::size_t(index) >= data->ActivePictures.size())
    return nullptr;
  const Bitmap& b = data->ActivePictures[std::size_t(index)];
  return b.empty() ? nullptr : &b;
}

bool SkinEffectsOn(const LqSkinData* data) {
  return SkinLoaded(data) && data->EnableSkinEffects;
}

bool CopyElementGeometry(const LqDataSkinControl* d, SliceGeometry& g, int& pictureIndex,
                         int& maskPictureIndex) {
  const auto* c = dynamic_cast<const LqDataSkinCustomControl*>(d);
  if (!c) return false;
  g.skinrect = c->skinrect;
  g.lefttoppoint = c->lefttoppoint;
  g.righttoppoint = c->righttoppoint;
  g.leftbottompoint = c->leftbottompoint;
  g.rightbottompoint = c->rightbottompoint;
  g.clientrect = c->clientrect;
  g.stretcheffect = c->stretcheffect;
  g.stretchtype = int(c->stretchtype);
  g.leftstretch = c->leftstretch;
  g.topstretch = c->topstretch;
  g.rightstretch = c->rightstretch;
  g.bottomstretch = c->bottomstretch;
  pictureIndex = c->pictureindex;
  maskPictureIndex = c->maskpictureindex;
  return true;
}

Color SkinButtonFace(const LqSkinData* data) {
  return SkinLoaded(data) ? data->SkinColors.cbtnface : Color(0xFF00000F);
}
Color SkinButtonHighlight(const LqSkinData* data) {
  return SkinLoaded(data) ? data->SkinColors.cbtnhighlight : Color(0xFF000014);
}
Color SkinButtonShadow(const LqSkinData* data) {
  return SkinLoaded(data) ? data->SkinColors.cbtnshadow : Color(0xFF000010);
}

namespace {

template <class D>
void CopyFont(const D* d, FontLook& f) {
  f.fontname = d->fontname;
  f.fontheight = d->fontheight;
  f.fontstyle = d->fontstyle;
  f.fontcolor = d->fontcolor;
}

}  // namespace

bool CopyPanelLook(const LqDataSkinControl* d, PanelLook& out) {
  const auto* p = dynamic_cast<const LqDataSkinPanelControl*>(d);
  if (!p) return false;
  out.captionrect = p->captionrect;
  out.alignment = p->alignment;
  CopyFont(p, out.font);
  out.bgpictureindex = p->bgpictureindex;
  out.checkimagerect = p->checkimagerect;
  out.uncheckimagerect = p->uncheckimagerect;
  out.markframerect = p->markframerect;
  out.framerect = p->framerect;
  out.frametextrect = p->frametextrect;
  out.frameleftoffset = p->frameleftoffset;
  out.framerightoffset = p->framerightoffset;
  return true;
}

bool CopyButtonLook(const LqDataSkinControl* d, ButtonLook& out) {
  const auto* b = dynamic_cast<const LqDataSkinButtonControl*>(d);
  if (!b) return false;
  CopyFont(b, out.font);
  out.activefontcolor = b->activefontcolor;
  out.downfontcolor = b->downfontcolor;
  out.disabledfontcolor = b->disabledfontcolor;
  out.activeskinrect = b->activeskinrect;
  out.downskinrect = b->downskinrect;
  out.disabledskinrect = b->disabledskinrect;
  out.focusedskinrect = b->focusedskinrect;
  out.morphing = b->morphing;
  out.morphkind = b->morphkind;
  out.animateskinrect = b->animateskinrect;
  out.framecount = b->framecount;
  out.animateinterval = b->animateinterval;
  out.showfocus = b->showfocus;
  return true;
}

bool CopyCheckLook(const LqDataSkinControl* d, CheckLook& out) {
  const auto* c = dynamic_cast<const LqDataSkinCheckRadioControl*>(d);
  if (!c) return false;
  CopyFont(c, out.font);
  out.activefontcolor = c->activefontcolor;
  out.framefontcolor = c->framefontcolor;
  out.unenabledfontcolor = c->unenabledfontcolor;
  out.activeskinrect = c->activeskinrect;
  out.checkimagearea = c->checkimagearea;
  out.textarea = c->textarea;
  out.checkimagerect = c->checkimagerect;
  out.uncheckimagerect = c->uncheckimagerect;
  out.activecheckimagerect = c->activecheckimagerect;
  out.activeuncheckimagerect = c->activeuncheckimagerect;
  out.unenabledcheckimagerect = c->unenabledcheckimagerect;
  out.unenableduncheckimagerect = c->unenableduncheckimagerect;
  out.grayedcheckimagerect = c->grayedcheckimagerect;
  out.activegrayedcheckimagerect = c->activegrayedcheckimagerect;
  out.morphing = c->morphing;
  out.morphkind = c->morphkind;
  return true;
}

bool CopyLabelFont(const LqDataSkinControl* d, FontLook& out) {
  const auto* l = dynamic_cast<const LqDataSkinLabelControl*>(d);
  if (!l) return false;
  CopyFont(l, out);
  return true;
}

bool CopyStdLabelFont(const LqDataSkinControl* d, FontLook& out) {
  const auto* l = dynamic_cast<const LqDataSkinStdLabelControl*>(d);
  if (!l) return false;
  CopyFont(l, out);
  return true;
}

}  // namespace lq
