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

class TlqSkinData;
class TlqSkinButton;

using PropertyRows = std::vector<std::pair<QString, QString>>;

// The rows the window shows for an item, label first.
PropertyRows FilePropertyRows(const QFileInfo& info);

class TlqFilePropertiesForm : public QDialog {
 public:
  TlqFilePropertiesForm(const QString& path, TlqSkinData* skin, TlqSkinData* ctrlSkin,
                        const TlqFont& font, QWidget* parent = nullptr);
  const PropertyRows& Rows() const { return rows_; }
  TlqSkinButton* OkButton() const { return ok_; }

 private:
  PropertyRows rows_;
  TlqSkinButton* ok_ = nullptr;
};

}  // namespace lq
