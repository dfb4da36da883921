#include "skin/dialogs/dir_tree_view.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"
#include "skin/dialogs/folder_places.h"
#include "skin/dialogs/view_bars.h"

namespace lq {

LqSkinDirTreeView::LqSkinDirTreeView(QWidget* parent, LqSkinData* skin, const LqFont& font)
    : QWidget(parent) {
  fs_ = new QFileSystemModel(this);
  fs_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
  fs_->setRootPath(QStringLiteral("/"));
  tree_ = new QTreeView(this);
  tree_->setModel(fs_);
  tree_->setFont(MakeQFont(font));
  tree_->setFrameShape(QFrame::NoFrame);
  tree_->setHeaderHidden(true);
  for (int c = 1; c < fs_->columnCount(); ++c) tree_->hideColumn(c);
  // Long names widen the tree instead of being cut, so the horizontal bar has work to do.
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);

  const ViewBars bars = MakeViewBars(this, skin);
  vbar_ = bars.vertical;
  hbar_ = bars.horizontal;
  bars_ = std::make_unique<ScrollAreaBars>(tree_, vbar_, hbar_);
  setFocusProxy(tree_);
}

LqSkinDirTreeView::~LqSkinDirTreeView() = default;

void LqSkinDirTreeView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  PlaceScrollArea(tree_, vbar_, hbar_, rect());
}

QString LqSkinDirTreeView::SelectedPath() const {
  const QModelIndex current = tree_->currentIndex();
  return current.isValid() ? fs_->filePath(current) : QString();
}

bool LqSkinDirTreeView::SelectPath(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir()) return false;
  const QModelIndex index = fs_->index(CleanFolderPath(info.absoluteFilePath()));
  if (!index.isValid()) return false;
  tree_->setCurrentIndex(index);
  tree_->scrollTo(index);
  return true;
}

void LqSkinDirTreeView::ExpandSelected() {
  tree_->expand(tree_->currentIndex());
}

}  // namespace lq
