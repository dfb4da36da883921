#include "skin/dialogs/open_dialog.h"

#include <QApplication>
#include <QMessageBox>

#include "skin/dialogs/file_properties.h"
#include "skin/dialogs/modal_execute.h"
#include "skin/dialogs/open_dlg_form.h"

namespace lq {

LqSkinOpenDialog::LqSkinOpenDialog(QObject* parent) : LqSkinOpenDialog(false, parent) {}

LqSkinOpenDialog::LqSkinOpenDialog(bool saveMode, QObject* parent)
    : QObject(parent), saveMode_(saveMode) {
  if (saveMode) Title = QStringLiteral("Save file");
  showError_ = [](const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
  };
  askOverwrite_ = [](const QString& question) {
    return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(),
                                 question) == QMessageBox::Yes;
  };
  showProperties_ = [this](const QString& path) {
    LqFilePropertiesForm properties(path, SkinData, CtrlSkinData, DefaultFont,
                                    QApplication::activeWindow());
    properties.exec();
  };
}

LqSkinOpenDialog::~LqSkinOpenDialog() {
  // The window lives on Execute's stack and is gone by now.
}

void LqSkinOpenDialog::SetFileName(const QString& name) {
  FileName_ = name;
  if (form_) form_->ShowFileName(name);
}

LqOpenDlgForm* LqSkinOpenDialog::Form() const {
  return form_;
}

bool LqSkinOpenDialog::Execute() {
  return ExecuteModal(*this, form_);
}

LqSkinSaveDialog::LqSkinSaveDialog(QObject* parent) : LqSkinOpenDialog(true, parent) {}

}  // namespace lq
