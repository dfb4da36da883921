#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QWidget>

#include "frame/menu_test_support.h"
#include "skin/frame/hint_component.h"
#include "skin/frame/hint_layout.h"
#include "skin/frame/hint_window.h"
#include "skin/frame/menu_compose.h"
#include "skin/frame/menu_painter.h"
#include "skin/qt/bridge.h"
#include "support/screenshots.h"

namespace lq {
namespace {

// The documented hint window: picture and mask 28 x 21, corners 3,6 / 21,6 / 5,14 / 20,14,
// client rectangle 4,3,24,18, "Arial" 14, colour 0, left and right stretched.
HintSkin ProgramLikeHintSkin() {
  HintSkin s;
  s.window = Bitmap(28, 21);
  s.window.fill(RGB(250, 240, 200));
  compose::FrameRect(s.window, {0, 0, 28, 21}, RGB(150, 120, 60));
  s.mask = Bitmap(28, 21);  // all black: the whole window
  s.lefttoppoint = {3, 6};
  s.righttoppoint = {21, 6};
  s.leftbottompoint = {5, 14};
  s.rightbottompoint = {20, 14};
  s.clientrect = {4, 3, 24, 18};
  s.leftstretch = s.rightstretch = true;
  return s;
}

std::unique_ptr<LqSkinData> HintSkinData() {
  const HintSkin s = ProgramLikeHintSkin();
  auto data = std::make_unique<LqSkinData>();
  data->Empty = false;
  data->ActivePictures = {s.window, s.mask};
  LqDataSkinHintWindow& d = data->HintWindowDescriptor;
  d.windowpictureindex = 0;
  d.maskpictureindex = 1;
  d.lefttoppoint = s.lefttoppoint;
  d.righttoppoint = s.righttoppoint;
  d.leftbottompoint = s.leftbottompoint;
  d.rightbottompoint = s.rightbottompoint;
  d.clientrect = s.clientrect;
  d.fontname = "Arial";
  d.fontheight = 14;
  d.leftstretch = d.rightstretch = true;
  return data;
}

TEST(HintLayout, SkinnedHintIsTextPlus13By6AndLowTextsGrow) {
  const HintSkin s = ProgramLikeHintSkin();
  HintGeometry g = ComputeHintGeometry(&s, 50, 14);
  EXPECT_EQ(g.width, 63);
  EXPECT_EQ(g.height, 20);
  EXPECT_EQ(g.client, (Rect{4, 3, 59, 17}));
  EXPECT_EQ(g.rightbottom, (Point{55, 13}));
  // Below 7 pixels of text the bottom corners would climb above the top ones.
  g = ComputeHintGeometry(&s, 50, 3);
  EXPECT_EQ(g.height, 13);
  EXPECT_EQ(g.leftbottom.y, g.lefttop.y);
  EXPECT_EQ(ComputeHintGeometry(&s, 50, 7).height, 13);
  EXPECT_EQ(ComputeHintGeometry(&s, 50, 8).height, 14);
}

TEST(HintLayout, DefaultHintIsTextPlus4AndTitledHintsGrow) {
  HintGeometry g = ComputeHintGeometry(nullptr, 40, 14);
  EXPECT_EQ(g.width, 44);
  EXPECT_EQ(g.height, 18);
  g = ComputeTitledHintGeometry(nullptr, 40, 14, {90, 15, 16, 16});
  EXPECT_EQ(g.width, 90 + 16 + 10);
  EXPECT_EQ(g.height, 18 + 15 + 10);
  const HintSkin s = ProgramLikeHintSkin();
  EXPECT_EQ(ComputeTitledHintGeometry(&s, 40, 14, {10, 15, 0, 0}).width, 53 + 10);
}

TEST(HintLayout, NearTheBottomRightCornerTheHintOpensUpAndLeft) {
  const Rect wa{0, 0, 800, 600};
  EXPECT_EQ(PlaceHint({100, 100}, 63, 20, wa), (Point{100, 100}));
  EXPECT_EQ(PlaceHint({780, 590}, 63, 20, wa), (Point{780 - 65, 590 - 22}));
  EXPECT_EQ(SplitHintLines("one@two@three", "@"), "one\ntwo\nthree");
}

class HintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    clock = std::make_shared<testing::ManualClock>();
    cursor = std::make_shared<testing::ScriptedCursor>();
    hint = std::make_unique<LqSkinHint>(nullptr, clock, cursor);
    hint->SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
  }
  std::shared_ptr<testing::ManualClock> clock;
  std::shared_ptr<testing::ScriptedCursor> cursor;
  std::unique_ptr<LqSkinHint> hint;
};

