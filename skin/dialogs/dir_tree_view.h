#pragma once
// TlqSkinDirTreeView: the directory window's folder tree over the file system (hidden
// folders included) with skinned vertical and horizontal scroll bars instead of the
// platform's.

#include <QString>
#include <QWidget>
#include <memory>

#include "skin/controls/control_style.h"

class QFileSystemModel;
class QTreeView;

namespace lq {

class ScrollAreaBars;
class TlqSkinData;
class TlqSkinScrollBar;

class TlqSkinDirTreeView : public QWidget {
 public:
  TlqSkinDirTreeView(QWidget* parent, TlqSkinData* skin, const TlqFont& font);
  ~TlqSkinDirTreeView() override;

  QTreeView* Tree() const { return tree_; }
  QFileSystemModel* FileSystem() const { return fs_; }
  TlqSkinScrollBar* VScrollBar() const { return vbar_; }
  TlqSkinScrollBar* HScrollBar() const { return hbar_; }

  // The selected folder's path, or empty.
  QString SelectedPath() const;
  // Selects (and shows) an existing folder; false when it is none.
  bool SelectPath(const QString& path);
  void ExpandSelected();

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QFileSystemModel* fs_ = nullptr;
  QTreeView* tree_ = nullptr;
  TlqSkinScrollBar* vbar_ = nullptr;
  TlqSkinScrollBar* hbar_ = nullptr;
  std::unique_ptr<ScrollAreaBars> bars_;
};

}  // namespace lq
