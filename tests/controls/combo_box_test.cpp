// The combo box: the closed box drawn from the program skin's "combobox" element in
// each state, the default look, re-binding, and the skinned drop-down list.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include "controls/test_skin.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"
#include "skin/controls/skin_client.h"

namespace lq {
namespace {

using lqtest::Render;

void Enter(QWidget* w) {
  QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(w, &e);
}
void Leave(QWidget* w) {
  QEvent e(QEvent::Leave);
  QApplication::sendEvent(w, &e);
}

QRect Q(const Rect& r) {
  return QRect(r.left, r.top, r.width(), r.height());
}

// Pixels of area (in image) that differ from the picture's rectangle source.
int Mismatches(const QImage& image, const QRect& area, const QImage& picture, const QRect& source) {
  int bad = area.width() * area.height();
  if (area.size() != source.size()) return bad;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      if (image.pixel(area.left() + x, area.top() + y) ==
          picture.pixel(source.left() + x, source.top() + y))
        --bad;
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

// Leftmost column of area holding a dark (text) pixel, or -1.
int FirstDarkColumn(const QImage& image, const QRect& area) {
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.resize(320, 200);
    box = new TlqSkinComboBox(&form);
    box->setGeometry(10, 10, 200, 30);
    for (const char* text : {"Keywords", "Long tail phrases", "Export"}) box->addItem(text);
    box->SetSkinData(skin.get());
    picture = ToImage(*ActivePicture(skin.get(), box->Look().pictureindex));
  }
  void Show() {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  // The button as drawn now, compared with a picture rectangle of its size.
  int ButtonMismatches(const Rect& source) {
    return Mismatches(Render(box), box->ButtonRect(), picture, Q(source));
  }
  // The left end of the frame (left of the text) compared with the element's source.
  int LeftEndMismatches(const Rect& source) {
    const int w = box->Look().geometry.lefttoppoint.x;
    return Mismatches(Render(box), QRect(0, 0, w, 21), picture,
                      QRect(source.left, source.top, w, 21));
  }
  Rect NormalButton(const Rect& frame) {
    return box->Look().buttonrect.translated(frame.left, frame.top);
  }

  std::unique_ptr<TlqSkinData> skin = lqtest::MakeProgramSkin();
  QWidget form;
  TlqSkinComboBox* box = nullptr;
  QImage picture;
};

TEST_F(ComboBoxTest, BoundBoxIsTheElementHeightWithTheSkinButtonAtTheRightEdge) {
  ASSERT_TRUE(box->IsBound());
  EXPECT_EQ(box->height(), 21);
  EXPECT_EQ(box->width(), 200);
  box->setGeometry(10, 10, 150, 40);  // the form cannot undo it
  EXPECT_EQ(box->height(), 21);
  EXPECT_EQ(box->sizeHint().height(), 21);
  // Skin button 42..58 of a 60 wide element: 18 to 2 pixels from the right edge.
  EXPECT_EQ(box->ButtonRect(), QRect(150 - 18, 2, 16, 17));
  EXPECT_EQ(ButtonMismatches(NormalButton(box->Look().geometry.skinrect)), 0);
  EXPECT_EQ(LeftEndMismatches(box->Look().geometry.skinrect), 0);
  // The whole right part (from righttoppoint) is the element's.
  const Rect& s = box->Look().geometry.skinrect;
  EXPECT_EQ(Mismatches(Render(box), QRect(150 - 20, 0, 20, 21), picture,
                       QRect(s.left + 40, s.top, 20, 21)),
            0);
}

TEST_F(ComboBoxTest, HoverAndFocusDrawTheActiveFrame) {
  const ComboBoxLook& look = box->Look();
  Enter(box);
  EXPECT_TRUE(box->Active());
  EXPECT_EQ(LeftEndMismatches(look.activeskinrect), 0);
  EXPECT_EQ(ButtonMismatches(look.activebuttonrect), 0);
  Leave(box);
  EXPECT_EQ(LeftEndMismatches(look.geometry.skinrect), 0);
  EXPECT_EQ(ButtonMismatches(NormalButton(look.geometry.skinrect)), 0);

  // Focus alone: the active frame with its plain button.
  Show();
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  EXPECT_EQ(LeftEndMismatches(look.activeskinrect), 0);
  EXPECT_EQ(ButtonMismatches(NormalButton(look.activeskinrect)), 0);
  EXPECT_NE(ButtonMismatches(look.activebuttonrect), 0);
}

TEST_F(ComboBoxTest, DisabledDrawsTheUnenabledButtonAndGreyText) {
  box->setEnabled(false);
  Enter(box);  // hovering a disabled box changes nothing
  EXPECT_EQ(ButtonMismatches(box->Look().unenabledbuttonrect), 0);
  EXPECT_EQ(box->TextColor(), Color(11311758));  // the skin's disabled text colour
  box->setEnabled(true);
  EXPECT_EQ(ButtonMismatches(box->Look().activebuttonrect), 0);
}

TEST_F(ComboBoxTest, PressingDropsTheListDownAndShowsTheDownButton) {
  Show();
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(50, 10));
  ASSERT_TRUE(box->PopupOpen());
  EXPECT_EQ(ButtonMismatches(box->Look().downbuttonrect), 0);
  // The list drops below the box (over its bottom line, as QComboBox places it), at
  // least as wide.
  const QWidget* list = box->view()->window();
  EXPECT_EQ(list->geometry().top(), box->mapToGlobal(QPoint(0, box->height() - 1)).y());
  EXPECT_GE(list->width(), box->width());
  box->hidePopup();
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_FALSE(box->PopupOpen());
  EXPECT_FALSE(box->ButtonDown());

  // A list that closes by itself (a click elsewhere) releases the button too.
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(50, 10));
  ASSERT_TRUE(box->PopupOpen());
  box->view()->window()->hide();
  EXPECT_FALSE(box->ButtonDown());
  EXPECT_EQ(ButtonMismatches(NormalButton(box->Look().activeskinrect)), 0);
}

TEST_F(ComboBoxTest, TextIsDrawnInsideTheClientRectAndElided) {
  box->setCurrentIndex(1);
  const QImage withText = Render(box);
  box->setCurrentIndex(-1);
  const QImage empty = Render(box);
  const QRect drawn = DiffBox(withText, empty);
  const QRect client(3, 3, 200 - 20 - 3, 15);  // clientrect 3,3,40,18 grown with the width
  EXPECT_EQ(box->ClientRect(), client);
  ASSERT_FALSE(drawn.isEmpty());
  EXPECT_TRUE(client.contains(drawn))
      << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x" << drawn.height();

  // A text longer than the field stops before the button.
  box->resize(70, 21);
  box->setCurrentIndex(1);
  const QImage longText = Render(box);
  box->setCurrentIndex(-1);
  const QRect clipped = DiffBox(longText, Render(box));
  EXPECT_TRUE(box->ClientRect().contains(clipped));
}

TEST_F(ComboBoxTest, IconAndTextFollowTheCurrentItem) {
  QPixmap red(16, 16);
  red.fill(Qt::red);
  box->setItemIcon(0, QIcon(red));
  box->setCurrentIndex(0);
  const QImage shot = Render(box);
  // The icon is scaled to the 15 pixel field and starts the content.
  EXPECT_EQ(QColor(shot.pixel(box->ClientRect().left() + 4, 10)), QColor(Qt::red));
  box->setCurrentIndex(2);
  EXPECT_NE(QColor(Render(box).pixel(box->ClientRect().left() + 4, 10)), QColor(Qt::red));
}

TEST_F(ComboBoxTest, KeysAndWheelStillSelect) {
  Show();
  box->setFocus();
  box->setCurrentIndex(0);
  std::vector<int> activated;
  QObject::connect(box, &QComboBox::activated, [&](int i) { activated.push_back(i); });
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(box->currentIndex(), 1);
  QTest::keyClick(box, Qt::Key_End);
  EXPECT_EQ(box->currentIndex(), 2);
  QWheelEvent up(QPointF(20, 10), box->mapToGlobal(QPointF(20, 10)), QPoint(), QPoint(0, 120),
                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &up);
  EXPECT_EQ(box->currentIndex(), 1);
  EXPECT_EQ(activated, (std::vector<int>{1, 2, 1}));
}

TEST_F(ComboBoxTest, ReleaseThenApplyBindsAgainWithoutTouchingTheOldSkin) {
  ReleaseFormControlsSkin(&form, skin.get());
  EXPECT_FALSE(box->IsBound());
  skin.reset();  // nothing of it may be reached from here on
  EXPECT_EQ(box->Picture(), nullptr);
  const QImage released = Render(box);
  EXPECT_EQ(QColor(released.pixel(0, 10)), ControlColor(clBtnShadow));  // the default frame

  skin = lqtest::MakeProgramSkin();
  box->SetSkinData(skin.get());
  ReleaseFormControlsSkin(&form, skin.get());
  ApplyFormControlsSkin(&form, skin.get());
  ASSERT_TRUE(box->IsBound());
  EXPECT_EQ(box->height(), 21);
  EXPECT_EQ(ButtonMismatches(NormalButton(box->Look().geometry.skinrect)), 0);
}

TEST_F(ComboBoxTest, OtherNamesAndKindsDoNotBind) {
  box->SetSkinDataName("edit");  // exists, but is no combo box
  box->ApplySkin();
  EXPECT_FALSE(box->IsBound());
  box->SetSkinDataName("ComboBox");  // names match exactly
  box->ApplySkin();
  EXPECT_FALSE(box->IsBound());
  box->SetSkinDataName("combobox");
  box->ApplySkin();
  EXPECT_TRUE(box->IsBound());
}

TEST(ComboBoxDefaultLook, SunkenFrameWhiteFieldAndArrowButton) {
  TlqSkinComboBox box;
  box.addItem("Keywords");
  box.resize(120, 24);
  EXPECT_FALSE(box.IsBound());
  EXPECT_EQ(box.height(), 24);  // unbound: the form decides
  const QImage shot = Render(&box);
  EXPECT_EQ(QColor(shot.pixel(0, 12)), ControlColor(clBtnShadow));
  EXPECT_EQ(QColor(shot.pixel(119, 12)), ControlColor(clBtnHighlight));
  EXPECT_EQ(QColor(shot.pixel(1, 12)), QColor(105, 105, 105));
  EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(Qt::white));
  const QRect b = box.ButtonRect();
  EXPECT_EQ(b, QRect(120 - 2 - 17, 2, 17, 20));
  EXPECT_EQ(QColor(shot.pixel(b.left() + 2, b.top() + 2)), ControlColor(clBtnFace));
  // The arrow: dark pixels in the middle of the button.
  EXPECT_NE(FirstDarkColumn(shot, b.adjusted(3, 3, -3, -3)), -1);
  // The text lies between the frame and the button.
  const int text = FirstDarkColumn(shot, QRect(2, 2, b.left() - 2, 20));
  EXPECT_GE(text, 3);
  box.setEnabled(false);
  EXPECT_EQ(QColor(Render(&box).pixel(2, 2)), ControlColor(clBtnFace));
}

