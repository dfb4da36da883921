// Window states of a skinned form against a fake screen.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "frame/test_frame_skin.h"

namespace lq {
namespace {

class WindowStates : public ::testing::Test {
 protected:
  void SetUp() override {
    LqLacquerForm::SetApplicationMainForm(&mainForm);
    frame = new LqLacquerForm(&form);
    frame->SetScreenInfo(screen);
    frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp);
    frame->SetFrameSkin(test::ProgramLikeSkin());
    form.setGeometry(100, 80, 400, 300);
  }
  void TearDown() override { LqLacquerForm::SetApplicationMainForm(nullptr); }
  Rect Bounds() const {
    const QRect g = form.geometry();
    return RectFromSize(g.x(), g.y(), g.width(), g.height());
  }

  std::shared_ptr<FixedScreenInfo> screen =
      std::make_shared<FixedScreenInfo>(Rect{0, 0, 800, 800}, Rect{0, 0, 800, 760});
  QWidget mainForm;
  QWidget form;
  LqLacquerForm* frame = nullptr;
};

TEST_F(WindowStates, OuterSizeFollowsTheClientSize) {
  frame->SetClientSize(822, 630);
  EXPECT_EQ(form.size(), QSize(830, 661));
  EXPECT_EQ(frame->ClientRect(), QRect(4, 27, 822, 630));
  const QMargins m = form.contentsMargins();
  EXPECT_EQ(m, QMargins(4, 27, 4, 4));
}

TEST_F(WindowStates, MinimumSizeIs200x31AndSmallFormsGrowOnSkinApplication) {
  EXPECT_EQ(frame->GetMinWidth(), 200);
  EXPECT_EQ(frame->GetMinHeight(), 31);
  EXPECT_EQ(form.minimumSize(), QSize(200, 31));
  QWidget small;
  small.setGeometry(0, 0, 100, 20);
  LqLacquerForm smallFrame(&small);
  smallFrame.SetScreenInfo(screen);
  smallFrame.SetFrameSkin(test::ProgramLikeSkin());
  EXPECT_EQ(small.size(), QSize(200, 31));
  QWidget narrow;
  narrow.setGeometry(0, 0, 100, 300);
  LqLacquerForm narrowFrame(&narrow);
  narrowFrame.SetFrameSkin(test::ProgramLikeSkin());
  EXPECT_EQ(narrow.size(), QSize(200, 300));  // only the narrow side changes
}

TEST_F(WindowStates, RollUpKeepsTheWidthAndLeavesTheFrame) {
  QSignalSpy rolled(frame, &LqLacquerForm::rollUpStateChanged);
  frame->SetRolledUp(true);
  EXPECT_TRUE(frame->RolledUp());
  EXPECT_EQ(Bounds(), (Rect{100, 80, 500, 111}));
  frame->SetRolledUp(false);
  EXPECT_EQ(Bounds(), (Rect{100, 80, 500, 380}));
  EXPECT_EQ(rolled.count(), 2);
  frame->ClientHeight = 100;  // unrolling restores this client height instead
  frame->SetRolledUp(true);
  frame->SetRolledUp(false);
  EXPECT_EQ(form.height(), 131);
  frame->SetBorderIcons(biMinimize);
  frame->SetRolledUp(true);
  EXPECT_FALSE(frame->RolledUp());  // no roll-up without biRollUp
}

TEST_F(WindowStates, MaximizeFillsTheWorkAreaAndRestoreReturns) {
  QSignalSpy maximized(frame, &LqLacquerForm::maximized);
  QSignalSpy restored(frame, &LqLacquerForm::restored);
  frame->SetFrameState(FrameState::Maximized);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Maximized);
  EXPECT_EQ(Bounds(), (Rect{0, 0, 800, 760}));
  EXPECT_EQ(frame->NormalBounds(), (Rect{100, 80, 500, 380}));
  frame->SetFrameState(FrameState::Normal);
  EXPECT_EQ(Bounds(), (Rect{100, 80, 500, 380}));
  EXPECT_TRUE(frame->NormalBounds().isEmpty());
  EXPECT_EQ(maximized.count(), 1);
  EXPECT_EQ(restored.count(), 1);
}

TEST_F(WindowStates, AMaximizeByTheWindowManagerIsFollowedAndRestoreReturns) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const Rect before = Bounds();
  QSignalSpy maximized(frame, &LqLacquerForm::maximized);
  // As the window manager's own menu does it: on the platform window, not the frame.
  form.windowHandle()->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame->GetFrameState() == FrameState::Maximized; }));
  QTest::qWait(50);  // the platform's own news of the new size and state
  EXPECT_EQ(maximized.count(), 1);
  EXPECT_EQ(frame->NormalBounds(), before);
  // The frame's restore (its button shows the restore glyph now) gives the size back.
  frame->SetFrameState(FrameState::Normal);
  QTest::qWait(50);
  EXPECT_FALSE(form.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  EXPECT_EQ(Bounds(), before);
}

TEST_F(WindowStates, MaximizeLeavesAOnePixelGapWithoutTaskbar) {
  frame->SetScreenInfo(
      std::make_shared<FixedScreenInfo>(Rect{0, 0, 800, 800}, Rect{0, 0, 800, 800}));
  frame->SetFrameState(FrameState::Maximized);
  EXPECT_EQ(Bounds(), (Rect{1, 1, 799, 799}));
}

