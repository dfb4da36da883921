#pragma once
// TlqSkinFileListView: the file window's list of the current folder. It shows the folders
// and the files matching a mask in one of four view styles (large icons, small icons,
// list, details), with skinned column headers in the details view and skinned scroll bars
// instead of the platform's. Items come from a QFileSystemModel through FileListFilter.

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "skin/controls/control_style.h"
#include "skin/dialogs/view_style.h"

class QAbstractItemView;
class QFileSystemModel;
class QListView;
class QTreeView;

namespace lq {

class FileListFilter;
class ScrollAreaBars;
class TlqSkinData;
class TlqSkinHeaderView;
class TlqSkinScrollBar;

class TlqSkinFileListView : public QWidget {
 public:
  TlqSkinFileListView(QWidget* parent, TlqSkinData* skin, const std::string& headerSkinName,
                      const TlqFont& font, bool showHidden);
  ~TlqSkinFileListView() override;

  QFileSystemModel* FileSystem() const { return fs_; }
  FileListFilter* Filter() const { return filter_; }

  // Shows the folder's contents; Loaded() turns true once the folder has been read.
  void SetFolder(const QString& folder);
  QString Folder() const { return folder_; }
  bool Loaded() const { return loaded_; }
  void SetMask(const QString& mask);
  QString Mask() const;
  // Reads the folder again and selects the same position (F5).
  void Reload();

  TlqViewStyle ViewStyle() const { return style_; }
  void SetViewStyle(TlqViewStyle style);
  QAbstractItemView* CurrentView() const;
  QListView* ListView() const { return listView_; }
  QTreeView* DetailView() const { return detailView_; }
  TlqSkinHeaderView* Header() const { return header_; }
  TlqSkinScrollBar* VScrollBar() const { return vbar_; }
  TlqSkinScrollBar* HScrollBar() const { return hbar_; }

  // The names the list shows now, in order.
  QStringList ListedNames() const;
  bool SelectItem(const QString& name);
  QModelIndex CurrentIndex() const;
  QString PathOf(const QModelIndex& index) const;
  bool IsDir(const QModelIndex& index) const;
  // Selects the item of `path` (a child of the folder) and opens its name for editing.
  void EditName(const QString& path);

  // A double-click on an item.
  std::function<void(const QModelIndex&)> OnItemActivated;
  // The current item changed (a click, the keys, or code).
  std::function<void(const QModelIndex&)> OnCurrentChanged;
  // Key presses of the views go here first; true means taken.
  std::function<bool(QKeyEvent*)> OnKey;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void LinkBars();
  void LayoutViews();

  QFileSystemModel* fs_ = nullptr;
  FileListFilter* filter_ = nullptr;
  QListView* listView_ = nullptr;
  QTreeView* detailView_ = nullptr;
  TlqSkinHeaderView* header_ = nullptr;
  TlqSkinScrollBar* vbar_ = nullptr;
  TlqSkinScrollBar* hbar_ = nullptr;
  std::unique_ptr<ScrollAreaBars> bars_;
  TlqViewStyle style_ = vsList;
  QString folder_;
  bool loaded_ = false;
};

}  // namespace lq