TEST(ComboBoxDefaultLook, DefaultFontAppliesUnboundAndWhenSkinFontIsOff) {
  auto skin = lqtest::MakeProgramSkin();
  TlqSkinComboBox box;
  TlqFont big;
  big.name = "DejaVu Sans";
  big.height = 20;
  box.SetDefaultFont(big);
  EXPECT_EQ(box.font(), MakeQFont(big));
  box.SetSkinData(skin.get());
  EXPECT_EQ(box.font(), MakeQFont("Arial", 14, 0));
  box.SetUseSkinFont(false);
  EXPECT_EQ(box.font(), MakeQFont(big));
}

// ---------------------------------------------------------------- the dropped-down list

class IndentedComboBox : public TlqSkinComboBox {
 public:
  using TlqSkinComboBox::TlqSkinComboBox;
  int ItemIndent(int row) const override { return row == 1 ? 24 : 0; }
};

class ComboListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.resize(320, 200);
    box = new IndentedComboBox(&form);
    box->setGeometry(10, 10, 180, 21);
    for (int i = 0; i < 8; ++i) box->addItem("Folder");
    box->SetSkinData(skin.get());
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void TearDown() override { box->hidePopup(); }
  QWidget* Open() {
    box->showPopup();
    QApplication::processEvents();
    return box->view()->window();
  }
  // Highlights row the way the mouse does.
  void Highlight(int row) {
    QAbstractItemView* v = box->view();
    v->selectionModel()->setCurrentIndex(v->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect);
  }
  QRect RowRect(int row) {
    QAbstractItemView* v = box->view();
    const QRect r = v->visualRect(v->model()->index(row, 0));
    return QRect(v->viewport()->mapTo(v->window(), r.topLeft()), r.size());
  }

  std::unique_ptr<TlqSkinData> skin = lqtest::MakeProgramSkin();
  QWidget form;
  IndentedComboBox* box = nullptr;
};

