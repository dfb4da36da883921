#pragma once
// TlqSkinSelectDirectoryDialog: a non-visual component that, on each Execute, builds a
// modal skinned directory window (TlqSelDirDlgForm) with a folder tree and OK / cancel,
// and hands the chosen folder back through Directory. Directory and the dialog size carry
// over to the next execution, so the window reopens at the last choice.

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "skin/controls/control_style.h"

class QTreeView;

namespace lq {

class DialogFrame;
class TlqSkinData;
class TlqSkinDirTreeView;
class TlqSkinButton;
class TlqSkinPanel;
class TlqSelDirDlgForm;

class TlqSkinSelectDirectoryDialog : public QObject {
 public:
  explicit TlqSkinSelectDirectoryDialog(QObject* parent = nullptr);

  bool ToolButtonsTransparent = false;
  int DialogWidth = 0, DialogHeight = 0;
  int DialogMinWidth = 0, DialogMinHeight = 0;
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  TlqSkinData* SkinData = nullptr;
  TlqSkinData* CtrlSkinData = nullptr;
  TlqFont DefaultFont;
  QString Title = QStringLiteral("Select folder");
  QString Directory;
  bool ShowToolBar = false;
  std::function<void()> OnShow, OnClose;

  // Shows the directory window modally; true when the user confirmed, and then
  // Directory holds the chosen folder's path.
  bool Execute();
  TlqSelDirDlgForm* Form() const { return form_; }

 private:
  QPointer<TlqSelDirDlgForm> form_;
};

class TlqSelDirDlgForm : public QDialog {
 public:
  TlqSelDirDlgForm(TlqSkinSelectDirectoryDialog& dialog, QWidget* parent = nullptr);

  // The selected folder's path, or empty.
  QString SelectedPath() const;
  bool SelectPath(const QString& path);
  QTreeView* Tree() const;
  TlqSkinDirTreeView* TreeView() const { return tree_; }
  DialogFrame& Frame() const { return *frame_; }
  QSize ClientSize() const;
  TlqSkinButton* OkButton() const { return ok_; }
  TlqSkinButton* CancelButton() const { return cancel_; }
  void done(int result) override;

 private:
  TlqSkinSelectDirectoryDialog& dialog_;
  void LayoutControls();

  DialogFrame* frame_ = nullptr;
  TlqSkinPanel* treePanel_ = nullptr;
  TlqSkinDirTreeView* tree_ = nullptr;
  TlqSkinPanel* bottom_ = nullptr;
  TlqSkinButton* ok_ = nullptr;
  TlqSkinButton* cancel_ = nullptr;
};

}  // namespace lq
