#include "harvest/phrase_list.h"

#include <gtest/gtest.h>

#include "harvest/test_text.h"

namespace longtail {
namespace {

using testing::G;

std::string Numbered(int i) {
  std::string s = "p";
  s += std::to_string(i);
  return s;
}

TEST(PhraseList, ExactSearchIgnoresAsciiCaseOnly) {
  PhraseList list;
  list.Append(G("qq空间"));
  list.Append("Apple");
  EXPECT_TRUE(list.ContainsExact(G("QQ空间")));
  EXPECT_EQ(list.IndexOfExact("aPPLE"), 1);
  EXPECT_EQ(list.IndexOfExact("appl"), -1);
  EXPECT_FALSE(list.ContainsExact(G("qq空")));
  // 丄 (81 41) and 乤 (81 61) differ only in a trail byte that looks like a letter.
  list.Append("\x81\x41");
  EXPECT_FALSE(list.ContainsExact("\x81\x61"));
}

TEST(PhraseList, IndexFollowsEveryChange) {
  PhraseList list;
  for (const char* s : {"a", "b", "A", "c"}) list.Append(s);
  EXPECT_EQ(list.IndexOfExact("a"), 0);
  list.Delete(0);
  EXPECT_EQ(list.IndexOfExact("a"), 1);  // the second "A" still answers
  list.Delete(1);
  EXPECT_FALSE(list.ContainsExact("a"));
  list.Insert(0, "x");
  EXPECT_EQ(list.IndexOfExact("X"), 0);
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_FALSE(list.ContainsExact("x"));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.Delete(0), std::out_of_range);
  EXPECT_THROW(list.Insert(1, "y"), std::out_of_range);
}

TEST(PhraseList, DeleteSelectedMatchesDeletingOneByOne) {
  PhraseList bulk, single;
  for (int i = 0; i < 50; ++i) {
    bulk.Append(Numbered(i % 7));
    single.Append(Numbered(i % 7));
  }
  for (int i = 0; i < 50; i += 3) bulk.SetSelected(i, true);
  bulk.SetItemIndex(10);
  EXPECT_EQ(bulk.SelectedCount(), 17);
  bulk.DeleteSelected();
  for (int i = 48; i >= 0; i -= 3) single.Delete(i);
  EXPECT_EQ(bulk.Items(), single.Items());
  EXPECT_EQ(bulk.SelectedCount(), 0);
  EXPECT_EQ(bulk.ItemIndex(), 10 - 4);  // item 10 stays current after four deletions before it
  for (int i = 0; i < 7; ++i) {
    std::string p = Numbered(i);
    EXPECT_EQ(bulk.IndexOfExact(p), single.IndexOfExact(p)) << p;
  }
}

TEST(PhraseList, RemoveIfKeepsOrderIndexAndSelection) {
  PhraseList list;
  for (const char* s : {"keep1", "drop", "keep2", "DROP", "keep3"}) list.Append(s);
  list.SetSelected(2, true);
  list.SetSelected(3, true);
  list.SetItemIndex(1);
  int changes = 0;
  list.SetOnChange([&] { ++changes; });
  list.RemoveIf([](const std::string& s) { return s == "drop" || s == "DROP"; });
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"keep1", "keep2", "keep3"}));
  EXPECT_TRUE(list.Selected(1));
  EXPECT_EQ(list.SelectedCount(), 1);
  EXPECT_EQ(list.ItemIndex(), -1);  // the current item was removed
  EXPECT_FALSE(list.ContainsExact("drop"));
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace longtail
