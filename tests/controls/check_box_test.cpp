// Check and radio boxes: images per state, the flat look over the parent, the
// Checked/State/clicked() rules, grayed cycling and radio groups.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

using lqtest::Enter;
using lqtest::Leave;
using lqtest::Render;

class CheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.SetSkinData(skin.get());
    panel.SetBorderStyle(BevelStyle::None);
    panel.SetBounds({0, 0, 400, 100});
    box.SetSkinData(skin.get());
    box.SetBounds({10, 10, 150, 25});
    box.SetCaption(QStringLiteral("长尾词必须包含关键词"));
    QObject::connect(&box, &LqSkinCheckRadioBox::clicked, [this] { ++clicks; });
  }
  // Colour in the middle of the check image, as the panel shows it.
  QColor ImageColour() {
    const QImage img = Render(&panel);
    return QColor(img.pixel(box.x() + 3 + 7, box.y() + 12));
  }

  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  LqSkinPanel panel;
  LqSkinCheckRadioBox box{&panel};
  int clicks = 0;
};

TEST_F(CheckBoxTest, ImagesFollowStateHotAndEnabled) {
  EXPECT_EQ(box.size(), QSize(150, 25));  // flat boxes keep the form's size
  EXPECT_EQ(ImageColour(), lqtest::kUncheckImage);
  Enter(&box);
  EXPECT_EQ(ImageColour(), lqtest::kActiveUncheckImage);
  box.SetChecked(true);
  EXPECT_EQ(ImageColour(), lqtest::kActiveCheckImage);
  Leave(&box);
  EXPECT_EQ(ImageColour(), lqtest::kCheckImage);
  box.setEnabled(false);  // no disabled images in the skin: they fall back
  EXPECT_EQ(ImageColour(), lqtest::kCheckImage);
  EXPECT_EQ(box.CaptionRect().left(), 22);
}

TEST_F(CheckBoxTest, FlatBoxShowsTheParentTextureAndTransparentImageCorner) {
  const QImage img = Render(&panel);
  // Right of the caption, the panel's texture; the image's transparent pixel too.
  EXPECT_EQ(QColor(img.pixel(box.x() + 148, box.y() + 2)), lqtest::kPanelClient);
  const int imageTop = box.y() + 25 / 2 - 15 / 2;
  EXPECT_EQ(QColor(img.pixel(box.x() + 3, imageTop + 14)), lqtest::kPanelClient);
  EXPECT_EQ(QColor(img.pixel(box.x() + 4, imageTop + 14)), lqtest::kUncheckImage);
}

TEST_F(CheckBoxTest, GrayedStateDrawsLightenedCheckImageWithoutGrayedRect) {
  box.SetState(CheckBoxState::Grayed);
  const QColor c = ImageColour();
  // Halfway to white from the check image colour (0, 128, 0).
  EXPECT_EQ(c, QColor(128, 192, 128));
  bool lightened = false;
  box.CheckImageRect(&lightened);
  EXPECT_TRUE(lightened);
}

TEST_F(CheckBoxTest, CheckedFromCodeFiresOnClickAndGrayedStaysGrayed) {
  box.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(box.State(), CheckBoxState::Checked);
  box.SetState(CheckBoxState::Grayed);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box.Checked());
  box.SetChecked(false);
  EXPECT_EQ(box.State(), CheckBoxState::Grayed);
  EXPECT_EQ(clicks, 3);
}

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedWhenAllowed) {
  box.SetAllowGrayed(true);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 12));
  EXPECT_EQ(box.State(), CheckBoxState::Grayed);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 12));
  EXPECT_EQ(box.State(), CheckBoxState::Checked);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 12));
  EXPECT_EQ(box.State(), CheckBoxState::Unchecked);
  EXPECT_EQ(clicks, 3);
  // Released outside: nothing happens.
  QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 12));
  QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(300, 12));
  EXPECT_EQ(box.State(), CheckBoxState::Unchecked);
}

TEST_F(CheckBoxTest, RadioGroupUnchecksSiblingsAndClicksOnlyWhenChecked) {
  LqSkinCheckRadioBox a(&panel), b(&panel), other(&panel);
  int aClicks = 0, bClicks = 0;
  for (auto* r : {&a, &b, &other}) r->SetRadio(true);
  a.GroupIndex = b.GroupIndex = 1;
  other.GroupIndex = 2;
  QObject::connect(&a, &LqSkinCheckRadioBox::clicked, [&] { ++aClicks; });
  QObject::connect(&b, &LqSkinCheckRadioBox::clicked, [&] { ++bClicks; });
  other.SetChecked(true);
  a.SetChecked(true);
  EXPECT_EQ(aClicks, 1);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 12));
  EXPECT_TRUE(b.Checked());
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(other.Checked());  // another group
  EXPECT_EQ(aClicks, 1);         // unchecking a radio box fires nothing
  EXPECT_EQ(bClicks, 1);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 12));  // a radio box stays checked
  EXPECT_TRUE(b.Checked());
  EXPECT_EQ(bClicks, 1);
}

TEST_F(CheckBoxTest, UnboundFlatLookDrawsBoxAndMark) {
  box.SetSkinData(nullptr);
  box.ApplySkin();
  QImage img = Render(&panel);
  const int top = box.y() + 25 / 2 - 7;
  EXPECT_EQ(QColor(img.pixel(box.x() + 3, top)), QColor(160, 160, 160));
  Enter(&box);
  img = Render(&panel);
  EXPECT_EQ(QColor(img.pixel(box.x() + 3, top)), QColor(0, 0, 128));
  box.SetChecked(true);
  img = Render(&panel);
  bool mark = false;
  for (int y = top + 2; y < top + 12; ++y)
    for (int x = box.x() + 6; x < box.x() + 15; ++x)
      if (QColor(img.pixel(x, y)) == QColor(0, 0, 0)) mark = true;
  EXPECT_TRUE(mark);
}

}  // namespace
}  // namespace lq

namespace lq {
namespace {

TEST_F(CheckBoxTest, NonFlatBoxDrawsItsElementAndFitsItsHeight) {
  box.SetFlat(false);
  box.SetBounds({10, 10, 150, 40});
  EXPECT_EQ(box.size(), QSize(150, 25));  // the element stretches horizontally only
  const QImage img = Render(&box);
  EXPECT_EQ(QColor(img.pixel(0, 12)), QColor(0, 0, 0));         // element border
  EXPECT_EQ(QColor(img.pixel(1, 12)), QColor(245, 245, 245));   // element face
  EXPECT_EQ(QColor(img.pixel(11, 12)), lqtest::kUncheckImage);  // centred in its area
  EXPECT_EQ(QColor(img.pixel(149, 12)), QColor(0, 0, 0));       // right end moved with the width
}

}  // namespace
}  // namespace lq
