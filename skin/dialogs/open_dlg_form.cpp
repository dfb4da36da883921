#include "skin/dialogs/open_dlg_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QKeyEvent>

#include "skin/controls/edit.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/dialogs/dialog_combo_boxes.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/dialog_texts.h"
#include "skin/dialogs/file_list_view.h"
#include "skin/dialogs/file_mask.h"
#include "skin/dialogs/file_properties.h"
#include "skin/dialogs/speed_button.h"
#include "skin/dialogs/tool_bar.h"
#include "skin/dialogs/tool_glyphs.h"
#include "skin/frame/popup_menu.h"

namespace lq {
namespace {

constexpr int kToolBarHeight = 25;
constexpr int kBottomHeight = 80;
constexpr int kToolButtonWidth = 27;
constexpr int kMenuButtonWidth = 37;
constexpr int kFieldLeft = 70;
constexpr int kFieldHeight = 21;

template <class Button>
Button* MakeToolButton(QWidget* parent, LqSkinData* skin, bool flat, ToolGlyph glyph,
                       const QString& hint) {
  auto* b = new Button(parent);
  b->SetSkinData(skin);
  b->SetFlat(flat);
  b->SetGlyph(DrawToolGlyph(glyph));
  b->setToolTip(hint);
  return b;
}

LqSkinStdLabel* MakeLabel(QWidget* parent, LqSkinData* skin, const QString& text) {
  auto* l = new LqSkinStdLabel(parent);
  l->SetSkinData(skin);
  l->SetCaption(text);
  l->SetAutoSize(true);
  return l;
}

LqSkinButton* MakeButton(QWidget* parent, LqSkinData* skin, const LqFont& font,
                         const QString& caption) {
  auto* b = new LqSkinButton(parent);
  b->SetSkinData(skin);
  b->SetDefaultFont(font);
  b->SetCaption(caption);
  return b;
}

}  // namespace

LqOpenDlgForm::LqOpenDlgForm(LqSkinOpenDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setWindowTitle(dialog.Title);
  setFont(MakeQFont(dialog.DefaultFont));
  frame_ = new DialogFrame(*this, dialog.SkinData, dialog.CtrlSkinData,
                           QSize(dialog.DialogMinWidth, dialog.DialogMinHeight));
  BuildToolBar();
  BuildFileList();
  BuildBottomPanel();
  connect(&frame_->Client(), &DialogClient::resized, this, [this] { LayoutControls(); });

  filterCombo_->SetFilter(dialog.Filter, dialog.FilterIndex - 1);
  list_->SetMask(filterCombo_->Mask());
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
  frame_->SetClientSize(QSize(w, h));
  fileNameEdit_->setFocus();
}

LqOpenDlgForm::~LqOpenDlgForm() = default;

void LqOpenDlgForm::BuildToolBar() {
  LqSkinData* skin = dialog_.CtrlSkinData;
  QWidget* client = &frame_->Client();
  toolBar_ = new LqSkinToolBar(client);
  toolBar_->SetSkinData(skin);
  lookIn_ = MakeLabel(toolBar_, skin, Text("FLV_LOOKIN", QStringLiteral("查找: ")));
  folderCombo_ = new LqSkinShellComboBox(toolBar_);
  folderCombo_->SetSkinData(skin);
  folderCombo_->SetDefaultFont(dialog_.DefaultFont);
  folderCombo_->SetPlaces(SystemFolderPlaces());
  connect(folderCombo_, &LqSkinShellComboBox::folderChosen, this,
          [this](const QString& path) { OpenFolder(path); });
  const bool flat = !dialog_.ToolButtonsTransparent;
  back_ = MakeToolButton<LqSkinSpeedButton>(
      toolBar_, skin, flat, ToolGlyph::Back,
      Text("MSG_BTN_BACK_HINT", QStringLiteral("转到最后访问的文件夹")));
  connect(back_, &LqSkinButton::clicked, this, [this] { GoBack(); });
  up_ = MakeToolButton<LqSkinSpeedButton>(toolBar_, skin, flat, ToolGlyph::Up,
                                          Text("MSG_BTN_UP_HINT", QStringLiteral("转到上一级")));
  connect(up_, &LqSkinButton::clicked, this, [this] { GoUp(); });
  newFolder_ = MakeToolButton<LqSkinSpeedButton>(
      toolBar_, skin, flat, ToolGlyph::NewFolder,
      Text("MSG_BTN_NEWFOLDER_HINT", QStringLiteral("新建文件夹")));
  connect(newFolder_, &LqSkinButton::clicked, this, [this] { MakeNewFolder(); });
  viewButton_ = MakeToolButton<LqSkinMenuSpeedButton>(
      toolBar_, skin, flat, ToolGlyph::ViewStyle,
      Text("MSG_BTN_VIEWMENU_HINT", QStringLiteral("查看菜单")));
  BuildViewMenu();
}

void LqOpenDlgForm::BuildViewMenu() {
  viewMenu_ = new LqSkinPopupMenu(this);
  viewMenu_->SkinData = dialog_.CtrlSkinData;
  viewMenu_->Form = this;
  const QString names[] = {Text("MSG_LV_ICON", QStringLiteral("大图标")),
                           Text("MSG_LV_SMALLICON", QStringLiteral("小图标")),
                           Text("MSG_LV_LIST", QStringLiteral("列表")),
                           Text("MSG_LV_DETAILS", QStringLiteral("详细信息"))};
  for (int i = 0; i < 4; ++i) {
    MenuItem* item = viewMenu_->Items.Add(names[i], [this, i] { SetViewStyle(FileViewStyle(i)); });
    item->RadioItem = true;
  }
  viewButton_->SkinPopupMenu = viewMenu_;
}

void LqOpenDlgForm::BuildFileList() {
  listPanel_ = new LqSkinPanel(&frame_->Client());
  listPanel_->SetBorderStyle(BevelStyle::Frame);
  listPanel_->SetSkinData(dialog_.CtrlSkinData);
  list_ = new LqSkinFileListView(listPanel_, dialog_.CtrlSkinData, dialog_.LVHeaderSkinDataName,
                                 dialog_.DefaultFont, dialog_.ShowHiddenFiles);
  connect(list_, &LqSkinFileListView::itemActivated, this,
          [this](const QModelIndex& i) { ItemActivated(i); });
  connect(list_, &LqSkinFileListView::currentItemChanged, this,
          [this](const QModelIndex& i) { CurrentItemChanged(i); });
  list_->SetKeyHandler([this](QKeyEvent* key) { return ListKey(key); });
}

void LqOpenDlgForm::BuildBottomPanel() {
  LqSkinData* skin = dialog_.CtrlSkinData;
  bottom_ = new LqSkinPanel(&frame_->Client());
  bottom_->SetBorderStyle(BevelStyle::None);
  bottom_->SetSkinData(skin);
  fileNameLabel_ = MakeLabel(bottom_, skin, Text("MSG_FILENAME", QStringLiteral("文件名:")));
  fileNameEdit_ = new LqSkinEdit(bottom_);
  fileNameEdit_->SetSkinData(skin);
  fileNameEdit_->SetKeyFilter([this](QChar& key) {
    // Alt+Enter goes on to the window (the properties of the selected item).
    if (key != QChar(13) || (QGuiApplication::keyboardModifiers() & Qt::AltModifier)) return;
    key = QChar();
    FileNameEnter();
  });
  fileTypeLabel_ = MakeLabel(bottom_, skin, Text("MSG_FILETYPE", QStringLiteral("文件类型:")));
  filterCombo_ = new LqSkinFilterComboBox(bottom_);
  filterCombo_->SetSkinData(skin);
  confirm_ = MakeButton(bottom_, skin, dialog_.DefaultFont,
                        dialog_.SaveMode() ? Text("MSG_BTN_SAVE", QStringLiteral("保存(&S)"))
                                           : Text("MSG_BTN_OPEN", QStringLiteral("打开(&O)")));
  connect(confirm_, &LqSkinButton::clicked, this, [this] { ConfirmClicked(); });
  cancel_ = MakeButton(bottom_, skin, dialog_.DefaultFont,
                       Text("MSG_BTN_CANCEL", QStringLiteral("取消")));
  cancel_->Cancel = true;
  connect(cancel_, &LqSkinButton::clicked, this, [this] { reject(); });
}

void LqOpenDlgForm::LayoutControls() {
  const int w = frame_->Client().width(), h = frame_->Client().height();
  toolBar_->SetBounds(QRect(0, 0, w, kToolBarHeight));
  lookIn_->move(10, (kToolBarHeight - lookIn_->height()) / 2);
  int x = w - kMenuButtonWidth;
  viewButton_->SetBounds(QRect(x, 0, kMenuButtonWidth, kToolBarHeight));
  x -= 10;
  for (LqSkinButton* b : {static_cast<LqSkinButton*>(newFolder_), static_cast<LqSkinButton*>(up_),
                          static_cast<LqSkinButton*>(back_)}) {
    x -= kToolButtonWidth;
    b->SetBounds(QRect(x, 0, kToolButtonWidth, kToolBarHeight));
  }
  const int comboLeft = 10 + lookIn_->width() + 2;
  const int comboHeight = folderCombo_->sizeHint().height();
  folderCombo_->setGeometry(comboLeft, (kToolBarHeight - comboHeight) / 2,
                            std::max(40, x - comboLeft - 4), comboHeight);

  listPanel_->SetBounds(
      QRect(0, kToolBarHeight, w, std::max(0, h - kToolBarHeight - kBottomHeight)));
  list_->setGeometry(listPanel_->rect().adjusted(2, 2, -2, -2));

  bottom_->SetBounds(QRect(0, h - kBottomHeight, w, kBottomHeight));
  const int fieldWidth = std::max(20, w - 160);
  fileNameLabel_->move(10, 10 + 3);
  fileNameEdit_->setGeometry(kFieldLeft, 10, fieldWidth, kFieldHeight);
  fileTypeLabel_->move(10, 45 + 3);
  filterCombo_->setGeometry(kFieldLeft, 45, fieldWidth, kFieldHeight);
  confirm_->SetBounds(QRect(w - 80, 10, 70, 25));
  cancel_->SetBounds(QRect(w - 80, 45, 70, 25));
}

QString LqOpenDlgForm::Text(const char* key, const QString& builtIn) const {
  return DialogText(dialog_.CtrlSkinData, key, builtIn);
}

QSize LqOpenDlgForm::ClientSize() const {
  return frame_->ClientSize();
}

QAbstractItemView* LqOpenDlgForm::CurrentView() const {
  return list_->CurrentView();
}

FileViewStyle LqOpenDlgForm::ViewStyle() const {
  return list_->ViewStyle();
}

void LqOpenDlgForm::SetViewStyle(FileViewStyle style) {
  list_->SetViewStyle(style);
  for (int i = 0; i < viewMenu_->Items.Count(); ++i)
    viewMenu_->Items.Item(i)->Checked = i == int(style);
}

bool LqOpenDlgForm::FolderLoaded() const {
  return list_->Loaded();
}

bool LqOpenDlgForm::OpenFolder(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir()) return false;
  ShowFolder(info.absoluteFilePath(), true);
  return true;
}

