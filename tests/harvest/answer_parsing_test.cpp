#include "harvest/answer_parsing.h"

#include <gtest/gtest.h>

#include "harvest/test_text.h"

namespace longtail {
namespace {

using testing::G;
using Pieces = std::vector<std::string>;

TEST(SplitAt, CutsAtEveryOccurrenceKeepingEmptyPieces) {
  EXPECT_EQ(SplitAt("a,b,,c", ","), (Pieces{"a", "b", "", "c"}));
  EXPECT_EQ(SplitAt(",a,", ","), (Pieces{"", "a", ""}));
  EXPECT_EQ(SplitAt("abc", ","), (Pieces{"abc"}));
  EXPECT_EQ(SplitAt("", ","), Pieces{});
  EXPECT_EQ(SplitAt("aaaa", "aa"), (Pieces{"", "", ""}));  // no overlaps
  EXPECT_EQ(SplitAt("x<>y<>", "<>"), (Pieces{"x", "y", ""}));
  EXPECT_EQ(SplitAt("abc", ""), (Pieces{"abc"}));
}

TEST(UnescapeScriptText, DecodesLiteralEscapesThenUnescape) {
  EXPECT_EQ(UnescapeScriptText("\"%u624B%u673A\""), "手机");
  EXPECT_EQ(UnescapeScriptText("[\"qq\""), "qq");
  EXPECT_EQ(UnescapeScriptText("\"qq\"]"), "qq");
  EXPECT_EQ(UnescapeScriptText("a\\tb\\\\c\\'d"), "a\tb\\c'd");
  EXPECT_EQ(UnescapeScriptText("\\x41\\u0042\\103\\0x"), std::string("ABC\0x", 5));
  EXPECT_EQ(UnescapeScriptText("\\101\\7\\400"), std::string("A\x07\x20") + "0");  // \40 then 0
  EXPECT_EQ(UnescapeScriptText("\\q\\8\\xZ"), "q8xZ");  // any other character stands for itself
  EXPECT_EQ(UnescapeScriptText("\\u624B%u673A"), "手机");
  EXPECT_EQ(UnescapeScriptText("%41%4a%zz%u12%"), "AJ%zz%u12%");
  EXPECT_EQ(UnescapeScriptText("\\u0025u0041"), "A");  // unescape runs after the literal
  // Brackets and quotes go wherever they are, also inside the text.
  EXPECT_EQ(UnescapeScriptText("a[b]\"c"), "abc");
  // Raw text passes through unchanged.
  EXPECT_EQ(UnescapeScriptText("\"手机 qq\""), "手机 qq");
  // Characters outside code page 936, and surrogate pairs, are kept.
  EXPECT_EQ(UnescapeScriptText("%uD55C%uD83D%uDE00!"), "한😀!");
}

TEST(UnescapeScriptText, InvalidLiteralBodiesGiveNothing) {
  EXPECT_EQ(UnescapeScriptText("\"ab\ncd\""), "");
  EXPECT_EQ(UnescapeScriptText("ab\rcd"), "");
  EXPECT_EQ(UnescapeScriptText("\"abc\\\""), "");  // ends in a lone backslash once quotes go
  EXPECT_EQ(UnescapeScriptText("\\"), "");
  EXPECT_EQ(UnescapeScriptText("\\u2028"), "\u2028");  // an escaped separator is fine
  EXPECT_EQ(UnescapeScriptText("[]"), "");
}

TEST(SuggestionPhrases, SplitsAtCommasAndSkipsEmptyPieces) {
  EXPECT_EQ(SuggestionPhrases("[\"%u624B%u673A\",\"qq\"]"), (Pieces{"手机", "qq"}));
  EXPECT_EQ(SuggestionPhrases("[]"), Pieces{});
  EXPECT_EQ(SuggestionPhrases("[\"a\",\"\",\"b\\\",\"c\"]"), (Pieces{"a", "c"}));
  // An error page is read the same way: whatever decodes passes on.
  EXPECT_EQ(SuggestionPhrases("<html>Not Found</html>"), (Pieces{"<html>Not Found</html>"}));
}

TEST(DecodeAnswerBody, KeepsUtf8AndReadsEverythingElseAsCodePage936) {
  EXPECT_EQ(DecodeAnswerBody("手机"), "手机");
  EXPECT_EQ(DecodeAnswerBody(G("手机")), "手机");
  EXPECT_EQ(DecodeAnswerBody("手😀"), "手😀");
  EXPECT_EQ(DecodeAnswerBody("plain"), "plain");
  EXPECT_EQ(DecodeAnswerBody("한국"), "한국");
}

// A results page around a related-searches block of the given cells.
std::string Page(const std::string& cells, const std::string& before = "") {
  using namespace markers;
  return before + "<html>" + std::string(kAreaStart) + "\"><table><tr><th>" +
         std::string(kHeading) + "</th><td>" + std::string(kTableStart) + cells +
         std::string(kBlockEnd) + "</td></tr></table></div>";
}

TEST(RelatedSearchPhrases, ReadsTheLinkTextOfEveryCell) {
  std::string cells = std::string("<a href=\"s?wd=1\">手机价格") +
                      "</a></td><td nowrap class=\"f14\"><a href=\"s?wd=2\">qq <b>x</b></a>"
                      "</td></tr><tr><td nowrap class=\"f14\"><a href=\"s?wd=3\">&amp;</a>";
  EXPECT_EQ(RelatedSearchPhrases(Page(cells)), (Pieces{"手机价格", "qq <b>x</b>", "&amp;"}));
}

TEST(RelatedSearchPhrases, CellShapesAndMarkerBoundaries) {
  // Without the link-text start the text runs from the cell's second byte to "</a>".
  EXPECT_EQ(RelatedSearchPhrases(Page("abcdef</a>")), Pieces{"bcdef"});
  // Empty link texts and cells without "</a>" give nothing.
  EXPECT_EQ(RelatedSearchPhrases(Page("<a href=\"x\"></a></td><td nowrap class=\"f14\">no end")),
            Pieces{});
  // A link table in front of the related-searches area is not read.
  std::string decoy = std::string(markers::kTableStart) + "<a href=\"d\">decoy</a>";
  EXPECT_EQ(RelatedSearchPhrases(Page("<a href=\"r\">real</a>", decoy)), Pieces{"real"});
  // A second table start ends the table.
  std::string two =
      "<a href=\"1\">one</a>" + std::string(markers::kTableStart) + "<a href=\"2\">two</a>";
  EXPECT_EQ(RelatedSearchPhrases(Page(two)), Pieces{"one"});
}

TEST(RelatedSearchPhrases, PageWithoutTheLinkTableFails) {
  EXPECT_THROW(RelatedSearchPhrases("<html>no related searches</html>"), MissingLinkTable);
  EXPECT_THROW(RelatedSearchPhrases(""), MissingLinkTable);
  // The table after the block's end does not count.
  std::string late =
      std::string(markers::kBlockEnd) + std::string(markers::kTableStart) + "<a href=\"x\">x</a>";
  EXPECT_THROW(RelatedSearchPhrases(late), MissingLinkTable);
}

}  // namespace
}  // namespace longtail

