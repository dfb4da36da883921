// Remembered settings: what one window leaves behind, the next one opens with; a folder
// that is gone switches auto-save off with one report; a window goes back to its screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "app/gui/error_display.h"
#include "app/gui/window_placement.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/spin_edit.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/popup_menu.h"

namespace longtail::test {
namespace {

// A settings file in a fresh folder, never the user's own.
struct TempSettings {
  QTemporaryDir dir;
  QString file() const { return dir.filePath(QStringLiteral("longtail.conf")); }
};

TEST(MainWindowSettings, WhatOneWindowLeavesTheNextOpensWith) {
  TempSettings s;
  QTemporaryDir autoSaveDir, exportDir;
  const QString folder = autoSaveDir.path() + QDir::separator();
  {
    DemoWindow w({}, s.file());
    MainWindow& f = *w.window;
    f.show();
    f.move(f.screen()->availableGeometry().topLeft() + QPoint(0, 4));
    Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(QStringLiteral("手机\nqq"));
    Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox").SetChecked(false);
    Child<lq::LqSkinCheckRadioBox>(f, "mustContainBox").SetChecked(true);
    Child<lq::LqSkinSpinEdit>(f, "pacingDelayEdit").SetValue(2500);
    Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").setText(folder);
    Child<lq::LqSkinEdit>(f, "autoSaveFileEdit").setText(QStringLiteral("harvest.txt"));
    Child<lq::LqSkinSpinEdit>(f, "autoSavePeriodEdit").SetValue(7);
    Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox").SetChecked(true);
    Child<lq::LqSkinEdit>(f, "excludeEdit").setText(QStringLiteral("下载 free"));
    Child<lq::LqSkinSpinEdit>(f, "maxDepthEdit").SetValue(3);
    Child<lq::LqSkinCheckRadioBox>(f, "expandBox").SetChecked(true);
    auto& sources = Child<lq::LqSkinPopupMenu>(f, "sourcesMenu").Items;
    for (int i = 0; i < sources.Count(); ++i)
      sources.Item(i)->Checked = sources.Item(i)->Name == QStringLiteral("google");
    auto& saveDialog = Child<lq::LqSkinSaveDialog>(f, "saveDialog");
    saveDialog.InitialDir = exportDir.path();
    saveDialog.FilterIndex = 4;
  }
  DemoWindow w({}, s.file());
  MainWindow& f = *w.window;
  f.show();
  EXPECT_EQ(f.pos(), f.screen()->availableGeometry().topLeft() + QPoint(0, 4));
  EXPECT_EQ(Child<lq::LqSkinMemo2>(f, "seedsMemo").Text(), QStringLiteral("手机\nqq"));
  EXPECT_FALSE(Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox").Checked());
  EXPECT_TRUE(Child<lq::LqSkinCheckRadioBox>(f, "mustContainBox").Checked());
  EXPECT_EQ(Child<lq::LqSkinSpinEdit>(f, "pacingDelayEdit").Value(), 2500);
  EXPECT_EQ(Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").text(), folder);
  EXPECT_EQ(Child<lq::LqSkinEdit>(f, "autoSaveFileEdit").text(), QStringLiteral("harvest.txt"));
  EXPECT_TRUE(Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox").Checked());
  EXPECT_EQ(Child<QTimer>(f, "autoSaveTimer").interval(), 7000);
  EXPECT_EQ(Child<lq::LqSkinEdit>(f, "excludeEdit").text(), QStringLiteral("下载 free"));
  EXPECT_EQ(Child<lq::LqSkinSpinEdit>(f, "maxDepthEdit").Value(), 3);
  EXPECT_TRUE(Child<lq::LqSkinCheckRadioBox>(f, "expandBox").Checked());
  auto& sources = Child<lq::LqSkinPopupMenu>(f, "sourcesMenu").Items;
  for (int i = 0; i < sources.Count(); ++i)
    EXPECT_EQ(sources.Item(i)->Checked, sources.Item(i)->Name == QStringLiteral("google"))
        << sources.Item(i)->Name.toStdString();
  EXPECT_TRUE(Child<QTimer>(f, "autoSaveTimer").isActive());
  auto& saveDialog = Child<lq::LqSkinSaveDialog>(f, "saveDialog");
  EXPECT_EQ(saveDialog.InitialDir, exportDir.path());
  EXPECT_EQ(saveDialog.FilterIndex, 4);

  // The delay chosen against the local demo does not reach the real services.
  MainWindowSettings remote;
  remote.settingsFile = s.file();
  MainWindow real(remote);
  EXPECT_EQ(Child<lq::LqSkinSpinEdit>(real, "pacingDelayEdit").Value(), 1000);
}

TEST(MainWindowSettings, AMaximizedWindowOpensMaximizedAndRestoresToItsNormalPlace) {
  TempSettings s;
  QRect normal;
  {
    DemoWindow w({}, s.file());
    MainWindow& f = *w.window;
    f.show();
    f.move(f.screen()->availableGeometry().topLeft() + QPoint(0, 9));
    normal = f.geometry();
    Child<lq::LqLacquerForm>(f, "frame").SetFrameState(lq::FrameState::Maximized);
    ASSERT_NE(f.geometry(), normal);
  }
  DemoWindow w({}, s.file());
  MainWindow& f = *w.window;
  f.show();
  auto& frame = Child<lq::LqLacquerForm>(f, "frame");
  EXPECT_EQ(frame.GetFrameState(), lq::FrameState::Maximized);
  frame.SetFrameState(lq::FrameState::Normal);
  EXPECT_EQ(f.geometry(), normal);
}

TEST(MainWindowSettings, AGoneFolderIsReportedOnceAndAutoSaveStaysOff) {
  TempSettings s;
  {
    QSettings stored(s.file(), QSettings::NativeFormat);
    stored.setValue("autoSave/folder", s.dir.filePath(QStringLiteral("gone")));
    stored.setValue("autoSave/enabled", true);
    stored.setValue("autoSave/periodSeconds", "soon");  // hand-edited: left at its default
  }
  std::vector<QString> reports;
  SetErrorPresenter([&](const QString&, const QString& text) { reports.push_back(text); });
  for (int start = 0; start < 2; ++start) {
    DemoWindow w({}, s.file());
    MainWindow& f = *w.window;
    WaitFor([] { return false; }, 50);
    EXPECT_FALSE(Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox").Checked());
    EXPECT_FALSE(Child<QTimer>(f, "autoSaveTimer").isActive());
    EXPECT_EQ(Child<lq::LqSkinSpinEdit>(f, "autoSavePeriodEdit").Value(), 5);
  }
  SetErrorPresenter({});
  ASSERT_EQ(reports.size(), 1u) << "the second start has nothing to report";
  EXPECT_TRUE(reports[0].contains(s.dir.filePath(QStringLiteral("gone"))));
}

TEST(MainWindowSettings, WithoutARememberedFolderAutoSaveOffersTheDocumentsFolder) {
  MainWindowSettings fresh;
  fresh.suggestHost = fresh.searchHost = "127.0.0.1:9";
  MainWindow f(fresh);
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(documents).isDir()) documents = QDir::homePath();  // never made here
  EXPECT_EQ(Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").text(),
            QDir::toNativeSeparators(documents) + QDir::separator());
}

TEST(WindowPlacement, AWindowGoesBackOnlyOntoItsOwnScreenAndWithinItsWorkArea) {
  const std::vector<ScreenArea> screens = {{"eDP-1", QRect(0, 0, 1920, 1040)},
                                           {"HDMI-2", QRect(1920, 0, 2560, 1400)}};
  WindowPlacement p{QRect(2000, 100, 840, 700), "HDMI-2", false};
  EXPECT_EQ(PlaceOnScreens(p, screens), QRect(2000, 100, 840, 700));
  p.bounds.moveTo(4300, 1200);  // half off the bottom right: moved in
  EXPECT_EQ(PlaceOnScreens(p, screens), QRect(4480 - 840, 1400 - 700, 840, 700));
  p.bounds = QRect(-50, -30, 3000, 700);  // wider than the screen: its left edge shows
  p.screen = "eDP-1";
  EXPECT_EQ(PlaceOnScreens(p, screens), QRect(0, 0, 3000, 700));
  p.screen = "DP-3";  // unplugged: the default place
  EXPECT_EQ(PlaceOnScreens(p, screens), std::nullopt);
}

}  // namespace
}  // namespace longtail::test
