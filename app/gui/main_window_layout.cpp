// The main window's top panel and command bar: places, sizes, captions, initial values and
// the commands their events run.
#include "app/gui/main_window.h"
#include "app/gui/skinned_controls.h"
#include "app/gui/source_picker.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"
#include "skin/frame/menu_item.h"
#include "skin/qt/qt_timer.h"

namespace longtail {

namespace {

lq::LqSkinXFormButton* Button(QWidget* parent, lq::LqSkinData* data, const char* objectName,
                              const QString& caption, const QRect& bounds) {
  auto* button = Skinned(new lq::LqSkinXFormButton(parent), data, "button", objectName);
  button->SetCaption(caption);
  button->SetBounds(bounds);
  return button;
}

lq::LqSkinCheckRadioBox* CheckBox(QWidget* parent, lq::LqSkinData* data, const char* objectName,
                                  const QString& caption, const QRect& bounds, bool checked) {
  auto* box = Skinned(new lq::LqSkinCheckRadioBox(parent), data, "checkbox", objectName);
  box->SetCaption(caption);
  box->SetChecked(checked);
  box->SetBounds(bounds);
  return box;
}

// The four buttons of the top panel draw their captions in their own font.
void UseOwnFont(lq::LqSkinXFormButton* button) {
  lq::LqFont font;
  font.name = QStringLiteral("宋体");
  font.height = 12;
  font.color = lq::RGB(0, 0, 0);
  button->SetDefaultFont(font);
  button->SetUseSkinFont(false);
  button->SetUseSkinFontColor(false);
}

}  // namespace

void MainWindow::buildTopPanel() {
  lq::LqSkinData* data = &skinData_;
  topPanel_ = Skinned(new lq::LqSkinPanel(client_), data, "panel", "topPanel");
  topPanel_->SetBorderStyle(lq::BevelStyle::Frame);
  topPanel_->SetSize(822, 169);
  lq::SetAlign(topPanel_, lq::DockAlign::Top);

  seedsPanel_ = Skinned(new lq::LqSkinPanel(topPanel_), data, "panel", "seedsPanel");
  seedsPanel_->SetBorderStyle(lq::BevelStyle::None);
  seedsPanel_->SetSize(336, 169);
  lq::SetAlign(seedsPanel_, lq::DockAlign::Left);
  seedsLabel_ = Label(seedsPanel_, data, "seedsLabel", tr("输入关键词"));
  seedsLabel_->move(19, 15);
  // The live filters fill the free column under the caption, left of the memo.
  excludeLabel_ = Label(seedsPanel_, data, "excludeLabel", tr("排除词"));
  excludeLabel_->move(19, 48);
  excludeEdit_ = Skinned(new lq::LqSkinEdit(seedsPanel_), data, "edit", "excludeEdit");
  excludeEdit_->setGeometry(8, 64, 82, 21);
  maxDepthLabel_ = Label(seedsPanel_, data, "maxDepthLabel", tr("最大深度"));
  maxDepthLabel_->move(19, 98);
  maxDepthEdit_ = Skinned(new lq::LqSkinSpinEdit(seedsPanel_), data, "spinedit", "maxDepthEdit");
  maxDepthEdit_->SetValueType(lq::SpinValueType::Integer);
  maxDepthEdit_->SetMinValue(0);
  maxDepthEdit_->SetMaxValue(PhraseOrigin::kDeepest);
  maxDepthEdit_->SetIncrement(1);
  maxDepthEdit_->SetValue(0);
  maxDepthEdit_->SetBounds(QRect(8, 114, 64, 21));
  seedsNoteLabel_ = Label(seedsPanel_, data, "seedsNoteLabel", tr("注意：每行一词。"));
  seedsNoteLabel_->SetAutoSize(false);
  seedsNoteLabel_->SetAlignment(Qt::AlignHCenter);
  seedsNoteLabel_->resize(336, 14);
  lq::SetAlign(seedsNoteLabel_, lq::DockAlign::Bottom);
  // Right-docked controls are placed from the right edge in creation order: the scroll
  // bar on the outside, the memo next to it.
  seedsScrollBar_ =
      Skinned(new lq::LqSkinScrollBar(seedsPanel_), data, "vscrollbar", "seedsScrollBar");
  seedsScrollBar_->SetKind(lq::ScrollBarKind::Vertical);
  seedsScrollBar_->SetSize(19, 154);
  seedsScrollBar_->setEnabled(false);
  lq::SetAlign(seedsScrollBar_, lq::DockAlign::Right);
  seedsMemo_ = Skinned(new lq::LqSkinMemo2(seedsPanel_), data, "memo", "seedsMemo");
  lq::LqFont memoFont;
  memoFont.name = QStringLiteral("Arial");
  memoFont.height = 14;
  seedsMemo_->SetDefaultFont(memoFont);
  // Long seeds wrap: the memo has no horizontal bar to scroll them with.
  seedsMemo_->SetScrollBars(lq::ScrollBars::Vertical);
  seedsMemo_->SetVScrollBar(seedsScrollBar_);
  seedsMemo_->resize(224, 154);
  lq::SetAlign(seedsMemo_, lq::DockAlign::Right);

  queryButton_ = Button(topPanel_, data, "queryButton", tr("查询"), {344, 10, 73, 22});
  stopButton_ = Button(topPanel_, data, "stopButton", tr("停止"), {424, 10, 73, 22});
  broadRelevanceNoteLabel_ = Label(topPanel_, data, "broadRelevanceNoteLabel",
                                   tr("注意：广泛相关最后可能根本不相关，不过可以过滤了。"));
  broadRelevanceNoteLabel_->move(512, 14);
  broadRelevanceBox_ = CheckBox(
      topPanel_, data, "broadRelevanceBox",
      tr("广泛相关（如：关键词\"QQ空间\"，找到空间、51，则继续穷举和\"空间\"、\"51\"相关的词。）"),
      {341, 35, 479, 25}, true);  // ends inside the top panel's frame
  mustContainBox_ = CheckBox(topPanel_, data, "mustContainBox", tr("长尾词必须包含关键词"),
                             {341, 57, 484, 25}, false);
  autoSaveBox_ =
      CheckBox(topPanel_, data, "autoSaveBox", tr("自动保存文本到"), {342, 79, 107, 25}, false);
  autoSaveFolderEdit_ = Skinned(new lq::LqSkinEdit(topPanel_), data, "edit", "autoSaveFolderEdit");
  autoSaveFolderEdit_->setReadOnly(true);
  autoSaveFolderEdit_->setGeometry(450, 81, 215, 21);
  chooseFolderButton_ =
      Button(topPanel_, data, "chooseFolderButton", QStringLiteral("..."), {755, 80, 30, 22});
  autoSavePeriodEdit_ =
      Skinned(new lq::LqSkinSpinEdit(topPanel_), data, "spinedit", "autoSavePeriodEdit");
  autoSavePeriodEdit_->SetValueType(lq::SpinValueType::Integer);
  autoSavePeriodEdit_->SetIncrement(1);
  autoSavePeriodEdit_->SetValue(5);
  autoSavePeriodEdit_->SetBounds(QRect(670, 103, 57, 21));
  autoSavePeriodLabel_ = Label(topPanel_, data, "autoSavePeriodLabel", tr("秒保存一次"));
  autoSavePeriodLabel_->move(736, 108);
  // The pacing delay sits right of the short must-contain caption; it is read whenever a
  // request is about to go out.
  pacingLabel_ = Label(topPanel_, data, "pacingLabel", tr("每次查询间隔"));
  pacingLabel_->move(530, 62);
  pacingDelayEdit_ =
      Skinned(new lq::LqSkinSpinEdit(topPanel_), data, "spinedit", "pacingDelayEdit");
  pacingDelayEdit_->SetValueType(lq::SpinValueType::Integer);
  pacingDelayEdit_->SetMinValue(0);
  pacingDelayEdit_->SetMaxValue(60000);
  pacingDelayEdit_->SetIncrement(100);
  pacingDelayEdit_->SetValue(
      static_cast<double>(DefaultPacingDelay(settings_.suggestHost).count()));
  pacingDelayEdit_->SetBounds(QRect(610, 58, 64, 21));
  pacingUnitLabel_ = Label(topPanel_, data, "pacingUnitLabel", tr("毫秒"));
  pacingUnitLabel_->move(680, 62);
  filterButton_ = Button(topPanel_, data, "filterButton",
                         tr("过滤【不包含】左边列表关键词的长尾词"), {344, 106, 305, 22});
  statusPanel_ = Skinned(new lq::LqSkinStatusPanel(topPanel_), data, "statuspanel", "statusPanel");
  statusPanel_->SetBounds(QRect(344, 132, 476, 21));
  // The sources and the seed expansion sit in the free ends of two rows.
  sourcePicker_ = new SourcePicker(topPanel_, data, {787, 80, 32, 22});
  expandBox_ = CheckBox(topPanel_, data, "expandBox", tr("扩展a-z"), {712, 57, 100, 25}, false);
  for (auto* button :
       {queryButton_, stopButton_, chooseFolderButton_, filterButton_, sourcePicker_->Button()})
    UseOwnFont(button);

  // The file-name edit belongs to the window itself and lies over the top panel.
  autoSaveFileEdit_ = Skinned(new lq::LqSkinEdit(client_), data, "edit", "autoSaveFileEdit");
  autoSaveFileEdit_->setText(QStringLiteral("words.txt"));
  autoSaveFileEdit_->setGeometry(670, 81, 78, 21);

  connect(queryButton_, &lq::LqSkinButton::clicked, this, Guarded(this, &MainWindow::startQuery));
  connect(stopButton_, &lq::LqSkinButton::clicked, this, Guarded(this, &MainWindow::stopQuery));
  connect(filterButton_, &lq::LqSkinButton::clicked, this,
          Guarded(this, &MainWindow::filterResultsByMemo));
}

void MainWindow::buildCommandBar() {
  lq::LqSkinData* data = &skinData_;
  commandBar_ = Skinned(new lq::LqSkinPanel(client_), data, "panel", "commandBar");
  commandBar_->SetBorderStyle(lq::BevelStyle::Frame);
  commandBar_->SetSize(822, 48);
  lq::SetAlign(commandBar_, lq::DockAlign::Top);
  copyAllButton_ =
      Button(commandBar_, data, "copyAllButton", tr("全部选入导出列表"), {8, 13, 121, 25});
  clearExportsButton_ =
      Button(commandBar_, data, "clearExportsButton", tr("清空导出列表"), {144, 13, 121, 25});
  clearAllButton_ =
      Button(commandBar_, data, "clearAllButton", tr("清空全部数据"), {280, 13, 121, 25});
  exportButton_ =
      Button(commandBar_, data, "exportButton", tr("导出为TXT文本文件"), {416, 12, 121, 25});
  listsHintLabel_ =
      Label(commandBar_, data, "listsHintLabel", tr("提示：下面的列表可以【双击、右键】操作。"));
  listsHintLabel_->move(552, 18);
  // The copy button performs the result menu's "copy all" item, as a click on it would.
  connect(copyAllButton_, &lq::LqSkinButton::clicked, this, [this] { copyAllItem_->Click(); });
  connect(clearExportsButton_, &lq::LqSkinButton::clicked, this,
          Guarded(this, &MainWindow::clearExports));
  connect(clearAllButton_, &lq::LqSkinButton::clicked, this,
          Guarded(this, &MainWindow::clearAllLists));
  connect(exportButton_, &lq::LqSkinButton::clicked, this,
          Guarded(this, &MainWindow::exportToTextFile));
}

void MainWindow::buildTimers() {
  auto timer = std::make_unique<lq::QtTimer>(Guarded(this, &MainWindow::autoSaveResults), this);
  timer->qTimer().setObjectName(QStringLiteral("autoSaveTimer"));
  timer->qTimer().setInterval(5000);
  autoSaveTimer_ = std::move(timer);
}

}  // namespace longtail
