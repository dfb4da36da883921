// The frame's link to the skin data component: its notifications, and the copy of the
// frame information, pictures and object descriptors the frame draws from.
#include <QWidget>

#include "skin/data/skin_data.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

namespace {

void CopyObjectKeys(const LqDataSkinObject& d, ObjectSpec& s) {
  s.IDName = d.IDName;
  s.hint = d.hint;
  s.skinrectinapicture = d.skinrectinapicture;
  s.skinrect = d.skinrect;
  s.activeskinrect = d.activeskinrect;
  s.activepictureindex = d.activepictureindex;
  s.inactiveskinrect = d.inactiveskinrect;
  s.morphing = d.morphing;
  s.morphkind = d.morphkind;
}

// The descriptor as a frame object, or nullopt for kinds that are not frame objects.
std::optional<ObjectSpec> SpecOf(const LqDataSkinObject& d) {
  // Menu items and menu-bar parts belong to the menus.
  if (dynamic_cast<const LqDataSkinMenuItem*>(&d) ||
      dynamic_cast<const LqDataSkinMainMenuItem*>(&d) ||
      dynamic_cast<const LqDataSkinMainMenuBarButton*>(&d))
    return std::nullopt;
  ObjectSpec s;
  CopyObjectKeys(d, s);
  if (auto* b = dynamic_cast<const LqDataSkinButton*>(&d)) {
    s.kind = FrameObjectKind::Button;
    s.downrect = b->downrect;
    s.disableskinrsect = b->disableskinrsect;
    if (auto* std = dynamic_cast<const LqDataSkinStdButton*>(&d)) {
      s.kind = FrameObjectKind::StdButton;
      s.command = std->command;
      s.restorerect = std->restorerect;
      s.restoreactiverect = std->restoreactiverect;
      s.restoredownrect = std->restoredownrect;
      s.restoreinactiverect = std->restoreinactiverect;
    }
    return s;
  }
  if (auto* a = dynamic_cast<const LqDataSkinAnimate*>(&d)) {
    s.kind = FrameObjectKind::Animate;
    s.countframes = a->countframes;
    s.cycle = a->cycle;
    s.buttonstyle = a->buttonstyle;
    s.timerinterval = a->timerinterval;
    s.command = a->command;
    s.downskinrect = a->downskinrect;
    s.restorerect = a->restorerect;
    s.restoreactiverect = a->restoreactiverect;
    s.restoredownrect = a->restoredownrect;
    s.restoreinactiverect = a->restoreinactiverect;
    return s;
  }
  if (auto* c = dynamic_cast<const LqDataSkinCaption*>(&d)) {
    s.kind = FrameObjectKind::Caption;
    CaptionSpec& k = s.caption;
    k.textrect = c->textrect;
    k.fontname = c->fontname;
    k.fontheight = c->fontheight;
    k.fontstyle = c->fontstyle;
    k.fontcolor = c->fontcolor;
    k.activefontcolor = c->activefontcolor;
    k.alignment = c->alignment;
    k.light = c->light;
    k.lightcolor = c->lightcolor;
    k.activelightcolor = c->activelightcolor;
    k.shadow = c->shadow;
    k.shadowcolor = c->shadowcolor;
    k.activeshadowcolor = c->activeshadowcolor;
    k.framerect = c->framerect;
    k.activeframerect = c->activeframerect;
    k.frametextrect = c->frametextrect;
    k.frameleftoffset = c->frameleftoffset;
    k.framerightoffset = c->framerightoffset;
    k.stretcheffect = c->stretcheffect;
    k.animateskinrect = c->animateskinrect;
    k.framecount = c->framecount;
    k.animateinterval = c->animateinterval;
    k.inactiveanimation = c->inactiveanimation;
    k.fullframe = c->fullframe;
    return s;
  }
  if (dynamic_cast<const LqDataUserObject*>(&d)) {
    s.kind = FrameObjectKind::UserObject;
    return s;
  }
  return std::nullopt;
}

}  // namespace

FrameSkin FrameSkinFromSkinData(const LqSkinData& d) {
  FrameSkin f;
  FrameSkinInfo& i = f.info;
  i.pictureWidth = d.MainPicture.width();
  i.pictureHeight = d.MainPicture.height();
  i.lefttoppoint = d.lefttoppoint;
  i.righttoppoint = d.righttoppoint;
  i.leftbottompoint = d.leftbottompoint;
  i.rightbottompoint = d.rightbottompoint;
  i.clientrect = d.clientrect;
  i.captionrect = d.captionrect;
  i.buttonsrect = d.buttonsrect;
  i.buttonsoffset = d.buttonsoffset;
  i.buttonsinleft = d.buttonsinleft;
  i.hittestlefttoppoint = d.hittestlefttoppoint;
  i.hittestrighttoppoint = d.hittestrighttoppoint;
  i.hittestleftbottompoint = d.hittestleftbottompoint;
  i.hittestrightbottompoint = d.hittestrightbottompoint;
  i.maskrectarea = d.maskrectarea;
  i.hasMask = !d.mask.empty() && !d.MaskBitmap.empty();
  i.borderwidth = d.borderwidth;
  i.formminwidth = d.formminwidth;
  f.main = d.MainPicture;
  f.inactive = d.InactivePicture;
  f.mask = d.MaskBitmap;
  f.activePictures = d.ActivePictures;
  f.leftstretch = d.leftstretch;
  f.rightstretch = d.rightstretch;
  f.topstretch = d.topstretch;
  f.bottomstretch = d.bottomstretch;
  f.stretcheffect = d.stretcheffect;
  f.stretchtype = d.stretchtype;
  f.bgpictureindex = d.bgpictureindex;
  f.autorenderinginactiveimage = d.autorenderinginactiveimage;
  f.inactiveeffect = d.inactiveeffect;
  f.effectsEnabled = d.EnableSkinEffects;
  for (const auto& descriptor : d.ObjectDescriptors)
    if (descriptor)
      if (auto def = SpecOf(*descriptor)) f.objects.push_back(std::move(*def));
  return f;
}

void LqLacquerForm::SetSkinData(LqSkinData* data) {
  skinData_ = data;
  if (data) skinnable_ = data->SkinnableForm();
  if (data && !data->Empty)
    skin_ = FrameSkinFromSkinData(*data);
  else
    skin_.reset();
  ApplySkin();
}

void LqLacquerForm::SkinnableChanged(LqSkinData* sender) {
  if (!sender || sender != skinData_) return;
  SetSkinnable(sender->SkinnableForm());
}

void LqLacquerForm::SkinNotification(int message, LqSkinData& sender) {
  switch (message) {
    case SKIN_BEFORE_CHANGE:
      SkinBeforeChange(&sender);
      break;
    case SKIN_CHANGED:
      SkinChanged(&sender);
      break;
    case SKIN_AFTER_CHANGE:
      SkinAfterChange(&sender);
      break;
    case SKIN_FORMSKINNABLE_CHANGED:
      SkinnableChanged(&sender);
      break;
    default:
      break;
  }
}

}  // namespace lq
