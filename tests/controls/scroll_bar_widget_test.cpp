#include <gtest/gtest.h>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "controls/list_box_test_skin.h"
#include "skin/controls/scroll_bar.h"
#include "support/manual_clock.h"
#include "support/screenshots.h"

namespace lq {
namespace {

QRgb At(const QImage& img, int x, int y) {
  return img.pixel(x, y) & 0xFFFFFF;
}
QRgb Rgb(Color c) {
  return qRgb(ColorR(c), ColorG(c), ColorB(c)) & 0xFFFFFF;
}

// Mouse moves sent straight to the widget: QTest's move goes through the cursor,
// which a widget that is not on screen never sees.
void MoveMouse(QWidget* w, QPoint p) {
  QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

struct SkinnedBar {
  std::unique_ptr<LqSkinData> skin = test::MakeTestSkin();
  std::shared_ptr<longtail::testing::ManualClock> clock =
      std::make_shared<longtail::testing::ManualClock>();
  longtail::testing::ManualClock::Timer* timer = nullptr;
  QWidget host;
  LqSkinScrollBar* bar;

  SkinnedBar() {
    host.resize(100, 300);
    bar = new LqSkinScrollBar(&host, clock);
    timer = clock->latest();
    bar->SetKind(ScrollBarKind::Vertical);
    bar->SetSkinDataName("vscrollbar");
    bar->SetSkinData(skin.get());
    bar->SetBounds(QRect(0, 0, 19, 154));
  }
};

TEST(ScrollBarWidgetTest, ProgramSkinFixesWidthAndPlacesIncreaseButtonAtTheBottom) {
  SkinnedBar s;
  EXPECT_TRUE(s.bar->SkinnedLook());
  EXPECT_EQ(s.bar->width(), 17);
  EXPECT_EQ(s.bar->height(), 154);
  const ScrollBarLayout l = s.bar->Layout();
  EXPECT_EQ(l.increase, (Rect{0, 138, 17, 154}));
  EXPECT_EQ(l.track.height(), 122);

  s.bar->SetRange(0, 100, 0, 0);
  QImage img = s.bar->grab().toImage();
  EXPECT_EQ(At(img, 8, 145), Rgb(test::kScrollElement));  // normal arrow: element image
  EXPECT_EQ(At(img, 8, 20), Rgb(test::kThumb));           // thumb at the top of the track
  // Hovering the increase arrow shows its active image.
  MoveMouse(s.bar, QPoint(8, 145));
  img = s.bar->grab().toImage();
  EXPECT_EQ(At(img, 8, 145), Rgb(test::kScrollActive));
  longtail::testing::SaveScreenshot(img, "scroll_bar_skinned.png");
}

TEST(ScrollBarWidgetTest, DisabledBarDrawsTrackAndArrowsButNoThumb) {
  SkinnedBar s;
  s.bar->SetRange(0, 100, 0, 0);
  s.bar->setEnabled(false);
  QImage img = s.bar->grab().toImage();
  EXPECT_EQ(At(img, 8, 20), Rgb(test::kScrollElement));

  QWidget host;
  LqSkinScrollBar plain(&host);
  plain.SetKind(ScrollBarKind::Vertical);
  plain.SetBounds(QRect(0, 0, 19, 100));
  QImage on = plain.grab().toImage();
  plain.setEnabled(false);
  QImage off = plain.grab().toImage();
  // The thumb's frame (track top, 1..17) is there only while enabled; arrows stay.
  EXPECT_NE(At(on, 1, 17), At(off, 1, 17));
  EXPECT_EQ(At(on, 9, 90), At(off, 9, 90));
  longtail::testing::SaveScreenshot(off, "scroll_bar_disabled_default.png");
}

TEST(ScrollBarWidgetTest, SetRangeIsSilentAndPositionSetterReports) {
  QWidget host;
  LqSkinScrollBar bar(&host);
  int changes = 0;
  QObject::connect(&bar, &LqSkinScrollBar::changed, [&] { ++changes; });
  bar.SetRange(0, 99, 10, 50);
  EXPECT_EQ(changes, 0);
  bar.SetPosition(99);
  EXPECT_EQ(bar.Position(), 90);
  EXPECT_EQ(changes, 1);
  bar.SetPosition(90);
  EXPECT_EQ(changes, 1);
}

TEST(ScrollBarWidgetTest, HoldingTheIncreaseArrowRepeatsOnTheTimer) {
  SkinnedBar s;
  s.bar->SetRange(0, 1000, 0, 0);
  QTest::mousePress(s.bar, Qt::LeftButton, {}, QPoint(8, 145));
  EXPECT_EQ(s.bar->Position(), 1);
  EXPECT_EQ(s.timer->starts.back(), 500);
  s.clock->advanceTo(549);
  EXPECT_EQ(s.bar->Position(), 1);
  s.clock->advanceTo(550);
  EXPECT_EQ(s.bar->Position(), 2);
  s.clock->advanceTo(650);
  EXPECT_EQ(s.bar->Position(), 4);
  QTest::mouseRelease(s.bar, Qt::LeftButton, {}, QPoint(8, 145));
  s.clock->advanceTo(2000);
  EXPECT_EQ(s.bar->Position(), 4);
}

TEST(ScrollBarWidgetTest, KeysAndWheelOnlyWhenFocusable) {
  QWidget host;
  host.resize(300, 100);
  LqSkinScrollBar bar(&host);
  bar.SetRange(0, 10, 0, 5);
  host.show();
  host.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  QTest::keyClick(&bar, Qt::Key_Right);
  EXPECT_EQ(bar.Position(), 5);
  bar.SetCanFocused(true);
  bar.setFocus();
  QTest::keyClick(&bar, Qt::Key_Right);
  EXPECT_EQ(bar.Position(), 6);
  QTest::keyClick(&bar, Qt::Key_Up);
  EXPECT_EQ(bar.Position(), 5);
}

TEST(ScrollBarWidgetTest, BothModeSwitchesToTheBothElementAndBack) {
  QWidget host;
  LqSkinScrollBar bar(&host);
  EXPECT_EQ(bar.SkinDataName(), "hscrollbar");
  bar.SetBoth(true);
  EXPECT_EQ(bar.SkinDataName(), "bothhscrollbar");
  // Unbound: the corner marker is left free at the right end.
  bar.SetBounds(QRect(0, 0, 200, 19));
  EXPECT_EQ(bar.Layout().increase.right, 200 - 19 - 1);
  bar.SetBoth(false);
  EXPECT_EQ(bar.SkinDataName(), "hscrollbar");
}

}  // namespace
}  // namespace lq
