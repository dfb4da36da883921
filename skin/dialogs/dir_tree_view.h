#pragma once
// LqSkinDirTreeView: the directory window's folder tree over the file system (hidden
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
class LqSkinData;
class LqSkinScrollBar;

class LqSkinDirTreeView : public QWidget {
 public:
  LqSkinDirTreeView(QWidget* parent, LqSkinData* skin, const LqFont& font);
  ~LqSkinDirTreeView() override;

  QTreeView* Tree() const { return tree_; }
  QFileSystemModel* FileSystem() const { return fs_; }
  LqSkinScrollBar* VScrollBar() const { return vbar_; }
  LqSkinScrollBar* HScrollBar() const { return hbar_; }

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
  LqSkinScrollBar* vbar_ = nullptr;
  LqSkinScrollBar* hbar_ = nullptr;
  std::unique_ptr<ScrollAreaBars> bars_;
};

}  // namespace lq
