// Size fitting and sub-rectangle mapping of element geometry.
#include <gtest/gtest.h>

#include "skin/controls/slice_geometry.h"

namespace lq {
namespace {

SliceGeometry ButtonLike() {
  SliceGeometry g;
  g.skinrect = {458, 272, 500, 294};
  g.lefttoppoint = {3, 0};
  g.righttoppoint = {35, 0};
  g.clientrect = {3, 3, 39, 19};
  return g;
}

SliceGeometry GroupBoxLike() {
  SliceGeometry g;
  g.skinrect = {200, 0, 260, 60};
  g.lefttoppoint = {5, 20};
  g.righttoppoint = {55, 20};
  g.leftbottompoint = {5, 55};
  g.rightbottompoint = {55, 55};
  g.clientrect = {5, 20, 55, 55};
  return g;
}

TEST(SliceMode, DerivedFromTheCornerPoints) {
  SliceGeometry g;
  EXPECT_EQ(SliceModeFor(g), SliceMode::None);  // empty skin rectangle
  g.skinrect = {0, 0, 10, 10};
  EXPECT_EQ(SliceModeFor(g), SliceMode::Fixed);
  g.leftbottompoint = {0, 4};
  EXPECT_EQ(SliceModeFor(g), SliceMode::Vertical);
  g.righttoppoint = {6, 0};
  EXPECT_EQ(SliceModeFor(g), SliceMode::Horizontal);
  g.rightbottompoint = {6, 0};  // one zero coordinate is not enough for both ways
  EXPECT_EQ(SliceModeFor(g), SliceMode::Horizontal);
  g.rightbottompoint = {6, 6};
  EXPECT_EQ(SliceModeFor(g), SliceMode::Both);
  EXPECT_EQ(SliceModeFor(ButtonLike()), SliceMode::Horizontal);
}

TEST(FitSize, EachModeForcesWhatItCannotStretch) {
  FittedGeometry f;
  SliceGeometry b = ButtonLike();
  int w = 121, h = 25;
  FitSizeToSkin(SliceMode::Horizontal, b, w, h, f);
  EXPECT_EQ(w, 121);
  EXPECT_EQ(h, 22);
  EXPECT_EQ(f.righttop, (Point{35 + 79, 0}));
  EXPECT_EQ(f.client, (Rect{3, 3, 39 + 79, 19}));

  w = 5, h = 90;
  FitSizeToSkin(SliceMode::Fixed, b, w, h, f);
  EXPECT_EQ(w, 42);
  EXPECT_EQ(h, 22);
  EXPECT_EQ(f.client, b.clientrect);

  SliceGeometry v;
  v.skinrect = {400, 0, 417, 60};
  v.lefttoppoint = {0, 17};
  v.leftbottompoint = {0, 43};
  v.clientrect = {0, 17, 17, 43};
  w = 40, h = 200;
  FitSizeToSkin(SliceMode::Vertical, v, w, h, f);
  EXPECT_EQ(w, 17);
  EXPECT_EQ(h, 200);
  EXPECT_EQ(f.leftbottom, (Point{0, 183}));
  EXPECT_EQ(f.client.bottom, 183);

  SliceGeometry g = GroupBoxLike();
  w = 300, h = 100;
  FitSizeToSkin(SliceMode::Both, g, w, h, f);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 100);
  EXPECT_EQ(f.rightbottom, (Point{295, 95}));
  EXPECT_EQ(f.client, (Rect{5, 20, 295, 95}));

  w = 7, h = 8;
  FitSizeToSkin(SliceMode::None, g, w, h, f);
  EXPECT_EQ(w, 7);
  EXPECT_EQ(h, 8);
}

TEST(MapSkinRect, BothWaysFollowsTheCornerZones) {
  const SliceGeometry g = GroupBoxLike();  // 60 x 60, mapped at 160 x 90: dx 100, dy 30
  auto map = [&](Rect r) { return MapSkinRect(SliceMode::Both, g, r, 160, 90); };
  EXPECT_EQ(map({1, 1, 4, 4}), (Rect{1, 1, 4, 4}));            // left-top zone
  EXPECT_EQ(map({56, 1, 58, 4}), (Rect{156, 1, 158, 4}));      // right-top zone
  EXPECT_EQ(map({1, 56, 4, 58}), (Rect{1, 86, 4, 88}));        // left-bottom zone
  EXPECT_EQ(map({56, 56, 58, 58}), (Rect{156, 86, 158, 88}));  // right-bottom zone
  EXPECT_EQ(map({1, 1, 58, 14}), (Rect{1, 1, 158, 14}));       // the group box caption
  EXPECT_EQ(map({1, 1, 58, 58}), (Rect{1, 1, 158, 88}));       // left-top to right-bottom
  EXPECT_EQ(map({1, 1, 3, 58}), (Rect{1, 1, 3, 88}));          // left-top to left-bottom
  EXPECT_EQ(map({1, 56, 58, 58}), (Rect{1, 86, 158, 88}));     // bottom edge
  EXPECT_EQ(map({56, 1, 58, 58}), (Rect{156, 1, 158, 88}));    // right edge
  EXPECT_EQ(map({20, 30, 30, 40}), (Rect{20, 30, 30, 40}));    // the middle: unchanged
}

TEST(MapSkinRect, OneWayModesGrowOrMove) {
  const SliceGeometry b = ButtonLike();  // mapped at width 142: dx 100
  EXPECT_EQ(MapSkinRect(SliceMode::Horizontal, b, {2, 0, 36, 5}, 142, 22), (Rect{2, 0, 136, 5}));
  EXPECT_EQ(MapSkinRect(SliceMode::Horizontal, b, {36, 0, 40, 5}, 142, 22), (Rect{136, 0, 140, 5}));
  EXPECT_EQ(MapSkinRect(SliceMode::Horizontal, b, {10, 0, 20, 5}, 142, 22), (Rect{10, 0, 20, 5}));
  SliceGeometry v;
  v.skinrect = {0, 0, 17, 60};
  v.lefttoppoint = {0, 17};
  v.leftbottompoint = {0, 43};
  EXPECT_EQ(MapSkinRect(SliceMode::Vertical, v, {0, 2, 17, 50}, 17, 100), (Rect{0, 2, 17, 90}));
  EXPECT_EQ(MapSkinRect(SliceMode::Vertical, v, {0, 45, 17, 50}, 17, 100), (Rect{0, 85, 17, 90}));
  EXPECT_EQ(MapSkinRect(SliceMode::Fixed, v, {1, 2, 3, 4}, 99, 99), (Rect{1, 2, 3, 4}));
}

}  // namespace
}  // namespace lq
