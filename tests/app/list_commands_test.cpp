// The list commands on plain PhraseLists.
#include <gtest/gtest.h>

#include "app/gui/list_commands.h"

namespace longtail {
namespace {

PhraseList Make(const std::vector<std::string>& utf8) {
  PhraseList list;
  for (const std::string& s : utf8) list.Append(s);
  return list;
}

TEST(ListCommands, FilterMatchesWholeCharactersOnly) {
  // 丄 is 0x8141 in code page 936, whose second byte is an "A"; it must not count as one.
  PhraseList list;
  list.Append("丄");
  list.Append("xAy");
  FilterPhrases(list, {"A"});
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"xAy"}));
}

TEST(ListCommands, FilterTriesEveryLineAndEmptiesTheListWithoutLines) {
  PhraseList list = Make({"红茶", "绿茶", "咖啡", "花茶"});
  FilterPhrases(list, {"", "绿", "花"});
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"绿茶", "花茶"}));
  FilterPhrases(list, {});
  EXPECT_EQ(list.Count(), 0);
}

TEST(ListCommands, CopySelectedSkipsPhrasesTheTargetHoldsInAnyCase) {
  PhraseList from = Make({"Mp3", "mp4", "MP3"});
  PhraseList to = Make({"mp3"});
  for (int i = 0; i < 3; ++i) from.SetSelected(i, true);
  CopySelectedPhrases(from, to);
  EXPECT_EQ(to.Items(), (std::vector<std::string>{"mp3", "mp4"}));
  PhraseList none;
  CopySelectedPhrases(none, to);
  CopyCurrentPhrase(none, to);
  EXPECT_EQ(to.Count(), 2);
}

TEST(ListCommands, CopyAllKeepsTheSourceOrderAndDropsDuplicatesWithinIt) {
  PhraseList from = Make({"b", "a", "B", "c"});
  PhraseList to;
  CopyAllPhrases(from, to);
  EXPECT_EQ(to.Items(), (std::vector<std::string>{"b", "a", "c"}));
}

TEST(ListCommands, SearchUrlsEncodeTheCodePage936Bytes) {
  EXPECT_EQ(BaiduSearchUrl("www.baidu.com", "QQ空间"), "http://www.baidu.com/s?wd=QQ%BF%D5%BC%E4");
  EXPECT_EQ(GoogleSearchUrl("g:81", "a b&c"), "http://g:81/search?q=a+b%26c");
  PhraseList list = Make({"x", "y"});
  std::string phrase;
  EXPECT_FALSE(SearchPhrase(list, phrase));  // nothing selected
  list.SetSelected(0, true);
  list.SetItemIndex(1);
  ASSERT_TRUE(SearchPhrase(list, phrase));
  EXPECT_EQ(phrase, "y");
}

}  // namespace
}  // namespace longtail
