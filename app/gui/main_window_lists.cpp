// The main window's lists: the result and export lists in their group boxes with the
// splitter between them, and the lists' popup menus. Kept apart from the input controls,
// whose headers cannot share a translation unit with the splitter's.
#include "app/gui/main_window.h"
#include "app/gui/skinned_controls.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/list_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/splitter.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/popup_menu.h"

namespace longtail {

void MainWindow::buildLists() {
  lq::LqSkinData* data = &skinData_;
  auto makeList = [&](QWidget* parent, const char* name, PhraseList*& items) {
    auto phrases = std::make_unique<PhraseList>();
    items = phrases.get();
    auto* list = Skinned(new lq::LqSkinListBox(std::move(phrases), parent), data, "listbox", name);
    list->SetMultiSelect(true);
    list->SetExtandedSelect(true);
    lq::SetAlign(list, lq::DockAlign::Client);
    return list;
  };
  resultGroup_ = Skinned(new lq::LqSkinGroupBox(client_), data, "groupbox", "resultGroup");
  resultGroup_->SetCaptionMode(true);
  resultGroup_->SetCaption(tr("长尾词列表"));
  resultGroup_->SetSize(409, 341);
  lq::SetAlign(resultGroup_, lq::DockAlign::Left);
  resultList_ = makeList(resultGroup_, "resultList", results_);
  resultList_->SetUseSkinItemHeight(false);
  resultList_->SetDefaultItemHeight(20);
  resultCountLabel_ = Label(resultGroup_, data, "resultCountLabel", QStringLiteral("(0)"));
  resultCountLabel_->move(10, 1);

  listSplitter_ = Skinned(new lq::LqSkinSplitter(client_), data, "vsplitter", "listSplitter");
  listSplitter_->resize(10, 341);
  listSplitter_->SetAlign(lq::DockAlign::Left);

  exportGroup_ = Skinned(new lq::LqSkinGroupBox(client_), data, "groupbox", "exportGroup");
  exportGroup_->SetCaptionMode(true);
  exportGroup_->SetCaption(tr("导出列表"));
  lq::SetAlign(exportGroup_, lq::DockAlign::Client);
  exportList_ = makeList(exportGroup_, "exportList", exports_);
  exportCountLabel_ = Label(exportGroup_, data, "exportCountLabel", QStringLiteral("(0)"));
  exportCountLabel_->move(10, 1);

  connect(resultList_, &lq::LqSkinListBox::itemDoubleClicked, this,
          Guarded(this, &MainWindow::copyCurrentToExport));
  connect(exportList_, &lq::LqSkinListBox::itemDoubleClicked, this,
          Guarded(this, &MainWindow::deleteCurrentExport));
}

void MainWindow::buildMenus() {
  auto item = [this](lq::LqSkinPopupMenu* menu, const char* name, const QString& caption,
                     void (MainWindow::*command)()) {
    lq::MenuItem* added = menu->Items.Add(caption, Guarded(this, command));
    added->Name = QString::fromLatin1(name);
    return added;
  };
  resultMenu_ = new lq::LqSkinPopupMenu(this);
  resultMenu_->setObjectName(QStringLiteral("resultMenu"));
  resultMenu_->SkinData = &skinData_;
  item(resultMenu_, "copySelectedItem", tr("所选关键词导出到导出列表"),
       &MainWindow::copySelectedToExport);
  copyAllItem_ = item(resultMenu_, "copyAllItem", tr("导出所有关键词到导出列表"),
                      &MainWindow::copyAllToExport);
  item(resultMenu_, "deleteSelectedItem", tr("删除选中关键词"), &MainWindow::deleteSelectedResults);
  item(resultMenu_, "clearItem", tr("清空所有关键词"), &MainWindow::clearResults);
  item(resultMenu_, "baiduSearchItem", tr("到百度搜索"), &MainWindow::searchResultOnBaidu);
  item(resultMenu_, "googleSearchItem", tr("到谷歌搜索"), &MainWindow::searchResultOnGoogle);

  exportMenu_ = new lq::LqSkinPopupMenu(this);
  exportMenu_->setObjectName(QStringLiteral("exportMenu"));
  exportMenu_->SkinData = &skinData_;
  item(exportMenu_, "deleteSelectedItem", tr("删除选中关键词"), &MainWindow::deleteSelectedExports);
  item(exportMenu_, "clearItem", tr("清空列表"), &MainWindow::clearExports);
  item(exportMenu_, "exportToFileItem", tr("导出为TXT文件(&O)"), &MainWindow::exportToTextFile);
  item(exportMenu_, "baiduSearchItem", tr("到百度搜索"), &MainWindow::searchExportOnBaidu);
  item(exportMenu_, "googleSearchItem", tr("到谷歌搜索"), &MainWindow::searchExportOnGoogle);

  connect(resultList_, &lq::LqSkinListBox::contextMenuRequested, this,
          [this](const QPoint& at) { resultMenu_->Popup(at.x(), at.y()); });
  connect(exportList_, &lq::LqSkinListBox::contextMenuRequested, this,
          [this](const QPoint& at) { exportMenu_->Popup(at.x(), at.y()); });
}

}  // namespace longtail
