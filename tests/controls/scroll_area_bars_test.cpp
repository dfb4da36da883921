// Skinned bars linked to a Qt item view: the mirrored range, scrolling both ways,
// the disabled state, either side destroyed first, and the layout beside the view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>
#include <memory>

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
    vbar = new LqSkinScrollBar(&form);
    vbar->SetKind(ScrollBarKind::Vertical);
    hbar = new LqSkinScrollBar(&form);
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
  LqSkinScrollBar* vbar;
  LqSkinScrollBar* hbar;
  ScrollAreaBars* link;
};

TEST(ScrollAreaBars, ManyRowsGiveTheRowRangeAndTheBarAndViewScrollEachOther) {
  ListForm f(200);
  EXPECT_EQ(f.view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  ASSERT_TRUE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Max(), 199);  // the last row
  EXPECT_EQ(f.vbar->PageSize(), f.RowsPerPage());
  EXPECT_FALSE(f.hbar->isEnabled());  // short rows: nothing to scroll sideways

  f.vbar->SetPosition(40);
  EXPECT_EQ(f.TopRow(), 40);
  // A click on the track below the thumb turns one page, as the view's own bar would.
  const ScrollBarLayout l = f.vbar->Layout();
  const QPoint below((l.track.left + l.track.right) / 2, l.track.bottom - 2);
  ASSERT_GT(below.y(), l.thumb.bottom);
  QTest::mouseClick(f.vbar, Qt::LeftButton, {}, below);
  EXPECT_EQ(f.TopRow(), 40 + f.RowsPerPage());

  QTest::keyClick(f.view, Qt::Key_End);
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
  EXPECT_EQ(f.hbar->Max(), q->maximum() + q->pageStep() - 1);
  EXPECT_EQ(f.hbar->SmallChange(), q->singleStep());
  f.hbar->SetPosition(q->maximum());
  EXPECT_GT(f.TopRow(), 100);  // the last columns are in view
}

TEST(ScrollAreaBars, BarsAreDisabledWithNothingToScrollOrADisabledView) {
  ListForm f(3);
  for (LqSkinScrollBar* bar : {f.vbar, f.hbar}) {
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->PageSize(), 0);
  }
  f.model.setStringList(Rows(200));
  QApplication::processEvents();
  f.vbar->SetPosition(30);
  f.form.setEnabled(false);  // reaches the view through its parent
  EXPECT_FALSE(f.vbar->isEnabled());
  f.form.setEnabled(true);
  EXPECT_TRUE(f.vbar->isEnabled());
  EXPECT_EQ(f.vbar->Position(), 30);

  // A view made tall enough for its rows has nothing to scroll once it has resized.
  f.model.setStringList(Rows(12));
  QApplication::processEvents();
  ASSERT_TRUE(f.vbar->isEnabled());
  PlaceScrollArea(f.view, f.vbar, f.hbar, QRect(0, 0, 300, 400));
  QApplication::processEvents();
  EXPECT_FALSE(f.vbar->isEnabled());
}

TEST(ScrollAreaBars, EitherSideMayBeDestroyedFirst) {
  ListForm f(200);
  delete f.vbar;
  EXPECT_EQ(f.link->Vertical(), nullptr);
  f.model.setStringList(Rows(400));  // no use of the freed bar
  QApplication::processEvents();
  delete f.view;  // the link goes with it and leaves the other bar unlinked
  f.hbar->SetPosition(5);

  // A link kept alive past its view does nothing.
  ListForm g(200);
  std::unique_ptr<ScrollAreaBars> link(g.link);
  link->setParent(nullptr);
  delete g.view;
  g.vbar->SetPosition(50);
  link->Sync();
  EXPECT_EQ(link->Area(), nullptr);
}

TEST(ScrollAreaBars, PlacesTheViewWithBarsAtTheRightAndBottomAndAnEmptyCorner) {
  QWidget form;
  QListView view(&form);
  LqSkinScrollBar v(&form), h(&form);
  v.SetKind(ScrollBarKind::Vertical);
  PlaceScrollArea(&view, &v, &h, QRect(10, 20, 300, 200));
  EXPECT_EQ(view.geometry(), QRect(10, 20, 281, 181));
  EXPECT_EQ(v.geometry(), QRect(291, 20, 19, 181));
  EXPECT_EQ(h.geometry(), QRect(10, 201, 281, 19));
  PlaceScrollArea(&view, &v, nullptr, QRect(0, 0, 100, 50));
  EXPECT_EQ(view.geometry(), QRect(0, 0, 81, 50));
  EXPECT_EQ(v.geometry(), QRect(81, 0, 19, 50));
  // Too small for the bars: the view shrinks to nothing rather than turning inside out.
  PlaceScrollArea(&view, &v, &h, QRect(0, 0, 10, 10));
  EXPECT_EQ(view.geometry().size(), QSize(0, 0));

  // Bars bound to the program skin keep their elements' 17 pixels, flush with the edges.
  auto skin = lqtest::MakeProgramSkin();
  v.SetSkinDataName("vscrollbar");
  v.SetSkinData(skin.get());
  h.SetSkinData(skin.get());
  PlaceScrollArea(&view, &v, &h, QRect(0, 0, 300, 200));
  EXPECT_EQ(v.geometry(), QRect(283, 0, 17, 183));
  EXPECT_EQ(h.geometry(), QRect(0, 183, 283, 17));
  EXPECT_EQ(view.geometry(), QRect(0, 0, 283, 183));
}

}  // namespace
}  // namespace lq
