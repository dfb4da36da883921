// Push buttons: state images and font colours, the default look, and the mouse,
// keyboard, repeat and group semantics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/skin_button.h"

namespace lq {
namespace {

using lqtest::Enter;
using lqtest::Leave;
using lqtest::Render;

class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(300, 200);
    button.SetSkinData(skin.get());
    button.SetBounds({10, 10, 121, 25});
    QObject::connect(&button, &LqSkinButton::clicked, [this] { ++clicks; });
  }
  QColor Face() { return QColor(Render(&button).pixel(6, 11)); }

  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  QWidget window;
  LqSkinXFormButton button{&window};
  int clicks = 0;
};

TEST_F(ButtonTest, EveryStateHasItsImageAndFontColour) {
  EXPECT_EQ(button.size(), QSize(121, 22));
  EXPECT_EQ(Face(), lqtest::kButtonNormal);
  EXPECT_EQ(QColor(Render(&button).pixel(0, 11)), lqtest::kButtonBorder);
  EXPECT_EQ(QColor(Render(&button).pixel(120, 11)), lqtest::kButtonBorder);
  EXPECT_EQ(button.StateFontColor(), RGB(0, 0, 0));
  Enter(&button);
  EXPECT_EQ(Face(), lqtest::kButtonActive);
  EXPECT_EQ(button.StateFontColor(), Color(128));
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(Face(), lqtest::kButtonDown);
  EXPECT_EQ(button.StateFontColor(), Color(0xFFFFFF));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Face(), lqtest::kButtonActive);
  Leave(&button);
  EXPECT_EQ(Face(), lqtest::kButtonNormal);
  button.setEnabled(false);
  EXPECT_EQ(Face(), lqtest::kButtonDisabled);
  // The skin's disabled colour equals its normal colour: mid grey instead.
  EXPECT_EQ(button.StateFontColor(), kMidGrey);
}

TEST_F(ButtonTest, DisabledWithoutDisabledImageKeepsNormalImageAndDisabledColour) {
  button.SetSkinDataName("maskbutton");  // no state images of its own
  button.ApplySkin();
  button.setEnabled(false);
  EXPECT_EQ(Face(), lqtest::kButtonNormal);
  EXPECT_EQ(button.StateFontColor(), kMidGrey);
}

TEST_F(ButtonTest, PressInsideReleaseOutsideNeitherClicksNorStaysDown) {
  Enter(&button);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_TRUE(button.Down());
  QTest::mouseMove(&button, QPoint(200, 100));
  EXPECT_EQ(Face(), lqtest::kButtonNormal);  // dragged out: the up look
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 100));
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.MouseInside());
  EXPECT_EQ(Face(), lqtest::kButtonNormal);
}

TEST_F(ButtonTest, UnboundDefaultLookUsesNavyFramesForHotAndDown) {
  button.SetSkinData(nullptr);
  button.SetBounds({10, 10, 121, 25});
  EXPECT_EQ(button.size(), QSize(121, 25));
  QImage img = Render(&button);
  EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(160, 160, 160));
  EXPECT_EQ(QColor(img.pixel(3, 3)), QColor(240, 240, 240));
  Enter(&button);
  img = Render(&button);
  EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(0, 0, 128));
  EXPECT_EQ(QColor(img.pixel(3, 3)), QColor(182, 189, 210));
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
  img = Render(&button);
  EXPECT_EQ(QColor(img.pixel(120, 24)), QColor(0, 0, 128));
  EXPECT_EQ(QColor(img.pixel(3, 3)), QColor(133, 147, 181));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(clicks, 1);
}

// Where an unbound button shows text: pixels of neither its face nor its frame.
QRect InkBox(const QImage& img) {
  QRect box;
  for (int y = 2; y < img.height() - 2; ++y)
    for (int x = 2; x < img.width() - 2; ++x) {
      const QColor c(img.pixel(x, y));
      if (c != QColor(240, 240, 240) && c != QColor(182, 189, 210) && c != QColor(133, 147, 181))
        box |= QRect(x, y, 1, 1);
    }
  return box;
}

TEST_F(ButtonTest, CaptionIsCentredAndFollowsTheDownOffset) {
  button.SetSkinData(nullptr);
  button.SetCaption(QStringLiteral("查询"));
  const QRect up = InkBox(Render(&button));
  ASSERT_FALSE(up.isEmpty());
  EXPECT_NEAR(up.center().x(), 60, 2);
  Enter(&button);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
  const QRect down = InkBox(Render(&button));
  EXPECT_EQ(down.topLeft(), up.topLeft() + QPoint(1, 1));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(ButtonTest, AnAmpersandUnderlinesTheShortcutLetterInsteadOfShowing) {
  button.SetSkinData(nullptr);
  button.SetCaption(QStringLiteral("保存(S)"));
  const QImage plain = Render(&button);
  button.SetCaption(QStringLiteral("保存(&S)"));
  const QImage marked = Render(&button);
  EXPECT_EQ(InkBox(marked).width(), InkBox(plain).width()) << "no '&' drawn";
  EXPECT_NE(marked, plain) << "the S is underlined";
}

TEST_F(ButtonTest, RepeatModeClicksAfterTheFirstDelay) {
  button.RepeatMode = true;
  button.RepeatInterval = 20;
  Enter(&button);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 10));
  QTest::qWait(300);
  EXPECT_EQ(clicks, 0);  // still inside the 500 ms first delay
  QTest::qWait(400);
  EXPECT_GE(clicks, 2);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
  const int afterRelease = clicks;
  QTest::qWait(100);
  EXPECT_EQ(clicks, afterRelease);
}

