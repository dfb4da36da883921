#pragma once
// Reading the two classic services' answers: the body decoding, the suggestion array of
// escaped strings, and the related-searches block of the results page. Phrases come out in
// UTF-8; sources.h has the readers of every other source.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace longtail {

// Cuts `text` at every occurrence of `delimiter` (left to right, no overlaps). Empty pieces
// are kept; a text without the delimiter is one piece; an empty text gives no pieces. An
// empty delimiter cuts nothing.
std::vector<std::string> SplitAt(std::string_view text, std::string_view delimiter);

// The working text (UTF-8) of a classic answer body, which may come in either encoding: a
// body that is well-formed UTF-8 is used as received, anything else is read as code page
// 936 (GB18030's four-byte codes included).
std::string DecodeAnswerBody(const std::string& body);

// Decodes one suggestion piece: drops every '"', '[' and ']', decodes the rest as the
// body of a double-quoted script string literal, then applies the script `unescape`
// (%uXXXX and %XX). Takes and returns UTF-8; a piece that is not a valid literal body (a line
// break, a trailing lone backslash) gives "".
std::string UnescapeScriptText(std::string_view piece);

// The phrases of a suggestion answer, in order, empty ones skipped.
std::vector<std::string> SuggestionPhrases(std::string_view workingText);

// Receives the phrases of an answer one at a time, as the parser reads them.
using PhraseSink = std::function<void(std::string phrase)>;

// A phrase as it may enter the list: control characters (below 0x20, and 0x7F) become
// spaces, then spaces are trimmed from both ends. UTF-8 never uses such bytes inside a
// multi-byte character, so this works byte by byte.
std::string WithoutControlCharacters(std::string_view phrase);

// Hands the phrases of a suggestion answer to `sink` as they are read, each cleaned of
// control characters, empty ones skipped. A text that is not a bracketed list gives
// nothing and false.
bool ReadSuggestionAnswer(std::string_view workingText, const PhraseSink& sink);

// Thrown when a results page has no related-searches link table.
class MissingLinkTable : public std::runtime_error {
 public:
  MissingLinkTable() : std::runtime_error("results page has no related-searches table") {}
};

// The link texts of the results page's related-searches table, in order, empty ones
// skipped. Throws MissingLinkTable when the table is absent.
std::vector<std::string> RelatedSearchPhrases(std::string_view workingText);

// Hands the link texts of the related-searches table to `sink` as they are read, each
// cleaned of control characters, empty ones skipped. A page without the table gives
// nothing and false.
bool ReadRelatedSearchPage(std::string_view workingText, const PhraseSink& sink);

// The markers that cut the related-searches block out of a results page.
namespace markers {
inline constexpr std::string_view kAreaStart = "<div style=\"background-color:#eff2fa";
// The heading, in the working text (UTF-8).
inline constexpr std::string_view kHeading = "相关搜索";
inline constexpr std::string_view kBlockEnd = "</td></tr></table></td></tr><tr><td>";
inline constexpr std::string_view kTableStart =
    "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td nowrap class=\"f14\">";
inline constexpr std::string_view kCell = "<td nowrap class=\"f14\">";
inline constexpr std::string_view kLinkTextStart = "\">";
inline constexpr std::string_view kLinkTextEnd = "</a>";
}  // namespace markers

}  // namespace longtail
