// The dialogs in the program's skin: the frame, the tool bar's buttons, the combo boxes,
// the file name edit, the list's skinned scroll bars and column headers, and the folder
// tree's bars.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <fstream>

#include "dialog_test_support.h"
#include "skin/controls/edit.h"
#include "skin/controls/header_view.h"
#include "skin/controls/scroll_bar.h"
#include "skin/data/resource_str_data.h"
#include "skin/dialogs/dialog_combo_boxes.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/dir_tree_view.h"
#include "skin/dialogs/file_list_view.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"
#include "skin/dialogs/speed_button.h"
#include "skin/dialogs/tool_bar.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"
#include "support/temp_dir.h"

namespace lq {
namespace {

QString Q(const std::filesystem::path& p) {
  return QString::fromStdString(p.string());
}

QImage Render(QWidget& w) {
  QImage image(w.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  w.render(&image);
  return image;
}

struct SkinnedSaveDialog {
  std::unique_ptr<LqSkinData> skin = lqtest::MakeProgramSkin();
  LqSkinSaveDialog dialog;
  SkinnedSaveDialog() {
    dialog.Title = QStringLiteral("导出为TXT文件");
    dialog.Filter = QStringLiteral("文本文件|*.txt");
    dialog.LVHeaderSkinDataName = "button";
    dialog.SkinData = dialog.CtrlSkinData = skin.get();
  }
};

TEST(SkinnedFileWindow, WearsTheSkinFrameAndSkinnedControls) {
  longtail::testing::TempDir dir;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.show();

  LqLacquerForm& frame = form.Frame().Frame();
  ASSERT_TRUE(frame.SkinReady());
  EXPECT_FALSE(frame.BorderIcons() & (biMinimize | biMaximize));
  // The controls live in the frame's client area, which is 450 x 290 by default.
  EXPECT_EQ(form.ClientSize(), QSize(450, 290));
  EXPECT_EQ(form.Frame().Client().geometry(), frame.ClientRect());
  EXPECT_GT(frame.ClientRect().top(), 0) << "the caption sits above the client area";

  EXPECT_TRUE(form.ToolBar()->IsBound());
  EXPECT_EQ(form.ToolBar()->height(), 25);
  EXPECT_TRUE(form.FolderCombo()->IsBound());
  EXPECT_TRUE(form.FilterCombo()->IsBound());
  EXPECT_TRUE(form.FileNameEdit()->IsBound());
  EXPECT_EQ(form.FileNameEdit()->SkinDataName(), "edit");
  for (LqSkinButton* b :
       {static_cast<LqSkinButton*>(form.BackButton()), static_cast<LqSkinButton*>(form.UpButton()),
        static_cast<LqSkinButton*>(form.NewFolderButton())}) {
    EXPECT_EQ(b->SkinDataName(), "toolbutton");
    EXPECT_TRUE(b->IsBound());
    EXPECT_EQ(b->size(), QSize(27, 25));
    EXPECT_FALSE(b->toolTip().isEmpty());
  }
  EXPECT_EQ(form.ViewButton()->SkinDataName(), "toolmenubutton");
  EXPECT_EQ(form.ViewButton()->width(), 37);
  EXPECT_EQ(form.ViewButton()->geometry().right(), form.ClientSize().width() - 1);
  EXPECT_EQ(form.BackButton()->toolTip(), QStringLiteral("转到最后访问的文件夹"));

  LqSkinFileListView* list = form.FileList();
  EXPECT_EQ(list->VScrollBar()->SkinDataName(), "vscrollbar");
  EXPECT_EQ(list->HScrollBar()->SkinDataName(), "hscrollbar");
  // The program's bar elements are 17 thick; the bars keep that and the view takes the rest.
  EXPECT_EQ(list->VScrollBar()->width(), 17);
  EXPECT_EQ(list->HScrollBar()->height(), 17);
  EXPECT_EQ(list->VScrollBar()->geometry().left(), list->CurrentView()->geometry().right() + 1);
  EXPECT_EQ(list->HScrollBar()->geometry().top(), list->CurrentView()->geometry().bottom() + 1);
  EXPECT_FALSE(list->VScrollBar()->isEnabled()) << "an empty folder needs no scrolling";
  EXPECT_EQ(list->Header()->SkinDataName(), "button");
}

TEST(SkinnedFileWindow, IdleFlatToolButtonsShowTheToolBarAndHoverShowsTheSkin) {
  longtail::testing::TempDir dir;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.show();
  LqSkinSpeedButton* up = form.UpButton();
  ASSERT_TRUE(up->Flat());
  ASSERT_TRUE(up->ShowsFlat());
  const QImage toolBar = Render(*form.ToolBar());
  const QPoint corner = up->geometry().topLeft() + QPoint(1, 1);
  const QColor idle = Render(form.Frame().Client()).pixelColor(corner);
  EXPECT_EQ(idle, toolBar.pixelColor(corner)) << "an idle flat button shows the tool bar";

  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QCoreApplication::sendEvent(up, &enter);
  ASSERT_FALSE(up->ShowsFlat());
  const QImage hot = Render(*up);
  const QImage toolBarUnder = toolBar.copy(up->geometry());
  EXPECT_NE(hot, toolBarUnder) << "a hot button draws its face";

  // Hot, a flat button looks exactly like a solid one.
  d.dialog.ToolButtonsTransparent = true;
  LqOpenDlgForm solid(d.dialog);
  solid.show();
  LqSkinSpeedButton* solidUp = solid.UpButton();
  EXPECT_FALSE(solidUp->Flat());
  QCoreApplication::sendEvent(solidUp, &enter);
  EXPECT_EQ(Render(*solidUp), hot);
}

TEST(SkinnedFileWindow, ListScrollBarsFollowTheViewInEveryStyle) {
  longtail::testing::TempDir dir;
  for (int i = 0; i < 120; ++i)
    std::ofstream((dir.path() / ("file" + std::to_string(1000 + i) + ".txt")).string()) << i;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.show();
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 120; }));
  LqSkinFileListView* list = form.FileList();

