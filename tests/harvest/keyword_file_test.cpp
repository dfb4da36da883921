#include "harvest/keyword_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "file_size_limit.h"
#include "support/temp_dir.h"
#include "test_text.h"

namespace longtail {
namespace {

using testing::FileSizeLimit;
using testing::G;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteText;

TEST(KeywordFile, EmptyListGivesZeroBytes) {
  TempDir dir;
  const std::string path = dir.file("empty.txt");
  std::string error;
  ASSERT_TRUE(WriteKeywordListFile(path, {}, error)) << error;
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(KeywordFile, EveryLineEndsWithCrLfInCodePage936WithoutBom) {
  TempDir dir;
  const std::string path = dir.file("three.txt");
  const std::vector<std::string> phrases = {"长尾词", "seo tool", "关键词 挖掘"};
  std::string error;
  ASSERT_TRUE(WriteKeywordListFile(path, phrases, error)) << error;
  const std::string expected =
      "\xB3\xA4\xCE\xB2\xB4\xCA\r\nseo tool\r\n" + G("关键词 挖掘") + "\r\n";
  EXPECT_EQ(ReadAll(path), expected);
  EXPECT_EQ(KeywordListBytes(phrases), expected);
}

TEST(KeywordFile, ReplacesExistingFileWholeAndLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("list.txt");
  WriteText(path, std::string(1000, 'x'));
  ::chmod(path.c_str(), 0640);
  std::string error;
  ASSERT_TRUE(WriteKeywordListFile(path, {"a"}, error)) << error;
  EXPECT_EQ(ReadAll(path), "a\r\n");
  EXPECT_EQ(dir.entryCount(), 1);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u) << "replacing keeps the file's permissions";
}

TEST(KeywordFile, MissingDirectoryFailsWithFileErrorText) {
  TempDir dir;
  const std::string path = dir.file("missing/list.txt");
  std::string error;
  EXPECT_FALSE(WriteKeywordListFile(path, {"a"}, error));
  EXPECT_EQ(error.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << error;
  EXPECT_GT(error.size(), path.size() + 22) << "the system's reason follows";
}

TEST(KeywordFile, FailedRenameKeepsPreviousFileAndRemovesTemporary) {
  TempDir dir;
  // A directory in place of the file: the write cannot replace it.
  const std::string path = dir.file("taken");
  std::filesystem::create_directory(path);
  std::string error;
  EXPECT_FALSE(WriteKeywordListFile(path, {"a"}, error));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(dir.entryCount(), 1);
  EXPECT_FALSE(WriteKeywordListFile(dir.file(""), {"a"}, error)) << "an empty file name";
}

TEST(KeywordFile, UnwritableFolderKeepsPreviousFileIntact) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  const std::string path = dir.file("list.txt");
  WriteText(path, "old\r\n");
  ::chmod(dir.path().c_str(), 0555);
  std::string error;
  EXPECT_FALSE(WriteKeywordListFile(path, {"new"}, error));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(dir.entryCount(), 1);
}

TEST(KeywordFile, WriteCutShortKeepsPreviousFileIntact) {
  // A file size limit makes the write fail part way, as a full disk would.
  TempDir dir;
  const std::string path = dir.file("list.txt");
  WriteText(path, "old\r\n");
  bool ok;
  std::string error;
  {
    FileSizeLimit limit(64);
    ok = WriteKeywordListFile(path, {std::string(1000, 'x')}, error);
  }
  EXPECT_FALSE(ok);
  EXPECT_NE(error.find("Cannot create file"), std::string::npos);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(dir.entryCount(), 1) << "the temporary file is removed";
}

TEST(KeywordFile, AutoSavePathJoinsWithOneSeparator) {
  EXPECT_EQ(JoinAutoSavePath("/home/u", "words.txt"), "/home/u/words.txt");
  EXPECT_EQ(JoinAutoSavePath("/home/u/", "words.txt"), "/home/u/words.txt");
  EXPECT_EQ(JoinAutoSavePath("/home/u/", "words"), "/home/u/words");
  EXPECT_EQ(JoinAutoSavePath("", "words.txt"), "words.txt");
}

}  // namespace
}  // namespace longtail
