#pragma once
// Writes a container back out as skin.ini plus its bitmaps, under the file names its
// [PICTURES] section gives, so that packing the directory again yields the same container.

#include <string>

#include "skin/data/skin_container.h"

namespace lq {

// Picture names must stay inside `directory`: absolute names and ".." parts are refused,
// as is a picture whose slot has no name. Creates the directory when needed. Symbolic
// links inside it are never followed: a folder that is a link is refused, and a file that
// is a link is replaced by the written file.
bool UnpackSkinContainer(const SkinContainer& container, const std::string& directory,
                         std::string& error);

}  // namespace lq
