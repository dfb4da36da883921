// The spin edit: typing, accepted texts, limits, buttons and their repetition,
// the wheel, and its layout with the program's skin.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/spin_edit.h"
#include "support/manual_clock.h"

namespace {

struct Spin {
  Spin() {
    spin = std::make_unique<lq::LqSkinSpinEdit>(nullptr, clock);
    timer = clock->latest();
    spin->SetBeep([this] { ++beeps; });
    QObject::connect(spin.get(), &lq::LqSkinSpinEdit::changed, [this] { ++changes; });
    spin->SetBounds(QRect(0, 0, 57, 20));
    spin->show();
  }
  lq::LqSkinNumEdit* editor() const { return spin->Editor(); }
  void type(const char* keys) { QTest::keyClicks(editor(), keys); }
  QPoint centre(int button) const { return spin->ButtonRect(button).center(); }

  std::shared_ptr<longtail::testing::ManualClock> clock =
      std::make_shared<longtail::testing::ManualClock>();
  longtail::testing::ManualClock::Timer* timer;
  std::unique_ptr<lq::LqSkinSpinEdit> spin;
  int beeps = 0, changes = 0;
};

}  // namespace

TEST(SkinSpinEdit, StrayLetterBeepsAndKeepsTheDigits) {
  Spin s;
  s.editor()->clear();
  s.type("12a");
  EXPECT_EQ(s.editor()->text(), "12");
  EXPECT_EQ(s.beeps, 1);
  EXPECT_EQ(s.spin->Value(), 12);
}

TEST(SkinSpinEdit, MinusTwiceKeepsOneAndAloneChangesNothing) {
  Spin s;
  s.spin->SetValue(5);
  s.changes = 0;
  s.editor()->clear();
  s.type("--");
  EXPECT_EQ(s.editor()->text(), "-");
  EXPECT_EQ(s.beeps, 1);
  EXPECT_EQ(s.spin->Value(), 5);
  EXPECT_EQ(s.changes, 0);
  s.type("3");
  EXPECT_EQ(s.spin->Value(), -3);
  EXPECT_EQ(s.changes, 1);
  EXPECT_EQ(s.editor()->text(), "-3");
}

TEST(SkinSpinEdit, AMinusGoesOnlyInFrontAndALeftoverNonNumberShowsTheValue) {
  Spin s;
  s.editor()->clear();
  s.type("12-");
  EXPECT_EQ(s.editor()->text(), "12");
  EXPECT_EQ(s.beeps, 1);
  s.editor()->setCursorPosition(0);
  s.type("-");
  EXPECT_EQ(s.editor()->text(), "-12");
  s.editor()->setCursorPosition(0);
  s.type("5");
  EXPECT_EQ(s.editor()->text(), "-12") << "nothing in front of the minus";
  // A pasted "7-" is no number; leaving the editor shows the value again.
  s.editor()->setText(QStringLiteral("7-"));
  emit s.editor()->editingFinished();
  EXPECT_EQ(s.editor()->text(), "-12");
  EXPECT_EQ(s.spin->Value(), -12);
}

TEST(SkinSpinEdit, OutOfRangeTextIsRewrittenToTheLimit) {
  Spin s;
  s.spin->SetMinValue(1);
  s.spin->SetMaxValue(60);
  EXPECT_EQ(s.spin->Value(), 1);  // 0 lay outside: moved to the bound
  s.editor()->clear();
  s.type("99");
  EXPECT_EQ(s.editor()->text(), "60");
  EXPECT_EQ(s.spin->Value(), 60);
  // Typing into the selected text replaces it.
  s.editor()->selectAll();
  s.type("7");
  EXPECT_EQ(s.spin->Value(), 7);
}

TEST(SkinSpinEdit, UnlimitedWithEqualLimitsAndSetterFormats) {
  Spin s;
  s.spin->SetValue(-250);
  EXPECT_EQ(s.spin->Value(), -250);
  EXPECT_EQ(s.editor()->text(), "-250");
  s.spin->SetValue(2.5);
  EXPECT_EQ(s.editor()->text(), "2");
  s.spin->SetValueType(lq::SpinValueType::Float);
  EXPECT_EQ(s.editor()->text(), "2.50");
  s.spin->SetIncrement(0.4);
  s.spin->SetValueType(lq::SpinValueType::Integer);
  EXPECT_EQ(s.spin->Increment(), 1);  // 0.4 rounds to 0, which becomes 1
}

