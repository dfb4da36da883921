// The edit context menu shown through the frame's menu engine with the program's skin.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>

#include "frame/menu_test_support.h"
#include "skin/controls/edit.h"
#include "skin/controls/edit_context_menu.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/edit_menu_presenter.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"

namespace lq {
namespace {

TEST(EditMenuSkinned, ReadOnlyFieldMenuThroughTheFrame) {
  LqCompressedStoredSkin store;
  const auto stream = EmbeddedSkinStream();
  ASSERT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
  LqSkinData skin;
  skin.SetCompressedStoredSkin(&store);
  ASSERT_FALSE(skin.Empty);

  QWidget form;
  auto clock = std::make_shared<testing::ManualClock>();
  auto cursor = std::make_shared<testing::ScriptedCursor>();
  auto* menus = new FrameMenus(&form, clock, cursor);
  menus->SkinMenu().SetWorkAreaSource([] { return QRect(0, 0, 800, 600); });
  menus->SetMenusSkinDataSource([&skin] { return &skin; });

  auto* folder = new LqSkinEdit(&form);
  folder->SetSkinData(&skin);
  folder->setReadOnly(true);
  folder->setText("/home/user/longtail");
  folder->setSelection(0, 5);

  InstallSkinnedEditMenus();
  QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(4, 4), QPoint(200, 150));
  QApplication::sendEvent(folder, &ev);
  LqSkinPopupMenu* popup = EditMenuOf(folder);
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(menus->SkinMenu().Visible());
  EXPECT_EQ(menus->SkinMenu().TopWindow()->Source(), &popup->Items);
  QStringList enabled;
  for (int i = 0; i < popup->Items.Count(); ++i)
    if (!popup->Items.Item(i)->IsSeparator() && popup->Items.Item(i)->Enabled)
      enabled << popup->Items.Item(i)->Caption;
  EXPECT_EQ(enabled, QStringList({"复制", "全选"}));
  ASSERT_EQ(popup->Items.Count(), 2);  // nothing a read-only field could never offer
  popup->Items.Item(1)->Click();
  EXPECT_EQ(folder->selectedText(), folder->text());

  // Asking again rebuilds the menu: Select All is now off.
  menus->CloseMenus();
  QApplication::sendEvent(folder, &ev);
  popup = EditMenuOf(folder);
  ASSERT_NE(popup, nullptr);
  EXPECT_FALSE(popup->Items.Item(1)->Enabled);
  EXPECT_EQ(folder->findChildren<QObject*>("lqEditContextMenu").size(), 1);
  menus->CloseMenus();
  SetEditMenuPresenter({});
  testing::FlushDeletes();
}

}  // namespace
}  // namespace lq
