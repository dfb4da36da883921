// The skinned list box: scroll-bar creation and removal, item looks with and
// without the skin, selection operations, menu and double-click events.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "controls/list_box_test_skin.h"
#include "skin/controls/list_box.h"
#include "skin/controls/scroll_bar.h"
#include "support/screenshots.h"
#include "support/string_list_model.h"

namespace lq {
namespace {

QRgb At(const QImage& img, int x, int y) {
  return img.pixel(x, y) & 0xFFFFFF;
}
QRgb Rgb(Color c) {
  return ControlColor(c).rgb() & 0xFFFFFF;
}

std::string Numbered(const char* prefix, int i) {
  std::string s(prefix);
  s.append(std::to_string(i));
  return s;
}

struct Box {
  std::unique_ptr<LqSkinData> skin;
  QWidget host;
  LqSkinListBox* box;
  longtail::testing::StringListModel* items;  // owned by the box

  explicit Box(bool skinned) {
    host.resize(400, 400);
    auto model = std::make_unique<longtail::testing::StringListModel>();
    items = model.get();
    box = new LqSkinListBox(std::move(model), &host);
    if (skinned) {
      skin = test::MakeTestSkin();
      box->SetSkinData(skin.get());
    }
    box->SetBounds(QRect(0, 0, 120, 120));
  }
  void Add(int n) {
    for (int i = 0; i < n; ++i) items->Append(Numbered("phrase ", items->Count()));
    QCoreApplication::processEvents();  // the coalesced re-sync runs here
  }
  QImage Render() { return box->grab().toImage(); }
  void Show() {
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  }
};

TEST(ListBoxTest, BarAppearsWhenItemsNoLongerFitAndGoesOnClear) {
  Box b(false);
  // Unbound: content 2..118 -> 116 pixels, five rows of 20.
  b.Add(5);
  EXPECT_EQ(b.box->VScrollBar(), nullptr);
  EXPECT_EQ(b.box->ListBox()->width(), 116);
  b.Add(1);
  ASSERT_NE(b.box->VScrollBar(), nullptr);
  EXPECT_EQ(b.box->ListBox()->width(), 116 - 19);
  EXPECT_EQ(b.box->VScrollBar()->geometry(), QRect(100, 2, 19, 116));
  EXPECT_EQ(b.box->VScrollBar()->PageSize(), 5);
  EXPECT_EQ(b.box->VScrollBar()->Max(), 5);
  b.box->Clear();
  EXPECT_EQ(b.box->VScrollBar(), nullptr);
  EXPECT_EQ(b.box->ListBox()->width(), 116);
}

TEST(ListBoxTest, SkinnedBarIsTheElementWidthAndScrollsTheList) {
  Box b(true);
  ASSERT_TRUE(b.box->SkinnedItems());
  b.Add(100);
  LqSkinScrollBar* bar = b.box->VScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->SkinnedLook());
  EXPECT_EQ(bar->width(), 17);
  // Client 2..118 of the fitted element: 116 - 17 for the list.
  EXPECT_EQ(b.box->ListBox()->geometry(), QRect(2, 2, 99, 116));
  // Thumb length follows visible rows / items; dragging moves the list line by line.
  EXPECT_EQ(bar->PageSize(), 5);
  bar->SetPosition(40);
  EXPECT_EQ(b.box->TopIndex(), 40);
  bar->SetPosition(1000);
  EXPECT_EQ(b.box->TopIndex(), 95);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->Position(), 95);
}

TEST(ListBoxTest, RowsAre20PixelsWithTheSkinInBothItemHeightModes) {
  for (bool useSkin : {true, false}) {
    Box b(true);
    b.box->SetUseSkinItemHeight(useSkin);
    b.box->SetDefaultItemHeight(20);
    EXPECT_EQ(b.box->ListBox()->ItemHeight(), 20);
  }
  Box unbound(false);
  unbound.box->SetDefaultItemHeight(17);
  EXPECT_EQ(unbound.box->ListBox()->ItemHeight(), 17);
}

TEST(ListBoxTest, SkinnedItemsUseTheStateImages) {
  for (bool useSkin : {true, false}) {
    Box b(true);
    b.box->SetUseSkinItemHeight(useSkin);
    b.Add(4);
    b.box->SetSelected(1, true);
    b.box->SetItemIndex(2);
    QImage img = b.Render();
    const QPoint inner = b.box->ListBox()->pos();
    // Right end of each row (away from the text): plain, selected, current.
    const int x = inner.x() + b.box->ListBox()->width() - 2;
    EXPECT_EQ(At(img, x, inner.y() + 10), Rgb(test::kItemPlain)) << useSkin;
    EXPECT_EQ(At(img, x, inner.y() + 30), Rgb(test::kItemActive)) << useSkin;
    // Without focus the current item is drawn selected (not focused).
    EXPECT_EQ(At(img, x, inner.y() + 50), Rgb(test::kItemActive)) << useSkin;
    // Below the items the element's client image fills the list.
    EXPECT_EQ(At(img, x, inner.y() + 90), Rgb(test::kListClient)) << useSkin;
    // The frame comes from the element.
    EXPECT_EQ(At(img, 0, 0), Rgb(test::kListFrame));
    if (useSkin) longtail::testing::SaveScreenshot(img, "list_box_skinned.png");
    // Rows reuse their composed backgrounds: a second paint is the same, and a wider box
    // gets backgrounds of its own width.
    EXPECT_EQ(b.Render(), img) << useSkin;
    b.box->SetBounds(QRect(0, 0, 180, 120));
    const QImage wide = b.Render();
    const int wx = inner.x() + b.box->ListBox()->width() - 2;
    EXPECT_EQ(At(wide, wx, inner.y() + 10), Rgb(test::kItemPlain)) << useSkin;
    EXPECT_EQ(At(wide, wx, inner.y() + 30), Rgb(test::kItemActive)) << useSkin;
  }
}