void LqOpenDlgForm::ShowFolder(const QString& path, bool remember) {
  const QString folder = CleanFolderPath(path);
  const bool changed = folder != folder_;
  folder_ = folder;
  list_->SetFolder(folder);
  if (remember && (history_.isEmpty() || history_.last() != folder)) history_ << folder;
  folderCombo_->ShowFolder(folder);
  if (changed) emit dialog_.folderChanged();
}

void LqOpenDlgForm::GoBack() {
  if (history_.size() < 2) return;
  const QString target = history_[history_.size() - 2];
  history_.removeAt(history_.size() - 2);
  ShowFolder(target, false);
}

void LqOpenDlgForm::GoUp() {
  const QString parent = CleanFolderPath(QFileInfo(folder_).path());
  if (parent != folder_) ShowFolder(parent, true);
}

QString LqOpenDlgForm::MakeNewFolder() {
  if (!folder_.contains(QLatin1Char('/'))) return {};
  ++newFolderCount_;
  const QString name =
      NewFolderName(newFolderCount_, Text("MSG_NEWFOLDER", QStringLiteral("新建文件夹")));
  const QString path = JoinFolder(folder_, name);
  if (QFileInfo::exists(path)) return {};
  QFileSystemModel* fs = list_->FileSystem();
  if (!fs->mkdir(fs->index(folder_), name).isValid()) {
    if (dialog_.showError_)
      dialog_.showError_(QStringLiteral("Cannot create directory \"%1\".").arg(path));
    return {};
  }
  list_->EditName(path);
  return path;
}

