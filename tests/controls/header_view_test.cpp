// The skinned column header of a details view: sections drawn from the button
// element in its states, the sort triangle, sorting and resizing by mouse, the
// unbound look and re-binding.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

#include "controls/test_skin.h"
#include "skin/controls/element_image.h"
#include "skin/controls/header_view.h"
#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_access.h"

namespace lq {
namespace {

// The program skin's caption colour of its buttons (0x00BBGGRR 5123096).
const QColor kCaption(0x18, 0x2C, 0x4E);

// The "button" element's picture and rectangles, read straight from the skin.
struct ButtonElement {
  explicit ButtonElement(const LqSkinData* skin) {
    const LqDataSkinControl* d = ControlAt(skin, LookupControl(skin, "button"));
    int pictureIndex = -1, maskIndex = -1;
    EXPECT_TRUE(CopyElementGeometry(d, geom, pictureIndex, maskIndex));
    EXPECT_TRUE(CopyLook(d, look));
    picture = ToImage(*ActivePicture(skin, pictureIndex));
  }
  // Whether the section at left..left+width-1 of the rendered header shows the state
  // rectangle's left and right ends 1:1 (the middle is tiled under the caption).
  ::testing::AssertionResult CornersMatch(const QImage& shot, int left, int width,
                                          const Rect& state) const {
    const int leftEnd = geom.lefttoppoint.x, rightEnd = geom.skinWidth() - geom.righttoppoint.x;
    for (int y = 0; y < geom.skinHeight(); ++y) {
      for (int x = 0; x < leftEnd; ++x)
        if (shot.pixel(left + x, y) != picture.pixel(state.left + x, state.top + y))
          return ::testing::AssertionFailure() << "left end differs at " << x << "," << y;
      for (int x = 0; x < rightEnd; ++x)
        if (shot.pixel(left + width - rightEnd + x, y) !=
            picture.pixel(state.right - rightEnd + x, state.top + y))
          return ::testing::AssertionFailure() << "right end differs at " << x << "," << y;
    }
    return ::testing::AssertionSuccess();
  }
  SliceGeometry geom;
  ButtonLook look;
  QImage picture;
};

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

struct DetailsView {
  explicit DetailsView(LqSkinData* skin) : model(0, 3) {
    model.setHorizontalHeaderLabels(
        {QStringLiteral("名称"), QStringLiteral("大小"), QStringLiteral("修改日期")});
    const QStringList names = {"seo", "长尾词", "keyword", "apple", "zebra"};
    for (int i = 0; i < names.size(); ++i)
      model.appendRow({new QStandardItem(names[i]), new QStandardItem(QString::number(i * 7 % 5)),
                       new QStandardItem("2024-01-0" + QString::number(i + 1))});
    proxy.setSourceModel(&model);
    tree = new QTreeView(&form);
    header = new LqSkinHeaderView(Qt::Horizontal, tree);
    header->SetSkinDataName("button");
    header->SetSkinData(skin);
    tree->setHeader(header);
    tree->setModel(&proxy);
    tree->setSortingEnabled(true);
    tree->sortByColumn(0, Qt::AscendingOrder);
    form.resize(420, 200);
    tree->setGeometry(0, 0, 420, 200);
    for (int c = 0; c < 3; ++c) header->resizeSection(c, 120);
    form.show();
    QApplication::processEvents();
  }
  QRect Section(int logical) const {
    return QRect(header->sectionViewportPosition(logical), 0, header->sectionSize(logical),
                 header->height());
  }
  QImage Shot() const { return lqtest::Render(header); }
  QString FirstRow() const { return proxy.index(0, 0).data().toString(); }

