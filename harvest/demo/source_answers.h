#pragma once
// The demo service's answers in the format of each source other than the classic pair
// (whose answers demo_service.h writes), in the source's declared encoding.

#include <string>
#include <string_view>
#include <vector>

#include "harvest/source.h"

namespace longtail::demo {

// The body a source's service gives for `query` (UTF-8) naming `phrases` (UTF-8).
std::string SourceAnswer(const Source& source, std::string_view query,
                         const std::vector<std::string>& phrases);

// The Content-Type that goes with it.
std::string SourceAnswerType(const Source& source);

}  // namespace longtail::demo
