// The edit context menu's items and enabling rules, and the read-only folder field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>

#include "skin/controls/edit.h"
#include "skin/controls/edit_context_menu.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"

namespace {

QStringList Enabled(const std::vector<lq::EditMenuEntry>& entries) {
  QStringList out;
  for (const auto& e : entries)
    if (!e.IsSeparator() && e.enabled) out << e.caption;
  return out;
}

// Captures what a control would show instead of opening a menu.
struct CapturedMenu {
  CapturedMenu() {
    lq::SetEditMenuPresenter([this](QWidget*, std::vector<lq::EditMenuEntry> e, QPoint p) {
      entries = std::move(e);
      at = p;
      ++shown;
    });
  }
  ~CapturedMenu() { lq::SetEditMenuPresenter({}); }
  std::vector<lq::EditMenuEntry> entries;
  QPoint at;
  int shown = 0;
};

}  // namespace

TEST(EditContextMenu, ItemsInOrderWithBuiltInCaptions) {
  const auto entries = lq::BuildEditMenu({}, {}, nullptr);
  QStringList captions;
  for (const auto& e : entries) captions << e.caption;
  EXPECT_EQ(captions, QStringList({"撤销", "-", "剪切", "复制", "粘贴", "删除", "-", "全选"}));
  EXPECT_EQ(Enabled(entries), QStringList({"全选"}));
}

TEST(EditContextMenu, EnablingRules) {
  lq::EditMenuState s;
  s.canUndo = s.hasSelection = s.clipboardHasText = true;
  EXPECT_EQ(Enabled(lq::BuildEditMenu(s, {}, nullptr)),
            QStringList({"撤销", "剪切", "复制", "粘贴", "删除", "全选"}));
  s.readOnly = true;
  s.wholeTextSelected = true;
  const auto readOnly = lq::BuildEditMenu(s, {}, nullptr);
  QStringList captions;
  for (const auto& e : readOnly) captions << e.caption;
  EXPECT_EQ(captions, QStringList({"复制", "全选"}));  // nothing that could never be enabled
  EXPECT_EQ(Enabled(readOnly), QStringList({"复制"}));
}

TEST(EditContextMenu, CaptionsFromSkinStringsWhenPresent) {
  lq::LqSkinData data;
  lq::LqResourceStrData strings;
  strings.ResStrings = {"EDIT_COPY=Copy"};
  data.SetResourceStrData(&strings);
  const auto entries = lq::BuildEditMenu({}, {}, &data);
  EXPECT_EQ(entries[3].caption, "Copy");
  EXPECT_EQ(entries[2].caption, "剪切");  // no entry: the built-in text
  data.SetResourceStrData(nullptr);
}

TEST(EditContextMenu, ReadOnlyFolderFieldOffersOnlyCopyAndSelectAll) {
  CapturedMenu menu;
  QApplication::clipboard()->setText("something to paste");
  lq::LqSkinEdit folder;
  folder.setReadOnly(true);
  folder.setText("/home/user/longtail");
  folder.resize(215, 18);

  QContextMenuEvent noSelection(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 205));
  QApplication::sendEvent(&folder, &noSelection);
  ASSERT_EQ(menu.shown, 1);
  EXPECT_EQ(Enabled(menu.entries), QStringList({"全选"}));
  EXPECT_EQ(menu.at, QPoint(105, 205));

  folder.setSelection(1, 4);
  QContextMenuEvent partial(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 205));
  QApplication::sendEvent(&folder, &partial);
  EXPECT_EQ(Enabled(menu.entries), QStringList({"复制", "全选"}));

  // Running the offered commands: Select All selects, and nothing edits the text.
  ASSERT_EQ(menu.entries.size(), 2u);
  menu.entries[1].action();
  EXPECT_EQ(folder.selectedText(), folder.text());
  QContextMenuEvent all(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(0, 0));
  QApplication::sendEvent(&folder, &all);
  EXPECT_EQ(Enabled(menu.entries), QStringList({"复制"}));
  EXPECT_EQ(menu.at, folder.mapToGlobal(folder.rect().center()));  // keyboard: the centre
}

TEST(EditContextMenu, WritableEditCommandsAct) {
  CapturedMenu menu;
  lq::LqSkinEdit edit;
  edit.setText("words.txt");
  edit.setSelection(0, 5);
  QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(1, 1));
  QApplication::sendEvent(&edit, &ev);
  ASSERT_TRUE(menu.entries[5].enabled);
  menu.entries[5].action();  // delete the selection
  EXPECT_EQ(edit.text(), ".txt");
  QApplication::sendEvent(&edit, &ev);
  ASSERT_TRUE(menu.entries[0].enabled);
  menu.entries[0].action();  // undo
  EXPECT_EQ(edit.text(), "words.txt");
}
