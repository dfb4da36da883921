#include "harvest/phrase_provenance.h"

#include "harvest/source.h"

namespace longtail {

ProvenanceOf ProvenanceIn(const PhraseList& list) {
  return [&list](std::size_t index) {
    PhraseProvenance from;
    const PhraseOrigin origin = list.Origin(static_cast<int>(index));
    const std::vector<Source>& sources = AllSources();
    if (origin.source > 0 && origin.source <= sources.size())
      from.source = sources[origin.source - 1].id;
    if (origin.parent != PhraseOrigin::kNoParent &&
        origin.parent < static_cast<std::uint32_t>(list.Count()))
      from.parent = list.Item(static_cast<int>(origin.parent));
    from.depth = origin.depth;
    return from;
  };
}

}  // namespace longtail