  QStandardItemModel model;
  QSortFilterProxyModel proxy;
  QWidget form;
  QTreeView* tree;
  LqSkinHeaderView* header;
};

TEST(SkinHeaderView, SectionsShowTheButtonElementAtItsHeight) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  ButtonElement button(skin.get());
  ASSERT_TRUE(v.header->IsBound());
  EXPECT_EQ(v.header->height(), button.geom.skinHeight());
  // The rows start right under the header.
  EXPECT_EQ(v.tree->viewport()->geometry().top(), v.header->geometry().bottom() + 1);
  const QImage shot = v.Shot();
  for (int section : {1, 2}) {
    const QRect r = v.Section(section);
    EXPECT_TRUE(button.CornersMatch(shot, r.left(), r.width(), button.geom.skinrect)) << section;
  }
  // The caption in the element's colour, left-aligned after a small margin unless the
  // model asks for another alignment.
  const QRect r = v.Section(1);
  const QRect leftHalf = r.adjusted(0, 0, -60, 0), rightHalf = r.adjusted(60, 0, 0, 0);
  EXPECT_GT(CountColour(shot, leftHalf, kCaption), 10);
  EXPECT_EQ(CountColour(shot, leftHalf.adjusted(0, 0, 4 - leftHalf.width(), 0), kCaption), 0);
  v.model.setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight), Qt::TextAlignmentRole);
  const QImage right = v.Shot();
  EXPECT_EQ(CountColour(right, leftHalf, kCaption), 0);
  EXPECT_GT(CountColour(right, rightHalf, kCaption), 10);
  EXPECT_EQ(CountColour(right, rightHalf.adjusted(rightHalf.width() - 4, 0, 0, 0), kCaption), 0);
}

TEST(SkinHeaderView, TheSectionUnderTheMouseShowsTheActiveImage) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  ButtonElement button(skin.get());
  QTest::mouseMove(v.header->viewport(), v.Section(1).center());
  EXPECT_EQ(v.header->SectionState(1), HeaderSectionState::kActive);
  EXPECT_EQ(v.header->SectionState(2), HeaderSectionState::kNormal);
  QImage shot = v.Shot();
  const QRect hot = v.Section(1);
  EXPECT_TRUE(button.CornersMatch(shot, hot.left(), hot.width(), button.look.activeskinrect));
  EXPECT_TRUE(button.CornersMatch(shot, v.Section(2).left(), 120, button.geom.skinrect));

  // Pressed, the section shows the down image; the mouse moving off clears the hot look.
  QTest::mousePress(v.header->viewport(), Qt::LeftButton, {}, hot.center());
  EXPECT_EQ(v.header->SectionState(1), HeaderSectionState::kDown);
  shot = v.Shot();
  EXPECT_TRUE(button.CornersMatch(shot, hot.left(), hot.width(), button.look.downskinrect));
  QTest::mouseRelease(v.header->viewport(), Qt::LeftButton, {}, hot.center());
  QTest::mouseMove(v.header->viewport(), v.Section(2).center());
  EXPECT_EQ(v.header->SectionState(1), HeaderSectionState::kNormal);
  EXPECT_EQ(v.header->SectionState(2), HeaderSectionState::kActive);
}

// The rows of the sort triangle that hold caption pixels, top to bottom.
std::vector<int> TriangleRows(const QImage& shot, const QRect& mark) {
  std::vector<int> widths;
  for (int y = mark.top(); y <= mark.bottom(); ++y) {
    const int n = CountColour(shot, QRect(mark.left(), y, mark.width(), 1), kCaption);
    if (n > 0) widths.push_back(n);
  }
  return widths;
}

TEST(SkinHeaderView, TheSortedSectionShowsATriangleThatFollowsTheOrder) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  QImage shot = v.Shot();
  const QRect mark0 = LqSkinHeaderView::SortIndicatorRect(v.Section(0));
  std::vector<int> rows = TriangleRows(shot, mark0);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_LT(rows.front(), rows.back());  // ascending: pointing up
  EXPECT_TRUE(TriangleRows(shot, LqSkinHeaderView::SortIndicatorRect(v.Section(1))).empty());

  v.tree->sortByColumn(0, Qt::DescendingOrder);
  shot = v.Shot();
  rows = TriangleRows(shot, mark0);
  ASSERT_GE(rows.size(), 3u);
  EXPECT_GT(rows.front(), rows.back());
}