TEST_F(ComboListTest, HighlightedItemIsDrawnFromActiveItemRect) {
  QWidget* list = Open();
  Highlight(2);
  const QImage shot = Render(list);
  const QImage pic = ToImage(*ActivePicture(skin.get(), box->Look().pictureindex));
  const ComboBoxLook& look = box->Look();
  ASSERT_EQ(RowRect(2).height(), look.itemrect.height());
  // The fixed left part (up to where the text may start) of each row's strip.
  auto left = [&](int row) { return QRect(RowRect(row).topLeft(), QSize(4, 20)); };
  EXPECT_EQ(Mismatches(shot, left(2), pic, QRect(Q(look.activeitemrect).topLeft(), QSize(4, 20))),
            0);
  EXPECT_EQ(Mismatches(shot, left(0), pic, QRect(Q(look.itemrect).topLeft(), QSize(4, 20))), 0);
  // The right part too, at the row's right end.
  const QRect row = RowRect(2);
  EXPECT_EQ(Mismatches(shot, QRect(row.right() - 3, row.top(), 4, 20), pic,
                       QRect(look.activeitemrect.right - 4, look.activeitemrect.top, 4, 20)),
            0);
}

TEST_F(ComboListTest, ListFrameComesFromTheListBoxElementAndRowsLimitTheHeight) {
  box->setMaxVisibleItems(5);
  QWidget* list = Open();
  const QImage shot = Render(list);
  // "listbox": picture 4, skinrect from 64,0, a two-pixel border on each side.
  const QImage frame = ToImage(*ActivePicture(skin.get(), 4));
  EXPECT_EQ(Mismatches(shot, QRect(0, 0, 4, 2), frame, QRect(64, 0, 4, 2)), 0);
  EXPECT_EQ(RowRect(0).topLeft(), QPoint(2, 2));
  EXPECT_EQ(list->height(), 5 * 20 + 4);
}

