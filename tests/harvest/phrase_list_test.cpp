#include "harvest/phrase_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/ascii_case.h"

namespace longtail {
namespace {

std::string Numbered(int i) {
  std::string s = "p";
  s += std::to_string(i);
  return s;
}

TEST(PhraseList, ExactSearchIgnoresAsciiCaseOnly) {
  PhraseList list;
  list.Append("qq空间");
  list.Append("Apple");
  EXPECT_TRUE(list.ContainsExact("QQ空间"));
  EXPECT_EQ(list.IndexOfExact("aPPLE"), 1);
  EXPECT_EQ(list.IndexOfExact("appl"), -1);
  EXPECT_FALSE(list.ContainsExact("qq空"));
  // 丄 and 乤 differ in a code that code page 936 writes as a letter byte.
  list.Append("丄");
  EXPECT_FALSE(list.ContainsExact("乤"));
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

// Parents are item numbers: they follow their items through inserts and deletes, and a
// deleted parent leaves its children without one.
TEST(PhraseList, OriginsFollowTheirParents) {
  PhraseList list;
  for (const char* p : {"a", "b", "c", "d", "e"}) list.Append(p);
  auto childOf = [&](int item, int parent) { list.SetOrigin(item, {std::uint32_t(parent), 1, 3}); };
  childOf(2, 1);        // c from b
  childOf(3, 2);        // d from c
  childOf(4, 0);        // e from a
  list.Insert(0, "z");  // z a b c d e
  EXPECT_EQ(list.Origin(3).parent, 2u);
  list.Delete(2);  // z a c d e: c loses its parent b
  EXPECT_EQ(list.Origin(2).parent, PhraseOrigin::kNoParent);
  EXPECT_EQ(list.Origin(3).parent, 2u);
  EXPECT_EQ(list.Origin(3).source, 3);
  list.SetSelected(0, true);  // drop z and c in one pass: z a d e
  list.SetSelected(2, true);
  list.DeleteSelected();
  EXPECT_EQ(list.Item(2), "e");
  EXPECT_EQ(list.Origin(2).parent, 0u);
  EXPECT_EQ(list.Origin(1).parent, PhraseOrigin::kNoParent);
  EXPECT_EQ(list.Origin(0).depth, 0);  // a seed
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

// A plain model of the list: the naive search every change must agree with.
struct ModelList {
  std::vector<std::string> items;
  std::vector<bool> selected;
  int FirstEqual(const std::string& p) const {
    for (std::size_t i = 0; i < items.size(); ++i)
      if (EqualsIgnoringAsciiCase(items[i], p)) return static_cast<int>(i);
    return -1;
  }
};

// Random appends, inserts, deletes and bulk removals of small and large shares, on a list
// with repeated texts in several letter cases: order, selection and the exact search
// (including which duplicate answers first) stay what the naive model says.
TEST(PhraseList, StoreAgreesWithNaiveModelThroughRandomEdits) {
  PhraseList list;
  ModelList model;
  std::mt19937 rng(22);
  auto text = [&] {
    std::string s(1, rng() % 3 == 0 ? 'W' : 'w');
    s += std::to_string(rng() % 300);
    return s;
  };
  for (int step = 0; step < 4000; ++step) {
    const int n = list.Count();
    const unsigned op = rng() % 100;
    if (op < 55 || n == 0) {
      std::string s = text();
      list.Append(s);
      model.items.push_back(s);
      model.selected.push_back(false);
    } else if (op < 65) {
      const int at = static_cast<int>(rng() % (n + 1));
      std::string s = text();
      list.Insert(at, s);
      model.items.insert(model.items.begin() + at, s);
      model.selected.insert(model.selected.begin() + at, false);
    } else if (op < 80) {
      const int at = (rng() % 2) ? n - 1 : static_cast<int>(rng() % n);
      list.Delete(at);
      model.items.erase(model.items.begin() + at);
      model.selected.erase(model.selected.begin() + at);
    } else if (op < 90) {
      // Select a few (a small share) or many (a large one), then delete them.
      const unsigned every = (rng() % 2) ? 2 : 40;
      for (int i = 0; i < n; ++i) {
        const bool pick = rng() % every == 0;
        list.SetSelected(i, pick);
        model.selected[static_cast<std::size_t>(i)] = pick;
      }
      list.DeleteSelected();
      std::size_t out = 0;
      for (std::size_t i = 0; i < model.items.size(); ++i)
        if (!model.selected[i]) model.items[out++] = model.items[i];
      model.items.resize(out);
      model.selected.assign(out, false);
    } else {
      const std::string digit = std::to_string(rng() % 10);
      auto drop = [&](const std::string& s) { return s.back() == digit[0]; };
      list.RemoveIf(drop);
      std::erase_if(model.items, drop);
      model.selected.assign(model.items.size(), false);
    }
    ASSERT_EQ(list.Items(), model.items) << "step " << step;
    ASSERT_EQ(list.SelectedCount(), 0);
    for (int k = 0; k < 5; ++k) {
      const std::string probe = text();
      ASSERT_EQ(list.IndexOfExact(probe), model.FirstEqual(probe)) << probe << " step " << step;
      ASSERT_EQ(list.ContainsExact(probe), model.FirstEqual(probe) >= 0);
    }
  }
}

// Text stays intact across the arena's block edges, a phrase larger than a block, and the
// re-packing that follows removing most of a large list.
TEST(PhraseList, TextSurvivesBlockEdgesAndRepacking) {
  PhraseList list;
  const std::string huge(300 * 1024, 'h');
  std::vector<std::string> expected;
  for (int i = 0; i < 120'000; ++i) {
    std::string s = i == 5000 ? huge : std::string("长尾词") + Numbered(i);
    list.Append(s);
    expected.push_back(s);
  }
  list.SetItemIndex(119'999);
  list.RemoveIf([](const std::string& s) { return s.back() != '7'; });
  std::erase_if(expected, [](const std::string& s) { return s.back() != '7'; });
  EXPECT_EQ(list.Items(), expected);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.IndexOfExact(std::string("长尾词") + "P119997"), list.Count() - 1);
  list.Append(huge);
  EXPECT_EQ(list.View(list.Count() - 1), huge);
  EXPECT_EQ(list.IndexOfExact(std::string("长尾词") + "p7"), 0);
}

// Snapshots keep the items of their moment while the list goes on with inserts, deletes and
// appends that move records across the store's chunk edges (4096 records a chunk), bulk
// removals, re-packing and clearing; the list itself stays what the model says.
TEST(PhraseList, SnapshotsKeepTheirItemsThroughLaterEdits) {
  PhraseList list;
  std::vector<std::string> model;
  for (int i = 0; i < 9000; ++i) {
    list.Append(Numbered(i));
    model.push_back(Numbered(i));
  }
  std::mt19937 rng(7);
  std::vector<std::pair<PhraseList::Snapshot, std::vector<std::string>>> taken;
  for (int step = 0; step < 300; ++step) {
    if (step % 30 == 0) taken.emplace_back(list.Share(), model);
    const int at = static_cast<int>(rng() % model.size());
    switch (rng() % 3) {
      case 0:
        list.Insert(at, "i" + std::to_string(step));
        model.insert(model.begin() + at, "i" + std::to_string(step));
        break;
      case 1:
        list.Delete(at);
        model.erase(model.begin() + at);
        break;
      default:
        list.Append("a" + std::to_string(step));
        model.push_back("a" + std::to_string(step));
    }
  }
  ASSERT_EQ(list.Items(), model);
  list.Append("tail1");
  model.push_back("tail1");
  taken.emplace_back(list.Share(), model);
  list.Delete(list.Count() - 1);  // the arena may reuse its text only when no snapshot holds it
  list.Append("tail2");
  taken.emplace_back(list.Share(), list.Items());
  list.RemoveIf([](const std::string& s) { return s.back() != '3'; });
  list.Clear();
  for (const auto& [snapshot, items] : taken) EXPECT_EQ(snapshot.Items(), items);
}

}  // namespace
}  // namespace longtail
