// The list commands as the window runs them: from buttons, menu items and double-clicks.
#include <gtest/gtest.h>

#include "app/app_test_support.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/frame/menu_item.h"
#include "text/cp936.h"

namespace longtail::test {
namespace {

void Fill(PhraseList& list, const std::vector<std::string>& items) {
  for (const std::string& s : items) list.Append(Utf8ToCp936(s));
}

std::vector<std::string> Utf8Items(const PhraseList& list) {
  std::vector<std::string> out;
  for (const std::string& s : list.Items()) out.push_back(Cp936ToUtf8(s));
  return out;
}

TEST(Form1Commands, FilterWithTheMemoLineQQKeepsOnlyPhrasesWithCapitalQQ) {
  DemoWindow w;
  TForm1& f = *w.form;
  Fill(f.Results(), {"qq", "QQ空间", "qq下载", "我的QQ号", "手机QQ", "Qq"});
  f.edit1->SetText(QStringLiteral("QQ"));
  ClickCentre(f.btn1);
  EXPECT_EQ(Utf8Items(f.Results()), (std::vector<std::string>{"QQ空间", "我的QQ号", "手机QQ"}));
  // A memo of empty lines matches nothing: the list empties.
  f.edit1->SetText(QStringLiteral("\n\n"));
  ClickCentre(f.btn1);
  EXPECT_EQ(f.Results().Count(), 0);
}

TEST(Form1Commands, DeletingANonContiguousSelectionKeepsTheRestInOrder) {
  DemoWindow w;
  TForm1& f = *w.form;
  Fill(f.Results(), {"a", "b", "c", "d", "e", "f"});
  for (int i : {0, 2, 3, 5}) f.Results().SetSelected(i, true);
  f.N2->Click();
  EXPECT_EQ(Utf8Items(f.Results()), (std::vector<std::string>{"b", "e"}));

  Fill(f.Exports(), {"x", "y", "z"});
  f.Exports().SetSelected(0, true);
  f.Exports().SetSelected(2, true);
  f.MenuItem2->Click();
  EXPECT_EQ(Utf8Items(f.Exports()), (std::vector<std::string>{"y"}));
}

TEST(Form1Commands, CopiesIgnoreCaseAndDoubleClicksCopyOrDelete) {
  DemoWindow w;
  TForm1& f = *w.form;
  Fill(f.Results(), {"Apple", "pear", "plum"});
  Fill(f.Exports(), {"APPLE"});
  f.Results().SetSelected(0, true);
  f.Results().SetSelected(2, true);
  f.N1->Click();
  EXPECT_EQ(Utf8Items(f.Exports()), (std::vector<std::string>{"APPLE", "plum"}));
  f.Results().SetItemIndex(1);
  f.lqSkinListBox1ListBoxDblClick();
  EXPECT_EQ(Utf8Items(f.Exports()), (std::vector<std::string>{"APPLE", "plum", "pear"}));
  f.Exports().SetItemIndex(0);
  f.lqSkinListBox2ListBoxDblClick();
  EXPECT_EQ(Utf8Items(f.Exports()), (std::vector<std::string>{"plum", "pear"}));
  f.Exports().SetItemIndex(-1);
  f.lqSkinListBox2ListBoxDblClick();  // no current item: nothing happens
  EXPECT_EQ(f.Exports().Count(), 2);
}

TEST(Form1Commands, ClearCommandsEmptyTheirListsOnly) {
  DemoWindow w;
  TForm1& f = *w.form;
  f.edit1->SetText(QStringLiteral("seed"));
  Fill(f.Results(), {"a", "b"});
  Fill(f.Exports(), {"c"});
  ClickCentre(f.lqSkinXFormButton5);
  EXPECT_EQ(f.Exports().Count(), 0);
  EXPECT_EQ(f.Results().Count(), 2);
  Fill(f.Exports(), {"c"});
  f.N4->Click();
  EXPECT_EQ(f.Results().Count(), 0);
  EXPECT_EQ(f.Exports().Count(), 1);
  Fill(f.Results(), {"a"});
  ClickCentre(f.lqSkinXFormButton3);
  EXPECT_EQ(f.Results().Count() + f.Exports().Count(), 0);
  EXPECT_EQ(f.edit1->toPlainText(), QStringLiteral("seed"));
}

TEST(Form1Commands, SearchesOpenTheCurrentPhraseOnlyWithASelection) {
  DemoWindow w;
  TForm1& f = *w.form;
  Fill(f.Results(), {"手机", "QQ空间", "a b"});
  f.Results().SetItemIndex(1);
  f.N8->Click();  // nothing selected: nothing opened
  EXPECT_TRUE(w.opened.empty());
  f.Results().SetSelected(0, true);
  f.Results().SetSelected(2, true);
  f.N8->Click();  // the current item, although it is not selected
  f.N9->Click();
  ASSERT_EQ(w.opened.size(), 2u);
  EXPECT_EQ(w.opened[0], "http://" + w.service->hostPort() + "/s?wd=QQ%BF%D5%BC%E4");
  EXPECT_EQ(w.opened[1], "http://google.example/search?q=QQ%BF%D5%BC%E4");

  Fill(f.Exports(), {"a b"});
  f.Exports().SetSelected(0, true);
  f.Exports().SetItemIndex(0);
  f.N7->Click();
  ASSERT_EQ(w.opened.size(), 3u);
  EXPECT_EQ(w.opened[2], "http://google.example/search?q=a+b");
}

}  // namespace
}  // namespace longtail::test
