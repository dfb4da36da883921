// Frame objects of a skinned form: layout, visibility, hover, press/release, commands.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>

#include "frame/test_frame_skin.h"
#include "skin/frame/caption_object.h"

namespace lq {
namespace {

class FrameObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    LqLacquerForm::SetApplicationMainForm(&other);
    frame = new LqLacquerForm(&form);
    frame->SetScreenInfo(
        std::make_shared<FixedScreenInfo>(Rect{0, 0, 800, 800}, Rect{0, 0, 800, 760}));
    frame->SetBorderIcons(biMinimize | biMaximize);
    frame->SetFrameSkin(test::ProgramLikeSkin());
    form.setGeometry(50, 40, 600, 400);
    form.show();  // hidden widgets get their resize events only when shown
  }
  void TearDown() override { LqLacquerForm::SetApplicationMainForm(nullptr); }
  LqSkinStdButtonObject* Button(const char* name) {
    return dynamic_cast<LqSkinStdButtonObject*>(frame->FindObject(name));
  }
  QWidget other;
  QWidget form;
  LqLacquerForm* frame = nullptr;
};

TEST_F(FrameObjects, ButtonsSitAtTheDocumentedPositions) {
  for (int w : {600, 830}) {
    form.resize(w, 400);
    EXPECT_EQ(Button("closebutton")->ObjectRect, RectFromSize(w - 24, 5, 21, 21));
    EXPECT_EQ(Button("maxbutton")->ObjectRect, RectFromSize(w - 47, 5, 21, 21));
    EXPECT_EQ(Button("minbutton")->ObjectRect, RectFromSize(w - 70, 5, 21, 21));
    const Rect caption = frame->FirstCaption()->ObjectRect;
    EXPECT_EQ(caption, (Rect{5, 4, w - 70, 24}));
  }
}

TEST_F(FrameObjects, BorderIconsDecideWhichButtonsShow) {
  std::vector<std::string> shown;
  for (const auto& o : frame->Objects())
    if (o->visible) shown.push_back(o->IDName);
  EXPECT_EQ(shown, (std::vector<std::string>{"closebutton", "maxbutton", "minbutton", "caption"}));
  frame->SetBorderIcons(0);  // the editor window: close only
  EXPECT_TRUE(Button("closebutton")->visible);
  EXPECT_FALSE(Button("maxbutton")->visible);
  EXPECT_FALSE(Button("maxbutton")->enabled);
  EXPECT_EQ(frame->FirstCaption()->ObjectRect.right, 600 - 24);
  frame->SetHideCaptionButtons(true);
  EXPECT_FALSE(Button("closebutton")->visible);
  frame->SetHideCaptionButtons(false);
  frame->SetBorderIcons(biSystemMenu | biRollUp);
  EXPECT_TRUE(Button("sysmenubutton")->visible);
  // The system-menu button sits at the caption's left, vertically centred in it.
  EXPECT_EQ(Button("sysmenubutton")->ObjectRect, (Rect{3, 8, 17, 20}));
  EXPECT_EQ(frame->FirstCaption()->ObjectRect.left, 17);
  EXPECT_EQ(Button("rollupbutton")->ObjectRect, RectFromSize(600 - 47, 5, 21, 21));
}

TEST_F(FrameObjects, HoverFollowsTheMouseOnlyOnActiveForms) {
  frame->TestHot(600 - 20, 10, true);
  EXPECT_EQ(frame->HotIndex(), -1);  // inactive form: no tracking
  test::Activate(form);
  QSignalSpy entered(frame, &LqLacquerForm::objectEntered);
  QSignalSpy left(frame, &LqLacquerForm::objectLeft);
  frame->TestHot(600 - 20, 10, true);
  EXPECT_EQ(frame->HotIndex(), 0);
  EXPECT_TRUE(Button("closebutton")->active);
  frame->TestHot(600 - 40, 10, true);
  EXPECT_EQ(frame->HotIndex(), 1);
  EXPECT_FALSE(Button("closebutton")->active);
  frame->TestHot(-1, -1, true);
  EXPECT_EQ(frame->HotIndex(), -1);
  ASSERT_EQ(entered.count(), 2);
  EXPECT_EQ(entered[1][0].toString(), "maxbutton");
  EXPECT_EQ(left.count(), 2);
}

