#pragma once
// TlqOpenDlgForm: the file window of TlqSkinOpenDialog. A tool bar (look-in label, folder
// combo box, back, up, new-folder and view-menu buttons), the file list over a
// QFileSystemModel, and a bottom panel with the file name edit, the filter combo box and
// the confirm and cancel buttons. The window reads its start state from the dialog
// component and writes the remembered state back when it closes.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

#include "skin/dialogs/folder_places.h"
#include "skin/dialogs/open_dialog.h"

class QAbstractItemView;
class QActionGroup;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QMenu;
class QTreeView;
class QModelIndex;

namespace lq {

class FileListFilter;
class TlqSkinButton;
class TlqSkinPanel;
class TlqSkinStdLabel;

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
  TlqViewStyle ViewStyle() const { return viewStyle_; }
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
  bool FolderLoaded() const { return loaded_; }
  void ShowFileName(const QString& fileName);
  QString Answer() const { return answer_; }

  QLineEdit* FileNameEdit() const { return fileNameEdit_; }
  QComboBox* FilterCombo() const { return filterCombo_; }
  QComboBox* FolderCombo() const { return folderCombo_; }
  QMenu* ViewMenu() const { return viewMenu_; }
  QAbstractItemView* CurrentView() const;
  TlqSkinButton* ConfirmButton() const { return confirm_; }
  TlqSkinButton* CancelButton() const { return cancel_; }

  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildToolBar();
  void BuildBottomPanel();
  void BuildFileList();
  void LayoutControls();
  void ShowFolder(const QString& path, bool remember);
  void RefreshFolderCombo();
  void ItemActivated(const QModelIndex& index);
  void SelectionChanged();
  QString SelectedMask() const;
  QString PathOf(const QModelIndex& index) const;
  void CloseWith(const QString& answer);
  bool ConfirmAllowed(const QString& path);

  TlqSkinOpenDialog& dialog_;
  QFileSystemModel* fs_ = nullptr;
  FileListFilter* filter_ = nullptr;
  TlqSkinPanel* toolBar_ = nullptr;
  TlqSkinStdLabel* lookIn_ = nullptr;
  QComboBox* folderCombo_ = nullptr;
  TlqSkinButton* back_ = nullptr;
  TlqSkinButton* up_ = nullptr;
  TlqSkinButton* newFolder_ = nullptr;
  TlqSkinButton* viewButton_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QActionGroup* viewGroup_ = nullptr;
  TlqSkinPanel* listPanel_ = nullptr;
  QListView* listView_ = nullptr;
  QTreeView* detailView_ = nullptr;
  TlqSkinPanel* bottom_ = nullptr;
  TlqSkinStdLabel* fileNameLabel_ = nullptr;
  QLineEdit* fileNameEdit_ = nullptr;
  TlqSkinStdLabel* fileTypeLabel_ = nullptr;
  QComboBox* filterCombo_ = nullptr;
  TlqSkinButton* confirm_ = nullptr;
  TlqSkinButton* cancel_ = nullptr;

  std::vector<FolderPlace> places_;
  std::vector<FolderPlace> comboEntries_;
  QString folder_;
  QStringList history_;
  int newFolderCount_ = 0;
  TlqViewStyle viewStyle_ = vsList;
  QString answer_;
  bool loaded_ = false;
  bool fillingCombo_ = false;
};

}  // namespace lq
