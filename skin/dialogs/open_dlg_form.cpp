#include "skin/dialogs/open_dlg_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/dialogs/file_list_filter.h"
#include "skin/dialogs/file_mask.h"
#include "skin/dialogs/tool_glyphs.h"

namespace lq {
namespace {

constexpr int kToolBarHeight = 25;
constexpr int kBottomHeight = 80;
constexpr int kToolButtonWidth = 27;
constexpr int kMenuButtonWidth = 37;
constexpr int kLevelRole = Qt::UserRole + 1;

// Indents each dropped-down folder entry by half an icon width per level.
class LevelIndentDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem shifted = option;
    shifted.rect.adjust(index.data(kLevelRole).toInt() * 8, 0, 0, 0);
    QStyledItemDelegate::paint(painter, shifted, index);
  }
};

TlqSkinButton* MakeToolButton(QWidget* parent, TlqSkinData* skin, ToolGlyph glyph,
                              const QString& hint) {
  auto* b = new TlqSkinButton(parent);
  b->SetSkinDataName("toolbutton");
  b->SetSkinData(skin);
  b->SetCanFocused(false);
  b->SetGlyph(DrawToolGlyph(glyph));
  b->setToolTip(hint);
  return b;
}

TlqSkinStdLabel* MakeLabel(QWidget* parent, TlqSkinData* skin, const QString& text) {
  auto* l = new TlqSkinStdLabel(parent);
  l->SetSkinData(skin);
  l->SetCaption(text);
  l->SetAutoSize(true);
  return l;
}

}  // namespace

TlqOpenDlgForm::TlqOpenDlgForm(TlqSkinOpenDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setWindowTitle(dialog.Title);
  setFont(MakeQFont(dialog.DefaultFont));
  fs_ = new QFileSystemModel(this);
  QDir::Filters filters = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives;
  if (dialog.ShowHiddenFiles) filters |= QDir::Hidden;
  fs_->setFilter(filters);
  fs_->setReadOnly(false);
  filter_ = new FileListFilter(fs_, this);
  connect(fs_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (CleanFolderPath(path) == folder_) loaded_ = true;
  });

  places_ = SystemFolderPlaces();
  BuildToolBar();
  BuildFileList();
  BuildBottomPanel();

  for (const FilterEntry& entry : ParseFilter(dialog.Filter))
    filterCombo_->addItem(entry.description, entry.mask);
  const int filterIndex = dialog.FilterIndex - 1;
  filterCombo_->setCurrentIndex(
      filterIndex >= 0 && filterIndex < filterCombo_->count() ? filterIndex : 0);
  filter_->SetMask(SelectedMask());
  connect(filterCombo_, &QComboBox::currentIndexChanged, this, [this](int i) { SelectFilter(i); });

  SetViewStyle(dialog.ViewStyle());

  // Start folder: the folder of FileName, else an existing InitialDir, else the program's.
  QString start;
  const QFileInfo named(dialog.FileName());
  if (!dialog.FileName().isEmpty() && dialog.FileName().contains(QLatin1Char('/')) &&
      named.dir().exists())
    start = named.absolutePath();
  else if (!dialog.InitialDir.isEmpty() && QFileInfo(dialog.InitialDir).isDir())
    start = dialog.InitialDir;
  else
    start = QCoreApplication::applicationDirPath();
  ShowFolder(QFileInfo(start).absoluteFilePath(), true);
  fileNameEdit_->setText(named.fileName());

  const int w = dialog.DialogWidth > 0 ? dialog.DialogWidth : 450;
  const int h = dialog.DialogHeight > 0 ? dialog.DialogHeight : 290;
  setMinimumSize(std::max(dialog.DialogMinWidth, 200), std::max(dialog.DialogMinHeight, 150));
  resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
  if (QScreen* screen = QApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  fileNameEdit_->setFocus();
}

TlqOpenDlgForm::~TlqOpenDlgForm() = default;