TEST_F(ComboListTest, ItemIndentMovesAnItemsTextRight) {
  QWidget* list = Open();
  Highlight(7);
  const QImage shot = Render(list);
  const int plain = FirstDarkColumn(shot, RowRect(0));
  const int indented = FirstDarkColumn(shot, RowRect(1));
  ASSERT_NE(plain, -1);
  EXPECT_EQ(indented - plain, 24);
}

TEST(ComboListDefaultLook, PlainItemsInAOnePixelFrame) {
  QWidget form;
  auto* box = new TlqSkinComboBox(&form);
  box->setGeometry(0, 0, 150, 22);
  box->addItem("one");
  box->addItem("two");
  form.show();
  box->showPopup();
  QWidget* list = box->view()->window();
  QAbstractItemView* v = box->view();
  v->selectionModel()->setCurrentIndex(v->model()->index(1, 0),
                                       QItemSelectionModel::ClearAndSelect);
  const QImage shot = Render(list);
  EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(Qt::black));
  const QRect row1 = v->visualRect(v->model()->index(1, 0)).translated(1, 1);
  EXPECT_EQ(QColor(shot.pixel(row1.right() - 1, row1.center().y())), ControlColor(clHighlight));
  box->hidePopup();
}

TEST(ComboBoxEditable, EditFieldSitsInTheClientRect) {
  auto skin = lqtest::MakeProgramSkin();
  TlqSkinComboBox box;
  box.resize(160, 21);
  box.setEditable(true);
  box.SetSkinData(skin.get());
  box.show();           // a hidden widget gets its resize events on show
  box.resize(171, 21);  // the field follows a resize
  const QRect field = box.lineEdit()->geometry();
  EXPECT_TRUE(box.ClientRect().contains(field));
  EXPECT_EQ(field.topLeft(), box.ClientRect().topLeft());
  EXPECT_GE(field.width(), box.ClientRect().width() - 2);
}

// ---------------------------------------------------------------- screenshot

TEST_F(ComboListTest, ScreenshotOfTheStates) {
  box->setCurrentIndex(0);
  box->setItemText(0, "Long tail keywords");
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
  // The open box's button is the down image, the closed one's the plain one.
  const QImage pic = ToImage(*ActivePicture(skin.get(), box->Look().pictureindex));
  EXPECT_EQ(Mismatches(open, box->ButtonRect(), pic, Q(box->Look().downbuttonrect)), 0);
  EXPECT_NE(Mismatches(closed, box->ButtonRect(), pic, Q(box->Look().downbuttonrect)), 0);
  box->hidePopup();

  // The same box without a skin.
  box->SetSkinDataName("no such element");
  box->ApplySkin();
  box->resize(180, 22);
  const QImage plain = Render(box);
  Open();
  Highlight(2);
  const QImage plainDropped = Render(list);

  QImage sheet(2 * 190 + 10, 3 * 31 + dropped.height() + 40, QImage::Format_RGB32);
  sheet.fill(QColor(236, 242, 250));
  {
    QPainter p(&sheet);
    p.drawImage(10, 10, closed);
    p.drawImage(200, 10, hovered);
    p.drawImage(10, 41, disabled);
    p.drawImage(10, 72, open);
    p.drawImage(10, 72 + 21, dropped);
    p.drawImage(200, 72, plain);
    p.drawImage(200, 72 + 22, plainDropped);
  }
  lqtest::SaveDocImage(sheet, "combo-program-skin.png");
}

}  // namespace
}  // namespace lq
