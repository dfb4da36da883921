#pragma once
// The provenance a result file shows for each listed phrase, read from the origins the
// list keeps (source number, parent item, depth).

#include "harvest/phrase_list.h"
#include "harvest/result_file.h"

namespace longtail {

// Reads `list` when called; the list must outlive the function and not change meanwhile.
ProvenanceOf ProvenanceIn(const PhraseList& list);

}  // namespace longtail
