#pragma once
// The few questions the controls ask of a skin data component, in one place.

#include <string>

#include "skin/controls/slice_geometry.h"
#include "skin/data/bitmap.h"

namespace lq {

class TlqSkinData;
class TlqDataSkinControl;

// A skin data component that holds a loaded skin.
bool SkinLoaded(const TlqSkinData* data);
// Index of the first control descriptor named exactly name, or -1 (also when no skin).
int LookupControl(const TlqSkinData* data, const std::string& name);
const TlqDataSkinControl* ControlAt(const TlqSkinData* data, int index);
// The active picture number index, or null for -1 or an index beyond the list.
const Bitmap* ActivePicture(const TlqSkinData* data, int index);
// Morphing and animations run only with a loaded skin and effects switched on.
bool SkinEffectsOn(const TlqSkinData* data);

// Copies the element geometry of a custom-control descriptor; false for other kinds.
bool CopyElementGeometry(const TlqDataSkinControl* d, SliceGeometry& g, int& pictureIndex,
                         int& maskPictureIndex);

// The skin's colours of pieces without pictures (system colours when unset).
Color SkinButtonFace(const TlqSkinData* data);
Color SkinButtonHighlight(const TlqSkinData* data);
Color SkinButtonShadow(const TlqSkinData* data);

}  // namespace lq
