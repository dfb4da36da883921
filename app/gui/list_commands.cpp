#include "app/gui/list_commands.h"

#include "harvest/source.h"
#include "text/ascii_case.h"

namespace longtail {

namespace {

void CopyIfAbsent(const std::string& phrase, PhraseList& to) {
  if (!to.ContainsExact(phrase)) to.Append(phrase);
}

bool ContainsAnyLine(const std::string& phrase, const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    if (!line.empty() && ContainsAtCharBoundary(phrase, line)) return true;
  return false;
}

}  // namespace

void CopySelectedPhrases(const PhraseList& from, PhraseList& to) {
  if (from.SelectedCount() == 0) return;
  for (int i = 0; i < from.Count(); ++i)
    if (from.Selected(i)) CopyIfAbsent(from.Item(i), to);
}

void CopyAllPhrases(const PhraseList& from, PhraseList& to) {
  for (int i = 0; i < from.Count(); ++i) CopyIfAbsent(from.Item(i), to);
}

void CopyCurrentPhrase(const PhraseList& from, PhraseList& to) {
  const int current = from.ItemIndex();
  if (current >= 0 && current < from.Count()) CopyIfAbsent(from.Item(current), to);
}

void AddPhrases(const std::vector<std::string>& phrases, PhraseList& to) {
  for (const std::string& phrase : phrases) CopyIfAbsent(phrase, to);
}

std::vector<std::string> SelectedPhrases(const PhraseList& list) {
  std::vector<std::string> selected;
  if (list.SelectedCount() == 0) return selected;
  selected.reserve(static_cast<std::size_t>(list.SelectedCount()));
  for (int i = 0; i < list.Count(); ++i)
    if (list.Selected(i)) selected.push_back(list.Item(i));
  return selected;
}

void DeleteCurrentPhrase(PhraseList& list) {
  const int current = list.ItemIndex();
  if (current >= 0 && current < list.Count()) list.Delete(current);
}

void FilterPhrases(PhraseList& list, const std::vector<std::string>& memoLines) {
  list.RemoveIf([&](const std::string& phrase) { return !ContainsAnyLine(phrase, memoLines); });
}

std::string BaiduSearchUrl(const std::string& host, const std::string& phrase) {
  return "http://" + host + "/s?wd=" + EncodeQueryValue(phrase, TextEncoding::CodePage936);
}

std::string GoogleSearchUrl(const std::string& host, const std::string& phrase) {
  return "http://" + host + "/search?q=" + EncodeQueryValue(phrase, TextEncoding::CodePage936);
}

bool SearchPhrase(const PhraseList& list, std::string& phrase) {
  const int current = list.ItemIndex();
  if (list.SelectedCount() == 0 || current < 0 || current >= list.Count()) return false;
  phrase = list.Item(current);
  return true;
}

}  // namespace longtail
