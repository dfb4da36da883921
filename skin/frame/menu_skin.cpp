#include "skin/frame/menu_skin.h"

#include "skin/data/skin_data.h"

namespace lq {
namespace {

const Bitmap* Picture(const LqSkinData& data, int index) {
  if (index < 0 || index >= int(data.ActivePictures.size())) return nullptr;
  const Bitmap& b = data.ActivePictures[std::size_t(index)];
  return b.empty() ? nullptr : &b;
}

MenuFontSpec Font(const std::string& name, int height, TFontStyles style) {
  MenuFontSpec f;
  f.name = name;
  f.height = height;
  f.bold = style & fsBold;
  f.italic = style & fsItalic;
  f.underline = style & fsUnderline;
  f.strikeOut = style & fsStrikeOut;
  return f;
}

}  // namespace

std::shared_ptr<const MenuSkin> MenuSkinFromSkinData(const LqSkinData* data) {
  if (!data || data->Empty) return nullptr;
  auto skin = std::make_shared<MenuSkin>();
  skin->effects = data->EnableSkinEffects;
  const LqDataSkinPopupWindow& pw = data->PopupWindowDescriptor;
  // A window picture index that names no picture counts like -1: without the picture the
  // window's size rules have nothing to measure.
  if (const Bitmap* picture = Picture(*data, pw.windowpictureindex)) {
    PopupWindowSkin w;
    w.window = *picture;
    if (const Bitmap* mask = Picture(*data, pw.maskpictureindex)) w.mask = *mask;
    w.lefttoppoint = pw.lefttoppoint;
    w.righttoppoint = pw.righttoppoint;
    w.leftbottompoint = pw.leftbottompoint;
    w.rightbottompoint = pw.rightbottompoint;
    w.itemsrect = pw.itemsrect;
    w.scrollmarkercolor = pw.scrollmarkercolor;
    w.scrollmarkeractivecolor = pw.scrollmarkeractivecolor;
    w.leftstretch = pw.leftstretch;
    w.rightstretch = pw.rightstretch;
    w.topstretch = pw.topstretch;
    w.bottomstretch = pw.bottomstretch;
    w.stretcheffect = pw.stretcheffect;
    w.stretchtype = int(pw.stretchtype);
    skin->window = std::move(w);
  }
  for (const auto& object : data->ObjectDescriptors) {
    const auto* d = dynamic_cast<const LqDataSkinMenuItem*>(object.get());
    if (!d) continue;
    MenuItemSkin i;
    if (const Bitmap* active = Picture(*data, d->activepictureindex)) i.active = *active;
    i.skinrect = d->skinrect;
    i.activeskinrect = d->activeskinrect;
    i.itemleftoffset = d->itemleftoffset;
    i.itemrightoffset = d->itemrightoffset;
    i.dividerrect = d->dividerrect;
    i.dividerleftoffset = d->dividerleftoffset;
    i.dividerrightoffset = d->dividerrightoffset;
    i.textrect = d->textrect;
    i.imagerect = d->imagerect;
    i.font = Font(d->fontname, d->fontheight, d->fontstyle);
    i.fontcolor = d->fontcolor;
    i.activefontcolor = d->activefontcolor;
    i.unenabledfontcolor = d->unenabledfontcolor;
    i.stretcheffect = d->stretcheffect;
    i.inactivestretcheffect = d->inactivestretcheffect;
    i.dividerstretcheffect = d->dividerstretcheffect;
    i.animateskinrect = d->animateskinrect;
    i.framecount = d->framecount;
    i.animateinterval = std::max(d->animateinterval, 1);
    i.inactiveanimation = d->inactiveanimation;
    i.useimagecolor = d->useimagecolor;
    i.imagecolor = d->imagecolor;
    i.activeimagecolor = d->activeimagecolor;
    i.inactivetransparent = d->inactivetransparent;
    i.checkimagerect = d->checkimagerect;
    i.activecheckimagerect = d->activecheckimagerect;
    i.radioimagerect = d->radioimagerect;
    i.activeradioimagerect = d->activeradioimagerect;
    i.arrowimagerect = d->arrowimagerect;
    i.activearrowimagerect = d->activearrowimagerect;
    i.morphing = d->morphing;
    i.morphkind = d->morphkind;
    skin->item = std::move(i);
    break;
  }
  return skin;
}

}  // namespace lq
