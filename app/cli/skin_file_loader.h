#pragma once
// Reads a compressed skin file for the skin commands: the container's parts and the skin
// data loaded from it.

#include <string>

#include "skin/data/skin_container.h"
#include "skin/data/skin_data.h"

namespace longtail::cli {

// Loads FILE into `container` (and, when `skin` is given, into it). False with a one-line
// error saying what was wrong.
bool LoadSkinFile(const std::string& path, lq::SkinContainer& container, lq::LqSkinData* skin,
                  std::string& error);

}  // namespace longtail::cli