void TlqOpenDlgForm::BuildToolBar() {
  TlqSkinData* skin = dialog_.CtrlSkinData;
  toolBar_ = new TlqSkinPanel(this);
  toolBar_->SetSkinDataName("toolpanel");
  toolBar_->SetBorderStyle(bvNone);
  toolBar_->SetSkinData(skin);
  lookIn_ = MakeLabel(toolBar_, skin, QStringLiteral("查找: "));
  folderCombo_ = new QComboBox(toolBar_);
  folderCombo_->setMaxVisibleItems(10);
  folderCombo_->setItemDelegate(new LevelIndentDelegate(folderCombo_));
  connect(folderCombo_, &QComboBox::activated, this, [this](int i) {
    if (i >= 0 && i < static_cast<int>(comboEntries_.size())) OpenFolder(comboEntries_[i].path);
  });
  back_ = MakeToolButton(toolBar_, skin, ToolGlyph::Back, QStringLiteral("转到最后访问的文件夹"));
  back_->OnClick = [this](TlqSkinButton*) { GoBack(); };
  up_ = MakeToolButton(toolBar_, skin, ToolGlyph::Up, QStringLiteral("转到上一级"));
  up_->OnClick = [this](TlqSkinButton*) { GoUp(); };
  newFolder_ = MakeToolButton(toolBar_, skin, ToolGlyph::NewFolder, QStringLiteral("新建文件夹"));
  newFolder_->OnClick = [this](TlqSkinButton*) { MakeNewFolder(); };
  viewButton_ = MakeToolButton(toolBar_, skin, ToolGlyph::ViewStyle, QStringLiteral("查看菜单"));
  viewButton_->SetSkinDataName("toolmenubutton");
  viewButton_->SetSkinData(skin);

  viewMenu_ = new QMenu(this);
  viewGroup_ = new QActionGroup(viewMenu_);
  const QString names[] = {QStringLiteral("大图标"), QStringLiteral("小图标"),
                           QStringLiteral("列表"), QStringLiteral("详细信息")};
  for (int i = 0; i < 4; ++i) {
    QAction* a = viewMenu_->addAction(names[i]);
    a->setCheckable(true);
    a->setData(i);
    viewGroup_->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { SetViewStyle(TlqViewStyle(i)); });
  }
  viewButton_->OnClick = [this](TlqSkinButton* b) {
    viewMenu_->popup(b->mapToGlobal(QPoint(0, b->height())));
  };
}

void TlqOpenDlgForm::BuildFileList() {
  listPanel_ = new TlqSkinPanel(this);
  listPanel_->SetBorderStyle(bvFrame);
  listPanel_->SetSkinData(dialog_.CtrlSkinData);
  listView_ = new QListView(listPanel_);
  detailView_ = new QTreeView(listPanel_);
  detailView_->setRootIsDecorated(false);
  detailView_->setItemsExpandable(false);
  detailView_->setSortingEnabled(true);
  detailView_->sortByColumn(0, Qt::AscendingOrder);
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(listView_), static_cast<QAbstractItemView*>(detailView_)}) {
    view->setModel(filter_);
    view->setFont(MakeQFont(dialog_.DefaultFont));
    view->setFrameShape(QFrame::NoFrame);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& i) { ItemActivated(i); });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { SelectionChanged(); });
  }
  filter_->sort(0, Qt::AscendingOrder);
}

