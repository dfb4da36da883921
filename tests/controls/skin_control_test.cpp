// Binding, size fitting, regions, default looks and the skin-change walk of the
// control base classes, with the test skin and without a skin.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>

#include "controls/test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

using lqtest::Render;

// A custom control that counts its paints and the parent-background news.
class Probe : public LqSkinCustomControl {
 public:
  using LqSkinCustomControl::LqSkinCustomControl;
  int paints = 0, defaults = 0, skins = 0, backgroundNews = 0, fontChanges = 0;

 protected:
  void paintEvent(QPaintEvent* e) override {
    ++paints;
    LqSkinCustomControl::paintEvent(e);
  }
  void DrawDefault(QImage& c) override {
    ++defaults;
    LqSkinCustomControl::DrawDefault(c);
  }
  void DrawSkin(QImage& c) override {
    ++skins;
    LqSkinCustomControl::DrawSkin(c);
  }
  void ParentBackgroundChanged() override { ++backgroundNews; }
  void DefaultFontChanged() override { ++fontChanges; }
};

class SkinControlTest : public ::testing::Test {
 protected:
  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  QWidget window;
};

TEST_F(SkinControlTest, BindsByExactCaseSensitiveName) {
  Probe p(&window);
  p.SetSkinDataName("Panel");
  p.SetSkinData(skin.get());
  EXPECT_EQ(p.DescriptorIndex(), -1);
  p.SetSkinDataName("panel");  // stored only: bound at the next bind
  EXPECT_EQ(p.DescriptorIndex(), -1);
  p.BindSkin();
  EXPECT_EQ(p.DescriptorIndex(), skin->GetControlIndex("panel"));
  EXPECT_EQ(p.SliceMode(), SliceMode::Both);
  // An empty skin data gives the default look, without error.
  LqSkinData empty;
  p.SetSkinData(&empty);
  p.BindSkin();
  EXPECT_EQ(p.DescriptorIndex(), -1);
}

TEST_F(SkinControlTest, PaintsTheDefaultLookWhileUnboundAndRebindsOnPaint) {
  Probe p(&window);
  p.SetBounds({0, 0, 60, 30});
  Render(&p);
  EXPECT_EQ(p.defaults, 1);
  EXPECT_EQ(p.skins, 0);
  // A newly set name is followed at the next paint even without ApplySkin.
  p.SetSkinData(skin.get());
  p.SetSkinDataName("statuspanel");
  const QImage img = Render(&p);
  EXPECT_GE(p.skins, 1);
  EXPECT_EQ(p.height(), 30);  // painting fits the geometry, never the size
  EXPECT_EQ(QColor(img.pixel(20, 10)), lqtest::kStatusFill);
}

TEST_F(SkinControlTest, ZeroSizedControlPaintsNothing) {
  Probe p(&window);
  p.SetSkinData(skin.get());
  p.SetSkinDataName("panel");
  p.SetBounds({0, 0, 0, 40});
  QImage img(10, 10, QImage::Format_RGB32);
  p.render(&img);
  EXPECT_EQ(p.defaults + p.skins, 0);
}

TEST_F(SkinControlTest, SizeGivenWhileHiddenIsFittedWhenShown) {
  LqSkinButton button(&window);
  button.SetSkinData(skin.get());
  button.setGeometry(10, 10, 121, 25);
  window.show();
  EXPECT_EQ(button.size(), QSize(121, 22));
  EXPECT_EQ(button.sizeHint().height(), 22);
}

TEST_F(SkinControlTest, SliceModesFitTheRequestedSize) {
  LqSkinButton button(&window);
  button.SetSkinData(skin.get());
  button.SetBounds({10, 10, 121, 25});
  EXPECT_EQ(button.size(), QSize(121, 22));
  // Sizing a shown control through a plain QWidget pointer is fitted as well.
  window.show();
  static_cast<QWidget&>(button).resize(150, 40);
  EXPECT_EQ(button.size(), QSize(150, 22));

  Probe vertical(&window);
  vertical.SetSkinDataName("vscrollbar");
  vertical.SetSkinData(skin.get());
  vertical.SetBounds({0, 0, 40, 200});
  EXPECT_EQ(vertical.size(), QSize(17, 200));

  Probe unbound(&window);
  unbound.SetBounds({0, 0, 33, 44});
  unbound.ApplySkin();
  EXPECT_EQ(unbound.size(), QSize(33, 44));
  unbound.SetDefaultWidth(70);  // unbound: applied at once
  EXPECT_EQ(unbound.size(), QSize(70, 44));
}

