#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <fstream>

#include "dialog_test_support.h"
#include "skin/controls/edit.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/file_properties.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"
#include "support/screenshots.h"
#include "support/temp_dir.h"

namespace lq {
namespace {

QImage Render(QWidget& w) {
  QImage image(w.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  w.render(&image);
  return image;
}

TEST(DialogScreens, SaveDialogInTheProgramSkin) {
  auto skin = lqtest::MakeProgramSkin();
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "报告");
  std::ofstream((dir.path() / "words.txt").string()) << "x";
  LqSkinSaveDialog d;
  d.Title = QStringLiteral("导出为TXT文件");
  d.Filter = QStringLiteral("文本文件|*.txt");
  d.SkinData = d.CtrlSkinData = skin.get();
  d.InitialDir = QString::fromStdString(dir.path().string());
  LqOpenDlgForm form(d);
  form.FileNameEdit()->setText(QStringLiteral("list"));
  form.show();
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 2; }));
  const QImage image = Render(form);
  longtail::testing::SaveDocScreenshot(image, QStringLiteral("save-dialog.png"));
  // The buttons sit at the right edge, 70 wide; a bound button keeps the skin's height.
  EXPECT_EQ(form.ConfirmButton()->geometry().topLeft(), QPoint(450 - 80, 10));
  EXPECT_EQ(form.ConfirmButton()->width(), 70);
  EXPECT_EQ(form.CancelButton()->geometry().topLeft(), QPoint(450 - 80, 45));
  EXPECT_EQ(form.ConfirmButton()->Caption(), QStringLiteral("保存(&S)"));
  EXPECT_TRUE(form.ConfirmButton()->IsBound()) << "drawn from the skin's button";
  // The skinned tool bar is not the plain window background.
  EXPECT_NE(image.pixelColor(5, 12), form.palette().window().color());
}

TEST(DialogScreens, DetailsViewAndPropertiesInTheProgramSkin) {
  auto skin = lqtest::MakeProgramSkin();
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "报告");
  for (int i = 0; i < 30; ++i)
    std::ofstream((dir.path() / ("长尾词" + std::to_string(i) + ".txt")).string())
        << std::string(100 * i, 'x');
  LqSkinSaveDialog d;
  d.Title = QStringLiteral("导出为TXT文件");
  d.Filter = QStringLiteral("文本文件|*.txt");
  d.LVHeaderSkinDataName = "button";
  d.SkinData = d.CtrlSkinData = skin.get();
  d.InitialDir = QString::fromStdString(dir.path().string());
  d.DialogWidth = 560;
  d.DialogHeight = 330;
  LqOpenDlgForm form(d);
  form.SetViewStyle(FileViewStyle::Report);
  form.show();
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 31; }));
  ASSERT_TRUE(form.SelectItem(QStringLiteral("长尾词3.txt")));
  lqtest::WaitUntil([] { return false; }, 200);
  longtail::testing::SaveDocScreenshot(Render(form), QStringLiteral("save-dialog-details.png"));
  EXPECT_EQ(form.FileNameEdit()->text(), QStringLiteral("长尾词3.txt"));

  LqFilePropertiesForm properties(QString::fromStdString((dir.path() / "长尾词3.txt").string()),
                                  skin.get(), skin.get(), d.DefaultFont);
  properties.show();
  lqtest::WaitUntil([] { return false; }, 100);
  longtail::testing::SaveDocScreenshot(Render(properties), QStringLiteral("file-properties.png"));
  EXPECT_EQ(properties.Rows()[3].second, QStringLiteral("300 字节"));
  EXPECT_TRUE(properties.OkButton()->IsBound());
}

TEST(DialogScreens, DirectoryDialogInTheProgramSkin) {
  auto skin = lqtest::MakeProgramSkin();
  LqSkinSelectDirectoryDialog d;
  d.Title = QStringLiteral("选择目录");
  d.SkinData = d.CtrlSkinData = skin.get();
  LqSelDirDlgForm form(d);
  form.show();
  lqtest::WaitUntil([] { return false; }, 300);
  const QImage image = Render(form);
  longtail::testing::SaveDocScreenshot(image, QStringLiteral("select-directory-dialog.png"));
  EXPECT_EQ(form.OkButton()->geometry().topLeft(), QPoint(20, 15));
  EXPECT_EQ(form.CancelButton()->geometry().topLeft(), QPoint(100, 15));
  EXPECT_EQ(form.OkButton()->width(), 70);
  EXPECT_TRUE(form.OkButton()->Default());
  EXPECT_TRUE(form.CancelButton()->IsBound());
}

}  // namespace
}  // namespace lq
