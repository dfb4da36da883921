// The main window as it opens: initial values, layout and the skin in use.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <QTimer>

#include "app/app_test_support.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"

namespace longtail::test {
namespace {

using lq::LqSkinCheckRadioBox;
using lq::LqSkinEdit;
using lq::LqSkinXFormButton;

TEST(MainWindowStartUp, OpensWithTheDocumentedInitialValues) {
  DemoWindow w;
  MainWindow& f = *w.window;
  EXPECT_EQ(Child<lq::LqSkinStatusPanel>(f, "statusPanel").Caption(), QString());
  EXPECT_EQ(Child<lq::LqSkinStdLabel>(f, "resultCountLabel").Caption(), QStringLiteral("(0)"));
  EXPECT_EQ(Child<lq::LqSkinStdLabel>(f, "exportCountLabel").Caption(), QStringLiteral("(0)"));
  EXPECT_TRUE(Child<LqSkinCheckRadioBox>(f, "broadRelevanceBox").Checked());
  EXPECT_FALSE(Child<LqSkinCheckRadioBox>(f, "mustContainBox").Checked());
  EXPECT_FALSE(Child<LqSkinCheckRadioBox>(f, "autoSaveBox").Checked());
  auto& folder = Child<LqSkinEdit>(f, "autoSaveFolderEdit");
  const QString dir = folder.text();
  EXPECT_TRUE(dir.startsWith(QDir::toNativeSeparators(QStringLiteral("/opt/longtail"))))
      << dir.toStdString();
  EXPECT_TRUE(dir.endsWith(QDir::separator()));
  EXPECT_TRUE(folder.isReadOnly());
  EXPECT_EQ(Child<LqSkinEdit>(f, "autoSaveFileEdit").text(), QStringLiteral("words.txt"));
  EXPECT_EQ(Child<lq::LqSkinSpinEdit>(f, "autoSavePeriodEdit").Value(), 5);
  EXPECT_TRUE(Child<lq::LqSkinMemo2>(f, "seedsMemo").toPlainText().isEmpty());
  EXPECT_EQ(f.results().Count(), 0);
  EXPECT_EQ(f.exports().Count(), 0);
  EXPECT_FALSE(f.run().Running());
  EXPECT_FALSE(f.run().StopPending());
  auto& autoSave = Child<QTimer>(f, "autoSaveTimer");
  EXPECT_FALSE(autoSave.isActive());
  EXPECT_EQ(autoSave.interval(), 5000);
}

TEST(MainWindowStartUp, EmbeddedSkinIsLoadedAndTheClientAreaIs822By630) {
  DemoWindow w;
  MainWindow& f = *w.window;
  EXPECT_FALSE(f.skinData().Empty);
  EXPECT_TRUE(Child<lq::LqLacquerForm>(f, "frame").SkinReady());
  f.show();
  EXPECT_EQ(Child<QWidget>(f, "client").size(), QSize(822, 630));
  // Centred on the screen when first shown.
  const QRect screen = f.screen()->geometry();
  EXPECT_LE(qAbs(f.geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(qAbs(f.geometry().center().y() - screen.center().y()), 1);
  EXPECT_EQ(f.windowTitle(), MainWindow::windowCaption());
  EXPECT_TRUE(Child<LqSkinXFormButton>(f, "queryButton").IsBound());
  EXPECT_TRUE(Child<lq::LqSkinListBox>(f, "resultList").IsBound());
}

TEST(MainWindowStartUp, ControlsSitWhereTheLayoutPutsThem) {
  DemoWindow w;
  MainWindow& f = *w.window;
  f.show();
  auto geometry = [&](const char* name) { return Child<QWidget>(f, name).geometry(); };
  EXPECT_EQ(geometry("topPanel"), QRect(0, 0, 822, 169));
  EXPECT_EQ(geometry("seedsPanel").width(), 336);
  EXPECT_EQ(geometry("queryButton").topLeft(), QPoint(344, 10));
  EXPECT_EQ(geometry("stopButton").topLeft(), QPoint(424, 10));
  EXPECT_EQ(geometry("filterButton").topLeft(), QPoint(344, 106));
  EXPECT_EQ(geometry("statusPanel"), QRect(344, 132, 476, 21));
  EXPECT_EQ(Child<QWidget>(f, "autoSaveFileEdit").parentWidget(), &Child<QWidget>(f, "client"));
  EXPECT_EQ(geometry("autoSaveFileEdit").topLeft(), QPoint(670, 81));
  // Pane 72 high under the top panel, then the 48-high command bar, then the lists.
  EXPECT_EQ(geometry("commandBar"), QRect(0, 169 + 72, 822, 48));
  EXPECT_EQ(geometry("resultGroup"), QRect(0, 289, 409, 341));
  // The splitter between the group boxes, the export list taking the rest.
  EXPECT_GT(geometry("exportGroup").left(), 409);
  EXPECT_LE(geometry("exportGroup").left(), 419);
  EXPECT_EQ(geometry("exportGroup").right(), 821);
  // Bound buttons keep the skin's height.
  EXPECT_EQ(geometry("copyAllButton").topLeft(), QPoint(8, 13));
  EXPECT_EQ(geometry("copyAllButton").width(), 121);
  EXPECT_EQ(geometry("exportButton").topLeft(), QPoint(416, 12));
  // The memo and its scroll bar are docked right in the keyword panel.
  EXPECT_EQ(geometry("seedsMemo").width(), 224);
  EXPECT_EQ(geometry("seedsScrollBar").right(), 335);
  EXPECT_FALSE(Child<lq::LqSkinScrollBar>(f, "seedsScrollBar").isEnabled());
}

// Every control the window places is found by a name of its own.
TEST(MainWindowStartUp, EveryPlacedControlHasAUniqueObjectName) {
  DemoWindow w;
  MainWindow& f = *w.window;
  QStringList names;
  for (const char* container :
       {"client", "topPanel", "seedsPanel", "commandBar", "resultGroup", "exportGroup"}) {
    for (QWidget* control :
         Child<QWidget>(f, container).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_FALSE(control->objectName().isEmpty())
          << "unnamed " << control->metaObject()->className() << " in " << container;
      names << control->objectName();
    }
  }
  const qsizetype placed = names.size();
  EXPECT_GT(placed, 30);
  names.removeDuplicates();
  EXPECT_EQ(names.size(), placed);
}

TEST(MainWindowStartUp, RightClickOnTheCaptionOpensTheSystemMenuAtOnce) {
  DemoWindow w;
  MainWindow& f = *w.window;
  f.show();
  // Before any list's popup menu has been used.
  QTest::mouseClick(&f, Qt::RightButton, {}, QPoint(200, 12));
  lq::FrameMenus* menus = lq::FrameMenus::Find(&f);
  ASSERT_NE(menus, nullptr);
  EXPECT_TRUE(menus->SkinMenu().Visible());
  menus->CloseMenus();
}

TEST(MainWindowStartUp, TopPanelButtonsUseTheirOwnSongFont) {
  DemoWindow w;
  MainWindow& f = *w.window;
  for (const char* name : {"queryButton", "stopButton", "filterButton", "chooseFolderButton"}) {
    auto& b = Child<LqSkinXFormButton>(f, name);
    EXPECT_FALSE(b.UseSkinFont()) << name;
    EXPECT_EQ(b.DefaultFont().name, QStringLiteral("宋体"));
    EXPECT_EQ(b.DefaultFont().height, 12);
  }
  EXPECT_TRUE(Child<LqSkinXFormButton>(f, "copyAllButton").UseSkinFont());
}

}  // namespace
}  // namespace longtail::test
