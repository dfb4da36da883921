#include "harvest/admission.h"

#include "text/ascii_case.h"

namespace longtail {

bool AdmitPhrase(PhraseList& results, const std::string& phrase, bool mustContain,
                 const std::vector<std::string>& memoLines) {
  if (results.ContainsExact(phrase)) return false;
  if (mustContain) {
    bool found = false;
    for (const std::string& line : memoLines) {
      if (ContainsAtCharBoundary(phrase, line)) {
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  results.Append(phrase);
  return true;
}

}  // namespace longtail
