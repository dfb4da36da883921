// Panels and group boxes: skin frames, captions, client rectangles offered to
// aligned children, default looks, checked mode and roll-up.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

using lqtest::Render;

class PanelTest : public ::testing::Test {
 protected:
  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  QWidget window;
};

// Horizontal extent of the caption text: pixels that differ from the strip colour
// within the caption rows.
std::pair<int, int> TextExtent(const QImage& img, const QColor& background) {
  int first = img.width(), last = -1;
  for (int y = 1; y < 14; ++y)
    for (int x = 0; x < img.width(); ++x)
      if (QColor(img.pixel(x, y)) != background) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST_F(PanelTest, SkinnedPanelDrawsFrameAndTiledClient) {
  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  panel.SetBounds({0, 0, 200, 120});
  const QImage img = Render(&panel);
  EXPECT_EQ(QColor(img.pixel(1, 1)), lqtest::kPanelFrame);
  EXPECT_EQ(QColor(img.pixel(198, 118)), lqtest::kPanelFrame);
  EXPECT_EQ(QColor(img.pixel(100, 60)), lqtest::kPanelClient);
  EXPECT_EQ(QColor(img.pixel(194, 114)), lqtest::kPanelClient);  // fitted client reaches here
  EXPECT_EQ(panel.AlignClientRect(), QRect(5, 5, 190, 110));
}

TEST_F(PanelTest, CaptionNeverDrawnWhenTheSkinHasNoCaptionArea) {
  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  panel.SetCaptionMode(true);
  panel.SetCaption("lqpanel1");
  panel.SetBounds({0, 0, 200, 80});
  EXPECT_TRUE(panel.CaptionArea().isEmpty());
  const QImage img = Render(&panel);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(QColor(img.pixel(x, y)), lqtest::kPanelFrame);
}

TEST_F(PanelTest, GroupBoxTitleIsCentredAndStaysCentredAfterResize) {
  LqSkinGroupBox box(&window);
  box.SetSkinData(skin.get());
  box.SetCaption(QStringLiteral("导出列表"));
  for (int width : {200, 409}) {
    box.SetBounds({0, 0, width, 150});
    EXPECT_EQ(box.CaptionArea(), QRect(1, 1, width - 3, 13));
    const QImage img = Render(&box);
    const auto [first, last] = TextExtent(img, lqtest::kGroupTop);
    ASSERT_LT(first, last);
    const int textCentre = (first + last) / 2;
    const int areaCentre = 1 + (width - 3) / 2;
    EXPECT_NEAR(textCentre, areaCentre, 3) << "width " << width;
    // The title is drawn in the skin's caption colour.
    bool blue = false;
    for (int x = first; x <= last && !blue; ++x)
      for (int y = 1; y < 14; ++y)
        if (QColor(img.pixel(x, y)) == lqtest::kGroupCaption) blue = true;
    EXPECT_TRUE(blue);
  }
  // Children align to the fitted client rectangle below the title strip.
  EXPECT_EQ(box.AlignClientRect(), QRect(5, 20, 399, 125));
}

TEST_F(PanelTest, BorderlessPanelIsPlainTextureAndOffersItsWholeArea) {
  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  panel.SetBorderStyle(BevelStyle::None);
  panel.SetBounds({0, 0, 336, 167});
  const QImage img = Render(&panel);
  EXPECT_EQ(QColor(img.pixel(0, 0)), lqtest::kPanelClient);
  EXPECT_EQ(QColor(img.pixel(335, 166)), lqtest::kPanelClient);
  EXPECT_EQ(panel.AlignClientRect(), QRect(0, 0, 336, 167));
  QWidget child(&panel);
  SetAlign(&child, DockAlign::Client);
  EXPECT_EQ(child.geometry(), QRect(0, 0, 336, 167));
}

TEST_F(PanelTest, DefaultLookFramesAndCaptionBar) {
  LqSkinPanel panel(&window);
  panel.SetBounds({0, 0, 120, 80});
  QImage img = Render(&panel);
  const QColor shadow(160, 160, 160), face(240, 240, 240), white(255, 255, 255);
  EXPECT_EQ(QColor(img.pixel(0, 0)), shadow);
  EXPECT_EQ(QColor(img.pixel(119, 79)), shadow);
  EXPECT_EQ(QColor(img.pixel(60, 40)), face);
  EXPECT_EQ(panel.AlignClientRect(), QRect(1, 1, 118, 78));
  panel.SetBorderStyle(BevelStyle::Raised);
  img = Render(&panel);
  EXPECT_EQ(QColor(img.pixel(0, 0)), white);
  EXPECT_EQ(QColor(img.pixel(119, 79)), shadow);
  panel.SetBorderStyle(BevelStyle::Frame);
  panel.SetCaptionMode(true);
  EXPECT_EQ(panel.AlignClientRect(), QRect(1, 23, 118, 56));
  img = Render(&panel);
  EXPECT_EQ(QColor(img.pixel(5, 21)), shadow);  // bottom edge of the caption bar
  EXPECT_EQ(QColor(img.pixel(5, 1)), white);    // its inner highlight
}

TEST_F(PanelTest, CheckedFiresAlwaysButEnablesChildrenOnlyInCheckedMode) {
  LqSkinPanel panel(&window);
  QWidget child(&panel);
  int fired = 0;
  QObject::connect(&panel, &LqSkinPanel::checkedChanged, [&] { ++fired; });
  panel.SetChecked(false);
  EXPECT_EQ(fired, 1);
  EXPECT_TRUE(child.isEnabled());
  panel.SetCheckedMode(true);
  panel.SetChecked(false);
  EXPECT_EQ(fired, 2);
  EXPECT_FALSE(child.isEnabled());
  panel.SetChecked(true);
  EXPECT_TRUE(child.isEnabled());
}

TEST_F(PanelTest, CaptionClickRollsUpAndDown) {
  LqSkinPanel panel(&window);
  panel.SetCaptionMode(true);
  panel.SetRollUpMode(true);
  panel.SetBounds({0, 0, 150, 150});
  QWidget child(&panel);
  int changes = 0;
  QObject::connect(&panel, &LqSkinPanel::rollUpStateChanged, [&] { ++changes; });
  QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_TRUE(panel.RollUpState());
  EXPECT_EQ(panel.height(), 23);
  EXPECT_EQ(panel.RealHeight(), 150);
  EXPECT_TRUE(child.isHidden());
  QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 100));  // not on the caption
  EXPECT_TRUE(panel.RollUpState());
  QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_FALSE(panel.RollUpState());
  EXPECT_EQ(panel.height(), 150);
  EXPECT_EQ(panel.RealHeight(), -1);
  EXPECT_FALSE(child.isHidden());
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace lq