  // The list style wraps into columns: it scrolls sideways.
  ASSERT_TRUE(lqtest::WaitUntil([&] { return list->HScrollBar()->isEnabled(); }));
  EXPECT_FALSE(list->VScrollBar()->isEnabled());

  form.SetViewStyle(FileViewStyle::Report);
  ASSERT_TRUE(lqtest::WaitUntil([&] { return list->VScrollBar()->isEnabled(); }));
  QScrollBar* own = list->DetailView()->verticalScrollBar();
  EXPECT_EQ(own->maximum() + own->pageStep() - 1, list->VScrollBar()->Max());
  list->VScrollBar()->SetPosition(10);
  EXPECT_EQ(own->value(), 10) << "the skinned bar scrolls the view";
  own->setValue(25);
  EXPECT_EQ(list->VScrollBar()->Position(), 25) << "scrolling the view moves the bar";
  EXPECT_TRUE(list->Header()->IsBound());
  EXPECT_TRUE(list->Header()->isVisible());

  // The selected file stays selected when the view style changes.
  ASSERT_TRUE(form.SelectItem(QStringLiteral("file1050.txt")));
  form.SetViewStyle(FileViewStyle::Icon);
  EXPECT_EQ(list->CurrentIndex().data().toString(), QStringLiteral("file1050.txt"));
  form.SetViewStyle(FileViewStyle::Report);
  EXPECT_EQ(list->CurrentIndex().data().toString(), QStringLiteral("file1050.txt"));
}

TEST(SkinnedFileWindow, ViewButtonDropsTheSkinnedMenuBelowItself) {
  longtail::testing::TempDir dir;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqOpenDlgForm form(d.dialog);
  form.show();
  FrameMenus* menus = FrameMenus::Find(&form);
  ASSERT_NE(menus, nullptr);
  // An activation of the window closes its menus, so wait for the first one to arrive.
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.isActiveWindow(); }));
  form.ViewButton()->DropDown();
  lqtest::WaitUntil([] { return false; }, 100);  // the menu stays open across event turns
  ASSERT_TRUE(menus->SkinMenuOpen());
  EXPECT_TRUE(form.ViewButton()->MenuOpen());
  EXPECT_TRUE(form.ViewButton()->Down()) << "pressed while its menu is open";
  LqSkinPopupWindow* window = menus->SkinMenu().TopWindow();
  ASSERT_NE(window, nullptr);
  const QPoint below = form.ViewButton()->mapToGlobal(QPoint(0, form.ViewButton()->height()));
  EXPECT_EQ(window->ScreenRect().top(), below.y());
  // Down three times from the first item and Enter picks the details view.
  for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &press);
  }
  EXPECT_FALSE(menus->SkinMenuOpen());
  EXPECT_EQ(form.ViewStyle(), FileViewStyle::Report);
  EXPECT_TRUE(form.ViewMenu()->Items.Item(3)->Checked);
  EXPECT_FALSE(form.ViewButton()->MenuOpen());
  EXPECT_FALSE(form.ViewButton()->Down());

  // Dropping it again works the same, and Esc releases the button.
  form.ViewButton()->DropDown();
  ASSERT_TRUE(menus->SkinMenuOpen());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &esc);
  EXPECT_FALSE(menus->SkinMenuOpen());
  EXPECT_FALSE(form.ViewButton()->Down());
  EXPECT_EQ(form.ViewStyle(), FileViewStyle::Report);
}