namespace longtail {
namespace {

// Random answers made of marker pieces, escapes and raw bytes: parsing never fails in any
// other way than the missing-table error, and every link text comes from the page.
TEST(AnswerParsing, MalformedAnswersNeverBreakTheParsers) {
  const std::vector<std::string> tokens = {std::string(markers::kAreaStart),
                                           std::string(markers::kHeading),
                                           std::string(markers::kBlockEnd),
                                           std::string(markers::kTableStart),
                                           std::string(markers::kCell),
                                           "\">",
                                           "</a>",
                                           "\\",
                                           "\\u12",
                                           "\\x4",
                                           "%u",
                                           "%uD800",
                                           "%",
                                           "\"",
                                           ",",
                                           "[",
                                           "]",
                                           "\n",
                                           "\xCA\xD6",
                                           "\xE6\x89\x8B",
                                           "\xF0\x9F\x98\x80",
                                           "\x81",
                                           "a",
                                           std::string(1, '\0')};
  std::uint64_t seed = 12345;
  auto next = [&] {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(seed >> 33);
  };
  for (int round = 0; round < 3000; ++round) {
    std::string body;
    for (std::size_t n = next() % 40; n > 0; --n) {
      if (next() % 4 == 0)
        body += static_cast<char>(next() % 256);
      else
        body += tokens[next() % tokens.size()];
    }
    std::string text = DecodeAnswerBody(body);
    for (const std::string& p : SuggestionPhrases(text)) EXPECT_FALSE(p.empty());
    try {
      for (const std::string& p : RelatedSearchPhrases(text)) {
        EXPECT_FALSE(p.empty());
        EXPECT_NE(text.find(p), std::string::npos);
      }
    } catch (const MissingLinkTable&) {
    }
  }
}

TEST(AnswerReading, ShapesAreCheckedBeforeAnyPhraseIsHandedOn) {
  Pieces got;
  auto sink = [&](std::string p) { got.push_back(std::move(p)); };
  EXPECT_FALSE(ReadSuggestionAnswer("<html>a, b, c</html>", sink));
  EXPECT_FALSE(ReadSuggestionAnswer("[\"a\",\"b\"", sink));  // cut off
  EXPECT_FALSE(ReadRelatedSearchPage("<html>no related searches</html>", sink));
  EXPECT_TRUE(got.empty());
  EXPECT_TRUE(ReadSuggestionAnswer(" [\"a%09b\",\" \",\"%u0007\",\"c\"]\r\n", sink));
  EXPECT_EQ(got, (Pieces{"a b", "c"}));
  got.clear();
  // A cell without the link-text start is cut from its second byte, inside a character.
  EXPECT_TRUE(ReadRelatedSearchPage(Page("手机</a>"), sink));
  EXPECT_EQ(got, Pieces{"??机"});
}

TEST(AnswerReading, ControlCharactersBecomeSpacesAndAreTrimmed) {
  EXPECT_EQ(WithoutControlCharacters("\x1b[31mred\x7f"), "[31mred");
  EXPECT_EQ(WithoutControlCharacters(std::string("a\0b\r\nc", 6)), "a b  c");
  EXPECT_EQ(WithoutControlCharacters("\t\n"), "");
  EXPECT_EQ(WithoutControlCharacters("手机😀"), "手机😀");
}

}  // namespace
}  // namespace longtail