TEST_F(SkinControlTest, FixedSizeElementAlwaysTakesItsSize) {
  Probe fixed(&window);
  fixed.SetSkinDataName("fixed");  // no corner points at all
  fixed.SetSkinData(skin.get());
  EXPECT_EQ(fixed.SliceMode(), SliceMode::Fixed);
  fixed.SetBounds({0, 0, 80, 30});
  EXPECT_EQ(fixed.size(), QSize(30, 15));
  Probe p(&window);
  p.SetSkinData(skin.get());
  p.SetSkinDataName("stdlabel");  // not a custom-control kind: keeps its size
  p.SetBounds({0, 0, 80, 30});
  EXPECT_EQ(p.size(), QSize(80, 30));
  EXPECT_EQ(p.SliceMode(), SliceMode::None);
}

TEST_F(SkinControlTest, MaskPictureCutsTheWindowRegion) {
  LqSkinButton b(&window);
  b.SetSkinDataName("maskbutton");
  b.SetSkinData(skin.get());
  b.SetBounds({0, 0, 100, 22});
  const QRegion mask = b.mask();
  ASSERT_FALSE(mask.isEmpty());
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));    // transparent corner pixels
  EXPECT_FALSE(mask.contains(QPoint(99, 21)));  // the right corner moved with the width
  EXPECT_TRUE(mask.contains(QPoint(50, 10)));
  EXPECT_TRUE(mask.contains(QPoint(1, 0)));
  // Unbinding removes the region.
  b.SetSkinData(nullptr);
  b.ApplySkin();
  EXPECT_TRUE(b.mask().isEmpty());
}

TEST_F(SkinControlTest, DefaultFontChangeRepaintsOnlyUnbound) {
  Probe p(&window);
  LqFont f;
  f.height = 20;
  p.SetDefaultFont(f);
  EXPECT_EQ(p.fontChanges, 1);
  p.SetDefaultFont(f);  // no change, no news
  EXPECT_EQ(p.fontChanges, 1);
}

TEST_F(SkinControlTest, ParentBackgroundNewsReachesChildren) {
  Probe parent(&window);
  Probe child(&parent);
  NotifyChildrenBackground(&parent);
  EXPECT_EQ(child.backgroundNews, 1);
  EXPECT_EQ(parent.backgroundNews, 0);
}

TEST_F(SkinControlTest, MouseEnterAndLeaveFireEvents) {
  Probe p(&window);
  int enters = 0, leaves = 0;
  QObject::connect(&p, &LqSkinControl::mouseEntered, [&] { ++enters; });
  QObject::connect(&p, &LqSkinControl::mouseLeft, [&] { ++leaves; });
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&p, &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&p, &leave);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

// A skin change: release, swap the skin, apply. In between, nothing of the old
// skin is used: every control paints its default look.
TEST_F(SkinControlTest, SkinChangeRebindsRefitsAndRepaintsEveryControl) {
  window.resize(400, 300);
  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  LqSkinButton button(&panel);
  button.SetSkinData(skin.get());
  button.SetBounds({10, 10, 121, 25});
  LqSkinStdLabel label(&panel);
  label.SetSkinData(skin.get());
  LqSkinButton other(&window);  // bound to another skin data: left alone
  auto otherSkin = lqtest::MakeTestSkin();
  other.SetSkinData(otherSkin.get());
  ASSERT_EQ(button.height(), 22);

  ReleaseFormControlsSkin(&window, skin.get());
  EXPECT_EQ(panel.DescriptorIndex(), -1);
  EXPECT_EQ(button.DescriptorIndex(), -1);
  EXPECT_EQ(label.DescriptorIndex(), -1);
  EXPECT_GE(other.DescriptorIndex(), 0);
  // With the old skin gone, a paint shows the default look and touches nothing of it.
  skin->ClearSkin();
  const QImage between = Render(&button);
  EXPECT_EQ(QColor(between.pixel(5, 11)), QColor(240, 240, 240));
  EXPECT_EQ(button.size(), QSize(121, 22));

  // The new skin replaces every descriptor; the old ones are gone.
  lqtest::LoadTestSkin(*skin, /*alternate=*/true);
  ApplyFormControlsSkin(&window, skin.get());
  EXPECT_GE(button.DescriptorIndex(), 0);
  EXPECT_GE(label.DescriptorIndex(), 0);
  EXPECT_EQ(button.height(), 26);  // re-fitted to the new element
  const QImage img = Render(&button);
  EXPECT_EQ(QColor(img.pixel(5, 13)), lqtest::kAltButton);
}

TEST_F(SkinControlTest, WalkWithoutNamedSkinDataReachesEveryClient) {
  LqSkinButton a(&window), b(&window);
  a.SetSkinData(skin.get());
  auto second = lqtest::MakeTestSkin();
  b.SetSkinData(second.get());
  ReleaseFormControlsSkin(&window, nullptr);
  EXPECT_EQ(a.DescriptorIndex(), -1);
  EXPECT_EQ(b.DescriptorIndex(), -1);
  ApplyFormControlsSkin(&window, nullptr);
  EXPECT_GE(a.DescriptorIndex(), 0);
  EXPECT_GE(b.DescriptorIndex(), 0);
}

}  // namespace
}  // namespace lq
