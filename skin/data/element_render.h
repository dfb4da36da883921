#pragma once
// One control element of a loaded skin composed at a size, the way a skinned control of
// that element draws itself: the element's corner points decide how it may be sized (its
// slice mode), then the nine-part image or a three-part strip is built from its picture.

#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/descriptors.h"
#include "skin/data/skin_data.h"
#include "skin/data/slice_mode.h"

namespace lq {

SliceMode SliceModeOf(const LqDataSkinCustomControl& element);

// The size a control of this element takes when asked for width x height: a fixed element
// forces its size, a horizontal one its height, a vertical one its width.
void FitElementSize(const LqDataSkinCustomControl& element, int& width, int& height);

struct ElementImage {
  Bitmap image;
  SliceMode sliceMode = SliceMode::None;
};

// Composes element `name` (a control of `skin`) from its rectangle `rectKey` (its skinrect
// when empty, else any rectangle key of the element such as "activeskinrect") at the fitted
// size. False with a message when the element, its picture or the rectangle is missing or
// unusable.
bool RenderControlElement(const LqSkinData& skin, const std::string& name, int width, int height,
                          const std::string& rectKey, ElementImage& out, std::string& error);

}  // namespace lq
