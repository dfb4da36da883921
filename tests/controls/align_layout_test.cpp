// Docking of aligned children in creation order, including children that fit
// the size they are given.
#include <gtest/gtest.h>

#include "controls/test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

TEST(AlignLayout, PlacesTopBottomLeftRightThenClient) {
  QWidget form;
  form.resize(400, 300);
  form.show();  // a hidden widget gets its resize news only when shown
  LqAlignLayout layout(&form);
  QWidget top(&form), bottom(&form), left(&form), right(&form), client(&form), free(&form);
  top.resize(10, 50);
  bottom.resize(10, 30);
  left.resize(60, 10);
  right.resize(40, 10);
  free.setGeometry(7, 8, 9, 10);
  SetAlign(&client, DockAlign::Client);
  SetAlign(&right, DockAlign::Right);
  SetAlign(&left, DockAlign::Left);
  SetAlign(&bottom, DockAlign::Bottom);
  SetAlign(&top, DockAlign::Top);
  EXPECT_EQ(top.geometry(), QRect(0, 0, 400, 50));
  EXPECT_EQ(bottom.geometry(), QRect(0, 270, 400, 30));
  EXPECT_EQ(left.geometry(), QRect(0, 50, 60, 220));
  EXPECT_EQ(right.geometry(), QRect(360, 50, 40, 220));
  EXPECT_EQ(client.geometry(), QRect(60, 50, 300, 220));
  EXPECT_EQ(free.geometry(), QRect(7, 8, 9, 10));
  form.resize(500, 400);  // every resize re-aligns
  EXPECT_EQ(client.geometry(), QRect(60, 50, 400, 320));
  EXPECT_EQ(bottom.geometry(), QRect(0, 370, 500, 30));
}

TEST(AlignLayout, SameSideChildrenStackInCreationOrderAndHiddenOnesAreSkipped) {
  QWidget form;
  form.resize(200, 200);
  LqAlignLayout layout(&form);
  QWidget a(&form), hidden(&form), b(&form);
  a.resize(1, 20);
  hidden.resize(1, 30);
  b.resize(1, 40);
  hidden.hide();
  for (QWidget* w : {&a, &hidden, &b}) SetAlign(w, DockAlign::Top);
  EXPECT_EQ(a.geometry(), QRect(0, 0, 200, 20));
  EXPECT_EQ(b.geometry(), QRect(0, 20, 200, 40));
}

TEST(AlignLayout, PanelOffersItsClientRectAndFittedChildrenAdvanceByTheirSize) {
  auto skin = lqtest::MakeTestSkin();
  LqSkinPanel panel;
  panel.SetSkinData(skin.get());
  panel.SetBounds({0, 0, 300, 200});
  LqSkinButton button(&panel);
  button.SetSkinData(skin.get());
  QWidget rest(&panel);
  SetAlign(&button, DockAlign::Top);
  SetAlign(&rest, DockAlign::Client);
  EXPECT_EQ(button.geometry(), QRect(5, 5, 290, 22));  // the element's height
  EXPECT_EQ(rest.geometry(), QRect(5, 27, 290, 168));
}

}  // namespace
}  // namespace lq
