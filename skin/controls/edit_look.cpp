#include "skin/controls/edit_look.h"

#include "skin/controls/control_style.h"
#include "skin/controls/skin_access.h"
#include "skin/data/control_descriptors.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"

namespace lq {

int BindEditLook(const LqSkinData* data, const std::string& name, EditLook& out) {
  const int index = LookupControl(data, name);
  if (index < 0) return -1;
  const auto* d = dynamic_cast<const LqDataSkinEditControl*>(ControlAt(data, index));
  if (!d) return -1;
  EditLook look;
  int mask = -1;
  CopyElementGeometry(d, look.geometry, look.pictureindex, mask);
  look.activeskinrect = d->activeskinrect.isEmpty() ? d->skinrect : d->activeskinrect;
  look.font = FontOf(*d);
  look.activefontcolor = d->activefontcolor;
  look.disabledfontcolor = d->disabledfontcolor;
  look.buttonrect = d->buttonrect;
  look.activebuttonrect = d->activebuttonrect;
  look.downbuttonrect = d->downbuttonrect.isEmpty() ? d->activebuttonrect : d->downbuttonrect;
  look.unenabledbuttonrect = d->unenabledbuttonrect;
  if (const auto* m = dynamic_cast<const LqDataSkinMemoControl*>(d)) {
    look.isMemo = true;
    look.bgcolor = m->bgcolor;
    look.activebgcolor = m->activebgcolor;
  }
  out = look;
  return index;
}

Color SkinDisabledEditColor(const LqSkinData* data) {
  EditLook look;
  if (BindEditLook(data, "edit", look) < 0) return kSysGrayText;
  return look.disabledfontcolor;
}

int EditCharSet(const LqSkinData* data, int fallback) {
  if (data && data->ResourceStrData()) return data->ResourceStrData()->CharSet;
  return fallback;
}

}  // namespace lq
