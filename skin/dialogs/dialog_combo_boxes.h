#pragma once
// The two combo boxes of the file window, both drawn from the "combobox" element:
// LqSkinShellComboBox lists the places and the open folder's ancestors, indented by
// level, and opens the chosen one; LqSkinFilterComboBox lists a filter's descriptions
// and answers the selected entry's mask.

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "skin/controls/combo_box.h"
#include "skin/dialogs/folder_places.h"

class QFileIconProvider;

namespace lq {

class LqSkinShellComboBox : public LqSkinComboBox {
  Q_OBJECT

 public:
  explicit LqSkinShellComboBox(QWidget* parent = nullptr);
  ~LqSkinShellComboBox() override;

  void SetPlaces(std::vector<FolderPlace> places);
  // Lists the places with the folder's ancestor chain beneath the nearest listed place
  // and selects the folder.
  void ShowFolder(const QString& folder);
  const std::vector<FolderPlace>& Entries() const { return entries_; }

  // Half an icon width per level in the dropped-down list.
  int ItemIndent(int row) const override;

 signals:
  // The entry chosen by the user (not by ShowFolder).
  void folderChosen(const QString& path);

 private:
  std::vector<FolderPlace> places_, entries_;
  std::unique_ptr<QFileIconProvider> icons_;
};

class LqSkinFilterComboBox : public LqSkinComboBox {
 public:
  explicit LqSkinFilterComboBox(QWidget* parent = nullptr);

  // Lists the descriptions of "description|mask|..." and selects entry index (0-based;
  // the first one when out of range).
  void SetFilter(const QString& filter, int index);
  // The selected entry's mask; "*.*" when the filter is empty.
  QString Mask() const;
};

}  // namespace lq