TEST_F(ButtonTest, GroupedButtonsReleaseEachOther) {
  LqSkinButton a(&window), b(&window);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  EXPECT_FALSE(a.CanFocused());
  int aClicks = 0;
  QObject::connect(&a, &LqSkinButton::clicked, [&] { ++aClicks; });
  QTest::mousePress(&a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(aClicks, 1);  // a grouped button clicks on press
  QTest::mouseRelease(&a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a.Down());
  b.SetDown(true);
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  // Without AllowAllUp a second press leaves it down.
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b.Down());
  b.AllowAllUp = true;
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b.Down());
}

TEST_F(ButtonTest, FocusableButtonAnswersSpaceAndEnter) {
  LqSkinButton b(&window);
  int n = 0;
  QObject::connect(&b, &LqSkinButton::clicked, [&] { ++n; });
  window.show();
  b.setFocus();
  QTest::keyPress(&b, Qt::Key_Space);
  EXPECT_TRUE(b.Down());
  QTest::keyRelease(&b, Qt::Key_Space);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(n, 1);
  QTest::keyClick(&b, Qt::Key_Return);
  EXPECT_EQ(n, 2);
  // The windows' buttons cannot take the focus and ignore keys.
  QTest::keyClick(&button, Qt::Key_Space);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, OwnImageModeTakesTheImageSize) {
  button.SetSkinData(nullptr);
  QImage img(40, 18, QImage::Format_RGB32);
  img.fill(QColor(1, 2, 3));
  button.SetDefImage(img);
  button.ApplySkin();
  EXPECT_EQ(button.size(), QSize(40, 18));
  button.SetBounds({0, 0, 100, 50});
  EXPECT_EQ(button.size(), QSize(40, 18));
  EXPECT_EQ(QColor(Render(&button).pixel(1, 1)), QColor(1, 2, 3));
}

}  // namespace
}  // namespace lq

namespace lq {
namespace {

class ButtonEffectsTest : public ::testing::Test {
 protected:
  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  QWidget window;
};

TEST_F(ButtonEffectsTest, MorphBlendsTowardTheHotLookAndBack) {
  LqSkinButton b(&window);
  b.SetSkinDataName("morphbutton");
  b.SetSkinData(skin.get());
  b.SetBounds({0, 0, 100, 22});
  Enter(&b);
  EXPECT_TRUE(b.Morphing());
  QTest::qWait(50);  // a couple of 20 ms steps of 0.2
  const double midway = b.MorphFactor();
  EXPECT_GT(midway, 0.0);
  EXPECT_LT(midway, 1.0);
  const QColor blended(Render(&b).pixel(6, 11));
  EXPECT_NE(blended, lqtest::kButtonNormal);
  EXPECT_NE(blended, lqtest::kButtonActive);
  QTRY_VERIFY_WITH_TIMEOUT(!b.Morphing(), 1000);
  EXPECT_EQ(b.MorphFactor(), 1.0);
  Leave(&b);
  QTRY_VERIFY_WITH_TIMEOUT(!b.Morphing(), 1000);
  EXPECT_EQ(b.MorphFactor(), 0.0);
  // With effects switched off in the skin data nothing morphs.
  skin->EnableSkinEffects = false;
  Enter(&b);
  EXPECT_FALSE(b.Morphing());
}

TEST_F(ButtonEffectsTest, HoverAnimationStepsThroughSideBySideFrames) {
  LqSkinButton b(&window);
  b.SetSkinDataName("animbutton");
  b.SetSkinData(skin.get());
  b.SetBounds({0, 0, 42, 22});
  Enter(&b);
  ASSERT_TRUE(b.Animating());
  EXPECT_EQ(b.AnimationFrame(), 1);
  EXPECT_EQ(b.StateRect(), (Rect{458, 298, 500, 320}));  // frame 1 of 2, 42 wide each
  QTRY_VERIFY_WITH_TIMEOUT(b.AnimationFrame() == 2, 1000);
  EXPECT_EQ(b.StateRect(), (Rect{500, 298, 542, 320}));
  QTRY_VERIFY_WITH_TIMEOUT(!b.Animating(), 1000);
  EXPECT_EQ(b.StateRect(), (Rect{458, 298, 500, 320}));     // the plain hot image again
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));  // a press stops it
  EXPECT_FALSE(b.Animating());
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
}

}  // namespace
}  // namespace lq

namespace lq {
namespace {

TEST(DefaultButton, LooksActiveAndTakesEnterWhileAnotherControlHasTheFocus) {
  auto skin = lqtest::MakeTestSkin();
  QWidget window;
  window.resize(300, 100);
  QLineEdit edit(&window);
  LqSkinButton ok(&window), other(&window);
  for (auto* b : {&ok, &other}) {
    b->SetSkinData(skin.get());
    b->SetBounds({0, 40, 80, 22});
  }
  int clicks = 0;
  QObject::connect(&ok, &LqSkinButton::clicked, [&] { ++clicks; });
  ok.SetDefault(true);
  window.show();
  QApplication::setActiveWindow(&window);
  edit.setFocus();
  ASSERT_TRUE(edit.hasFocus());
  EXPECT_EQ(ok.StateRect(), (Rect{458, 298, 500, 320}));
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  // Another push button with the focus takes the role: Enter clicks that one.
  other.setFocus();
  EXPECT_EQ(ok.StateRect(), (Rect{458, 272, 500, 294}));
  QTest::keyClick(&other, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace lq