void TlqOpenDlgForm::BuildBottomPanel() {
  TlqSkinData* skin = dialog_.CtrlSkinData;
  bottom_ = new TlqSkinPanel(this);
  bottom_->SetBorderStyle(bvNone);
  bottom_->SetSkinData(skin);
  fileNameLabel_ = MakeLabel(bottom_, skin, QStringLiteral("文件名:"));
  fileNameEdit_ = new QLineEdit(bottom_);
  connect(fileNameEdit_, &QLineEdit::returnPressed, this, [this] { FileNameEnter(); });
  fileTypeLabel_ = MakeLabel(bottom_, skin, QStringLiteral("文件类型:"));
  filterCombo_ = new QComboBox(bottom_);
  confirm_ = new TlqSkinButton(bottom_);
  confirm_->SetSkinData(skin);
  confirm_->SetDefaultFont(dialog_.DefaultFont);
  confirm_->SetCaption(dialog_.SaveMode() ? QStringLiteral("保存(&S)")
                                          : QStringLiteral("打开(&O)"));
  confirm_->OnClick = [this](TlqSkinButton*) { ConfirmClicked(); };
  cancel_ = new TlqSkinButton(bottom_);
  cancel_->SetSkinData(skin);
  cancel_->SetDefaultFont(dialog_.DefaultFont);
  cancel_->SetCaption(QStringLiteral("取消"));
  cancel_->Cancel = true;
  cancel_->OnClick = [this](TlqSkinButton*) { reject(); };
}

void TlqOpenDlgForm::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  LayoutControls();
}

void TlqOpenDlgForm::LayoutControls() {
  const int w = width(), h = height();
  toolBar_->SetBounds(QRect(0, 0, w, kToolBarHeight));
  lookIn_->move(10, (kToolBarHeight - lookIn_->height()) / 2);
  int x = w - kMenuButtonWidth;
  viewButton_->SetBounds(QRect(x, 0, kMenuButtonWidth, kToolBarHeight));
  x -= 10;
  for (TlqSkinButton* b : {newFolder_, up_, back_}) {
    x -= kToolButtonWidth;
    b->SetBounds(QRect(x, 0, kToolButtonWidth, kToolBarHeight));
  }
  const int comboLeft = 10 + lookIn_->width() + 2;
  folderCombo_->setGeometry(comboLeft, 2, std::max(40, x - comboLeft - 4), kToolBarHeight - 4);

  listPanel_->SetBounds(
      QRect(0, kToolBarHeight, w, std::max(0, h - kToolBarHeight - kBottomHeight)));
  const QRect inner = listPanel_->rect().adjusted(2, 2, -2, -2);
  listView_->setGeometry(inner);
  detailView_->setGeometry(inner);

  bottom_->SetBounds(QRect(0, h - kBottomHeight, w, kBottomHeight));
  fileNameLabel_->move(10, 10 + 3);
  fileNameEdit_->setGeometry(70, 10, std::max(20, w - 160), 21);
  fileTypeLabel_->move(10, 45 + 3);
  filterCombo_->setGeometry(70, 45, std::max(20, w - 160), 21);
  confirm_->SetBounds(QRect(w - 80, 10, 70, 25));
  cancel_->SetBounds(QRect(w - 80, 45, 70, 25));
}

QAbstractItemView* TlqOpenDlgForm::CurrentView() const {
  if (viewStyle_ == vsReport) return detailView_;
  return listView_;
}

void TlqOpenDlgForm::SetViewStyle(TlqViewStyle style) {
  viewStyle_ = style;
  for (QAction* a : viewGroup_->actions()) a->setChecked(a->data().toInt() == int(style));
  switch (style) {
    case vsIcon:
      listView_->setViewMode(QListView::IconMode);
      listView_->setIconSize(QSize(32, 32));
      listView_->setGridSize(QSize(80, 64));
      break;
    case vsSmallIcon:
      listView_->setViewMode(QListView::ListMode);
      listView_->setFlow(QListView::LeftToRight);
      listView_->setIconSize(QSize(16, 16));
      listView_->setGridSize(QSize(140, 20));
      break;
    case vsList:
    case vsReport:
      listView_->setViewMode(QListView::ListMode);
      listView_->setFlow(QListView::TopToBottom);
      listView_->setIconSize(QSize(16, 16));
      listView_->setGridSize(QSize());
      break;
  }
  listView_->setWrapping(style != vsReport);
  listView_->setResizeMode(QListView::Adjust);
  listView_->setMovement(QListView::Static);
  listView_->setVisible(style != vsReport);
  detailView_->setVisible(style == vsReport);
}

