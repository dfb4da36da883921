#pragma once
// The commands on the result and export lists: copy into the export list, delete, clear,
// filter against the memo lines and build the web-search URLs. They work on the lists'
// PhraseLists (code page 936 bytes) and never touch the harvest run's state.

#include <string>
#include <vector>

#include "harvest/phrase_list.h"

namespace longtail {

// Copies every selected phrase of `from`, first to last, that `to` does not hold yet
// (compared without regard to ASCII letter case).
void CopySelectedPhrases(const PhraseList& from, PhraseList& to);
// Copies every phrase of `from` that `to` does not hold yet.
void CopyAllPhrases(const PhraseList& from, PhraseList& to);
// Copies the current phrase of `from`, if there is one and `to` does not hold it.
void CopyCurrentPhrase(const PhraseList& from, PhraseList& to);
// Appends every phrase of `phrases`, in order, that `to` does not hold yet (a pasted or
// dropped batch: repeats within it are added once).
void AddPhrases(const std::vector<std::string>& phrases, PhraseList& to);
// The selected phrases of `list`, first to last.
std::vector<std::string> SelectedPhrases(const PhraseList& list);
// Deletes the current item of `list`, if any.
void DeleteCurrentPhrase(PhraseList& list);
// Deletes every phrase that contains none of the memo lines. A line is found as a
// substring, byte for byte and with case, starting on a character boundary; an empty
// line is never found, so a memo without non-empty lines empties the list.
void FilterPhrases(PhraseList& list, const std::vector<std::string>& memoLines);

// "http://" + host + path + the phrase's code page 936 bytes URL-encoded, for the two
// search sites.
std::string BaiduSearchUrl(const std::string& host, const std::string& phrase);
std::string GoogleSearchUrl(const std::string& host, const std::string& phrase);
// The phrase a search command uses: the current item when at least one item is
// selected, otherwise none (returns false).
bool SearchPhrase(const PhraseList& list, std::string& phrase);

}  // namespace longtail
