#pragma once
// One writer for a result list in any ResultFormat, used by export, auto-save and the
// tool. Phrases arrive in UTF-8 as the lists hold them; the keyword list converts them to
// code page 936, every other format is UTF-8. Every file is replaced atomically.

#include <functional>
#include <string>
#include <vector>

#include "harvest/result_format.h"

namespace longtail {

// Where a listed phrase came from. Empty texts and depth 0 when nothing is known.
struct PhraseProvenance {
  std::string source;  // source id, ASCII
  std::string parent;  // the phrase whose answer named it, UTF-8 like the phrase
  int depth = 0;       // seeds are depth 0
};

// Provenance of the phrase at `index` of the list; an empty function means none known.
using ProvenanceOf = std::function<PhraseProvenance(std::size_t index)>;

// The whole content of a result file.
std::string ResultFileBytes(ResultFormat format, const std::vector<std::string>& phrases,
                            const ProvenanceOf& provenance = {});

// Writes the list to `path` with WriteFileAtomically: a failed write keeps the previous
// file and sets `error` to `Cannot create file "<path>". <reason>`.
bool WriteResultFile(const std::string& path, ResultFormat format,
                     const std::vector<std::string>& phrases, std::string& error,
                     const ProvenanceOf& provenance = {});

}  // namespace longtail
