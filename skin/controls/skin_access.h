#pragma once
// The few questions the controls ask of a skin data component, in one place.

#include <string>

#include "skin/controls/slice_geometry.h"
#include "skin/data/bitmap.h"

namespace lq {

class LqSkinData;
class LqDataSkinControl;

// A skin data component that holds a loaded skin.
bool SkinLoaded(const LqSkinData* data);
// Index of the first control descriptor named exactly name, or -1 (also when no skin).
int LookupControl(const LqSkinData* data, const std::string& name);
const LqDataSkinControl* ControlAt(const LqSkinData* data, int index);
// The active picture number index, or null for -1 or an index beyond the list.
const Bitmap* ActivePicture(const LqSkinData* data, int index);
// Morphing and animations run only with a loaded skin and effects switched on.
bool SkinEffectsOn(const LqSkinData* data);

// Copies the element geometry of a custom-control descriptor; false for other kinds.
bool CopyElementGeometry(const LqDataSkinControl* d, SliceGeometry& g, int& pictureIndex,
                         int& maskPictureIndex);

// The skin's colours of pieces without pictures (system colours when unset).
Color SkinButtonFace(const LqSkinData* data);
Color SkinButtonHighlight(const LqSkinData* data);
Color SkinButtonShadow(const LqSkinData* data);

}  // namespace lq
