#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <fstream>

#include "dialog_test_support.h"
#include "harvest/temp_dir.h"
#include "skin/controls/skin_button.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/dialogs/select_dir_dialog.h"

namespace lq {
namespace {

QImage Render(QWidget& w) {
  QImage image(w.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  w.render(&image);
  return image;
}

void SaveDocImage(const QImage& image, const QString& name) {
  // Written to docs/ of the source tree only on request, so test runs leave it alone.
  if (qEnvironmentVariableIsEmpty("LONGTAIL_DOCS_SCREENSHOTS")) return;
  const QString dir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../../docs");
  QDir().mkpath(dir);
  image.save(dir + "/" + name);
}

TEST(DialogScreens, SaveDialogInTheProgramSkin) {
  auto skin = lqtest::MakeProgramSkin();
  longtail::testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "报告");
  std::ofstream((dir.path() / "words.txt").string()) << "x";
  TlqSkinSaveDialog d;
  d.Title = QStringLiteral("导出为TXT文件");
  d.Filter = QStringLiteral("文本文件|*.txt");
  d.SkinData = d.CtrlSkinData = skin.get();
  d.InitialDir = QString::fromStdString(dir.path().string());
  TlqOpenDlgForm form(d);
  form.FileNameEdit()->setText(QStringLiteral("list"));
  form.show();
  ASSERT_TRUE(lqtest::WaitUntil([&] { return form.ListedNames().size() == 2; }));
  const QImage image = Render(form);
  SaveDocImage(image, QStringLiteral("save-dialog.png"));
  // The buttons sit at the right edge, 70 wide; a bound button keeps the skin's height.
  EXPECT_EQ(form.ConfirmButton()->geometry().topLeft(), QPoint(450 - 80, 10));
  EXPECT_EQ(form.ConfirmButton()->width(), 70);
  EXPECT_EQ(form.CancelButton()->geometry().topLeft(), QPoint(450 - 80, 45));
  EXPECT_EQ(form.ConfirmButton()->Caption(), QStringLiteral("保存(&S)"));
  EXPECT_TRUE(form.ConfirmButton()->IsBound()) << "drawn from the skin's button";
  // The skinned tool bar is not the plain window background.
  EXPECT_NE(image.pixelColor(5, 12), form.palette().window().color());
}

TEST(DialogScreens, DirectoryDialogInTheProgramSkin) {
  auto skin = lqtest::MakeProgramSkin();
  TlqSkinSelectDirectoryDialog d;
  d.Title = QStringLiteral("选择目录");
  d.SkinData = d.CtrlSkinData = skin.get();
  TlqSelDirDlgForm form(d);
  form.show();
  lqtest::WaitUntil([] { return false; }, 300);
  const QImage image = Render(form);
  SaveDocImage(image, QStringLiteral("select-directory-dialog.png"));
  EXPECT_EQ(form.OkButton()->geometry().topLeft(), QPoint(20, 15));
  EXPECT_EQ(form.CancelButton()->geometry().topLeft(), QPoint(100, 15));
  EXPECT_EQ(form.OkButton()->width(), 70);
  EXPECT_TRUE(form.OkButton()->Default());
  EXPECT_TRUE(form.CancelButton()->IsBound());
}

}  // namespace
}  // namespace lq
