// Skinned bars linked to a Qt item view: the mirrored range, scrolling both ways,
// the disabled state, either side destroyed first, and the layout beside the view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"

namespace lq {
namespace {

QStringList Rows(int n, const QString& prefix = QStringLiteral("长尾词")) {
  QStringList rows;
  for (int i = 0; i < n; ++i) rows << QStringLiteral("%1 %2").arg(prefix).arg(i);
  return rows;
}

struct ListForm {
  explicit ListForm(int rows) : model(Rows(rows)) {
    form.resize(300, 200);
    view = new QListView(&form);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setModel(&model);
    vbar = new TlqSkinScrollBar(&form);
    vbar->SetKind(sbVertical);
    hbar = new TlqSkinScrollBar(&form);
    link = new ScrollAreaBars(view, vbar, hbar);
    PlaceScrollArea(view, vbar, hbar, form.rect());
    form.show();
    QApplication::processEvents();
  }
  int TopRow() const { return view->indexAt(QPoint(2, 2)).row(); }
  // Rows that fit whole into the view.
  int RowsPerPage() const { return view->viewport()->height() / view->sizeHintForRow(0); }

  QStringListModel model;  // outlives the view
  QWidget form;
  QListView* view;
  TlqSkinScrollBar* vbar;
  TlqSkinScrollBar* hbar;
  ScrollAreaBars* link;
};

TEST(ScrollAreaBars, ManyRowsEnableTheVerticalBarWithTheRowRangeAndPage) {
  ListForm f(200);
  EXPECT_EQ(f.view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(f.view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  ASSERT_TRUE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Min(), 0);
  EXPECT_EQ(f.vbar->Max(), 199);  // the last row
  EXPECT_EQ(f.vbar->PageSize(), f.RowsPerPage());
  EXPECT_EQ(f.vbar->LargeChange(), f.RowsPerPage());
  EXPECT_EQ(f.vbar->Position(), 0);
  // Short rows leave nothing to scroll sideways.
  EXPECT_FALSE(f.hbar->isEnabled());
  EXPECT_EQ(f.hbar->Max(), 0);
}

TEST(ScrollAreaBars, MovingTheSkinnedBarScrollsTheViewAndScrollingTheViewMovesTheBar) {
  ListForm f(200);
  f.vbar->SetPosition(40);
  EXPECT_EQ(f.view->verticalScrollBar()->value(), 40);
  EXPECT_EQ(f.TopRow(), 40);

  // A click on the track below the thumb turns one page, as the view's own bar would.
  const ScrollBarLayout l = f.vbar->Layout();
  const QPoint below((l.track.left + l.track.right) / 2, l.track.bottom - 2);
  ASSERT_GT(below.y(), l.thumb.bottom);
  QTest::mouseClick(f.vbar, Qt::LeftButton, {}, below);
  EXPECT_EQ(f.TopRow(), 40 + f.RowsPerPage());

  f.view->setFocus();
  QTest::keyClick(f.view, Qt::Key_End);
  EXPECT_EQ(f.vbar->Position(), f.view->verticalScrollBar()->maximum());
  EXPECT_EQ(f.vbar->Position(), 200 - f.RowsPerPage());
  QTest::keyClick(f.view, Qt::Key_Home);
  EXPECT_EQ(f.vbar->Position(), 0);
}

// Columns of names flowing downwards and wrapping, as a file list shows them.
TEST(ScrollAreaBars, WrappedColumnsScrollSideways) {
  ListForm f(200);
  f.view->setFlow(QListView::TopToBottom);
  f.view->setWrapping(true);
  QApplication::processEvents();
  ASSERT_TRUE(f.hbar->isEnabled());
  EXPECT_FALSE(f.vbar->isEnabled());
  const QScrollBar* q = f.view->horizontalScrollBar();
  EXPECT_EQ(f.hbar->PageSize(), q->pageStep());
  EXPECT_EQ(f.hbar->Max(), q->maximum() + q->pageStep() - 1);
  EXPECT_EQ(f.hbar->SmallChange(), q->singleStep());
  f.hbar->SetPosition(q->maximum());
  EXPECT_EQ(q->value(), q->maximum());
  EXPECT_EQ(f.view->indexAt(QPoint(2, 2)).isValid(), true);
  EXPECT_GT(f.TopRow(), 100);  // the last columns are in view
}

TEST(ScrollAreaBars, TooFewRowsLeaveBothBarsDisabled) {
  ListForm f(3);
  for (TlqSkinScrollBar* bar : {f.vbar, f.hbar}) {
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->PageSize(), 0);
  }
  // Rows removed down to what fits disable the bar again.
  f.model.setStringList(Rows(200));
  QApplication::processEvents();
  ASSERT_TRUE(f.vbar->isEnabled());
  f.vbar->SetPosition(100);
  f.model.setStringList(Rows(2));
  QApplication::processEvents();
  EXPECT_FALSE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Position(), 0);
}

TEST(ScrollAreaBars, ADisabledViewDisablesItsBarsUntilEnabledAgain) {
  ListForm f(200);
  f.vbar->SetPosition(30);
  f.view->setEnabled(false);
  EXPECT_FALSE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Max(), 0);
  f.view->setEnabled(true);
  EXPECT_TRUE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Position(), 30);
  // Disabling the form reaches the view as well.
  f.form.setEnabled(false);
  EXPECT_FALSE(f.vbar->isEnabled());
}

