#include "skin/dialogs/file_mask.h"

#include <gtest/gtest.h>

#include "skin/dialogs/folder_places.h"

namespace lq {
namespace {

TEST(FileMask, FilterSplitsIntoDescriptionAndMaskPairs) {
  const auto entries = ParseFilter(QStringLiteral("文本文件|*.txt|All|*.*;*.log"));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].description, QStringLiteral("文本文件"));
  EXPECT_EQ(entries[0].mask, QStringLiteral("*.txt"));
  EXPECT_EQ(entries[1].mask, QStringLiteral("*.*;*.log"));
  EXPECT_TRUE(ParseFilter(QString()).empty());
  EXPECT_EQ(ParseFilter(QStringLiteral("Loose")).at(0).mask, QStringLiteral("*.*"));
}

TEST(FileMask, PatternsWithADotAreWildcardsIgnoringCase) {
  EXPECT_TRUE(MatchesMask(QStringLiteral("List.TXT"), QStringLiteral("*.txt")));
  EXPECT_FALSE(MatchesMask(QStringLiteral("list.txt.bak"), QStringLiteral("*.txt")));
  EXPECT_TRUE(MatchesMask(QStringLiteral("a.log"), QStringLiteral("*.txt; *.log")));
  EXPECT_TRUE(MatchesMask(QStringLiteral("a1.csv"), QStringLiteral("a?.csv")));
  EXPECT_FALSE(MatchesMask(QStringLiteral("ab1.csv"), QStringLiteral("a?.csv")));
  EXPECT_TRUE(MatchesMask(QStringLiteral("README"), QStringLiteral("*")));
  EXPECT_FALSE(MatchesMask(QStringLiteral("README"), QStringLiteral("README")))
      << "a pattern without a dot matches only as *";
  EXPECT_FALSE(MatchesMask(QStringLiteral("README"), QStringLiteral("*.*")));
  EXPECT_TRUE(MatchesMask(QStringLiteral("[x].txt"), QStringLiteral("*.txt")));
}

TEST(FileMask, SaveModeAddsTheMaskExtensionThenTheDefaultExtension) {
  EXPECT_EQ(MaskExtension(QStringLiteral("*.txt")), QStringLiteral(".txt"));
  EXPECT_EQ(MaskExtension(QStringLiteral("*.txt;*.log")), QStringLiteral(".txt"));
  EXPECT_EQ(MaskExtension(QStringLiteral("*.*")), QString());
  EXPECT_EQ(MaskExtension(QStringLiteral("*.t?t")), QString());
  const QString txt = QStringLiteral("*.txt");
  EXPECT_EQ(ApplySaveExtensions(QStringLiteral("/d/list"), txt, {}), QStringLiteral("/d/list.txt"));
  EXPECT_EQ(ApplySaveExtensions(QStringLiteral("/d/list.csv"), txt, {}),
            QStringLiteral("/d/list.csv"));
  EXPECT_EQ(ApplySaveExtensions(QStringLiteral("/d.x/list"), QStringLiteral("*.*"),
                                QStringLiteral("dat")),
            QStringLiteral("/d.x/list.dat"))
      << "a dot in the folder is no extension";
  EXPECT_EQ(ApplySaveExtensions(QStringLiteral("/d/list."), txt, {}),
            QStringLiteral("/d/list..txt"));
}

TEST(FileMask, ReplacingAnExtension) {
  EXPECT_EQ(ReplaceExtension(QStringLiteral("a.log"), QStringLiteral(".txt")),
            QStringLiteral("a.txt"));
  EXPECT_EQ(ReplaceExtension(QStringLiteral("a"), QStringLiteral(".txt")), QStringLiteral("a.txt"));
  EXPECT_EQ(ReplaceExtension(QStringLiteral("a.b.c"), QStringLiteral(".txt")),
            QStringLiteral("a.b.txt"));
}

TEST(FileMask, NewFolderNamesCountFromTheSecond) {
  EXPECT_EQ(NewFolderName(1), QStringLiteral("新建文件夹"));
  EXPECT_EQ(NewFolderName(2), QStringLiteral("新建文件夹(2)"));
  EXPECT_EQ(NewFolderName(3), QStringLiteral("新建文件夹(3)"));
}

TEST(FolderPlaces, OpenFolderChainGoesBelowTheNearestPlace) {
  const std::vector<FolderPlace> places = {{QStringLiteral("/home/u/Desktop"), "桌面", 0},
                                           {QStringLiteral("/home/u"), "u", 1},
                                           {QStringLiteral("/"), "计算机", 1},
                                           {QStringLiteral("/mnt/usb"), "usb", 2}};
  int selected = -1;
  auto entries = FolderComboEntries(places, QStringLiteral("/home/u/docs/2024/"), selected);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[2].path, QStringLiteral("/home/u/docs"));
  EXPECT_EQ(entries[2].level, 2);
  EXPECT_EQ(entries[3].path, QStringLiteral("/home/u/docs/2024"));
  EXPECT_EQ(entries[3].level, 3);
  EXPECT_EQ(selected, 3);

  // Opening another folder drops the entries added for the previous one.
  entries = FolderComboEntries(entries, QStringLiteral("/mnt/usb"), selected);
  EXPECT_EQ(entries.size(), 4u);
  EXPECT_EQ(selected, 3);
  entries = FolderComboEntries(entries, QStringLiteral("/etc/x"), selected);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[3].path, QStringLiteral("/etc"));
  EXPECT_EQ(entries[3].level, 2);
  EXPECT_EQ(selected, 4);
}

}  // namespace
}  // namespace lq