TEST(SkinSpinEdit, OneClickOnUpRaisesByExactlyOneOnRelease) {
  Spin s;
  s.spin->SetValue(5);
  s.changes = 0;
  int ups = 0;
  QObject::connect(s.spin.get(), &lq::LqSkinSpinEdit::upButtonClicked, [&] { ++ups; });
  QTest::mousePress(s.spin.get(), Qt::LeftButton, {}, s.centre(0));
  EXPECT_EQ(s.spin->Value(), 5);
  EXPECT_TRUE(s.spin->ButtonPressed(0));
  QTest::mouseRelease(s.spin.get(), Qt::LeftButton, {}, s.centre(0));
  EXPECT_EQ(s.spin->Value(), 6);
  EXPECT_EQ(s.changes, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_FALSE(s.timer->isActive());
  // Down lowers by one.
  QTest::mouseClick(s.spin.get(), Qt::LeftButton, {}, s.centre(1));
  EXPECT_EQ(s.spin->Value(), 5);
}

TEST(SkinSpinEdit, HoldingRepeatsEvery100msAfterHalfASecond) {
  Spin s;
  QTest::mousePress(s.spin.get(), Qt::LeftButton, {}, s.centre(0));
  s.clock->advanceTo(499);
  EXPECT_EQ(s.spin->Value(), 0);
  s.clock->advanceTo(500);  // the first tick only switches to the fast rate
  EXPECT_EQ(s.spin->Value(), 0);
  s.clock->advanceTo(600);
  EXPECT_EQ(s.spin->Value(), 1);
  s.clock->advanceTo(900);
  EXPECT_EQ(s.spin->Value(), 4);
  EXPECT_EQ(s.timer->starts, (std::vector<int>{500, 100}));
  // Leaving the button stops the repetition; the release elsewhere adds no step.
  QTest::mouseMove(s.spin.get(), QPoint(5, 5));
  s.clock->advanceTo(1500);
  EXPECT_EQ(s.spin->Value(), 4);
  QTest::mouseRelease(s.spin.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(s.spin->Value(), 4);
}

TEST(SkinSpinEdit, ArrowsAndWheelStep) {
  Spin s;
  s.spin->SetIncrement(5);
  QTest::keyClick(s.editor(), Qt::Key_Up);
  EXPECT_EQ(s.spin->Value(), 5);
  QTest::keyClick(s.editor(), Qt::Key_Down);
  QTest::keyClick(s.editor(), Qt::Key_Down);
  EXPECT_EQ(s.spin->Value(), -5);
  QWheelEvent towardUser(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(s.spin.get(), &towardUser);
  EXPECT_EQ(s.spin->Value(), 0);
}

TEST(SkinSpinEdit, DisabledEditorRefusesTyping) {
  Spin s;
  s.spin->SetEditorEnabled(false);
  s.type("4");
  QTest::keyClick(s.editor(), Qt::Key_Backspace);
  EXPECT_EQ(s.editor()->text(), "0");
  EXPECT_EQ(s.beeps, 2);
}

TEST(SkinSpinEdit, ProgramSkinLayout) {
  auto skin = lqtest::MakeProgramSkin();
  Spin s;
  s.spin->SetSkinData(skin.get());
  ASSERT_TRUE(s.spin->IsBound());
  EXPECT_EQ(s.spin->size(), QSize(57, 22));
  EXPECT_EQ(s.spin->ButtonRect(0), QRect(QPoint(44, 3), QPoint(54, 10)));
  EXPECT_EQ(s.spin->ButtonRect(1), QRect(QPoint(44, 11), QPoint(54, 18)));
  // The editor lies inside the client rectangle (3,3 .. 42,19), vertically centred.
  const QRect e = s.spin->Editor()->geometry();
  EXPECT_GE(e.left(), 3);
  EXPECT_LE(e.right(), 41);
  EXPECT_NEAR(e.center().y(), 10.5, 1.5);
  s.spin->SetValue(5);
  lqtest::SaveDocImage(lqtest::Render(s.spin.get()), "spin_edit_program_skin.png");
}

TEST(SkinSpinEdit, UnboundLayout) {
  Spin s;
  s.spin->SetBounds(QRect(0, 0, 120, 20));
  EXPECT_EQ(s.spin->ButtonRect(0), QRect(QPoint(103, 2), QPoint(117, 9)));
  EXPECT_EQ(s.spin->ButtonRect(1), QRect(QPoint(103, 10), QPoint(117, 17)));
  EXPECT_EQ(s.spin->Editor()->x(), 2);
  EXPECT_EQ(s.spin->Editor()->width(), 101);
  const QImage shot = lqtest::Render(s.spin.get());
  EXPECT_EQ(shot.pixelColor(0, 5), lq::ControlColor(lq::clBtnShadow));
}