TEST_F(FrameObjects, ClickingMaximizeMaximizesAndShowsTheRestoreImage) {
  test::Activate(form);
  auto* max = Button("maxbutton");
  const QPoint p(max->ObjectRect.left + 5, max->ObjectRect.top + 5);
  QTest::mouseClick(&form, Qt::LeftButton, {}, p);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Maximized);
  EXPECT_TRUE(max->ShowsRestoreState());
  EXPECT_FALSE(max->down);
  const QPoint q(max->ObjectRect.left + 5, max->ObjectRect.top + 5);
  QTest::mouseClick(&form, Qt::LeftButton, {}, q);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
}

TEST_F(FrameObjects, ReleasingOutsideTheButtonRunsNothing) {
  test::Activate(form);
  auto* min = Button("minbutton");
  const QPoint inside(min->ObjectRect.left + 5, 10);
  QTest::mousePress(&form, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(min->down);
  EXPECT_EQ(frame->CapturedIndex(), 2);
  QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), form.mapToGlobal(QPointF(300, 200)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &move);
  EXPECT_FALSE(min->mouseIn);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_FALSE(min->down);
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  EXPECT_EQ(frame->CapturedIndex(), -1);
}

TEST_F(FrameObjects, CloseButtonClosesTheForm) {
  test::Activate(form);
  auto* close = Button("closebutton");
  QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(close->ObjectRect.left + 3, 10));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(FrameObjects, CaptionDoubleClickMaximizesAndRestores) {
  test::Activate(form);
  QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(100, 12));
  EXPECT_EQ(frame->GetFrameState(), FrameState::Maximized);
  QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(100, 12));
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  frame->SetBorderIcons(0);  // no maximize, no roll-up: nothing happens
  QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(100, 12));
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  EXPECT_FALSE(frame->RolledUp());
  // Outside the caption object the top border is no drag or maximize area.
  frame->SetBorderIcons(biMaximize);
  QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(300, 25));
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
}

TEST_F(FrameObjects, CaptionDragMovesTheWindowButNotWhenMaximized) {
  test::Activate(form);
  const QPoint start = form.pos();
  QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(100, 12));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 32), form.mapToGlobal(QPointF(130, 32)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &move);
  QMouseEvent move2(QEvent::MouseMove, QPointF(130, 32), form.mapToGlobal(QPointF(130, 32)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &move2);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(100, 12));
  EXPECT_EQ(form.pos(), start + QPoint(30, 20));

  frame->SetFrameState(FrameState::Maximized);
  const QPoint pinned = form.pos();
  QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(100, 12));
  QMouseEvent move3(QEvent::MouseMove, QPointF(150, 60), form.mapToGlobal(QPointF(150, 60)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&form, &move3);
  QApplication::sendEvent(&form, &move3);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(150, 60));
  EXPECT_EQ(form.pos(), pinned);
}

TEST_F(FrameObjects, DraggingAnEdgeResizesWithinTheLimits) {
  test::Activate(form);
  // The offscreen platform cannot resize windows itself, so the frame does.
  auto drag = [this](QPoint from, QPoint to) {
    const QPoint start = form.mapToGlobal(from);
    QTest::mousePress(&form, Qt::LeftButton, {}, from);
    const QPoint global = start + (to - from);
    QMouseEvent move(QEvent::MouseMove, QPointF(form.mapFromGlobal(global)), QPointF(global),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, form.mapFromGlobal(global));
  };
  drag(QPoint(599, 399), QPoint(639, 419));  // bottom-right corner
  EXPECT_EQ(form.geometry(), QRect(50, 40, 640, 420));
  drag(QPoint(0, 200), QPoint(600, 200));  // left edge, far past the minimum width
  EXPECT_EQ(form.geometry(), QRect(490, 40, 200, 420));
  EXPECT_FALSE(frame->InSizeMove());
  // The client area follows: buttons sit at the new right edge.
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect.left, 200 - 24);
}

