// Telling the form's skinned controls about a skin change. Placeholder until the control
// base (and its walk over a form's widgets) is merged; no form has skinned controls yet.
#include "skin/frame/lacquer_form.h"

namespace lq {

void TlqLacquerForm::ReleaseControlsSkin() {}
void TlqLacquerForm::ApplyControlsSkin() {}

}  // namespace lq
