#include "skin/dialogs/file_properties.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <filesystem>
#include <fstream>

#include "skin/dialogs/file_texts.h"
#include "support/temp_dir.h"

namespace lq {
namespace {

QString Value(const PropertyRows& rows, const QString& label) {
  for (const auto& [l, v] : rows)
    if (l == label) return v;
  return QStringLiteral("<missing>");
}

TEST(FileTexts, SizesTypesAndTimes) {
  EXPECT_EQ(LongSizeText(0), QStringLiteral("0 字节"));
  EXPECT_EQ(LongSizeText(1023), QStringLiteral("1,023 字节"));
  EXPECT_EQ(LongSizeText(1234), QStringLiteral("1.21 KB (1,234 字节)"));
  EXPECT_EQ(LongSizeText(5LL * 1024 * 1024 * 1024), QStringLiteral("5.00 GB (5,368,709,120 字节)"));
  // The details view rounds up to whole kilobytes, so a one-byte file is not "0 KB".
  EXPECT_EQ(ShortSizeText(0), QStringLiteral("0 KB"));
  EXPECT_EQ(ShortSizeText(1), QStringLiteral("1 KB"));
  EXPECT_EQ(ShortSizeText(1024), QStringLiteral("1 KB"));
  EXPECT_EQ(ShortSizeText(1025), QStringLiteral("2 KB"));
  EXPECT_EQ(ShortSizeText(3LL * 1024 * 1024 * 1024), QStringLiteral("3,145,728 KB"));
  EXPECT_EQ(ItemTypeText(false, QStringLiteral("txt")), QStringLiteral("TXT 文件"));
  EXPECT_EQ(ItemTypeText(false, QString()), QStringLiteral("文件"));
  EXPECT_EQ(ItemTypeText(true, QStringLiteral("d")), QStringLiteral("文件夹"));
  EXPECT_EQ(ItemTimeText(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))),
            QStringLiteral("2026-01-02 03:04"));
}

TEST(FileProperties, RowsForAFileAndForAFolder) {
  longtail::testing::TempDir dir;
  std::ofstream((dir.path() / "words.txt").string()) << std::string(1234, 'x');
  std::filesystem::create_directory(dir.path() / "sub");
  std::ofstream((dir.path() / "sub" / "a").string()) << "a";
  std::ofstream((dir.path() / "sub" / ".hidden").string()) << "b";
  std::filesystem::create_directory(dir.path() / "sub" / "deeper");

  const PropertyRows file =
      FilePropertyRows(QFileInfo(QString::fromStdString((dir.path() / "words.txt").string())));
  EXPECT_EQ(Value(file, QStringLiteral("名称:")), QStringLiteral("words.txt"));
  EXPECT_EQ(Value(file, QStringLiteral("类型:")), QStringLiteral("TXT 文件"));
  EXPECT_EQ(Value(file, QStringLiteral("大小:")), QStringLiteral("1.21 KB (1,234 字节)"));
  EXPECT_EQ(Value(file, QStringLiteral("位置:")), QString::fromStdString(dir.path().string()));

  const PropertyRows folder =
      FilePropertyRows(QFileInfo(QString::fromStdString((dir.path() / "sub").string())));
  EXPECT_EQ(Value(folder, QStringLiteral("类型:")), QStringLiteral("文件夹"));
  EXPECT_EQ(Value(folder, QStringLiteral("包含:")), QStringLiteral("2 个文件，1 个文件夹"))
      << "hidden entries count, sub-folders are not walked";
  EXPECT_EQ(Value(folder, QStringLiteral("大小:")), QStringLiteral("<missing>"));
}

}  // namespace
}  // namespace lq
