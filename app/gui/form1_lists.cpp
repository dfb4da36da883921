// TForm1's lists: the result and export lists in their group boxes with the splitter
// between them, and the lists' popup menus. Kept apart from the input controls, whose
// headers cannot share a translation unit with the splitter's.
#include "app/gui/error_display.h"
#include "app/gui/form1.h"
#include "app/gui/skinned_controls.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/list_box.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/splitter.h"
#include "skin/frame/menu_item.h"
#include "skin/frame/popup_menu.h"

namespace longtail {

namespace {

// Runs a handler from an event; what escapes it goes to the default error display.
template <typename Sender>
std::function<void(Sender*)> Handler(TForm1* form, void (TForm1::*method)()) {
  return [form, method](Sender*) { RunGuarded([&] { (form->*method)(); }); };
}

}  // namespace

void TForm1::BuildLists() {
  lq::LqSkinData* data = &lqskindata1;
  auto makeList = [&](QWidget* parent) {
    auto* list = Skinned(new lq::LqSkinListBox(parent), data, "listbox");
    list->SetMultiSelect(true);
    list->SetExtandedSelect(true);
    lq::SetAlign(list, lq::alClient);
    return list;
  };
  lqSkinGroupBox1 = Skinned(new lq::LqSkinGroupBox(Client), data, "groupbox");
  lqSkinGroupBox1->SetCaptionMode(true);
  lqSkinGroupBox1->SetCaption(QStringLiteral("长尾词列表"));
  lqSkinGroupBox1->resize(409, 341);
  lq::SetAlign(lqSkinGroupBox1, lq::alLeft);
  lqSkinListBox1 = makeList(lqSkinGroupBox1);
  lqSkinListBox1->SetUseSkinItemHeight(false);
  lqSkinListBox1->SetDefaultItemHeight(20);
  lqSkinStdLabel1 = Label(lqSkinGroupBox1, data, QStringLiteral("(0)"));
  lqSkinStdLabel1->move(10, 1);

  lqSkinSplitter1 = Skinned(new lq::LqSkinSplitter(Client), data, "vsplitter");
  lqSkinSplitter1->resize(10, 341);
  lqSkinSplitter1->SetAlign(lq::alLeft);

  lqSkinGroupBox2 = Skinned(new lq::LqSkinGroupBox(Client), data, "groupbox");
  lqSkinGroupBox2->SetCaptionMode(true);
  lqSkinGroupBox2->SetCaption(QStringLiteral("导出列表"));
  lq::SetAlign(lqSkinGroupBox2, lq::alClient);
  lqSkinListBox2 = makeList(lqSkinGroupBox2);
  lqSkinStdLabel3 = Label(lqSkinGroupBox2, data, QStringLiteral("(0)"));
  lqSkinStdLabel3->move(10, 1);

  lqSkinListBox1->OnListBoxDblClick =
      Handler<lq::LqSkinListBox>(this, &TForm1::lqSkinListBox1ListBoxDblClick);
  lqSkinListBox2->OnListBoxDblClick =
      Handler<lq::LqSkinListBox>(this, &TForm1::lqSkinListBox2ListBoxDblClick);
}

void TForm1::BuildMenus() {
  auto item = [this](lq::LqSkinPopupMenu* menu, const char* name, const QString& caption,
                     void (TForm1::*method)()) {
    lq::MenuItem* added =
        menu->Items.Add(caption, [this, method] { RunGuarded([&] { (this->*method)(); }); });
    added->Name = QString::fromLatin1(name);
    return added;
  };
  lqSkinPopupMenu1 = new lq::LqSkinPopupMenu(this);
  lqSkinPopupMenu1->SkinData = &lqskindata1;
  N1 = item(lqSkinPopupMenu1, "N1", QStringLiteral("所选关键词导出到导出列表"), &TForm1::N1Click);
  N5 = item(lqSkinPopupMenu1, "N5", QStringLiteral("导出所有关键词到导出列表"), &TForm1::N5Click);
  N2 = item(lqSkinPopupMenu1, "N2", QStringLiteral("删除选中关键词"), &TForm1::N2Click);
  N4 = item(lqSkinPopupMenu1, "N4", QStringLiteral("清空所有关键词"), &TForm1::N4Click);
  N8 = item(lqSkinPopupMenu1, "N8", QStringLiteral("到百度搜索"), &TForm1::N8Click);
  N9 = item(lqSkinPopupMenu1, "N9", QStringLiteral("到谷歌搜索"), &TForm1::N9Click);

  lqSkinPopupMenu2 = new lq::LqSkinPopupMenu(this);
  lqSkinPopupMenu2->SkinData = &lqskindata1;
  MenuItem2 = item(lqSkinPopupMenu2, "MenuItem2", QStringLiteral("删除选中关键词"),
                   &TForm1::MenuItem2Click);
  N3 = item(lqSkinPopupMenu2, "N3", QStringLiteral("清空列表"), &TForm1::N3Click);
  // O1's handler is set with the save dialog (form1_export.cpp).
  O1 = lqSkinPopupMenu2->Items.Add(QStringLiteral("导出为TXT文件(&O)"));
  O1->Name = QStringLiteral("O1");
  N6 = item(lqSkinPopupMenu2, "N6", QStringLiteral("到百度搜索"), &TForm1::N6Click);
  N7 = item(lqSkinPopupMenu2, "N7", QStringLiteral("到谷歌搜索"), &TForm1::N7Click);

  lqSkinListBox1->OnPopupMenu = [this](lq::LqSkinListBox*, const QPoint& at) {
    lqSkinPopupMenu1->Popup(at.x(), at.y());
  };
  lqSkinListBox2->OnPopupMenu = [this](lq::LqSkinListBox*, const QPoint& at) {
    lqSkinPopupMenu2->Popup(at.x(), at.y());
  };
}

}  // namespace longtail
