#include "skin/frame/menu_skin.h"

#include <gtest/gtest.h>

#include "frame/menu_test_support.h"

namespace lq {
namespace {

TEST(MenuSkinFromSkinData, LoadedSkinGivesWindowAndFirstMenuItem) {
  auto data = testing::ProgramLikeSkinData();
  auto second = std::make_unique<LqDataSkinMenuItem>("othermenuitem");
  second->skinrect = {0, 0, 50, 30};
  data->ObjectDescriptors.push_back(std::move(second));
  const auto skin = MenuSkinFromSkinData(data.get());
  ASSERT_TRUE(skin);
  ASSERT_TRUE(skin->window);
  EXPECT_EQ(skin->window->window.width(), 93);
  EXPECT_EQ(skin->window->itemsrect, (Rect{2, 2, 91, 53}));
  EXPECT_TRUE(skin->window->mask.empty());
  ASSERT_TRUE(skin->item);
  EXPECT_EQ(skin->item->skinrect.height(), 22);  // the first menuitem, not the later one
  EXPECT_EQ(skin->item->active.height(), 60);
}

TEST(MenuSkinFromSkinData, EmptyOrPictureLessSkinsFallBackToTheDefaultLook) {
  EXPECT_FALSE(MenuSkinFromSkinData(nullptr));
  auto data = testing::ProgramLikeSkinData();
  data->Empty = true;
  EXPECT_FALSE(MenuSkinFromSkinData(data.get()));
  data->Empty = false;
  data->PopupWindowDescriptor.windowpictureindex = -1;
  EXPECT_FALSE(MenuSkinFromSkinData(data.get())->window);
  data->PopupWindowDescriptor.windowpictureindex = 7;  // names no picture
  EXPECT_FALSE(MenuSkinFromSkinData(data.get())->window);
  data->ObjectDescriptors.clear();
  EXPECT_FALSE(MenuSkinFromSkinData(data.get())->item);
}

}  // namespace
}  // namespace lq
