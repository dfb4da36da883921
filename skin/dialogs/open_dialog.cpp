#include "skin/dialogs/open_dialog.h"

#include <QApplication>
#include <QMessageBox>

#include "skin/dialogs/file_properties.h"
#include "skin/dialogs/open_dlg_form.h"

namespace lq {

TlqSkinOpenDialog::TlqSkinOpenDialog(QObject* parent) : TlqSkinOpenDialog(false, parent) {}

TlqSkinOpenDialog::TlqSkinOpenDialog(bool saveMode, QObject* parent)
    : QObject(parent), saveMode_(saveMode) {
  if (saveMode) Title = QStringLiteral("Save file");
  ShowError = [](const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
  };
  AskOverwrite = [](const QString& question) {
    return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(),
                                 question) == QMessageBox::Yes;
  };
  ShowProperties = [this](const QString& path) {
    TlqFilePropertiesForm properties(path, SkinData, CtrlSkinData, DefaultFont,
                                     QApplication::activeWindow());
    properties.exec();
  };
}

TlqSkinOpenDialog::~TlqSkinOpenDialog() {
  // The window lives on Execute's stack and is gone by now.
}

void TlqSkinOpenDialog::SetFileName(const QString& name) {
  FileName_ = name;
  if (form_) form_->ShowFileName(name);
}

bool TlqSkinOpenDialog::Execute() {
  if (form_) return false;  // already showing
  TlqOpenDlgForm form(*this, QApplication::activeWindow());
  form_ = &form;
  if (OnShow) OnShow();
  const bool confirmed = form.exec() == QDialog::Accepted;
  form_ = nullptr;
  if (OnClose) OnClose();
  return confirmed;
}

TlqSkinSaveDialog::TlqSkinSaveDialog(QObject* parent) : TlqSkinOpenDialog(true, parent) {}

}  // namespace lq