// Mouse events carrying the held button, as a drag delivers them.
void Drag(QWidget* port, QPoint from, QPoint to) {
  QMouseEvent press(QEvent::MouseButtonPress, from, port->mapToGlobal(from), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent move(QEvent::MouseMove, to, port->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, to, port->mapToGlobal(to), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  for (QMouseEvent* e : {&press, &move, &release}) QApplication::sendEvent(port, e);
}

TEST(SkinHeaderView, ClicksSortByTheSectionAndDraggingAnEdgeResizesIt) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  EXPECT_EQ(v.FirstRow(), "apple");
  QTest::mouseClick(v.header->viewport(), Qt::LeftButton, {}, v.Section(0).center());
  EXPECT_EQ(v.proxy.sortOrder(), Qt::DescendingOrder);
  EXPECT_EQ(v.FirstRow(), QStringLiteral("长尾词"));
  QTest::mouseClick(v.header->viewport(), Qt::LeftButton, {}, v.Section(2).center());
  EXPECT_EQ(v.proxy.sortColumn(), 2);
  const Qt::SortOrder first = v.proxy.sortOrder();
  // The dates run with the rows as added: "seo" has the oldest, "zebra" the newest.
  EXPECT_EQ(v.FirstRow(), first == Qt::AscendingOrder ? "seo" : "zebra");
  QTest::mouseClick(v.header->viewport(), Qt::LeftButton, {}, v.Section(2).center());
  EXPECT_EQ(v.FirstRow(), first == Qt::AscendingOrder ? "zebra" : "seo");

  const QPoint edge(v.Section(0).right(), 10);
  Drag(v.header->viewport(), edge, edge + QPoint(45, 0));
  EXPECT_EQ(v.header->sectionSize(0), 165);
  EXPECT_EQ(v.proxy.sortColumn(), 2);  // a resize is no click
}

TEST(SkinHeaderView, ReleasedHeadersLookLikeRaisedButtonsUntilApplyBindsAgain) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  ButtonElement button(skin.get());
  ReleaseFormControlsSkin(&v.form, skin.get());  // the form-wide walk reaches the header
  EXPECT_FALSE(v.header->IsBound());
  QRect r = v.Section(1);
  EXPECT_EQ(r.height(), v.header->fontMetrics().height() + 6);
  const QImage shot = v.Shot();
  EXPECT_EQ(shot.pixelColor(r.left(), r.top()), ControlColor(clBtnHighlight));
  EXPECT_EQ(shot.pixelColor(r.right(), r.bottom()), ControlColor(clBtnShadow));
  EXPECT_EQ(shot.pixelColor(r.right() - 2, r.top() + 2), ControlColor(clBtnFace));
  EXPECT_GT(CountColour(shot, r, QColor(Qt::black)), 10);  // the default font's caption

  ApplyFormControlsSkin(&v.form, skin.get());
  EXPECT_TRUE(v.header->IsBound());
  r = v.Section(1);
  EXPECT_EQ(r.height(), button.geom.skinHeight());
  EXPECT_TRUE(button.CornersMatch(v.Shot(), r.left(), r.width(), button.geom.skinrect));

  // A name the skin does not have leaves the header unbound.
  v.header->SetSkinDataName("nosuchbutton");
  EXPECT_FALSE(v.header->IsBound());
}

TEST(SkinHeaderView, ScreenshotOfADetailsViewWithSkinnedHeaderAndBars) {
  auto skin = lqtest::MakeProgramSkin();
  DetailsView v(skin.get());
  for (int i = 0; i < 40; ++i)
    v.model.appendRow({new QStandardItem(QStringLiteral("关键词 %1.txt").arg(i)),
                       new QStandardItem(QString::number(i * 3)), new QStandardItem("2024-02-01")});
  v.header->resizeSection(2, 200);
  auto* vbar = new LqSkinScrollBar(&v.form);
  auto* hbar = new LqSkinScrollBar(&v.form);
  vbar->SetKind(ScrollBarKind::Vertical);
  vbar->SetSkinDataName("vscrollbar");
  vbar->SetSkinData(skin.get());
  hbar->SetSkinData(skin.get());
  vbar->show();  // the form is on screen already
  hbar->show();
  new ScrollAreaBars(v.tree, vbar, hbar);
  v.form.setAutoFillBackground(true);
  PlaceScrollArea(v.tree, vbar, hbar, v.form.rect());
  QApplication::processEvents();
  EXPECT_TRUE(vbar->isEnabled());
  EXPECT_TRUE(hbar->isEnabled());
  vbar->SetPosition(5);
  EXPECT_EQ(v.tree->verticalScrollBar()->value(), 5);
  const QImage shot = lqtest::Render(&v.form);
  lqtest::SaveDocImage(shot, "header-view.png");
  // The header inside the view's frame starts with the element's top-left pixel.
  ButtonElement button(skin.get());
  EXPECT_EQ(shot.pixel(v.header->mapTo(&v.form, QPoint(0, 0))),
            button.picture.pixel(button.geom.skinrect.left, button.geom.skinrect.top));
}

}  // namespace
}  // namespace lq