TEST_F(FrameObjects, HitTestsOfTheFormUseTheLaidOutObjects) {
  EXPECT_EQ(frame->HitTest(100, 12), HitCode::Caption);
  EXPECT_EQ(frame->HitTest(600 - 20, 10), HitCode::Object);  // close button
  EXPECT_EQ(frame->HitTest(300, 200), HitCode::Client);
  EXPECT_EQ(frame->HitTest(300, 399), HitCode::Bottom);
  EXPECT_EQ(frame->HitTest(1, 390), HitCode::BottomLeft);  // 10,200 moved down by 190
  EXPECT_EQ(frame->HitTest(1, 389), HitCode::Left);
  frame->SetFrameState(FrameState::Maximized);
  EXPECT_EQ(frame->HitTest(1, 1), HitCode::Object);
}

TEST_F(FrameObjects, CursorFollowsTheSizingCode) {
  test::Activate(form);
  auto hover = [this](QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), form.mapToGlobal(QPointF(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
  };
  hover(QPoint(599, 200));
  EXPECT_EQ(form.cursor().shape(), Qt::SizeHorCursor);
  hover(QPoint(599, 399));
  EXPECT_EQ(form.cursor().shape(), Qt::SizeFDiagCursor);
  hover(QPoint(100, 12));
  EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
  frame->UseFormCursorInNCArea = true;
  form.setCursor(Qt::IBeamCursor);
  hover(QPoint(599, 201));
  EXPECT_EQ(form.cursor().shape(), Qt::SizeHorCursor);  // sizing cursors stay
}

TEST_F(FrameObjects, MorphingTakesFiveSteps) {
  FrameSkin skin = test::ProgramLikeSkin();
  skin.objects[0].morphing = true;
  frame->SetFrameSkin(skin);
  test::Activate(form);
  auto* close = Button("closebutton");
  frame->TestHot(close->ObjectRect.left + 2, 10, true);
  EXPECT_TRUE(frame->MorphTimerActive());
  int ticks = 0;
  while (close->morphFactor < 1 && ticks < 10) {
    frame->MorphTick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 5);
  frame->MorphTick();  // nothing moved: the timer stops
  EXPECT_FALSE(frame->MorphTimerActive());
}

TEST_F(FrameObjects, AnimateButtonsStepThroughTheirFramesAndUserObjectsPaintThemselves) {
  FrameSkin skin = test::ProgramLikeSkin();
  ObjectSpec animate;
  animate.kind = FrameObjectKind::Animate;
  animate.IDName = "spinner";
  animate.skinrectinapicture = true;
  animate.activepictureindex = 0;
  animate.skinrect = test::ButtonCell(0, 0);
  animate.activeskinrect = test::ButtonCell(1, 0);  // three frames side by side from here
  animate.countframes = 3;
  animate.timerinterval = 25;
  animate.buttonstyle = true;
  animate.command = FrameCommand::Default;  // a custom button: shown when the handler says so
  ObjectSpec user;
  user.kind = FrameObjectKind::UserObject;
  user.IDName = "badge";
  user.skinrect = {2, 207, 20, 209};  // left-bottom corner zone: follows the bottom edge
  skin.objects.push_back(animate);
  skin.objects.push_back(user);
  frame->SetCustomObjectVisibility([](const std::string& id) { return id == "spinner"; });
  frame->SetFrameSkin(skin);
  frame->SetBorderIcons(0);
  test::Activate(form);
  auto* spinner = dynamic_cast<LqSkinAnimateObject*>(frame->FindObject("spinner"));
  ASSERT_TRUE(spinner);
  EXPECT_EQ(spinner->ObjectRect, RectFromSize(600 - 47, 5, 21, 21));  // after the close button
  frame->TestHot(600 - 40, 10, true);
  EXPECT_TRUE(frame->AnimationTimerActive());
  for (int i = 0; i < 10; ++i) frame->AnimationTick();
  EXPECT_EQ(spinner->frame, 3);  // no cycle: stops on the last frame
  EXPECT_FALSE(frame->AnimationTimerActive());
  frame->TestHot(-1, -1, true);
  for (int i = 0; i < 10; ++i) frame->AnimationTick();
  EXPECT_EQ(spinner->frame, 1);

  EXPECT_EQ(frame->FindObject("badge")->ObjectRect, (Rect{2, 397, 20, 399}));
  int painted = 0;
  QObject::connect(frame, &LqLacquerForm::paintUserObject,
                   [&](const QString& id, QPainter* p, const QRect& r) {
                     EXPECT_EQ(id, "badge");
                     p->fillRect(r, Qt::red);
                     ++painted;
                   });
  const QImage image = frame->RenderWindow();
  EXPECT_GE(painted, 1);
  EXPECT_EQ(image.pixelColor(10, 398), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(10, 396), QColor(Qt::red));
}

TEST_F(FrameObjects, SystemMenuItemsAndCommands) {
  auto captions = [this] {
    QStringList out;
    for (const auto& item : frame->SystemMenuItems()) out << item.caption;
    return out;
  };
  EXPECT_EQ(captions(),
            QStringList({QString::fromUtf8("最小化(&N)"), QString::fromUtf8("最大化(&X)"), "-",
                         QString::fromUtf8("关闭(&C)")}));
  frame->RunSystemMenuItem("LQK_MAXITEM");
  EXPECT_EQ(captions(), QStringList({QString::fromUtf8("最小化(&N)"), QString::fromUtf8("恢复(&R)"),
                                     "-", QString::fromUtf8("关闭(&C)")}));
  frame->RunSystemMenuItem("LQK_RESTORE");
  EXPECT_EQ(frame->GetFrameState(), FrameState::Normal);
  frame->SetBorderIcons(0);
  EXPECT_EQ(captions(), QStringList({QString::fromUtf8("关闭(&C)")}));
}

TEST_F(FrameObjects, RightClickOnTheCaptionAsksForTheSystemMenu) {
  test::Activate(form);
  QSignalSpy requested(frame, &LqLacquerForm::systemMenuRequested);
  QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(100, 12));
  ASSERT_EQ(requested.count(), 1);
  EXPECT_EQ(requested[0][0].toRect().topLeft(), form.mapToGlobal(QPoint(100, 12)));
  EXPECT_TRUE(frame->SkinMenuOpen());
  frame->MenuClosed();
  EXPECT_FALSE(frame->SkinMenuOpen());
  QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(300, 25));  // border: nothing
  EXPECT_EQ(requested.count(), 1);
  frame->DisableSystemMenu = true;
  QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(100, 12));
  EXPECT_EQ(requested.count(), 1);
}

TEST_F(FrameObjects, AltSpaceIsSwallowedWithoutASystemMenuButton) {
  QSignalSpy requested(frame, &LqLacquerForm::systemMenuRequested);
  EXPECT_TRUE(frame->HandleShortCut(Qt::Key_Space, Qt::AltModifier));
  EXPECT_EQ(requested.count(), 0);
  frame->SetBorderIcons(biSystemMenu);
  EXPECT_TRUE(frame->HandleShortCut(Qt::Key_Space, Qt::AltModifier));
  ASSERT_EQ(requested.count(), 1);
  EXPECT_EQ(requested[0][0].toRect().size(), QSize(14, 12));
  EXPECT_FALSE(frame->HandleShortCut(Qt::Key_Space, Qt::ControlModifier));
}

}  // namespace
}  // namespace lq