QString TlqOpenDlgForm::SelectedMask() const {
  const QVariant mask = filterCombo_->currentData();
  return mask.isValid() ? mask.toString() : QStringLiteral("*.*");
}

bool TlqOpenDlgForm::OpenFolder(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir()) return false;
  ShowFolder(info.absoluteFilePath(), true);
  return true;
}

void TlqOpenDlgForm::ShowFolder(const QString& path, bool remember) {
  const QString folder = CleanFolderPath(path);
  const bool changed = folder != folder_;
  folder_ = folder;
  loaded_ = false;
  const QModelIndex source = fs_->setRootPath(folder);
  const QModelIndex root = filter_->mapFromSource(source);
  listView_->setRootIndex(root);
  detailView_->setRootIndex(root);
  if (remember && (history_.isEmpty() || history_.last() != folder)) history_ << folder;
  RefreshFolderCombo();
  if (changed && dialog_.OnFolderChange) dialog_.OnFolderChange();
}

void TlqOpenDlgForm::RefreshFolderCombo() {
  int selected = -1;
  comboEntries_ = FolderComboEntries(places_, folder_, selected);
  fillingCombo_ = true;
  folderCombo_->clear();
  for (const FolderPlace& place : comboEntries_) {
    folderCombo_->addItem(fs_->iconProvider()->icon(QFileInfo(place.path)), place.label,
                          place.path);
    folderCombo_->setItemData(folderCombo_->count() - 1, place.level, kLevelRole);
  }
  folderCombo_->setCurrentIndex(selected);
  fillingCombo_ = false;
}

void TlqOpenDlgForm::GoBack() {
  if (history_.size() < 2) return;
  const QString target = history_[history_.size() - 2];
  history_.removeAt(history_.size() - 2);
  ShowFolder(target, false);
}

void TlqOpenDlgForm::GoUp() {
  const QString parent = CleanFolderPath(QFileInfo(folder_).path());
  if (parent != folder_) ShowFolder(parent, true);
}

QString TlqOpenDlgForm::MakeNewFolder() {
  if (!folder_.contains(QLatin1Char('/'))) return {};
  ++newFolderCount_;
  const QString name = NewFolderName(newFolderCount_);
  const QString path = JoinFolder(folder_, name);
  if (QFileInfo::exists(path)) return {};
  const QModelIndex made = fs_->mkdir(fs_->index(folder_), name);
  if (!made.isValid()) {
    if (dialog_.ShowError)
      dialog_.ShowError(QStringLiteral("Cannot create directory \"%1\".").arg(path));
    return {};
  }
  // Open the new folder's name for editing in the list.
  const QModelIndex item = filter_->mapFromSource(made);
  if (item.isValid()) {
    CurrentView()->setCurrentIndex(item);
    CurrentView()->edit(item);
  }
  return path;
}

QString TlqOpenDlgForm::PathOf(const QModelIndex& index) const {
  return fs_->filePath(filter_->mapToSource(index));
}

void TlqOpenDlgForm::SelectionChanged() {
  const QModelIndex current = CurrentView()->currentIndex();
  if (!current.isValid()) return;
  const QModelIndex source = filter_->mapToSource(current);
  if (!fs_->isDir(source)) fileNameEdit_->setText(fs_->fileName(source));
}

void TlqOpenDlgForm::ItemActivated(const QModelIndex& index) {
  if (!index.isValid()) return;
  const QModelIndex source = filter_->mapToSource(index);
  if (fs_->isDir(source)) {
    OpenFolder(fs_->filePath(source));
    return;
  }
  // A double-clicked file is the answer as it is, without added extensions.
  answer_ = fs_->filePath(source);
  dialog_.FileName_ = answer_;
  done(Accepted);
}

QStringList TlqOpenDlgForm::ListedNames() const {
  QStringList names;
  const QModelIndex root = CurrentView()->rootIndex();
  for (int r = 0; r < filter_->rowCount(root); ++r)
    names << filter_->index(r, 0, root).data().toString();
  return names;
}

