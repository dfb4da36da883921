// The form's skinned controls follow the frame through a skin change.
#include "skin/controls/skin_client.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

void LqLacquerForm::ReleaseControlsSkin(LqSkinData* changing) {
  if (form_) ReleaseFormControlsSkin(form_, changing);
}

void LqLacquerForm::ApplyControlsSkin(LqSkinData* changing) {
  if (form_) ApplyFormControlsSkin(form_, changing);
}

}  // namespace lq
