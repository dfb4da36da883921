// The combo box: the closed box drawn from the program skin's "combobox" element in
// each state, the default look, re-binding, and the dropped-down list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "controls/test_skin.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/combo_list_view.h"
#include "skin/controls/element_image.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_access.h"

namespace lq {
namespace {

using lqtest::Enter;
using lqtest::Leave;
using lqtest::Render;

// Pixels of area (in image) that differ from the picture's rectangle at source.
int Mismatches(const QImage& image, const QRect& area, const QImage& picture, QPoint source) {
  int bad = 0;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      bad += image.pixel(area.left() + x, area.top() + y) != picture.pixel(source + QPoint(x, y));
  return bad;
}

// Bounding box of the pixels in which two images of one size differ.
QRect DiffBox(const QImage& a, const QImage& b) {
  QRect box;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

// Leftmost column of area holding a dark (text or glyph) pixel, or -1.
int FirstDarkColumn(const QImage& image, const QRect& area) {
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

// Folder levels as the file dialog shows them: row 1 sits one level deeper.
class IndentedComboBox : public LqSkinComboBox {
 public:
  using LqSkinComboBox::LqSkinComboBox;
  int ItemIndent(int row) const override { return row == 1 ? 24 : 0; }
};

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.resize(320, 240);
    box = new IndentedComboBox(&form);
    box->setGeometry(10, 10, 200, 30);
    box->addItem("Long tail phrases");
    for (int i = 0; i < 7; ++i) box->addItem("Folder");
    box->SetSkinData(skin.get());
    picture = ToImage(*ActivePicture(skin.get(), box->Look().pictureindex));
  }
  void TearDown() override { box->hidePopup(); }
  void Show() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  // The button as drawn now against a picture rectangle, and the frame's left end
  // (left of the text) against the left end of a frame image.
  int ButtonMismatches(const Rect& source) {
    return Mismatches(Render(box), box->ButtonRect(), picture, {source.left, source.top});
  }
  int LeftEndMismatches(const Rect& frame) {
    return Mismatches(Render(box), QRect(0, 0, 3, 21), picture, {frame.left, frame.top});
  }
  Rect PlainButton(const Rect& frame) {
    return box->Look().buttonrect.translated(frame.left, frame.top);
  }
  QWidget* Open() {
    box->showPopup();
    QApplication::processEvents();
    return box->view()->window();
  }
  void Highlight(int row) {  // as the mouse does
    QAbstractItemView* v = box->view();
    v->selectionModel()->setCurrentIndex(v->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect);
  }
  QRect RowRect(int row) {  // in the list window
    QAbstractItemView* v = box->view();
    const QRect r = v->visualRect(v->model()->index(row, 0));
    return QRect(v->viewport()->mapTo(v->window(), r.topLeft()), r.size());
  }

  std::unique_ptr<LqSkinData> skin = lqtest::MakeProgramSkin();
  QWidget form;
  IndentedComboBox* box = nullptr;
  QImage picture;
};

TEST_F(ComboBoxTest, BoundBoxIsTheElementHeightWithTheSkinButtonAtTheRightEdge) {
  ASSERT_TRUE(box->IsBound());
  EXPECT_EQ(box->size(), QSize(200, 21));
  box->setGeometry(10, 10, 150, 40);  // the form cannot undo it
  EXPECT_EQ(box->height(), 21);
  EXPECT_EQ(box->sizeHint().height(), 21);
  // Skin button 42..58 of a 60 wide element: 18 to 2 pixels from the right edge.
  EXPECT_EQ(box->ButtonRect(), QRect(150 - 18, 2, 16, 17));
  const Rect& skinrect = box->Look().geometry.skinrect;
  EXPECT_EQ(ButtonMismatches(PlainButton(skinrect)), 0);
  EXPECT_EQ(LeftEndMismatches(skinrect), 0);
  EXPECT_EQ(Mismatches(Render(box), QRect(130, 0, 20, 21), picture, {40, skinrect.top}), 0);
}

TEST_F(ComboBoxTest, HoverFocusAndDisabledStates) {
  const ComboBoxLook& look = box->Look();
  Enter(box);
  EXPECT_EQ(LeftEndMismatches(look.activeskinrect), 0);
  EXPECT_EQ(ButtonMismatches(look.activebuttonrect), 0);
  box->setEnabled(false);  // hovered but disabled
  EXPECT_EQ(ButtonMismatches(look.unenabledbuttonrect), 0);
  EXPECT_EQ(box->TextColor(), Color(11311758));  // the skin's disabled text colour
  box->setEnabled(true);
  Leave(box);
  EXPECT_EQ(LeftEndMismatches(look.geometry.skinrect), 0);

  // Focus alone: the active frame with its plain button.
  Show();
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  EXPECT_EQ(LeftEndMismatches(look.activeskinrect), 0);
  EXPECT_EQ(ButtonMismatches(PlainButton(look.activeskinrect)), 0);
}

TEST_F(ComboBoxTest, PressingDropsTheListBelowAndShowsTheDownButtonUntilItCloses) {
  Show();
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(50, 10));
  ASSERT_TRUE(box->PopupOpen());
  EXPECT_EQ(ButtonMismatches(box->Look().downbuttonrect), 0);
  // QComboBox lays the list over the box's bottom line.
  const QWidget* list = box->view()->window();
  EXPECT_EQ(list->geometry().top(), box->mapToGlobal(QPoint(0, 20)).y());
  EXPECT_GE(list->width(), box->width());
  // A list that closes by itself (a click elsewhere) releases the button too.
  list->window()->hide();
  EXPECT_FALSE(box->ButtonDown());
  EXPECT_EQ(ButtonMismatches(PlainButton(box->Look().activeskinrect)), 0);
  // An empty box has no list to show.
  box->clear();
  box->showPopup();
  EXPECT_FALSE(box->PopupOpen());
}

TEST_F(ComboBoxTest, TextAndIconAreDrawnInsideTheClientRect) {
  const QImage text = Render(box);
  box->setCurrentIndex(-1);
  const QImage empty = Render(box);
  EXPECT_EQ(box->ClientRect(), QRect(3, 3, 200 - 20 - 3, 15));  // clientrect 3,3,40,18 grown
  const QRect drawn = DiffBox(text, empty);
  ASSERT_FALSE(drawn.isEmpty());
  EXPECT_TRUE(box->ClientRect().contains(drawn));
  // A text longer than the field stops before the button.
  box->resize(70, 21);
  box->setCurrentIndex(0);
  const QImage elided = Render(box);
  box->setCurrentIndex(-1);
  EXPECT_TRUE(box->ClientRect().contains(DiffBox(elided, Render(box))));
  // An icon starts the content, scaled to the 15 pixel field.
  QPixmap red(16, 16);
  red.fill(Qt::red);
  box->setItemIcon(0, QIcon(red));
  box->setCurrentIndex(0);
  EXPECT_EQ(QColor(Render(box).pixel(box->ClientRect().left() + 4, 10)), QColor(Qt::red));
}

TEST_F(ComboBoxTest, KeysAndWheelStillSelect) {
  Show();
  box->setFocus();
  std::vector<int> activated;
  QObject::connect(box, &QComboBox::activated, [&](int i) { activated.push_back(i); });
  QTest::keyClick(box, Qt::Key_Down);
  QTest::keyClick(box, Qt::Key_End);
  QWheelEvent up(QPointF(20, 10), box->mapToGlobal(QPointF(20, 10)), QPoint(), QPoint(0, 120),
                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &up);
  EXPECT_EQ(activated, (std::vector<int>{1, 7, 6}));
}

TEST_F(ComboBoxTest, ReleaseThenApplyBindsAgainWithoutTouchingTheOldSkin) {
  ReleaseFormControlsSkin(&form, skin.get());
  EXPECT_FALSE(box->IsBound());
  skin.reset();  // nothing of it may be reached from here on
  EXPECT_EQ(QColor(Render(box).pixel(0, 10)), ControlColor(clBtnShadow));  // default frame

  skin = lqtest::MakeProgramSkin();
  box->SetSkinData(skin.get());
  ReleaseFormControlsSkin(&form, skin.get());
  ApplyFormControlsSkin(&form, skin.get());
  ASSERT_TRUE(box->IsBound());
  EXPECT_EQ(ButtonMismatches(PlainButton(box->Look().geometry.skinrect)), 0);
  // Only an exactly named element of the combo-box kind binds.
  for (const char* name : {"edit", "ComboBox"}) {
    box->SetSkinDataName(name);
    box->ApplySkin();
    EXPECT_FALSE(box->IsBound()) << name;
  }
}

TEST(ComboBoxDefaultLook, SunkenFrameWhiteFieldArrowButtonAndDefaultFont) {
  LqSkinComboBox box;
  box.addItem("Keywords");
  box.resize(120, 24);
  EXPECT_EQ(box.height(), 24);  // unbound: the form decides
  const QImage shot = Render(&box);
  EXPECT_EQ(QColor(shot.pixel(0, 12)), ControlColor(clBtnShadow));
  EXPECT_EQ(QColor(shot.pixel(119, 12)), ControlColor(clBtnHighlight));
  EXPECT_EQ(QColor(shot.pixel(1, 12)), QColor(105, 105, 105));
  EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(Qt::white));
  const QRect b = box.ButtonRect();
  EXPECT_EQ(b, QRect(120 - 2 - 17, 2, 17, 20));
  EXPECT_EQ(QColor(shot.pixel(b.left() + 2, b.top() + 2)), ControlColor(clBtnFace));
  EXPECT_NE(FirstDarkColumn(shot, b.adjusted(3, 3, -3, -3)), -1);      // the arrow
  EXPECT_GE(FirstDarkColumn(shot, QRect(2, 2, b.left() - 2, 20)), 3);  // the text