bool TlqOpenDlgForm::SelectItem(const QString& name) {
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

void TlqOpenDlgForm::ActivateItem(const QString& name) {
  if (SelectItem(name)) ItemActivated(CurrentView()->currentIndex());
}

void TlqOpenDlgForm::SelectFilter(int index) {
  if (index < 0 || index >= filterCombo_->count()) return;
  if (filterCombo_->currentIndex() != index) {
    filterCombo_->setCurrentIndex(index);  // comes back here through the signal
    return;
  }
  const QString mask = SelectedMask();
  filter_->SetMask(mask);
  const QString name = fileNameEdit_->text();
  const QString ext = MaskExtension(mask);
  if (dialog_.SaveMode() && !name.isEmpty() && !ext.isEmpty())
    fileNameEdit_->setText(ReplaceExtension(name, ext));
}

void TlqOpenDlgForm::ShowFileName(const QString& fileName) {
  fileNameEdit_->setText(QFileInfo(fileName).fileName());
}

void TlqOpenDlgForm::FileNameEnter() {
  const QString text = fileNameEdit_->text();
  if (text.contains(QLatin1Char('*'))) {
    filter_->SetMask(text);
    return;
  }
  if (text.contains(QLatin1Char('/'))) {
    const QString path = QDir::isAbsolutePath(text) ? text : JoinFolder(folder_, text);
    if (QFileInfo(path).isDir()) OpenFolder(path);
    // A path that names no folder is ignored.
    return;
  }
  ConfirmClicked();
}

bool TlqOpenDlgForm::ConfirmAllowed(const QString& path) {
  if (!dialog_.SaveMode()) return !dialog_.CheckFileExists || QFileInfo(path).isFile();
  if (!dialog_.OverwritePromt) return true;
  QString tested = path;
  if (!HasExtension(tested)) {
    if (!dialog_.DefaultExt.isEmpty())
      tested += QLatin1Char('.') + dialog_.DefaultExt;
    else
      tested += MaskExtension(SelectedMask());
  }
  if (!QFileInfo::exists(tested)) return true;
  return dialog_.AskOverwrite && dialog_.AskOverwrite(QStringLiteral("您想覆盖原来的文件吗?"));
}

void TlqOpenDlgForm::ConfirmClicked() {
  const QString text = fileNameEdit_->text();
  if (text.isEmpty() || text.contains(QLatin1Char('*'))) return;
  const QString path = QDir::isAbsolutePath(text) ? text : JoinFolder(folder_, text);
  if (!ConfirmAllowed(path)) return;
  CloseWith(path);
}

void TlqOpenDlgForm::CloseWith(const QString& answer) {
  answer_ =
      dialog_.SaveMode() ? ApplySaveExtensions(answer, SelectedMask(), dialog_.DefaultExt) : answer;
  dialog_.FileName_ = answer_;
  done(Accepted);
}

void TlqOpenDlgForm::done(int result) {
  // Remembered whatever the answer.
  dialog_.FilterIndex = filterCombo_->currentIndex() + 1;
  dialog_.DialogWidth = width();
  dialog_.DialogHeight = height();
  dialog_.viewStyle_ = viewStyle_;
  QDialog::done(result);
}

bool TlqOpenDlgForm::eventFilter(QObject* watched, QEvent* e) {
  auto* view = qobject_cast<QAbstractItemView*>(watched);
  if (view && e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    // While a name is being edited the keys go to the editor, not to the view.
    if (key->key() == Qt::Key_Backspace) {
      GoUp();
      return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        key->modifiers() == Qt::NoModifier) {
      const QModelIndex current = view->currentIndex();
      if (current.isValid() && fs_->isDir(filter_->mapToSource(current)))
        ItemActivated(current);
      else
        ConfirmClicked();
      return true;
    }
    if (key->key() == Qt::Key_F5) {
      const int row = view->currentIndex().row();
      ShowFolder(folder_, false);
      const QModelIndex again = filter_->index(row, 0, view->rootIndex());
      if (again.isValid()) view->setCurrentIndex(again);
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace lq