void LqOpenDlgForm::CurrentItemChanged(const QModelIndex& index) {
  if (index.isValid() && !list_->IsDir(index))
    fileNameEdit_->setText(QFileInfo(list_->PathOf(index)).fileName());
}

void LqOpenDlgForm::ItemActivated(const QModelIndex& index) {
  if (!index.isValid()) return;
  if (list_->IsDir(index)) {
    OpenFolder(list_->PathOf(index));
    return;
  }
  // A double-clicked file is the answer as it is, without added extensions.
  answer_ = list_->PathOf(index);
  dialog_.FileName_ = answer_;
  done(Accepted);
}

QStringList LqOpenDlgForm::ListedNames() const {
  return list_->ListedNames();
}

bool LqOpenDlgForm::SelectItem(const QString& name) {
  return list_->SelectItem(name);
}

void LqOpenDlgForm::ActivateItem(const QString& name) {
  if (SelectItem(name)) ItemActivated(list_->CurrentIndex());
}

void LqOpenDlgForm::SelectFilter(int index) {
  if (index < 0 || index >= filterCombo_->count()) return;
  if (filterCombo_->currentIndex() != index) {
    filterCombo_->setCurrentIndex(index);  // comes back here through the signal
    return;
  }
  const QString mask = filterCombo_->Mask();
  list_->SetMask(mask);
  const QString name = fileNameEdit_->text();
  const QString ext = MaskExtension(mask);
  if (dialog_.SaveMode() && !name.isEmpty() && !ext.isEmpty())
    fileNameEdit_->setText(ReplaceExtension(name, ext));
}

