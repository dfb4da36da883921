#pragma once
// The skin's resource strings for the English face: the skinning layer's English defaults
// (system menu, caption button hints, edit menus, message buttons) and the English texts
// of the file dialogs' keys that the defaults lack. The Chinese face attaches no table, so
// the controls keep their built-in Chinese texts.

#include <memory>

#include "skin/data/resource_str_data.h"

namespace longtail {

std::unique_ptr<lq::LqResourceStrData> EnglishSkinTexts();

}  // namespace longtail
