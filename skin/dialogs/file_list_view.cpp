#include "skin/dialogs/file_list_view.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QListView>
#include <QTreeView>

#include "skin/controls/header_view.h"
#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"
#include "skin/dialogs/file_list_filter.h"
#include "skin/dialogs/folder_places.h"
#include "skin/dialogs/view_bars.h"

namespace lq {

namespace {
QFileIconProvider* SharedIconProvider() {
  // Never destroyed: the models' background gatherers may ask it until they end.
  static QFileIconProvider* provider = new QFileIconProvider;
  return provider;
}
}  // namespace

LqSkinFileListView::LqSkinFileListView(QWidget* parent, LqSkinData* skin,
                                       const std::string& headerSkinName, const LqFont& font,
                                       bool showHidden)
    : QWidget(parent) {
  fs_ = new QFileSystemModel(this);
  // The style's folder and file pictures tell the two apart (the model alone has none
  // without an icon theme).
  fs_->setIconProvider(SharedIconProvider());
  QDir::Filters filters = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives;
  if (showHidden) filters |= QDir::Hidden;
  fs_->setFilter(filters);
  fs_->setReadOnly(false);
  filter_ = new FileListFilter(fs_, this);
  connect(fs_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (CleanFolderPath(path) == folder_) loaded_ = true;
  });

  listView_ = new QListView(this);
  detailView_ = new QTreeView(this);
  header_ = new LqSkinHeaderView(Qt::Horizontal, detailView_);
  header_->SetSkinDataName(headerSkinName);
  header_->SetSkinData(skin);
  header_->SetDefaultFont(font);
  detailView_->setHeader(header_);
  detailView_->setRootIsDecorated(false);
  detailView_->setItemsExpandable(false);
  detailView_->setUniformRowHeights(true);
  detailView_->setSortingEnabled(true);
  detailView_->sortByColumn(0, Qt::AscendingOrder);
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(listView_), static_cast<QAbstractItemView*>(detailView_)}) {
    view->setModel(filter_);
    view->setFont(MakeQFont(font));
    view->setFrameShape(QFrame::NoFrame);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { emit itemActivated(i); });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit currentItemChanged(current); });
  }
  filter_->sort(0, Qt::AscendingOrder);
  // Room for a long name and a whole time stamp; the user can still drag the edges.
  const int widths[] = {180, 70, 90, 120};
  for (int column = 0; column < 4; ++column) header_->resizeSection(column, widths[column]);

  const ViewBars bars = MakeViewBars(this, skin);
  vbar_ = bars.vertical;
  hbar_ = bars.horizontal;
  SetViewStyle(FileViewStyle::List);
}

LqSkinFileListView::~LqSkinFileListView() = default;

QAbstractItemView* LqSkinFileListView::CurrentView() const {
  if (style_ == FileViewStyle::Report) return detailView_;
  return listView_;
}

void LqSkinFileListView::SetViewStyle(FileViewStyle style) {
  // The selected item stays selected across view styles.
  const QModelIndex current = CurrentIndex();
  style_ = style;
  switch (style) {
    case FileViewStyle::Icon:
      listView_->setViewMode(QListView::IconMode);
      listView_->setIconSize(QSize(32, 32));
      listView_->setGridSize(QSize(80, 64));
      break;
    case FileViewStyle::SmallIcon:
      listView_->setViewMode(QListView::ListMode);
      listView_->setFlow(QListView::LeftToRight);
      listView_->setIconSize(QSize(16, 16));
      listView_->setGridSize(QSize(140, 20));
      break;
    case FileViewStyle::List:
    case FileViewStyle::Report:
      listView_->setViewMode(QListView::ListMode);
      listView_->setFlow(QListView::TopToBottom);
      listView_->setIconSize(QSize(16, 16));
      listView_->setGridSize(QSize());
      break;
  }
  listView_->setWrapping(style != FileViewStyle::Report);
  listView_->setResizeMode(QListView::Adjust);
  listView_->setMovement(QListView::Static);
  listView_->setVisible(style != FileViewStyle::Report);
  detailView_->setVisible(style == FileViewStyle::Report);
  if (current.isValid()) CurrentView()->setCurrentIndex(current);
  LinkBars();
}

void LqSkinFileListView::LinkBars() {
  // The old link lets go of the bars before the new one takes them.
  bars_.reset();
  bars_ = std::make_unique<ScrollAreaBars>(CurrentView(), vbar_, hbar_);
  LayoutViews();
}

void LqSkinFileListView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  LayoutViews();
}

void LqSkinFileListView::LayoutViews() {
  PlaceScrollArea(CurrentView(), vbar_, hbar_, rect());
  // The hidden view keeps the same size, so switching styles shows no jump.
  QAbstractItemView* other =
      CurrentView() == listView_ ? static_cast<QAbstractItemView*>(detailView_) : listView_;
  other->setGeometry(CurrentView()->geometry());
}

void LqSkinFileListView::SetFolder(const QString& folder) {
  folder_ = CleanFolderPath(folder);
  loaded_ = false;
  const QModelIndex root = filter_->mapFromSource(fs_->setRootPath(folder_));
  listView_->setRootIndex(root);
  detailView_->setRootIndex(root);
}

void LqSkinFileListView::SetMask(const QString& mask) {
  filter_->SetMask(mask);
}

QString LqSkinFileListView::Mask() const {
  return filter_->Mask();
}

void LqSkinFileListView::Reload() {
  const int row = CurrentView()->currentIndex().row();
  SetFolder(folder_);
  const QModelIndex again = filter_->index(row, 0, CurrentView()->rootIndex());
  if (again.isValid()) CurrentView()->setCurrentIndex(again);
}

QStringList LqSkinFileListView::ListedNames() const {
  QStringList names;
  const QModelIndex root = CurrentView()->rootIndex();
  for (int r = 0; r < filter_->rowCount(root); ++r)
    names << filter_->index(r, 0, root).data().toString();
  return names;
}

bool LqSkinFileListView::SelectItem(const QString& name) {
  const QModelIndex root = CurrentView()->rootIndex();
  for (int r = 0; r < filter_->rowCount(root); ++r) {
    const QModelIndex i = filter_->index(r, 0, root);
    if (i.data().toString() == name) {
      CurrentView()->setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

QModelIndex LqSkinFileListView::CurrentIndex() const {
  return CurrentView()->currentIndex();
}

QString LqSkinFileListView::PathOf(const QModelIndex& index) const {
  return fs_->filePath(filter_->mapToSource(index));
}

bool LqSkinFileListView::IsDir(const QModelIndex& index) const {
  return index.isValid() && fs_->isDir(filter_->mapToSource(index));
}

void LqSkinFileListView::EditName(const QString& path) {
  const QModelIndex item = filter_->mapFromSource(fs_->index(path));
  if (!item.isValid()) return;
  CurrentView()->setCurrentIndex(item);
  CurrentView()->scrollTo(item);
  CurrentView()->edit(item);
}

bool LqSkinFileListView::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && keyHandler_ &&
      (watched == listView_ || watched == detailView_) && keyHandler_(static_cast<QKeyEvent*>(e))) {
    // Accepted, or the application passes the key on to the window as well.
    e->accept();
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace lq