void LqOpenDlgForm::ShowFileName(const QString& fileName) {
  fileNameEdit_->setText(QFileInfo(fileName).fileName());
}

void LqOpenDlgForm::FileNameEnter() {
  ConfirmClicked();
}

bool LqOpenDlgForm::ConfirmAllowed(const QString& path) {
  if (!dialog_.SaveMode()) return !dialog_.CheckFileExists || QFileInfo(path).isFile();
  if (!dialog_.OverwritePromt) return true;
  // The file tested is the one the answer will name, extensions added.
  if (!QFileInfo::exists(ApplySaveExtensions(path, filterCombo_->Mask(), dialog_.DefaultExt)))
    return true;
  return dialog_.askOverwrite_ &&
         dialog_.askOverwrite_(Text("MSG_OVERWRITE", QStringLiteral("您想覆盖原来的文件吗?")));
}

void LqOpenDlgForm::ConfirmClicked() {
  const QString text = fileNameEdit_->text();
  if (text.isEmpty()) return;
  if (text.contains(QLatin1Char('*'))) {
    list_->SetMask(text);
    return;
  }
  const QString path = QDir::isAbsolutePath(text) ? text : JoinFolder(folder_, text);
  // A folder typed as the name opens, and the field is free for the file's name.
  if (QFileInfo(path).isDir()) {
    if (OpenFolder(path)) fileNameEdit_->clear();
    return;
  }
  // A typed path is the answer as typed, when its folder is there to hold the file.
  const QString folder = QFileInfo(path).absolutePath();
  if (text.contains(QLatin1Char('/')) && !QFileInfo(folder).isDir()) {
    if (dialog_.showError_)
      dialog_.showError_(
          QStringLiteral("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(folder)));
    return;
  }
  if (!ConfirmAllowed(path)) return;
  CloseWith(path);
}

void LqOpenDlgForm::CloseWith(const QString& answer) {
  answer_ = dialog_.SaveMode()
                ? ApplySaveExtensions(answer, filterCombo_->Mask(), dialog_.DefaultExt)
                : answer;
  dialog_.FileName_ = answer_;
  done(Accepted);
}

bool LqOpenDlgForm::ShowSelectedProperties() {
  const QModelIndex current = list_->CurrentIndex();
  if (!current.isValid()) return false;
  if (dialog_.showProperties_) dialog_.showProperties_(list_->PathOf(current));
  return true;
}

void LqOpenDlgForm::done(int result) {
  // Remembered whatever the answer.
  dialog_.FilterIndex = filterCombo_->currentIndex() + 1;
  const QSize client = ClientSize();
  dialog_.DialogWidth = client.width();
  dialog_.DialogHeight = client.height();
  dialog_.viewStyle_ = list_->ViewStyle();
  QDialog::done(result);
}

bool LqOpenDlgForm::ListKey(QKeyEvent* key) {
  // While a name is being edited the keys go to the editor, not to the view.
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (enter && key->modifiers() == Qt::AltModifier) return ShowSelectedProperties();
  if (key->key() == Qt::Key_Backspace) {
    GoUp();
    return true;
  }
  if (enter && key->modifiers() == Qt::NoModifier) {
    const QModelIndex current = list_->CurrentIndex();
    if (list_->IsDir(current))
      ItemActivated(current);
    else
      ConfirmClicked();
    return true;
  }
  if (key->key() == Qt::Key_F5) {
    list_->Reload();
    return true;
  }
  return false;
}

void LqOpenDlgForm::keyPressEvent(QKeyEvent* e) {
  // Key preview: Alt+Enter anywhere in the window shows the selected item's properties.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && e->modifiers() == Qt::AltModifier && ShowSelectedProperties()) return;
  QDialog::keyPressEvent(e);
}

}  // namespace lq
