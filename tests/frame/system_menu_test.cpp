#include "skin/frame/system_menu.h"

#include <gtest/gtest.h>

namespace lq {
namespace {

QStringList Captions(const MenuItem& root) {
  QStringList out;
  for (int i = 0; i < root.Count(); ++i) out << root.Item(i)->Caption;
  return out;
}

QStringList U(std::initializer_list<const char*> texts) {
  QStringList out;
  for (const char* t : texts) out << QString::fromUtf8(t);
  return out;
}

SystemMenuState MainWindow() {
  SystemMenuState s;
  s.minimizeIcon = s.maximizeIcon = true;  // [biMinimize, biMaximize]
  return s;
}

TEST(SystemMenu, MainWindowItemsInEachWindowState) {
  MenuItem root;
  SystemMenuState s = MainWindow();
  FillSystemMenu(root, s, {});
  EXPECT_EQ(Captions(root), U({"最小化(&N)", "最大化(&X)", "-", "关闭(&C)"}));
  EXPECT_EQ(root.Item(3)->ShortCut, "Alt+F4");
  EXPECT_EQ(root.Item(3)->Name, "LQK_CLOSE");
  s.maximized = true;
  FillSystemMenu(root, s, {});
  EXPECT_EQ(Captions(root), U({"最小化(&N)", "恢复(&R)", "-", "关闭(&C)"}));
  s.maximized = false;
  s.minimized = true;
  FillSystemMenu(root, s, {});
  EXPECT_EQ(Captions(root), U({"最大化(&X)", "恢复(&R)", "-", "关闭(&C)"}));
}

TEST(SystemMenu, EditorWindowWithoutBorderIconsHasOnlyClose) {
  MenuItem root;
  FillSystemMenu(root, SystemMenuState{}, {});
  EXPECT_EQ(Captions(root), U({"关闭(&C)"}));
}

TEST(SystemMenu, RollUpAndTrayItemsFollowTheirIconsAndState) {
  MenuItem root;
  SystemMenuState s;
  s.rollUpIcon = s.minimizeToTrayIcon = true;
  FillSystemMenu(root, s, {});
  EXPECT_EQ(Captions(root), U({"卷起(&L)", "最小化到系统托盘(&T)", "-", "关闭(&C)"}));
  s.rolledUp = true;
  s.mdiChild = true;
  FillSystemMenu(root, s, {});
  EXPECT_EQ(Captions(root), U({"恢复(&R)", "最小化到系统托盘(&T)", "-", "关闭(&C)"}));
  EXPECT_EQ(root.Item(3)->ShortCut, "Ctrl+F4");
}

TEST(SystemMenu, ItemsRunTheirCommandsAndCaptionsComeFromTheStringTable) {
  MenuItem root;
  std::vector<std::string> ran;
  SystemMenuCommands run;
  run.minimize = [&] { ran.push_back("min"); };
  run.maximize = [&] { ran.push_back("max"); };
  run.close = [&] { ran.push_back("close"); };
  const MenuStringLookup english = [](const QString& key) {
    return key == "MI_MINCAPTION" ? QStringLiteral("Mi&nimize") : QString();
  };
  FillSystemMenu(root, MainWindow(), run, english);
  EXPECT_EQ(root.Item(0)->Caption, "Mi&nimize");
  EXPECT_EQ(root.Item(1)->Caption, QString::fromUtf8("最大化(&X)"));
  for (int i = 0; i < root.Count(); ++i) root.Item(i)->Click();
  EXPECT_EQ(ran, (std::vector<std::string>{"min", "max", "close"}));
}

TEST(SystemMenu, DevelopersMenuGetsDefaultItemsOnceAtTopAndCloseAtEnd) {
  MenuItem root;
  root.Add("Custom");
  SystemMenuState s = MainWindow();
  s.maximized = true;
  MergeDefaultSystemMenu(root, s, {});
  MergeDefaultSystemMenu(root, s, {});  // a second showing does not duplicate them
  EXPECT_EQ(Captions(root), U({"最小化(&N)", "恢复(&R)", "Custom", "关闭(&C)"}));
}

TEST(SystemMenu, TrayMenuRestoreSeparatorClose) {
  MenuItem root;
  int restored = 0;
  FillTrayMenu(root, false, [&] { ++restored; }, {});
  EXPECT_EQ(Captions(root), U({"恢复(&R)", "-", "关闭(&C)"}));
  EXPECT_EQ(root.Item(0)->Name, "TRAY_LQK_RESTORE");
  EXPECT_EQ(root.Item(2)->Name, "TRAY_LQK_CLOSE");
  root.Item(0)->Click();
  EXPECT_EQ(restored, 1);
}

TEST(MenuItems, AcceleratorsAndSeparatorReduction) {
  MenuItem m(QString::fromUtf8("导出为TXT文件(&O)"));
  EXPECT_EQ(m.Accelerator(), QChar('O'));
  EXPECT_EQ(MenuItem("Save && &quit").Accelerator(), QChar('Q'));
  EXPECT_TRUE(MenuItem("A && B").Accelerator().isNull());
  int underline = -2;
  EXPECT_EQ(StripAccelerator("Save && &quit", &underline), "Save & quit");
  EXPECT_EQ(underline, 7);
  MenuItem root;
  for (const char* c : {"-", "A", "-", "-", "B", "-"}) root.Add(c);
  root.Add("C")->Visible = false;
  EXPECT_EQ(ShownChildren(root), (std::vector<int>{1, 2, 4}));
}

}  // namespace
}  // namespace lq
