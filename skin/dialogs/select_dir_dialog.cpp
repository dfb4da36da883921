#include "skin/dialogs/select_dir_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"
#include "skin/dialogs/folder_places.h"

namespace lq {

TlqSkinSelectDirectoryDialog::TlqSkinSelectDirectoryDialog(QObject* parent) : QObject(parent) {}

bool TlqSkinSelectDirectoryDialog::Execute() {
  if (form_) return false;  // already showing
  TlqSelDirDlgForm form(*this, QApplication::activeWindow());
  form_ = &form;
  if (OnShow) OnShow();
  const bool confirmed = form.exec() == QDialog::Accepted;
  form_ = nullptr;
  if (OnClose) OnClose();
  return confirmed;
}

TlqSelDirDlgForm::TlqSelDirDlgForm(TlqSkinSelectDirectoryDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setWindowTitle(dialog.Title);
  TlqSkinData* skin = dialog.CtrlSkinData;
  fs_ = new QFileSystemModel(this);
  fs_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
  fs_->setRootPath(QStringLiteral("/"));

  treePanel_ = new TlqSkinPanel(this);
  treePanel_->SetBorderStyle(bvFrame);
  treePanel_->SetSkinData(skin);
  tree_ = new QTreeView(treePanel_);
  tree_->setModel(fs_);
  tree_->setFont(MakeQFont(dialog.DefaultFont));
  tree_->setFrameShape(QFrame::NoFrame);
  tree_->setHeaderHidden(true);
  for (int c = 1; c < fs_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);

  bottom_ = new TlqSkinPanel(this);
  bottom_->SetBorderStyle(bvNone);
  bottom_->SetSkinData(skin);
  ok_ = new TlqSkinButton(bottom_);
  ok_->SetSkinData(skin);
  ok_->SetDefaultFont(dialog.DefaultFont);
  ok_->SetCaption(QStringLiteral("确定"));
  ok_->SetDefault(true);
  ok_->OnClick = [this](TlqSkinButton*) {
    if (!SelectedPath().isEmpty()) accept();
  };
  cancel_ = new TlqSkinButton(bottom_);
  cancel_->SetSkinData(skin);
  cancel_->SetDefaultFont(dialog.DefaultFont);
  cancel_->SetCaption(QStringLiteral("取消"));
  cancel_->Cancel = true;
  cancel_->OnClick = [this](TlqSkinButton*) { reject(); };

  // Reopen at the last choice; without one at the computer (the file-system root, which
  // lists the mounted volumes), expanded.
  if (dialog.Directory.isEmpty() || !SelectPath(dialog.Directory)) {
    SelectPath(QStringLiteral("/"));
    tree_->expand(tree_->currentIndex());
  }

  const int w = dialog.DialogWidth > 0 ? dialog.DialogWidth : 280;
  const int h = dialog.DialogHeight > 0 ? dialog.DialogHeight : 280;
  setMinimumSize(std::max(dialog.DialogMinWidth, 160), std::max(dialog.DialogMinHeight, 120));
  resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
  if (QScreen* screen = QApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  tree_->setFocus();
}

QString TlqSelDirDlgForm::SelectedPath() const {
  const QModelIndex current = tree_->currentIndex();
  return current.isValid() ? fs_->filePath(current) : QString();
}

bool TlqSelDirDlgForm::SelectPath(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir()) return false;
  const QModelIndex index = fs_->index(CleanFolderPath(info.absoluteFilePath()));
  if (!index.isValid()) return false;
  tree_->setCurrentIndex(index);
  tree_->scrollTo(index);
  return true;
}

void TlqSelDirDlgForm::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  const int w = width(), h = height();
  treePanel_->SetBounds(QRect(0, 0, w, std::max(0, h - 50)));
  tree_->setGeometry(treePanel_->rect().adjusted(2, 2, -2, -2));
  bottom_->SetBounds(QRect(0, h - 50, w, 50));
  ok_->SetBounds(QRect(20, 15, 70, 25));
  cancel_->SetBounds(QRect(100, 15, 70, 25));
}

void TlqSelDirDlgForm::done(int result) {
  dialog_.DialogWidth = width();
  dialog_.DialogHeight = height();
  if (result == Accepted) dialog_.Directory = SelectedPath();
  QDialog::done(result);
}

}  // namespace lq
