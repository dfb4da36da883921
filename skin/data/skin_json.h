#pragma once
// JSON descriptions of a loaded skin, printed by `longtail-cli skin info`: rects as
// [l, t, r, b], points as [x, y], flags as true/false, font styles as lists of words,
// integers, colours and enumerations as numbers. Texts are converted from the ANSI code
// page (936) to UTF-8.

#include <string>

#include "skin/data/skin_container.h"
#include "skin/data/skin_data.h"

namespace lq {

// A JSON string literal of the text.
std::string JsonString(const std::string& text);

// {"version", "pictures", "active", "text_length", "info", "objects", "controls"}.
std::string SkinInfoJson(const SkinContainer& container, const LqSkinData& skin);
// {"name", "kind", "class", "fields"} of the first object, else the first control, of that
// name. False when there is neither.
bool ElementJson(LqSkinData& skin, const std::string& name, std::string& out);
// The [FORMINFO] fields plus "popupwindow", "hintwindow" and "skincolors".
std::string FormInfoJson(LqSkinData& skin);

}  // namespace lq