  auto skin = lqtest::MakeProgramSkin();
  LqFont big;
  big.name = "DejaVu Sans";
  big.height = 20;
  box.SetDefaultFont(big);
  EXPECT_EQ(box.font(), MakeQFont(big));
  box.SetSkinData(skin.get());
  EXPECT_EQ(box.font(), MakeQFont("Arial", 14, 0));
  box.SetUseSkinFont(false);
  EXPECT_EQ(box.font(), MakeQFont(big));
}

TEST(ComboBoxEditable, EditFieldSitsInTheClientRect) {
  auto skin = lqtest::MakeProgramSkin();
  LqSkinComboBox box;
  box.setEditable(true);
  box.SetSkinData(skin.get());
  box.show();  // a hidden widget gets its resize events on show
  box.resize(171, 21);
  const QRect field = box.lineEdit()->geometry();
  EXPECT_TRUE(box.ClientRect().contains(field));
  EXPECT_EQ(field.topLeft(), box.ClientRect().topLeft());
  EXPECT_GE(field.width(), box.ClientRect().width() - 2);
}

// ---------------------------------------------------------------- the dropped-down list

TEST_F(ComboBoxTest, ListItemsAndFrameComeFromTheSkin) {
  box->setMaxVisibleItems(5);
  QWidget* list = Open();
  Highlight(2);
  const QImage shot = Render(list);
  const ComboBoxLook& look = box->Look();
  ASSERT_EQ(RowRect(2).height(), look.itemrect.height());
  EXPECT_EQ(list->height(), 5 * 20 + 4);  // five rows in the two-pixel frame
  // Eight items in five rows: the skinned bar stands at the right, bound to its element.
  LqSkinScrollBar* bar = box->ListView()->ScrollBar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(bar->IsBound());
  EXPECT_TRUE(bar->isEnabled());
  EXPECT_EQ(box->view()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(bar->geometry().left(), box->view()->viewport()->geometry().right() + 1);
  // The strips' fixed ends (left of the text, and the right end of the row).
  auto ends = [&](int row, const Rect& source) {
    const QRect r = RowRect(row);
    return Mismatches(shot, QRect(r.topLeft(), QSize(4, 20)), picture, {source.left, source.top}) +
           Mismatches(shot, QRect(r.right() - 3, r.top(), 4, 20), picture,
                      {source.right - 4, source.top});
  };
  EXPECT_EQ(ends(2, look.activeitemrect), 0);
  EXPECT_EQ(ends(3, look.itemrect), 0);
  // "listbox": picture 4 with its skinrect at 64,0.
  const QImage frame = ToImage(*ActivePicture(skin.get(), 4));
  EXPECT_EQ(Mismatches(shot, QRect(0, 0, 4, 2), frame, {64, 0}), 0);
  bar->SetPosition(3);
  EXPECT_EQ(box->view()->verticalScrollBar()->value(), 3) << "the bar scrolls the list";
}

TEST_F(ComboBoxTest, ItemIndentMovesAnItemsTextRight) {
  box->setItemText(0, "Folder");
  const QImage shot = Render(Open());
  EXPECT_FALSE(box->ListView()->ScrollBar()->isVisible()) << "all eight items fit";
  const int plain = FirstDarkColumn(shot, RowRect(2));
  ASSERT_NE(plain, -1);
  EXPECT_EQ(FirstDarkColumn(shot, RowRect(0)), plain);
  EXPECT_EQ(FirstDarkColumn(shot, RowRect(1)) - plain, 24);
}

// The states side by side, skinned and plain; written to docs/ on request.
TEST_F(ComboBoxTest, ScreenshotOfTheStates) {
  box->resize(180, 21);
  const QImage closed = Render(box);
  Enter(box);
  const QImage hovered = Render(box);
  Leave(box);
  box->setEnabled(false);
  const QImage disabled = Render(box);
  box->setEnabled(true);
  QWidget* list = Open();
  Highlight(2);
  const QImage open = Render(box);
  const QImage dropped = Render(list);
  box->hidePopup();

  box->SetSkinDataName("no such element");
  box->ApplySkin();
  box->resize(180, 22);
  const QImage plain = Render(box);
  Open();
  Highlight(2);
  const QImage plainDropped = Render(list);
  // Plain items in a one-pixel black frame, the highlighted one in the selection colour.
  EXPECT_EQ(QColor(plainDropped.pixel(0, 0)), QColor(Qt::black));
  const QRect row = RowRect(2);
  EXPECT_EQ(QColor(plainDropped.pixel(row.right() - 1, row.center().y())),
            ControlColor(clHighlight));

  QImage sheet(390, 330, QImage::Format_RGB32);
  sheet.fill(QColor(236, 242, 250));
  QPainter p(&sheet);
  p.drawImage(10, 10, closed);
  p.drawImage(200, 10, hovered);
  p.drawImage(10, 41, disabled);
  p.drawImage(10, 72, open);
  p.drawImage(10, 72 + 21, dropped);
  p.drawImage(200, 72, plain);
  p.drawImage(200, 72 + 22, plainDropped);
  p.end();
  lqtest::SaveDocImage(sheet, "combo-program-skin.png");
}

}  // namespace
}  // namespace lq