TEST(ListBoxTest, CurrentItemLooksSelectedWithFocusElsewhere) {
  Box b(false);
  b.Add(5);
  b.box->SetSelected(0, true);
  b.box->SetSelected(1, true);
  b.box->SetItemIndex(3);  // current, not selected
  QImage img = b.Render();
  const QPoint inner = b.box->ListBox()->pos();
  EXPECT_EQ(At(img, inner.x() + 100, inner.y() + 70), Rgb(clHighlight));
  EXPECT_EQ(At(img, inner.x() + 100, inner.y() + 50), Rgb(clWindow));
  EXPECT_EQ(At(img, inner.x() + 100, inner.y() + 10), Rgb(clHighlight));
  longtail::testing::SaveScreenshot(img, "list_box_default.png");
}

TEST(ListBoxTest, DeletingANonContiguousSelectionKeepsTheOrder) {
  Box b(false);
  b.Add(10);
  for (int i : {1, 3, 4, 8}) b.box->SetSelected(i, true);
  EXPECT_EQ(b.box->SelCount(), 4);
  b.items->DeleteSelected();
  QCoreApplication::processEvents();
  std::vector<std::string> rest;
  for (int i = 0; i < b.items->Count(); ++i) rest.push_back(b.items->Item(i));
  EXPECT_EQ(rest, (std::vector<std::string>{"phrase 0", "phrase 2", "phrase 5", "phrase 6",
                                            "phrase 7", "phrase 9"}));
  EXPECT_EQ(b.box->SelCount(), 0);
  EXPECT_NE(b.box->VScrollBar(), nullptr);  // six items still exceed five rows
}

TEST(ListBoxTest, RightClickRequestsThePopupAndKeepsTheSelection) {
  Box b(false);
  b.Add(5);
  b.box->SetSelected(2, true);
  b.box->SetItemIndex(2);
  QSignalSpy asked(b.box, &LqSkinListBox::contextMenuRequested);
  QWidget* inner = b.box->ListBox();
  QTest::mouseClick(inner, Qt::RightButton, {}, QPoint(20, 70));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(20, 70),
                         inner->mapToGlobal(QPoint(20, 70)));
  QCoreApplication::sendEvent(inner, &menu);
  EXPECT_EQ(asked.count(), 1);
  EXPECT_EQ(b.box->SelCount(), 1);
  EXPECT_TRUE(b.box->Selected(2));
  EXPECT_EQ(b.box->ItemIndex(), 2);
}

TEST(ListBoxTest, DoubleClickRaisesTheEventWithThatItemCurrent) {
  Box b(false);
  b.Add(5);
  int index = -1;
  QObject::connect(b.box, &LqSkinListBox::itemDoubleClicked, [&] { index = b.box->ItemIndex(); });
  QTest::mouseDClick(b.box->ListBox(), Qt::LeftButton, {}, QPoint(20, 50));
  EXPECT_EQ(index, 2);
}

TEST(ListBoxTest, WheelScrollsOneLinePerNotch) {
  Box b(false);
  b.Add(20);
  QWidget* inner = b.box->ListBox();
  QWheelEvent down(QPointF(10, 10), inner->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(inner, &down);
  EXPECT_EQ(b.box->TopIndex(), 1);
  EXPECT_EQ(b.box->VScrollBar()->Position(), 1);
  QWheelEvent up(QPointF(10, 10), inner->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 240),
                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(inner, &up);
  EXPECT_EQ(b.box->TopIndex(), 0);
}

TEST(ListBoxTest, HorizontalExtentAddsABarForWideItems) {
  Box b(false);
  b.box->SetHorizontalExtent(true);
  b.items->Append("short");
  QCoreApplication::processEvents();
  EXPECT_EQ(b.box->HScrollBar(), nullptr);
  b.items->Append(std::string(60, 'W'));
  QCoreApplication::processEvents();
  ASSERT_NE(b.box->HScrollBar(), nullptr);
  EXPECT_EQ(b.box->ListBox()->height(), 116 - 19);
  b.Show();
  b.box->ListBox()->setFocus();
  QTest::keyClick(b.box->ListBox(), Qt::Key_Right);
  EXPECT_GT(b.box->ListBox()->HorizontalOffset(), 0);
  b.box->Clear();
  EXPECT_EQ(b.box->HScrollBar(), nullptr);
  EXPECT_EQ(b.box->ListBox()->HorizontalOffset(), 0);
}

}  // namespace
}  // namespace lq