TEST(SkinnedFileWindow, TypingANameAndEnterConfirmsEscCancels) {
  longtail::testing::TempDir dir;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  EXPECT_TRUE(lqtest::ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    form.FileNameEdit()->clear();
    QTest::keyClicks(form.FileNameEdit(), QStringLiteral("abc"));
    QTest::keyClick(form.FileNameEdit(), Qt::Key_Return);
  }));
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "abc.txt"));
  EXPECT_FALSE(lqtest::ExecuteWith(d.dialog, [](LqOpenDlgForm& form) {
    QTest::keyClicks(form.FileNameEdit(), QStringLiteral("other"));
    QTest::keyClick(form.FileNameEdit(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible()) << "Esc closes the window";
  }));
  EXPECT_EQ(d.dialog.FileName(), Q(dir.path() / "abc.txt"));
}

TEST(SkinnedFileWindow, AltEnterShowsTheSelectedItemsProperties) {
  longtail::testing::TempDir dir;
  std::ofstream((dir.path() / "a.txt").string()) << "abc";
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  QStringList shown;
  d.dialog.SetPropertiesPresenter([&](const QString& path) { shown << path; });
  LqOpenDlgForm form(d.dialog);
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 1; }));
  QKeyEvent altEnter(QEvent::KeyPress, Qt::Key_Return, Qt::AltModifier);
  QCoreApplication::sendEvent(form.CurrentView(), &altEnter);
  EXPECT_TRUE(shown.isEmpty()) << "nothing is selected yet";
  ASSERT_TRUE(form.SelectItem(QStringLiteral("a.txt")));
  QCoreApplication::sendEvent(form.CurrentView(), &altEnter);
  EXPECT_EQ(shown, QStringList{Q(dir.path() / "a.txt")});
  EXPECT_NE(form.result(), QDialog::Accepted) << "Alt+Enter does not confirm";
}

TEST(SkinnedFileWindow, TextsComeFromTheSkinsStringTableWhenItHasThem) {
  longtail::testing::TempDir dir;
  SkinnedSaveDialog d;
  d.dialog.InitialDir = Q(dir.path());
  LqResourceStrData strings;
  strings.ResStrings = {"MSG_BTN_SAVE=Save", "MSG_NEWFOLDER=New folder", "MSG_LV_LIST=List"};
  d.skin->SetResourceStrData(&strings);
  {
    LqOpenDlgForm form(d.dialog);
    EXPECT_EQ(form.ConfirmButton()->Caption(), QStringLiteral("Save"));
    EXPECT_EQ(form.CancelButton()->Caption(), QStringLiteral("取消")) << "no entry: built in";
    EXPECT_EQ(form.ViewMenu()->Items.Item(2)->Caption, QStringLiteral("List"));
    EXPECT_EQ(form.MakeNewFolder(), Q(dir.path() / "New folder"));
    EXPECT_EQ(form.MakeNewFolder(), Q(dir.path() / "New folder(2)"));
  }
  d.skin->SetResourceStrData(nullptr);
  LqOpenDlgForm plain(d.dialog);
  EXPECT_EQ(plain.ConfirmButton()->Caption(), QStringLiteral("保存(&S)"));
}

TEST(SkinnedDirectoryWindow, WithoutASkinTheBarsAre19Thick) {
  LqSkinSelectDirectoryDialog d;
  LqSelDirDlgForm form(d);
  form.show();
  EXPECT_FALSE(form.Frame().Frame().SkinReady());
  EXPECT_EQ(form.ClientSize(), QSize(280, 280));
  EXPECT_EQ(form.TreeView()->VScrollBar()->width(), 19);
  EXPECT_EQ(form.TreeView()->HScrollBar()->height(), 19);
}

TEST(SkinnedDirectoryWindow, TreeHasSkinnedBarsInsideTheSkinFrame) {
  auto skin = lqtest::MakeProgramSkin();
  LqSkinSelectDirectoryDialog d;
  d.SkinData = d.CtrlSkinData = skin.get();
  LqSelDirDlgForm form(d);
  form.show();
  EXPECT_TRUE(form.Frame().Frame().SkinReady());
  EXPECT_EQ(form.ClientSize(), QSize(280, 280));
  LqSkinDirTreeView* tree = form.TreeView();
  EXPECT_EQ(tree->VScrollBar()->SkinDataName(), "vscrollbar");
  EXPECT_EQ(tree->HScrollBar()->SkinDataName(), "hscrollbar");
  EXPECT_TRUE(tree->VScrollBar()->IsBound());
  EXPECT_EQ(tree->VScrollBar()->width(), 17);
  EXPECT_EQ(tree->Tree()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(tree->VScrollBar()->geometry().right(), tree->width() - 1);
}

}  // namespace
}  // namespace lq
