// The inner list over a list model: painting cost, extended selection, type-ahead,
// context menu and double-click, coalesced change news.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <map>

#include "skin/controls/phrase_list_view.h"
#include "support/string_list_model.h"

namespace lq {
namespace {

// Built with append: GCC 12 warns falsely about operator+ on a literal and a temporary.
std::string Numbered(const char* prefix, int i) {
  std::string s(prefix);
  s.append(std::to_string(i));
  return s;
}

struct View {
  longtail::testing::StringListModel items;
  QWidget host;
  LqListBox* list;
  std::map<int, ItemDrawState> drawn;  // last state each row was drawn with

  explicit View(int count = 0) {
    for (int i = 0; i < count; ++i) items.Append(Numbered("item", i));
    host.resize(200, 200);
    list = new LqListBox(items, &host);
    list->setGeometry(0, 0, 200, 200);  // 10 rows of 20 pixels
    items.SetOnChange([this] { list->ItemsChanged(); });
    list->SetItemPainter([this](QPainter& p, int i, const QRect& r, ItemDrawState s) {
      drawn[i] = s;
      p.fillRect(r, s.selected ? Qt::blue : Qt::white);
    });
  }
  void Show() {
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    list->setFocus();
  }
  void Click(int row, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(list, Qt::LeftButton, mods, QPoint(50, row * 20 + 10));
  }
  void Key(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(list, Qt::Key(key), mods); }
  std::vector<int> Selection() const {
    std::vector<int> out;
    for (int i = 0; i < items.Count(); ++i)
      if (items.Selected(i)) out.push_back(i);
    return out;
  }
  void Paint() {
    drawn.clear();
    QImage img(list->size(), QImage::Format_RGB32);
    list->render(&img);
  }
};

using Sel = std::vector<int>;

TEST(ListBoxViewTest, PaintingCostsOnlyTheVisibleRows) {
  View small(100), big(200000);
  small.Paint();
  big.Paint();
  EXPECT_EQ(small.list->RowsPaintedLastTime(), big.list->RowsPaintedLastTime());
  EXPECT_LE(big.list->RowsPaintedLastTime(), 11);
  big.list->SetTopIndex(199990);
  big.Paint();
  EXPECT_EQ(big.drawn.begin()->first, 199990);
  EXPECT_EQ(big.drawn.rbegin()->first, 199999);
  // The top index never leaves an incomplete last page.
  big.list->SetTopIndex(400000);
  EXPECT_EQ(big.list->TopIndex(), 200000 - 10);
}

TEST(ListBoxViewTest, ClicksFollowExtendedSelection) {
  View v(30);
  v.Click(2);
  EXPECT_EQ(v.Selection(), (Sel{2}));
  EXPECT_EQ(v.items.ItemIndex(), 2);
  v.Click(5, Qt::ShiftModifier);
  EXPECT_EQ(v.Selection(), (Sel{2, 3, 4, 5}));
  v.Click(8, Qt::ControlModifier);
  EXPECT_EQ(v.Selection(), (Sel{2, 3, 4, 5, 8}));
  v.Click(3, Qt::ControlModifier);  // toggles off, becomes the anchor
  EXPECT_EQ(v.Selection(), (Sel{2, 4, 5, 8}));
  v.Click(1, Qt::ControlModifier | Qt::ShiftModifier);  // adds 1..3 to the rest
  EXPECT_EQ(v.Selection(), (Sel{1, 2, 3, 4, 5, 8}));
  v.Click(0, Qt::ShiftModifier);  // plain Shift replaces with anchor..0
  EXPECT_EQ(v.Selection(), (Sel{0, 1, 2, 3}));
  v.Click(6);
  EXPECT_EQ(v.Selection(), (Sel{6}));
  // Below the last row of a short list: the last item.
  View shortList(3);
  shortList.Click(7);
  EXPECT_EQ(shortList.Selection(), (Sel{2}));
}

TEST(ListBoxViewTest, DraggingExtendsTheSelectionFromTheAnchor) {
  View v(30);
  QTest::mousePress(v.list, Qt::LeftButton, {}, QPoint(50, 30));
  QMouseEvent move(QEvent::MouseMove, QPointF(50, 90), v.list->mapToGlobal(QPointF(50, 90)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(v.list, &move);
  QTest::mouseRelease(v.list, Qt::LeftButton, {}, QPoint(50, 90));
  EXPECT_EQ(v.Selection(), (Sel{1, 2, 3, 4}));
}

TEST(ListBoxViewTest, APressOnTheSelectionCanDragItAndAPlainClickStillSelectsOne) {
  View v(30);
  int drags = 0;
  v.list->SetSelectionDraggable(true);
  QObject::connect(v.list, &LqListBox::dragStarted, [&] { ++drags; });
  auto move = [&](QPoint to) {
    QMouseEvent e(QEvent::MouseMove, QPointF(to), v.list->mapToGlobal(QPointF(to)), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v.list, &e);
  };
  v.Click(2);
  v.Click(4, Qt::ShiftModifier);
  QTest::mousePress(v.list, Qt::LeftButton, {}, QPoint(50, 70));  // row 3, selected
  EXPECT_EQ(v.Selection(), (Sel{2, 3, 4}));
  EXPECT_EQ(v.items.ItemIndex(), 3);
  move(QPoint(50, 70 + QApplication::startDragDistance()));
  QTest::mouseRelease(v.list, Qt::LeftButton, {}, QPoint(50, 90));
  EXPECT_EQ(drags, 1);
  EXPECT_EQ(v.Selection(), (Sel{2, 3, 4})) << "the dragged selection stays";
  v.Click(3);  // pressed and released in place: the item alone
  EXPECT_EQ(v.Selection(), (Sel{3}));
  // A press on an unselected item still drags a selection out rather than the item.
  QTest::mousePress(v.list, Qt::LeftButton, {}, QPoint(50, 110));
  move(QPoint(50, 150));
  QTest::mouseRelease(v.list, Qt::LeftButton, {}, QPoint(50, 150));
  EXPECT_EQ(drags, 1);
  EXPECT_EQ(v.Selection(), (Sel{5, 6, 7}));
}

TEST(ListBoxViewTest, KeysMoveTheCaretAndSelectLikeAListBox) {
  View v(50);
  v.Show();
  v.Click(3);
  v.Key(Qt::Key_Down);
  EXPECT_EQ(v.Selection(), (Sel{4}));
  v.Key(Qt::Key_Down, Qt::ShiftModifier);
  v.Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(v.Selection(), (Sel{4, 5, 6}));
  v.Key(Qt::Key_Down, Qt::ControlModifier);  // caret only
  v.Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(v.items.ItemIndex(), 8);
  EXPECT_EQ(v.Selection(), (Sel{4, 5, 6}));
  v.Key(Qt::Key_Space, Qt::ControlModifier);  // toggles the caret item
  EXPECT_EQ(v.Selection(), (Sel{4, 5, 6, 8}));
  v.Key(Qt::Key_End);
  EXPECT_EQ(v.Selection(), (Sel{49}));
  EXPECT_EQ(v.list->TopIndex(), 40);
  v.Key(Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(v.Selection().size(), 50u);
  EXPECT_EQ(v.list->TopIndex(), 0);
  v.Key(Qt::Key_PageDown);
  EXPECT_EQ(v.items.ItemIndex(), 9);
  v.Key(Qt::Key_PageDown);
  EXPECT_EQ(v.items.ItemIndex(), 18);
  v.Key(Qt::Key_PageUp);
  EXPECT_EQ(v.items.ItemIndex(), 9);
  v.Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(v.items.SelectedCount(), 50);
}

TEST(ListBoxViewTest, TypingFindsTheNextItemByPrefixIgnoringCase) {
  View v;
  for (const char* s : {"apple", "Banana", "blueberry", "cherry", "bean"}) v.items.Append(s);
  v.Show();
  QTest::keyClicks(v.list, "b");
  EXPECT_EQ(v.items.ItemIndex(), 1);
  QTest::keyClicks(v.list, "l");  // "bl" within the typing interval
  EXPECT_EQ(v.items.ItemIndex(), 2);
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(v.list, "b");  // a fresh "b" moves on to the next b-item
  EXPECT_EQ(v.items.ItemIndex(), 4);
  EXPECT_EQ(v.Selection(), (Sel{4}));
  v.list->AutoComplete = false;
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(v.list, "c");
  EXPECT_EQ(v.items.ItemIndex(), 4);
}

// After a prefix found nothing, longer prefixes skip the items already searched but still
// find items appended since, and an item before the caret (the search wraps around).
TEST(ListBoxViewTest, TypingAfterAMissStillFindsItemsAddedSince) {
  View v;
  for (const char* s : {"xa", "apple", "banana"}) v.items.Append(s);
  v.Show();
  v.items.SetItemIndex(1);
  QTest::keyClicks(v.list, "q");
  EXPECT_EQ(v.items.ItemIndex(), 1) << "no item starts with q";
  v.items.Append("QR code");
  QTest::keyClicks(v.list, "r");
  EXPECT_EQ(v.items.ItemIndex(), 3);
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(v.list, "z");  // a miss, then an edit: the whole list counts again
  v.items.Delete(3);
  v.items.Insert(0, "zed");
  QTest::keyClicks(v.list, "e");
  EXPECT_EQ(v.items.ItemIndex(), 0);
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  v.items.SetItemIndex(2);
  QTest::keyClicks(v.list, "x");
  EXPECT_EQ(v.items.ItemIndex(), 1) << "wrapped past the end to the top";
}

// An append repaints only the rows it adds, none when they lie below the view; other
// edits repaint every visible row.
TEST(ListBoxViewTest, AppendsRepaintOnlyTheRowsTheyAdd) {
  View v(5);
  v.Show();
  QTest::qWait(20);
  v.drawn.clear();
  v.items.Append("sixth");
  QTest::qWait(20);
  ASSERT_EQ(v.drawn.size(), 1u);
  EXPECT_EQ(v.drawn.begin()->first, 5);
  for (int i = 0; i < 20; ++i) v.items.Append(Numbered("more", i));
  QTest::qWait(20);
  v.drawn.clear();
  v.items.Append("below");
  QTest::qWait(20);
  EXPECT_TRUE(v.drawn.empty());
  v.items.Delete(0);
  QTest::qWait(20);
  EXPECT_GE(v.drawn.size(), 10u);
}

TEST(ListBoxViewTest, RightClickAsksForTheMenuAndKeepsTheSelection) {
  View v(10);
  v.Click(2);
  v.Click(4, Qt::ControlModifier);
  QPoint asked;
  QObject::connect(v.list, &LqListBox::contextMenuRequested, [&](const QPoint& g) { asked = g; });
  QTest::mouseClick(v.list, Qt::RightButton, {}, QPoint(50, 150));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(50, 150),
                         v.list->mapToGlobal(QPoint(50, 150)));
  QCoreApplication::sendEvent(v.list, &menu);
  EXPECT_EQ(asked, v.list->mapToGlobal(QPoint(50, 150)));
  EXPECT_EQ(v.Selection(), (Sel{2, 4}));
  EXPECT_EQ(v.items.ItemIndex(), 4);
}

TEST(ListBoxViewTest, DoubleClickReportsWithTheItemCurrent) {
  View v(10);
  int currentAtEvent = -2;
  QObject::connect(v.list, &LqListBox::doubleClicked,
                   [&] { currentAtEvent = v.items.ItemIndex(); });
  QTest::mouseDClick(v.list, Qt::LeftButton, {}, QPoint(50, 70));
  EXPECT_EQ(currentAtEvent, 3);
}

TEST(ListBoxViewTest, CurrentItemDrawsSelectedAndFocusedOnlyWithFocus) {
  View v(10);
  v.Show();
  v.Click(1);
  v.Click(3, Qt::ControlModifier);
  v.Click(3, Qt::ControlModifier);  // current but not selected
  ASSERT_FALSE(v.items.Selected(3));
  v.Paint();
  EXPECT_TRUE(v.drawn[3].selected);
  EXPECT_TRUE(v.drawn[3].focused);
  EXPECT_TRUE(v.drawn[1].selected);
  EXPECT_FALSE(v.drawn[2].selected);
  v.list->clearFocus();
  v.Paint();
  EXPECT_TRUE(v.drawn[3].selected);
  EXPECT_FALSE(v.drawn[3].focused);
}

TEST(ListBoxViewTest, ChangeNewsIsCoalescedPerEventLoopTurn) {
  View v;
  int news = 0;
  QObject::connect(v.list, &LqListBox::countChanged, [&] { ++news; });
  for (int i = 0; i < 5000; ++i) v.items.Append(Numbered("p", i));
  EXPECT_EQ(news, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(news, 1);
  v.items.Append("one more");
  QCoreApplication::processEvents();
  EXPECT_EQ(news, 2);
}

TEST(ListBoxViewTest, DeletingKeepsTheTopIndexInRange) {
  View v(100);
  v.list->SetTopIndex(90);
  int scrolled = 0;
  QObject::connect(v.list, &LqListBox::scrolled, [&] { ++scrolled; });
  for (int i = 0; i < 95; ++i) v.items.Delete(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(v.list->TopIndex(), 0);
  EXPECT_EQ(scrolled, 1);
  v.Paint();
  EXPECT_EQ(v.list->RowsPaintedLastTime(), 5);
}

}  // namespace
}  // namespace lq
