#pragma once
// The properties window of a file-list item (Alt+Enter): name, type, location, size (or,
// for a folder, what it directly contains), modification time and attributes, in a small
// skinned window with an OK button.

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

#include "skin/controls/control_style.h"

class QFileInfo;

namespace lq {

class LqSkinData;
class LqSkinButton;

using PropertyRows = std::vector<std::pair<QString, QString>>;

// The rows the window shows for an item, label first.
PropertyRows FilePropertyRows(const QFileInfo& info);

class LqFilePropertiesForm : public QDialog {
 public:
  LqFilePropertiesForm(const QString& path, LqSkinData* skin, LqSkinData* ctrlSkin,
                       const LqFont& font, QWidget* parent = nullptr);
  const PropertyRows& Rows() const { return rows_; }
  LqSkinButton* OkButton() const { return ok_; }

 private:
  PropertyRows rows_;
  LqSkinButton* ok_ = nullptr;
};

}  // namespace lq
