#pragma once
// LqOpenDlgForm: the file window of LqSkinOpenDialog, in the skinned dialog frame. A
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
class LqSkinButton;
class LqSkinEdit;
class LqSkinFileListView;
class LqSkinFilterComboBox;
class LqSkinMenuSpeedButton;
class LqSkinPanel;
class LqSkinPopupMenu;
class LqSkinShellComboBox;
class LqSkinSpeedButton;
class LqSkinStdLabel;
class LqSkinToolBar;

class LqOpenDlgForm : public QDialog {
 public:
  LqOpenDlgForm(LqSkinOpenDialog& dialog, QWidget* parent = nullptr);
  ~LqOpenDlgForm() override;

  QString CurrentFolder() const { return folder_; }
  const QStringList& History() const { return history_; }
  // Opens a folder in the list; false when it is not an existing directory.
  bool OpenFolder(const QString& path);
  void GoBack();
  void GoUp();
  // Makes the next new folder; returns its path, or an empty string when nothing was made.
  QString MakeNewFolder();
  void SetViewStyle(FileViewStyle style);
  FileViewStyle ViewStyle() const;
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
  LqSkinEdit* FileNameEdit() const { return fileNameEdit_; }
  LqSkinFilterComboBox* FilterCombo() const { return filterCombo_; }
  LqSkinShellComboBox* FolderCombo() const { return folderCombo_; }
  LqSkinToolBar* ToolBar() const { return toolBar_; }
  LqSkinSpeedButton* BackButton() const { return back_; }
  LqSkinSpeedButton* UpButton() const { return up_; }
  LqSkinSpeedButton* NewFolderButton() const { return newFolder_; }
  LqSkinMenuSpeedButton* ViewButton() const { return viewButton_; }
  LqSkinPopupMenu* ViewMenu() const { return viewMenu_; }
  LqSkinFileListView* FileList() const { return list_; }
  QAbstractItemView* CurrentView() const;
  LqSkinButton* ConfirmButton() const { return confirm_; }
  LqSkinButton* CancelButton() const { return cancel_; }

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

  LqSkinOpenDialog& dialog_;
  DialogFrame* frame_ = nullptr;
  LqSkinToolBar* toolBar_ = nullptr;
  LqSkinStdLabel* lookIn_ = nullptr;
  LqSkinShellComboBox* folderCombo_ = nullptr;
  LqSkinSpeedButton* back_ = nullptr;
  LqSkinSpeedButton* up_ = nullptr;
  LqSkinSpeedButton* newFolder_ = nullptr;
  LqSkinMenuSpeedButton* viewButton_ = nullptr;
  LqSkinPopupMenu* viewMenu_ = nullptr;
  LqSkinPanel* listPanel_ = nullptr;
  LqSkinFileListView* list_ = nullptr;
  LqSkinPanel* bottom_ = nullptr;
  LqSkinStdLabel* fileNameLabel_ = nullptr;
  LqSkinEdit* fileNameEdit_ = nullptr;
  LqSkinStdLabel* fileTypeLabel_ = nullptr;
  LqSkinFilterComboBox* filterCombo_ = nullptr;
  LqSkinButton* confirm_ = nullptr;
  LqSkinButton* cancel_ = nullptr;

  QString folder_;
  QStringList history_;
  int newFolderCount_ = 0;
  QString answer_;
};

}  // namespace lq
