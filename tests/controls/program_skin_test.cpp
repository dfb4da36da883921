// The controls with the program's own skin: the documented sizes, slice modes,
// caption placement and check images hold.
#include <gtest/gtest.h>

#include <QApplication>

#include "controls/test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"

namespace lq {
namespace {

class ProgramSkinTest : public ::testing::Test {
 protected:
  std::unique_ptr<LqSkinData> skin = lqtest::MakeProgramSkin();
  QWidget window;
};

TEST_F(ProgramSkinTest, ElementsGetTheirDocumentedSliceModesAndSizes) {
  LqSkinXFormButton button(&window);
  button.SetSkinData(skin.get());
  button.SetBounds({0, 0, 121, 25});
  EXPECT_EQ(button.SliceMode(), SliceMode::Horizontal);
  EXPECT_EQ(button.size(), QSize(121, 22));
  EXPECT_EQ(button.Geometry().skinrect, (Rect{458, 272, 500, 294}));
  EXPECT_EQ(button.Look().activeskinrect, (Rect{458, 298, 500, 320}));
  EXPECT_EQ(button.Look().downskinrect, (Rect{458, 324, 500, 346}));
  EXPECT_EQ(button.Look().disabledskinrect, (Rect{503, 272, 545, 294}));

  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  LqSkinGroupBox group(&window);
  group.SetSkinData(skin.get());
  EXPECT_EQ(panel.SliceMode(), SliceMode::Both);
  EXPECT_EQ(group.SliceMode(), SliceMode::Both);

  LqSkinCheckRadioBox check(&window);
  check.SetSkinData(skin.get());
  check.SetBounds({341, 35, 484, 25});
  EXPECT_EQ(check.SliceMode(), SliceMode::Horizontal);
  EXPECT_EQ(check.size(), QSize(484, 25));  // flat: the form's size

  LqSkinStatusPanel status(&window);
  status.SetSkinData(skin.get());
  status.SetBounds({344, 132, 476, 21});
  EXPECT_EQ(status.SliceMode(), SliceMode::Horizontal);
  EXPECT_EQ(status.width(), 476);
  EXPECT_EQ(status.height(), status.Geometry().skinHeight());

  LqSkinCustomControl scroll(&window);
  scroll.SetSkinDataName("vscrollbar");
  scroll.SetSkinData(skin.get());
  scroll.SetBounds({0, 0, 40, 300});
  EXPECT_EQ(scroll.SliceMode(), SliceMode::Vertical);
  EXPECT_EQ(scroll.size(), QSize(17, 300));
}

TEST_F(ProgramSkinTest, PanelsShowNoCaptionAndGroupBoxesACentredOne) {
  LqSkinPanel panel(&window);
  panel.SetSkinData(skin.get());
  panel.SetCaption("lqSkinPanel1");
  panel.SetCaptionMode(true);
  panel.SetBounds({0, 0, 822, 48});
  EXPECT_TRUE(panel.CaptionArea().isEmpty());

  LqSkinGroupBox group(&window);
  group.SetSkinData(skin.get());
  group.SetCaption(QStringLiteral("长尾词列表"));
  for (int width : {409, 600}) {
    group.SetBounds({0, 0, width, 300});
    const QRect area = group.CaptionArea();
    EXPECT_EQ(area.left(), 1);
    EXPECT_EQ(area.right() + 1, 58 + width - group.Geometry().skinWidth());
  }
}

TEST_F(ProgramSkinTest, CheckBoxCaptionStartsAt22AndImagesAre15) {
  LqSkinCheckRadioBox check(&window);
  check.SetSkinData(skin.get());
  check.SetBounds({0, 0, 107, 25});
  check.SetCaption(QStringLiteral("自动保存文本到"));
  EXPECT_EQ(check.CaptionRect().left(), 22);
  EXPECT_EQ(check.CheckImageRect(), (Rect{3, 75, 18, 90}));
  check.SetChecked(true);
  EXPECT_EQ(check.CheckImageRect(), (Rect{19, 75, 34, 90}));
}

TEST_F(ProgramSkinTest, ScreenshotOfTheControls) {
  window.resize(520, 300);
  window.setAutoFillBackground(true);
  new LqAlignLayout(&window);
  LqSkinPanel top(&window);
  top.SetSkinData(skin.get());
  top.SetBounds({0, 0, 520, 120});
  SetAlign(&top, DockAlign::Top);
  LqSkinGroupBox group(&window);
  group.SetSkinData(skin.get());
  group.SetCaption(QStringLiteral("长尾词列表"));
  SetAlign(&group, DockAlign::Client);
  LqSkinStdLabel label(&top);
  label.SetSkinData(skin.get());
  label.SetCaption(QStringLiteral("输入关键词"));
  label.move(12, 10);
  LqSkinXFormButton query(&top), stop(&top);
  for (auto* b : {&query, &stop}) {
    b->SetSkinData(skin.get());
    LqFont song;
    song.name = QStringLiteral("宋体");
    song.height = -12;
    b->SetDefaultFont(song);
    b->SetUseSkinFont(false);
    b->SetUseSkinFontColor(false);
  }
  query.SetCaption(QStringLiteral("查询"));
  query.SetBounds({12, 34, 121, 25});
  stop.SetCaption(QStringLiteral("停止"));
  stop.SetBounds({140, 34, 121, 25});
  stop.setEnabled(false);
  LqSkinCheckRadioBox check(&top);
  check.SetSkinData(skin.get());
  check.SetCaption(QStringLiteral("长尾词必须包含关键词"));
  check.SetBounds({270, 34, 220, 25});
  check.SetChecked(true);
  LqSkinStatusPanel status(&top);
  status.SetSkinData(skin.get());
  status.SetBounds({12, 75, 476, 21});
  status.SetCaption(QStringLiteral("正在查询：长尾词"));
  const QImage img = lqtest::Render(&window);
  lqtest::SaveDocImage(img, "controls-program-skin.png");
  EXPECT_EQ(query.height(), 22);
}

}  // namespace
}  // namespace lq
