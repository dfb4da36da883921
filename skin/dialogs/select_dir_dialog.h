#pragma once
// LqSkinSelectDirectoryDialog: a non-visual component that, on each Execute, builds a
// modal skinned directory window (LqSelDirDlgForm) with a folder tree and OK / cancel,
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
class LqSkinData;
class LqSkinDirTreeView;
class LqSkinButton;
class LqSkinPanel;
class LqSelDirDlgForm;

class LqSkinSelectDirectoryDialog : public QObject {
  Q_OBJECT

 public:
  explicit LqSkinSelectDirectoryDialog(QObject* parent = nullptr);

  bool ToolButtonsTransparent = false;
  int DialogWidth = 0, DialogHeight = 0;
  int DialogMinWidth = 0, DialogMinHeight = 0;
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  LqSkinData* SkinData = nullptr;
  LqSkinData* CtrlSkinData = nullptr;
  LqFont DefaultFont;
  QString Title = QStringLiteral("Select folder");
  QString Directory;
  bool ShowToolBar = false;

  // Shows the directory window modally; true when the user confirmed, and then
  // Directory holds the chosen folder's path.
  bool Execute();
  LqSelDirDlgForm* Form() const { return form_; }

 signals:
  void shown();
  void closed();

 private:
  QPointer<LqSelDirDlgForm> form_;
};

class LqSelDirDlgForm : public QDialog {
 public:
  LqSelDirDlgForm(LqSkinSelectDirectoryDialog& dialog, QWidget* parent = nullptr);

  // The selected folder's path, or empty.
  QString SelectedPath() const;
  bool SelectPath(const QString& path);
  QTreeView* Tree() const;
  LqSkinDirTreeView* TreeView() const { return tree_; }
  DialogFrame& Frame() const { return *frame_; }
  QSize ClientSize() const;
  LqSkinButton* OkButton() const { return ok_; }
  LqSkinButton* CancelButton() const { return cancel_; }
  void done(int result) override;

 private:
  LqSkinSelectDirectoryDialog& dialog_;
  void LayoutControls();

  DialogFrame* frame_ = nullptr;
  LqSkinPanel* treePanel_ = nullptr;
  LqSkinDirTreeView* tree_ = nullptr;
  LqSkinPanel* bottom_ = nullptr;
  LqSkinButton* ok_ = nullptr;
  LqSkinButton* cancel_ = nullptr;
};

}  // namespace lq
