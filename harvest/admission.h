#pragma once

#include <string>
#include <vector>

#include "harvest/phrase_list.h"

namespace longtail {

// Admits a candidate phrase into the result list: dropped when the list already holds it
// (ignoring ASCII letter case); with `mustContain`, dropped unless one of the memo lines
// occurs in it (with case, at a character boundary; an empty line never occurs). Returns
// whether the phrase was appended.
bool AdmitPhrase(PhraseList& results, const std::string& phrase, bool mustContain,
                 const std::vector<std::string>& memoLines);

}  // namespace longtail
