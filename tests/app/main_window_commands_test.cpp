// The list commands as the window runs them: from buttons, menu items and double-clicks.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/frame/menu_item.h"

namespace longtail::test {
namespace {

void Fill(PhraseList& list, const std::vector<std::string>& items) {
  for (const std::string& s : items) list.Append(s);
}

std::vector<std::string> Utf8Items(const PhraseList& list) {
  std::vector<std::string> out;
  for (const std::string& s : list.Items()) out.push_back(s);
  return out;
}

void DoubleClick(lq::LqSkinListBox& list) {
  emit list.itemDoubleClicked();
}

TEST(MainWindowCommands, FilterWithTheMemoLineQQKeepsOnlyPhrasesWithCapitalQQ) {
  DemoWindow w;
  MainWindow& f = *w.window;
  auto& memo = Child<lq::LqSkinMemo2>(f, "seedsMemo");
  Fill(f.results(), {"qq", "QQ空间", "qq下载", "我的QQ号", "手机QQ", "Qq"});
  memo.SetText(QStringLiteral("QQ"));
  ClickCentre(Child<QWidget>(f, "filterButton"));
  EXPECT_EQ(Utf8Items(f.results()), (std::vector<std::string>{"QQ空间", "我的QQ号", "手机QQ"}));
  // A memo of empty lines matches nothing: the list empties.
  memo.SetText(QStringLiteral("\n\n"));
  ClickCentre(Child<QWidget>(f, "filterButton"));
  EXPECT_EQ(f.results().Count(), 0);
}

TEST(MainWindowCommands, DeletingANonContiguousSelectionKeepsTheRestInOrder) {
  DemoWindow w;
  MainWindow& f = *w.window;
  Fill(f.results(), {"a", "b", "c", "d", "e", "f"});
  for (int i : {0, 2, 3, 5}) f.results().SetSelected(i, true);
  MenuItemOf(f, "resultMenu", "deleteSelectedItem").Click();
  EXPECT_EQ(Utf8Items(f.results()), (std::vector<std::string>{"b", "e"}));

  Fill(f.exports(), {"x", "y", "z"});
  f.exports().SetSelected(0, true);
  f.exports().SetSelected(2, true);
  MenuItemOf(f, "exportMenu", "deleteSelectedItem").Click();
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"y"}));
}

TEST(MainWindowCommands, CopiesIgnoreCaseAndDoubleClicksCopyOrDelete) {
  DemoWindow w;
  MainWindow& f = *w.window;
  Fill(f.results(), {"Apple", "pear", "plum"});
  Fill(f.exports(), {"APPLE"});
  f.results().SetSelected(0, true);
  f.results().SetSelected(2, true);
  MenuItemOf(f, "resultMenu", "copySelectedItem").Click();
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"APPLE", "plum"}));
  f.results().SetItemIndex(1);
  DoubleClick(Child<lq::LqSkinListBox>(f, "resultList"));
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"APPLE", "plum", "pear"}));
  auto& exportList = Child<lq::LqSkinListBox>(f, "exportList");
  f.exports().SetItemIndex(0);
  DoubleClick(exportList);
  EXPECT_EQ(Utf8Items(f.exports()), (std::vector<std::string>{"plum", "pear"}));
  f.exports().SetItemIndex(-1);
  DoubleClick(exportList);  // no current item: nothing happens
  EXPECT_EQ(f.exports().Count(), 2);
}

TEST(MainWindowCommands, ClearCommandsEmptyTheirListsOnly) {
  DemoWindow w;
  MainWindow& f = *w.window;
  auto& memo = Child<lq::LqSkinMemo2>(f, "seedsMemo");
  memo.SetText(QStringLiteral("seed"));
  Fill(f.results(), {"a", "b"});
  Fill(f.exports(), {"c"});
  ClickCentre(Child<QWidget>(f, "clearExportsButton"));
  EXPECT_EQ(f.exports().Count(), 0);
  EXPECT_EQ(f.results().Count(), 2);
  Fill(f.exports(), {"c"});
  MenuItemOf(f, "resultMenu", "clearItem").Click();
  EXPECT_EQ(f.results().Count(), 0);
  EXPECT_EQ(f.exports().Count(), 1);
  MenuItemOf(f, "exportMenu", "clearItem").Click();
  EXPECT_EQ(f.exports().Count(), 0);
  Fill(f.results(), {"a"});
  Fill(f.exports(), {"c"});
  ClickCentre(Child<QWidget>(f, "clearAllButton"));
  EXPECT_EQ(f.results().Count() + f.exports().Count(), 0);
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("seed"));
}

TEST(MainWindowCommands, SearchesOpenTheCurrentPhraseOnlyWithASelection) {
  DemoWindow w;
  MainWindow& f = *w.window;
  Fill(f.results(), {"手机", "QQ空间", "a b"});
  f.results().SetItemIndex(1);
  MenuItemOf(f, "resultMenu", "baiduSearchItem").Click();  // nothing selected: nothing opened
  EXPECT_TRUE(w.opened.empty());
  f.results().SetSelected(0, true);
  f.results().SetSelected(2, true);
  MenuItemOf(f, "resultMenu", "baiduSearchItem").Click();  // the current item, not a selected one
  MenuItemOf(f, "resultMenu", "googleSearchItem").Click();
  ASSERT_EQ(w.opened.size(), 2u);
  EXPECT_EQ(w.opened[0], "http://" + w.service->hostPort() + "/s?wd=QQ%BF%D5%BC%E4");
  EXPECT_EQ(w.opened[1], "http://google.example/search?q=QQ%BF%D5%BC%E4");

  Fill(f.exports(), {"a b"});
  f.exports().SetSelected(0, true);
  f.exports().SetItemIndex(0);
  MenuItemOf(f, "exportMenu", "googleSearchItem").Click();
  MenuItemOf(f, "exportMenu", "baiduSearchItem").Click();
  ASSERT_EQ(w.opened.size(), 4u);
  EXPECT_EQ(w.opened[2], "http://google.example/search?q=a+b");
  EXPECT_EQ(w.opened[3], "http://" + w.service->hostPort() + "/s?wd=a+b");
}

}  // namespace
}  // namespace longtail::test