TEST_F(WindowStates, MaximizeMinimizeRestoreReturnsToTheBoundsBeforeMaximizing) {
  frame->SetFrameState(FrameState::Maximized);
  frame->SetFrameState(FrameState::Minimized);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Minimized);
  EXPECT_EQ(Bounds(), (Rect{0, 729, 200, 760}));  // parked bottom-left at minimum size
  frame->SetFrameState(FrameState::Normal);
  EXPECT_EQ(Bounds(), (Rect{100, 80, 500, 380}));
}

TEST_F(WindowStates, MinimizedFormsParkSideBySide) {
  form.show();
  QWidget second;
  second.setGeometry(50, 50, 300, 200);
  LqLacquerForm secondFrame(&second);
  secondFrame.SetScreenInfo(screen);
  secondFrame.SetFrameSkin(test::ProgramLikeSkin());
  second.show();
  frame->SetFrameState(FrameState::Minimized);
  secondFrame.SetFrameState(FrameState::Minimized);
  EXPECT_EQ(form.pos(), QPoint(0, 729));
  EXPECT_EQ(second.pos(), QPoint(200, 729));
  EXPECT_EQ(second.size(), QSize(200, 31));
  const auto items = secondFrame.SystemMenuItems();
  ASSERT_EQ(items.size(), 4u);  // maximize, restore, separator, close (no roll-up)
  EXPECT_EQ(items[0].caption, QString::fromUtf8("最大化(&X)"));
  EXPECT_EQ(items[1].caption, QString::fromUtf8("恢复(&R)"));
}

TEST_F(WindowStates, MainFormMinimizesTheApplication) {
  LqLacquerForm mainFrame(&mainForm);
  int minimizedApp = 0;
  mainFrame.SetApplicationMinimizer([&] { ++minimizedApp; });
  mainFrame.SetFrameSkin(test::ProgramLikeSkin());
  QSignalSpy minimized(&mainFrame, &LqLacquerForm::minimized);
  mainFrame.SetFrameState(FrameState::Minimized);
  EXPECT_EQ(minimizedApp, 1);
  EXPECT_EQ(minimized.count(), 1);
  EXPECT_EQ(mainFrame.GetFrameState(), FrameState::Normal);
}

TEST_F(WindowStates, CentresOnFirstShowOnly) {
  frame->PositionInMonitor = LqPositionInMonitor::lqpScreenCenter;
  form.show();
  EXPECT_EQ(form.pos(), QPoint(200, 250));
  EXPECT_FALSE(frame->FirstPlacementPending());
  form.move(10, 20);
  form.hide();
  form.show();
  EXPECT_EQ(form.pos(), QPoint(10, 20));
}

TEST_F(WindowStates, FirstShownMaximizedIsCentredAtItsFirstRestore) {
  frame->PositionInMonitor = LqPositionInMonitor::lqpDesktopCenter;
  frame->SetFrameState(FrameState::Maximized);
  form.show();
  EXPECT_TRUE(frame->FirstPlacementPending());
  frame->SetFrameState(FrameState::Normal);
  EXPECT_EQ(Bounds(), (Rect{200, 230, 600, 530}));  // centred in the work area
}

TEST_F(WindowStates, MagneticEdgesSnapOnlyWhenEnabledAndNotMaximized) {
  const Rect near{3, 100, 403, 400};
  EXPECT_EQ(frame->SnapToEdges(near, QPoint(50, 150)), near);
  frame->Magnetic = true;
  EXPECT_EQ(frame->SnapToEdges(near, QPoint(50, 150)), (Rect{0, 100, 400, 400}));
}

TEST_F(WindowStates, FadeInReachesTheBlendValue) {
  frame->AlphaBlend = true;
  frame->AlphaBlendValue = 200;
  form.show();
  EXPECT_NEAR(form.windowOpacity(), 200 / 255.0, 0.01);
  QWidget animated;
  LqLacquerForm animatedFrame(&animated);
  animatedFrame.AlphaBlendAnimation = true;  // without AlphaBlend: fades in to opaque
  animated.show();
  EXPECT_NEAR(animated.windowOpacity(), 0.0, 0.01);
  for (int i = 0; i < 100 && animated.windowOpacity() < 1.0; ++i) QTest::qWait(20);
  EXPECT_DOUBLE_EQ(animated.windowOpacity(), 1.0);
}

TEST_F(WindowStates, SkinnableOffGivesThePlatformFrameWithItsIcons) {
  frame->SetBorderIcons(biMinimize | biMaximize);
  frame->SetSkinnable(false);
  const Qt::WindowFlags f = form.windowFlags();
  EXPECT_FALSE(f & Qt::FramelessWindowHint);
  EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(f & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(f & Qt::WindowContextHelpButtonHint);
  EXPECT_TRUE(frame->Objects().empty());
  EXPECT_EQ(form.contentsMargins(), QMargins());
  frame->SetSkinnable(true);
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(frame->Objects().empty());
}

}  // namespace
}  // namespace lq
