#include "skin/frame/edit_menu_presenter.h"

#include <QWidget>

#include "skin/controls/edit_context_menu.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"

namespace lq {

namespace {

const char kMenuName[] = "lqEditContextMenu";

void PresentSkinned(QWidget* control, std::vector<EditMenuEntry> entries, QPoint at) {
  // Rebuilt on every use: the enabling rules depend on the moment.
  delete EditMenuOf(control);
  auto* menu = new LqSkinPopupMenu(control);
  menu->setObjectName(QLatin1String(kMenuName));
  for (EditMenuEntry& e : entries) {
    MenuItem* item = menu->Items.Add(e.caption, std::move(e.action));
    item->Name = e.key;
    item->Enabled = e.enabled;
  }
  FrameMenus* frame = menu->FindFrame();
  if (frame) {
    menu->PopupFromControl(control, at.x(), at.y());
    if (frame->SkinMenu().Visible()) return;
  }
  // No frame or no skin to draw with: the platform's menu shows the same commands.
  std::vector<EditMenuEntry> plain;
  for (int i = 0; i < menu->Items.Count(); ++i) {
    MenuItem* item = menu->Items.Item(i);
    plain.push_back({item->Name, item->Caption, item->Enabled, [item] { item->Click(); }});
  }
  SetEditMenuPresenter({});
  ShowEditMenu(control, std::move(plain), at);
  SetEditMenuPresenter(PresentSkinned);
}

}  // namespace

void InstallSkinnedEditMenus() {
  SetEditMenuPresenter(PresentSkinned);
}

LqSkinPopupMenu* EditMenuOf(const QWidget* control) {
  // The popup menu class has no meta object of its own: find by name, check by type.
  return dynamic_cast<LqSkinPopupMenu*>(
      control->findChild<QObject*>(QLatin1String(kMenuName), Qt::FindDirectChildrenOnly));
}

}  // namespace lq
