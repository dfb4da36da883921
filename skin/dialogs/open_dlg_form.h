#pragma once
// TlqOpenDlgForm: the file window of TlqSkinOpenDialog, in the skinned dialog frame. A
// tool bar (look-in label, folder combo box, back, up, new-folder and view-menu buttons),
// the file list, and a bottom panel with the file name edit, the filter combo box and the
// confirm and cancel buttons. The window reads its start state from the dialog component
// and writes the remembered state back when it closes.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

#include "skin/dialogs/open_dialog.h"

class QAbstractItemView;
class QKeyEvent;
class QModelIndex;

namespace lq {

class DialogFrame;
class TlqSkinButton;
class TlqSkinEdit;
class TlqSkinFileListView;
class TlqSkinFilterComboBox;
class TlqSkinMenuSpeedButton;
class TlqSkinPanel;
class TlqSkinPopupMenu;
class TlqSkinShellComboBox;
class TlqSkinSpeedButton;
class TlqSkinStdLabel;
class TlqSkinToolBar;

class TlqOpenDlgForm : public QDialog {
 public:
  TlqOpenDlgForm(TlqSkinOpenDialog& dialog, QWidget* parent = nullptr);
  ~TlqOpenDlgForm() override;

  QString CurrentFolder() const { return folder_; }
  const QStringList& History() const { return history_; }
  // Opens a folder in the list; false when it is not an existing directory.
  bool OpenFolder(const QString& path);
  void GoBack();
  void GoUp();
  // Makes the next new folder; returns its path, or an empty string when nothing was made.
  QString MakeNewFolder();
  void SetViewStyle(TlqViewStyle style);
  TlqViewStyle ViewStyle() const;
  // Enter in the file name edit.
  void FileNameEnter();
  // The confirm button.
  void ConfirmClicked();
  // Selects the filter entry `index` (0-based), as the filter combo box does.
  void SelectFilter(int index);
  // A double-click (or Enter) on a list item by name.
  void ActivateItem(const QString& name);
  // Selects a list item by name, as a click does.
  bool SelectItem(const QString& name);
  // The names the list shows now, in order.
  QStringList ListedNames() const;
  // True once the current folder has been read.
  bool FolderLoaded() const;
  void ShowFileName(const QString& fileName);
  QString Answer() const { return answer_; }
  // Shows the properties of the selected item (Alt+Enter); false when none is selected.
  bool ShowSelectedProperties();

  DialogFrame& Frame() const { return *frame_; }
  QSize ClientSize() const;
  TlqSkinEdit* FileNameEdit() const { return fileNameEdit_; }
  TlqSkinFilterComboBox* FilterCombo() const { return filterCombo_; }
  TlqSkinShellComboBox* FolderCombo() const { return folderCombo_; }
  TlqSkinToolBar* ToolBar() const { return toolBar_; }
  TlqSkinSpeedButton* BackButton() const { return back_; }
  TlqSkinSpeedButton* UpButton() const { return up_; }
  TlqSkinSpeedButton* NewFolderButton() const { return newFolder_; }
  TlqSkinMenuSpeedButton* ViewButton() const { return viewButton_; }
  TlqSkinPopupMenu* ViewMenu() const { return viewMenu_; }
  TlqSkinFileListView* FileList() const { return list_; }
  QAbstractItemView* CurrentView() const;
  TlqSkinButton* ConfirmButton() const { return confirm_; }
  TlqSkinButton* CancelButton() const { return cancel_; }

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // An interface text from the skin's resource strings, else the built-in one.
  QString Text(const char* key, const QString& builtIn) const;
  void BuildToolBar();
  void BuildViewMenu();
  void BuildBottomPanel();
  void BuildFileList();
  void LayoutControls();
  void ShowFolder(const QString& path, bool remember);
  void ItemActivated(const QModelIndex& index);
  void CurrentItemChanged(const QModelIndex& index);
  bool ListKey(QKeyEvent* key);
  void CloseWith(const QString& answer);
  bool ConfirmAllowed(const QString& path);

  TlqSkinOpenDialog& dialog_;
  DialogFrame* frame_ = nullptr;
  TlqSkinToolBar* toolBar_ = nullptr;
  TlqSkinStdLabel* lookIn_ = nullptr;
  TlqSkinShellComboBox* folderCombo_ = nullptr;
  TlqSkinSpeedButton* back_ = nullptr;
  TlqSkinSpeedButton* up_ = nullptr;
  TlqSkinSpeedButton* newFolder_ = nullptr;
  TlqSkinMenuSpeedButton* viewButton_ = nullptr;
  TlqSkinPopupMenu* viewMenu_ = nullptr;
  TlqSkinPanel* listPanel_ = nullptr;
  TlqSkinFileListView* list_ = nullptr;
  TlqSkinPanel* bottom_ = nullptr;
  TlqSkinStdLabel* fileNameLabel_ = nullptr;
  TlqSkinEdit* fileNameEdit_ = nullptr;
  TlqSkinStdLabel* fileTypeLabel_ = nullptr;
  TlqSkinFilterComboBox* filterCombo_ = nullptr;
  TlqSkinButton* confirm_ = nullptr;
  TlqSkinButton* cancel_ = nullptr;

  QString folder_;
  QStringList history_;
  int newFolderCount_ = 0;
  QString answer_;
};

}  // namespace lq