TEST(ScrollAreaBars, AViewMadeTallEnoughDisablesTheBarAfterTheResize) {
  ListForm f(12);
  ASSERT_TRUE(f.vbar->isEnabled());
  PlaceScrollArea(f.view, f.vbar, f.hbar, QRect(0, 0, 300, 400));
  QApplication::processEvents();
  EXPECT_FALSE(f.vbar->isEnabled());
}

TEST(ScrollAreaBars, ABarDestroyedFirstIsForgotten) {
  ListForm f(200);
  delete f.vbar;
  EXPECT_EQ(f.link->Vertical(), nullptr);
  f.view->scrollToBottom();  // no use of the freed bar
  f.model.setStringList(Rows(400));
  QApplication::processEvents();
  EXPECT_EQ(f.link->Horizontal(), f.hbar);
}

TEST(ScrollAreaBars, AViewDestroyedFirstLeavesWorkingUnlinkedBars) {
  ListForm f(200);
  f.vbar->SetPosition(10);
  delete f.view;  // the link goes with it
  int changes = 0;
  f.vbar->OnChange = [&changes](TlqSkinScrollBar*) { ++changes; };
  f.vbar->SetPosition(20);
  EXPECT_EQ(changes, 1);

  // A link kept alive by hand past its view does nothing either.
  ListForm g(200);
  QPointer<ScrollAreaBars> link = g.link;
  link->setParent(nullptr);
  delete g.view;
  g.vbar->SetPosition(50);
  link->Sync();
  EXPECT_EQ(link->Area(), nullptr);
  delete link;
  EXPECT_FALSE(bool(g.vbar->OnChange));
}

TEST(ScrollAreaBars, ReplacingABarUnlinksTheOldOne) {
  ListForm f(200);
  TlqSkinScrollBar other(&f.form);
  other.SetKind(sbVertical);
  f.link->SetVertical(&other);
  EXPECT_FALSE(bool(f.vbar->OnChange));
  EXPECT_TRUE(other.isEnabled());
  other.SetPosition(25);
  EXPECT_EQ(f.TopRow(), 25);
}

TEST(ScrollAreaBars, PlacesTheViewWithBarsAtTheRightAndBottomAndAnEmptyCorner) {
  QWidget form;
  QListView view(&form);
  TlqSkinScrollBar v(&form), h(&form);
  v.SetKind(sbVertical);
  PlaceScrollArea(&view, &v, &h, QRect(10, 20, 300, 200));
  EXPECT_EQ(view.geometry(), QRect(10, 20, 281, 181));
  EXPECT_EQ(v.geometry(), QRect(291, 20, 19, 181));
  EXPECT_EQ(h.geometry(), QRect(10, 201, 281, 19));

  PlaceScrollArea(&view, &v, nullptr, QRect(0, 0, 100, 50));
  EXPECT_EQ(view.geometry(), QRect(0, 0, 81, 50));
  EXPECT_EQ(v.geometry(), QRect(81, 0, 19, 50));
  PlaceScrollArea(&view, nullptr, nullptr, QRect(5, 5, 10, 10));
  EXPECT_EQ(view.geometry(), QRect(5, 5, 10, 10));
  // Too small for the bars: the view shrinks to nothing rather than turning inside out.
  PlaceScrollArea(&view, &v, &h, QRect(0, 0, 10, 10));
  EXPECT_EQ(view.geometry().size(), QSize(0, 0));
}

TEST(ScrollAreaBars, BoundBarsKeepTheirElementThicknessFlushWithTheEdges) {
  auto skin = lqtest::MakeProgramSkin();
  QWidget form;
  QListView view(&form);
  TlqSkinScrollBar v(&form), h(&form);
  v.SetKind(sbVertical);
  v.SetSkinDataName("vscrollbar");
  h.SetSkinDataName("hscrollbar");
  v.SetSkinData(skin.get());
  h.SetSkinData(skin.get());
  PlaceScrollArea(&view, &v, &h, QRect(0, 0, 300, 200));
  EXPECT_EQ(v.geometry(), QRect(283, 0, 17, 183));
  EXPECT_EQ(h.geometry(), QRect(0, 183, 283, 17));
  EXPECT_EQ(view.geometry(), QRect(0, 0, 283, 183));
}

}  // namespace
}  // namespace lq
