#include "harvest/admission.h"

#include "text/ascii_case.h"

namespace longtail {

bool AdmitPhrase(PhraseList& results, const std::string& phrase, bool mustContain,
                 const std::vector<std::string>& memoLines) {
  if (!mustContain) return results.AppendIfAbsent(phrase);
  if (results.ContainsExact(phrase)) return false;
  for (const std::string& line : memoLines)
    if (ContainsAtCharBoundary(phrase, line)) return results.AppendIfAbsent(phrase);
  return false;
}

}  // namespace longtail
