#include "skin/dialogs/select_dir_dialog.h"

#include <QApplication>
#include <algorithm>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/dialog_texts.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/modal_execute.h"

namespace lq {

LqSkinSelectDirectoryDialog::LqSkinSelectDirectoryDialog(QObject* parent) : QObject(parent) {}

bool LqSkinSelectDirectoryDialog::Execute() {
  return ExecuteModal(*this, form_);
}

LqSelDirDlgForm::LqSelDirDlgForm(LqSkinSelectDirectoryDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setWindowTitle(dialog.Title);
  LqSkinData* skin = dialog.CtrlSkinData;
  frame_ = new DialogFrame(*this, dialog.SkinData, skin,
                           QSize(dialog.DialogMinWidth, dialog.DialogMinHeight));
  QWidget* client = &frame_->Client();

  treePanel_ = new LqSkinPanel(client);
  treePanel_->SetBorderStyle(BevelStyle::Frame);
  treePanel_->SetSkinData(skin);
  tree_ = new LqSkinDirTreeView(treePanel_, skin, dialog.DefaultFont);

  bottom_ = new LqSkinPanel(client);
  bottom_->SetBorderStyle(BevelStyle::None);
  bottom_->SetSkinData(skin);
  ok_ = new LqSkinButton(bottom_);
  ok_->SetSkinData(skin);
  ok_->SetDefaultFont(dialog.DefaultFont);
  ok_->SetCaption(DialogText(skin, "MSG_BTN_OK", QStringLiteral("确定")));
  ok_->SetDefault(true);
  connect(ok_, &LqSkinButton::clicked, this, [this] {
    if (!SelectedPath().isEmpty()) accept();
  });
  cancel_ = new LqSkinButton(bottom_);
  cancel_->SetSkinData(skin);
  cancel_->SetDefaultFont(dialog.DefaultFont);
  cancel_->SetCaption(DialogText(skin, "MSG_BTN_CANCEL", QStringLiteral("取消")));
  cancel_->Cancel = true;
  connect(cancel_, &LqSkinButton::clicked, this, [this] { reject(); });
  connect(&frame_->Client(), &DialogClient::resized, this, [this] { LayoutControls(); });

  // Reopen at the last choice; without one at the computer (the file-system root, which
  // lists the mounted volumes), expanded.
  if (dialog.Directory.isEmpty() || !SelectPath(dialog.Directory)) {
    SelectPath(QStringLiteral("/"));
    tree_->ExpandSelected();
  }

  const int w = dialog.DialogWidth > 0 ? dialog.DialogWidth : 280;
  const int h = dialog.DialogHeight > 0 ? dialog.DialogHeight : 280;
  frame_->SetClientSize(QSize(w, h));
  tree_->setFocus();
}

QTreeView* LqSelDirDlgForm::Tree() const {
  return tree_->Tree();
}

QSize LqSelDirDlgForm::ClientSize() const {
  return frame_->ClientSize();
}

QString LqSelDirDlgForm::SelectedPath() const {
  return tree_->SelectedPath();
}

bool LqSelDirDlgForm::SelectPath(const QString& path) {
  return tree_->SelectPath(path);
}

void LqSelDirDlgForm::LayoutControls() {
  const int w = frame_->Client().width(), h = frame_->Client().height();
  treePanel_->SetBounds(QRect(0, 0, w, std::max(0, h - 50)));
  tree_->setGeometry(treePanel_->rect().adjusted(2, 2, -2, -2));
  bottom_->SetBounds(QRect(0, h - 50, w, 50));
  ok_->SetBounds(QRect(20, 15, 70, 25));
  cancel_->SetBounds(QRect(100, 15, 70, 25));
}

void LqSelDirDlgForm::done(int result) {
  const QSize client = ClientSize();
  dialog_.DialogWidth = client.width();
  dialog_.DialogHeight = client.height();
  if (result == Accepted) dialog_.Directory = SelectedPath();
  QDialog::done(result);
}

}  // namespace lq
