// A test window with one of each control, rendered with the test skin and without
// a skin; the images go to docs/ and are checked for the controls' own pixels.
#include <gtest/gtest.h>

#include "controls/test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

struct TestWindow {
  explicit TestWindow(LqSkinData* skin) {
    form.resize(520, 300);
    form.setAutoFillBackground(true);
    new LqAlignLayout(&form);
    top.SetBounds({0, 0, 520, 120});
    SetAlign(&top, DockAlign::Top);
    group.SetCaption(QStringLiteral("长尾词列表"));
    SetAlign(&group, DockAlign::Client);
    label.SetCaption(QStringLiteral("输入关键词"));
    label.move(12, 10);
    button.SetCaption(QStringLiteral("查询"));
    button.SetBounds({12, 34, 121, 25});
    check.SetCaption(QStringLiteral("长尾词必须包含关键词"));
    check.SetBounds({150, 34, 200, 25});
    check.SetChecked(true);
    status.SetBounds({12, 75, 476, 21});
    status.SetCaption(QStringLiteral("正在查询：长尾词"));
    disabled.SetCaption(QStringLiteral("停用"));
    disabled.move(380, 10);
    disabled.setEnabled(false);
    for (LqSkinCustomControl* c :
         std::initializer_list<LqSkinCustomControl*>{&top, &group, &button, &check, &status})
      c->SetSkinData(skin);
    label.SetSkinData(skin);
    disabled.SetSkinData(skin);
  }
  QWidget form;
  LqSkinPanel top{&form};
  LqSkinGroupBox group{&form};
  LqSkinStdLabel label{&top}, disabled{&top};
  LqSkinXFormButton button{&top};
  LqSkinCheckRadioBox check{&top};
  LqSkinStatusPanel status{&top};
};

TEST(Screenshot, SkinnedAndUnskinnedWindows) {
  auto skin = lqtest::MakeTestSkin();
  TestWindow skinned(skin.get());
  const QImage a = lqtest::Render(&skinned.form);
  lqtest::SaveDocImage(a, "controls-skinned.png");
  EXPECT_EQ(skinned.button.height(), 22);
  EXPECT_EQ(skinned.status.height(), 20);
  EXPECT_EQ(QColor(a.pixel(1, 1)), lqtest::kPanelFrame);
  EXPECT_EQ(QColor(a.pixel(3, 135)), lqtest::kGroupTop);

  TestWindow plain(nullptr);
  const QImage b = lqtest::Render(&plain.form);
  lqtest::SaveDocImage(b, "controls-unskinned.png");
  EXPECT_EQ(plain.button.height(), 25);
  EXPECT_EQ(QColor(b.pixel(0, 0)), QColor(160, 160, 160));
}

}  // namespace
}  // namespace lq
