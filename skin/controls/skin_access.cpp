#include "skin/controls/skin_access.h"

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

}  // namespace lq
