#pragma once
// LqSkinFileListView: the file window's list of the current folder. It shows the folders
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
class LqSkinData;
class LqSkinHeaderView;
class LqSkinScrollBar;

class LqSkinFileListView : public QWidget {
  Q_OBJECT

 public:
  LqSkinFileListView(QWidget* parent, LqSkinData* skin, const std::string& headerSkinName,
                     const LqFont& font, bool showHidden);
  ~LqSkinFileListView() override;

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

  FileViewStyle ViewStyle() const { return style_; }
  void SetViewStyle(FileViewStyle style);
  QAbstractItemView* CurrentView() const;
  QListView* ListView() const { return listView_; }
  QTreeView* DetailView() const { return detailView_; }
  LqSkinHeaderView* Header() const { return header_; }
  LqSkinScrollBar* VScrollBar() const { return vbar_; }
  LqSkinScrollBar* HScrollBar() const { return hbar_; }

  // The names the list shows now, in order.
  QStringList ListedNames() const;
  bool SelectItem(const QString& name);
  QModelIndex CurrentIndex() const;
  QString PathOf(const QModelIndex& index) const;
  bool IsDir(const QModelIndex& index) const;
  // Selects the item of `path` (a child of the folder) and opens its name for editing.
  void EditName(const QString& path);

  // Key presses of the views go here first; true means taken.
  void SetKeyHandler(std::function<bool(QKeyEvent*)> handler) { keyHandler_ = std::move(handler); }

 signals:
  // A double-click on an item.
  void itemActivated(const QModelIndex& index);
  // The current item changed (a click, the keys, or code).
  void currentItemChanged(const QModelIndex& index);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  std::function<bool(QKeyEvent*)> keyHandler_;
  void LinkBars();
  void LayoutViews();

  QFileSystemModel* fs_ = nullptr;
  FileListFilter* filter_ = nullptr;
  QListView* listView_ = nullptr;
  QTreeView* detailView_ = nullptr;
  LqSkinHeaderView* header_ = nullptr;
  LqSkinScrollBar* vbar_ = nullptr;
  LqSkinScrollBar* hbar_ = nullptr;
  std::unique_ptr<ScrollAreaBars> bars_;
  FileViewStyle style_ = FileViewStyle::List;
  QString folder_;
  bool loaded_ = false;
};

}  // namespace lq