TEST_F(HintFixture, SkinnedWindowMeasuresTheTextAndCentresIt) {
  auto data = HintSkinData();
  hint->SkinData = data.get();
  LqSkinHintWindow& w = hint->Window();
  w.ActivateHint(QRect(200, 200, 0, 0), QString::fromUtf8("到百度搜索@Baidu search"));
  ASSERT_TRUE(w.Skinned());
  const QSize t = w.TextSize();
  EXPECT_EQ(w.Geometry().width, t.width() + 13);
  EXPECT_EQ(w.Geometry().height, t.height() + 6);
  const QFontMetrics m(w.TextFont());
  EXPECT_GE(t.height(), 2 * m.height() - 1);  // the separator made two lines
  EXPECT_EQ(w.ScreenRect().topLeft(), QPoint(200, 200));
  EXPECT_FALSE(w.WindowRegion().isEmpty());
  const Bitmap b = w.Render();
  EXPECT_EQ(b.pixel(0, 0), RGB(150, 120, 60));
}

TEST_F(HintFixture, DefaultWindowHasInfoColoursAndAFrame) {
  LqSkinHintWindow& w = hint->Window();
  w.ActivateHint(QRect(790, 590, 0, 0), QString::fromUtf8("删除选中关键词"));
  EXPECT_FALSE(w.Skinned());
  EXPECT_EQ(w.Geometry().width, w.TextSize().width() + 4);
  EXPECT_EQ(w.ScreenRect().right(), 790 - 2 - 1);  // moved left and up at the corner
  EXPECT_EQ(w.ScreenRect().bottom(), 590 - 2 - 1);
  const Bitmap b = w.Render();
  EXPECT_EQ(b.pixel(0, 0), syscolor::BtnShadow);
  EXPECT_EQ(b.pixel(1, 1), syscolor::InfoBk);
  longtail::testing::SaveDocScreenshot(BitmapAsQImage(b), "hint_default.png");
}

TEST_F(HintFixture, ObjectHintWaitsForTheHintPauseAndHidesAfterTheHidePause) {
  cursor->moveTo(QPoint(300, 40));
  hint->ShowHint(QString::fromUtf8("关闭"));
  clock->advance(499);
  EXPECT_FALSE(hint->Window().isVisible());
  clock->advance(1);
  ASSERT_TRUE(hint->Window().isVisible());
  EXPECT_EQ(hint->Window().ScreenRect().topLeft(), QPoint(300, 60));
  EXPECT_EQ(hint->Window().ShownText(), QString::fromUtf8("关闭"));
  clock->advance(2500);
  EXPECT_FALSE(hint->Window().isVisible());
  EXPECT_FALSE(hint->HintTimerActive());
  hint->ShowHint("x");
  hint->HideHint();  // cancels the pending hint
  clock->advance(1000);
  EXPECT_FALSE(hint->Window().isVisible());
}

TEST_F(HintFixture, WidgetTooltipsAreShownInTheSkinnedWindowWithTheirTitle) {
  QWidget button;
  button.setToolTip("Query@now");
  button.setProperty("HintTitle", "Harvest");
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), QPoint(120, 130));
  QCoreApplication::sendEvent(&button, &help);
  ASSERT_TRUE(hint->Window().isVisible());
  EXPECT_TRUE(hint->Window().Titled());
  EXPECT_EQ(hint->Window().ShownText(), "Query\nnow");
  EXPECT_EQ(hint->Window().ScreenRect().topLeft(), QPoint(120, 150));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(hint->Window().isVisible());
}

TEST_F(HintFixture, OnlyOneHintComponentIsActive) {
  EXPECT_EQ(LqSkinHint::Current(), hint.get());
  {
    LqSkinHint second(nullptr, clock, cursor);
    EXPECT_FALSE(hint->Active());
    EXPECT_EQ(LqSkinHint::Current(), &second);
  }
  EXPECT_EQ(LqSkinHint::Current(), nullptr);
  hint->SetActive(true);
  EXPECT_EQ(LqSkinHint::Current(), hint.get());
}

}  // namespace
}  // namespace lq
