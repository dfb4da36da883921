#include "app/gui/source_picker.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/gui/skinned_controls.h"
#include "harvest/harvest_run.h"
#include "harvest/source.h"
#include "skin/controls/skin_button.h"
#include "skin/frame/popup_menu.h"

namespace longtail {

SourcePicker::SourcePicker(QWidget* parent, lq::LqSkinData* data, const QRect& buttonBounds)
    : QObject(parent),
      button_(Skinned(new lq::LqSkinXFormButton(parent), data, "button", "sourcesButton")),
      menu_(new lq::LqSkinPopupMenu(parent)) {
  button_->SetCaption(QCoreApplication::translate("longtail::SourcePicker", "来源"));
  button_->SetBounds(buttonBounds);
  menu_->setObjectName(QStringLiteral("sourcesMenu"));
  HarvestEndpoints defaults;
  for (const Source& source : AllSources()) {
    QString caption = QString::fromUtf8(source.displayName);
    if (source.kind == RequestKind::Related)
      caption += QCoreApplication::translate("longtail::SourcePicker", "（广泛相关时）");
    lq::MenuItem* item = menu_->Items.Add(caption);
    item->Name = QString::fromLatin1(source.id);
    item->Checked = std::find(defaults.sources.begin(), defaults.sources.end(), source.id) !=
                    defaults.sources.end();
    item->SetClickHandler([this, item] {
      // The last checked source stays: a run asks at least one.
      if (item->Checked && Chosen().size() == 1) return;
      item->Checked = !item->Checked;
    });
  }
  connect(button_, &lq::LqSkinButton::clicked, this, [this] { Open(); });
}

std::vector<std::string> SourcePicker::Chosen() const {
  std::vector<std::string> ids;
  for (int i = 0; i < menu_->Items.Count(); ++i)
    if (menu_->Items.Item(i)->Checked) ids.push_back(menu_->Items.Item(i)->Name.toStdString());
  return ids;
}

void SourcePicker::Choose(const std::vector<std::string>& ids) {
  bool any = false;
  for (const std::string& id : ids) any = any || FindSource(id) != nullptr;
  if (!any) return;
  for (int i = 0; i < menu_->Items.Count(); ++i) {
    lq::MenuItem* item = menu_->Items.Item(i);
    item->Checked = std::find(ids.begin(), ids.end(), item->Name.toStdString()) != ids.end();
  }
}

void SourcePicker::Open() {
  const QRect at(button_->mapToGlobal(QPoint(0, 0)), button_->size());
  menu_->PopupAt(at, false, button_);
}

}  // namespace longtail
