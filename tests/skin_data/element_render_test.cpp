#include "skin/data/element_render.h"

#include <gtest/gtest.h>

#include "skin_data/pixel_helpers.h"

namespace lq {
namespace {

using testing::CoordinatePicture;
using testing::Source;

// A skin with one 100 x 60 picture and an element of every slice mode.
class ElementRender : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.ActivePictures.push_back(CoordinatePicture(100, 60));
    auto panel = std::make_unique<LqDataSkinPanelControl>("panel");
    panel->pictureindex = 0;
    panel->skinrect = {10, 5, 40, 35};
    panel->lefttoppoint = {10, 10};
    panel->righttoppoint = {20, 10};
    panel->leftbottompoint = {10, 20};
    panel->rightbottompoint = {20, 20};
    panel->clientrect = {5, 5, 25, 25};
    skin.ControlDescriptors.push_back(std::move(panel));

    auto button = std::make_unique<LqDataSkinButtonControl>("button");
    button->pictureindex = 0;
    button->skinrect = {0, 36, 20, 58};
    button->activeskinrect = {20, 36, 40, 58};
    button->lefttoppoint = {4, 0};
    button->righttoppoint = {16, 0};
    skin.ControlDescriptors.push_back(std::move(button));

    auto bar = std::make_unique<LqDataSkinScrollBarControl>("vscrollbar");
    bar->pictureindex = 0;
    bar->skinrect = {50, 0, 67, 30};
    bar->lefttoppoint = {0, 5};
    bar->leftbottompoint = {0, 25};
    bar->stretcheffect = true;
    skin.ControlDescriptors.push_back(std::move(bar));

    auto fixed = std::make_unique<LqDataSkinButtonControl>("fixed");
    fixed->pictureindex = 0;
    fixed->skinrect = {70, 0, 82, 9};
    skin.ControlDescriptors.push_back(std::move(fixed));
  }

  ElementImage Render(const std::string& name, int w, int h, const std::string& key = {}) {
    ElementImage out;
    std::string error;
    EXPECT_TRUE(RenderControlElement(skin, name, w, h, key, out, error)) << error;
    return out;
  }

  std::string Error(const std::string& name, const std::string& key = {}) {
    ElementImage out;
    std::string error;
    EXPECT_FALSE(RenderControlElement(skin, name, 50, 50, key, out, error));
    return error;
  }

  LqDataSkinCustomControl& Element(int i) {
    return *static_cast<LqDataSkinCustomControl*>(skin.ControlDescriptors[std::size_t(i)].get());
  }

  LqSkinData skin;
};

TEST_F(ElementRender, SliceModesFollowTheCornerPoints) {
  EXPECT_EQ(SliceModeOf(Element(0)), SliceMode::Both);
  EXPECT_EQ(SliceModeOf(Element(1)), SliceMode::Horizontal);
  EXPECT_EQ(SliceModeOf(Element(2)), SliceMode::Vertical);
  EXPECT_EQ(SliceModeOf(Element(3)), SliceMode::Fixed);
  Element(0).rightbottompoint.y = 0;  // one zero coordinate is not enough for both ways
  EXPECT_EQ(SliceModeOf(Element(0)), SliceMode::Horizontal);
  Element(3).skinrect = {5, 5, 5, 9};
  EXPECT_EQ(SliceModeOf(Element(3)), SliceMode::None);
}

TEST_F(ElementRender, BothWaysComposesTheNinePartImageAtTheRequestedSize) {
  ElementImage e = Render("panel", 50, 40);
  ASSERT_EQ(e.sliceMode, SliceMode::Both);
  ASSERT_EQ(e.image.width(), 50);
  ASSERT_EQ(e.image.height(), 40);
  EXPECT_EQ(e.image.pixel(0, 0), Source(10, 5));
  EXPECT_EQ(e.image.pixel(49, 39), Source(39, 34));
  // Top edge (tiled, 10 wide) from x = 10: x = 31 shows piece column 1.
  EXPECT_EQ(e.image.pixel(31, 2), Source(10 + 10 + 1, 5 + 2));
}

TEST_F(ElementRender, HorizontalElementKeepsItsHeightAndStateRectsSwapThePicturePart) {
  ElementImage e = Render("button", 80, 50);
  ASSERT_EQ(e.image.width(), 80);
  ASSERT_EQ(e.image.height(), 22);
  EXPECT_EQ(e.image.pixel(3, 5), Source(3, 41));
  EXPECT_EQ(e.image.pixel(76, 5), Source(16, 41));         // right part: last 4 columns
  EXPECT_EQ(e.image.pixel(4 + 12 + 1, 0), Source(5, 36));  // middle tiled, 12 wide
  ElementImage hot = Render("button", 80, 50, "activeskinrect");
  EXPECT_EQ(hot.image.pixel(3, 5), Source(23, 41));
}

TEST_F(ElementRender, VerticalElementKeepsItsWidthAndFixedOneItsSize) {
  ElementImage bar = Render("vscrollbar", 40, 100);
  ASSERT_EQ(bar.image.width(), 17);
  ASSERT_EQ(bar.image.height(), 100);
  EXPECT_EQ(bar.image.pixel(2, 99), Source(52, 29));
  EXPECT_EQ(bar.image.pixel(2, 5), Source(52, 5));  // stretched middle starts at its source start
  ElementImage fixed = Render("fixed", 300, 200);
  ASSERT_EQ(fixed.image.width(), 12);
  ASSERT_EQ(fixed.image.height(), 9);
  EXPECT_EQ(fixed.image.pixel(11, 8), Source(81, 8));
}

TEST_F(ElementRender, UnusableRequestsSayWhatIsWrong) {
  EXPECT_NE(Error("Button").find("no control element named \"Button\""), std::string::npos);
  EXPECT_NE(Error("button", "nosuchrect").find("no rectangle key \"nosuchrect\""),
            std::string::npos);
  EXPECT_NE(Error("button", "downskinrect").find("is empty"), std::string::npos);
  Element(1).skinrect = {90, 50, 110, 72};
  EXPECT_NE(Error("button").find("lies outside its 100x60 picture"), std::string::npos);
  Element(0).pictureindex = 4;
  EXPECT_NE(Error("panel").find("no picture (pictureindex 4)"), std::string::npos);
  Element(3).skinrect = {};
  EXPECT_NE(Error("fixed").find("empty skinrect"), std::string::npos);
  skin.ControlDescriptors.push_back(std::make_unique<LqDataSkinControl>("plain"));
  EXPECT_NE(Error("plain").find("no image geometry"), std::string::npos);
}

}  // namespace
}  // namespace lq
