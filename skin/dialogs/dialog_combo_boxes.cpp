#include "skin/dialogs/dialog_combo_boxes.h"

#include <QFileIconProvider>
#include <QFileInfo>

#include "skin/dialogs/file_mask.h"

namespace lq {

LqSkinShellComboBox::LqSkinShellComboBox(QWidget* parent)
    : LqSkinComboBox(parent), icons_(std::make_unique<QFileIconProvider>()) {
  setMaxVisibleItems(10);
  connect(this, &QComboBox::activated, this, [this](int i) {
    if (i >= 0 && i < int(entries_.size())) emit folderChosen(entries_[i].path);
  });
}

LqSkinShellComboBox::~LqSkinShellComboBox() = default;

void LqSkinShellComboBox::SetPlaces(std::vector<FolderPlace> places) {
  places_ = std::move(places);
}

void LqSkinShellComboBox::ShowFolder(const QString& folder) {
  int selected = -1;
  entries_ = FolderComboEntries(places_, folder, selected);
  const QSignalBlocker quiet(this);
  clear();
  for (const FolderPlace& place : entries_)
    addItem(icons_->icon(QFileInfo(place.path)), place.label, place.path);
  setCurrentIndex(selected);
}

int LqSkinShellComboBox::ItemIndent(int row) const {
  if (row < 0 || row >= int(entries_.size())) return 0;
  return entries_[row].level * iconSize().width() / 2;
}

LqSkinFilterComboBox::LqSkinFilterComboBox(QWidget* parent) : LqSkinComboBox(parent) {}

void LqSkinFilterComboBox::SetFilter(const QString& filter, int index) {
  const QSignalBlocker quiet(this);
  clear();
  for (const FilterEntry& entry : ParseFilter(filter)) addItem(entry.description, entry.mask);
  setCurrentIndex(index >= 0 && index < count() ? index : 0);
}

QString LqSkinFilterComboBox::Mask() const {
  const QVariant mask = currentData();
  return mask.isValid() ? mask.toString() : QStringLiteral("*.*");
}

}  // namespace lq
