// The single-line edit: height and insets from the skin, key routing, look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/edit.h"

namespace {

// A form that records the keys its children pass on.
class KeyForm : public QWidget {
 public:
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

}  // namespace

TEST(SkinEdit, BothFieldsAre21HighWithTheProgramSkinThoughTheFormSays18) {
  auto skin = lqtest::MakeProgramSkin();
  QWidget form;
  lq::LqSkinEdit folder(&form), file(&form);
  folder.setReadOnly(true);
  folder.setGeometry(10, 10, 215, 18);
  file.setGeometry(10, 40, 78, 18);
  file.setText("words.txt");
  folder.SetSkinData(skin.get());
  file.SetSkinData(skin.get());
  EXPECT_TRUE(folder.IsBound());
  EXPECT_EQ(folder.height(), 21);
  EXPECT_EQ(file.height(), 21);
  EXPECT_EQ(folder.width(), 215);
  EXPECT_EQ(file.width(), 78);
  // A later resize by the form cannot undo it.
  file.setGeometry(10, 40, 78, 18);
  EXPECT_EQ(file.height(), 21);
  // The text sits inside the element's client rectangle (3,3 .. width-3, 18).
  EXPECT_EQ(file.textMargins(), QMargins(3, 3, 3, 3));

  form.resize(300, 80);
  const QImage shot = lqtest::Render(&form);
  lqtest::SaveDocImage(shot, "edit_program_skin.png");
  // The strip's left end is drawn from the skin, not the form's white.
  EXPECT_NE(shot.pixelColor(10, 20), QColor(Qt::white));
}

TEST(SkinEdit, UnboundWithoutSkinFontFitsTheFont) {
  lq::LqSkinEdit edit;
  edit.SetUseSkinFont(false);
  EXPECT_EQ(edit.height(), QFontMetrics(edit.font()).height() + 4);
  lq::LqSkinEdit free;
  free.resize(100, 18);
  EXPECT_EQ(free.height(), 18);  // unbound with the skin font: the form decides
}

TEST(SkinEdit, UnboundLookHasTwoPixelFrameAndDefaultColour) {
  QWidget form;
  lq::LqSkinEdit edit(&form);
  edit.setGeometry(0, 0, 60, 20);
  edit.SetDefaultColor(lq::RGB(255, 255, 0));
  const QImage shot = lqtest::Render(&edit);
  EXPECT_EQ(shot.pixelColor(0, 10), lq::ControlColor(lq::clBtnShadow));
  EXPECT_EQ(shot.pixelColor(1, 10), lq::ControlColor(lq::clBtnFace));
  EXPECT_EQ(shot.pixelColor(30, 3), QColor(255, 255, 0));
}

TEST(SkinEdit, EnterAndEscapeRaiseKeyPressThenGoToTheForm) {
  KeyForm form;
  lq::LqSkinEdit edit(&form);
  form.show();
  std::vector<int> seen;
  edit.SetKeyFilter([&](QChar& key) { seen.push_back(key.unicode()); });
  QTest::keyClick(&edit, Qt::Key_Return);
  QTest::keyClick(&edit, Qt::Key_Escape);
  EXPECT_EQ(seen, (std::vector<int>{13, 27}));
  EXPECT_EQ(form.keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
  // A handler that clears the key keeps it from the form.
  edit.SetKeyFilter([](QChar& key) { key = QChar(); });
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(form.keys.size(), 2u);
}

TEST(SkinEdit, ReadOnlyDropsTypedCharacters) {
  lq::LqSkinEdit edit;
  edit.setText("abc");
  edit.setReadOnly(true);
  QTest::keyClicks(&edit, "xyz");
  EXPECT_EQ(edit.text(), "abc");
}

TEST(SkinEdit, DisabledTextUsesTheSkinDisabledColour) {
  auto skin = lqtest::MakeProgramSkin();
  lq::LqSkinEdit edit;
  edit.SetSkinData(skin.get());
  edit.setEnabled(false);
  EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Text), lq::ControlColor(11311758));
}
