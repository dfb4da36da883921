#include "harvest/result_file.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "file_size_limit.h"
#include "harvest/keyword_file.h"
#include "support/temp_dir.h"
#include "test_text.h"

namespace longtail {
namespace {

using testing::FileSizeLimit;
using testing::G;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteText;

// Phrases as the lists hold them (UTF-8), with the characters that trip up each format.
const std::vector<std::string> kAwkward = {"长尾词",   "a,b",      "say \"hi\"",
                                           "=SUM(A1)", "+86 手机", "x-y"};

TEST(ResultFile, TextFormatsConvertAtTheWriterAndAnEmptyListIsEmpty) {
  const std::vector<std::string> phrases = {"长尾词", "a,b"};
  EXPECT_EQ(ResultFileBytes(ResultFormat::KeywordList, phrases), G("长尾词") + "\r\na,b\r\n");
  EXPECT_EQ(ResultFileBytes(ResultFormat::Utf8Lines, phrases), "长尾词\na,b\n");
  EXPECT_EQ(ResultFileBytes(ResultFormat::Utf8BomCrLf, phrases), "\xEF\xBB\xBF长尾词\r\na,b\r\n");

  EXPECT_EQ(ResultFileBytes(ResultFormat::KeywordList, {}), "");
  EXPECT_EQ(ResultFileBytes(ResultFormat::Utf8Lines, {}), "");
  EXPECT_EQ(ResultFileBytes(ResultFormat::Utf8BomCrLf, {}), "\xEF\xBB\xBF");
  EXPECT_EQ(ResultFileBytes(ResultFormat::JsonLines, {}), "");
  EXPECT_EQ(ResultFileBytes(ResultFormat::Csv, {}), "phrase,source,parent,depth\r\n");
}

TEST(ResultFile, CsvQuotesWhatNeedsItAndDefusesFormulas) {
  std::vector<std::string> phrases = kAwkward;
  phrases.push_back("two\nlines");
  phrases.push_back("@cmd");
  phrases.push_back("-1,5");
  phrases.push_back("\tpad");
  const ProvenanceOf provenance = [](std::size_t index) {
    if (index == 1) return PhraseProvenance{"soso", "关键词", 2};
    if (index == 2) return PhraseProvenance{"baidu-related", "=evil", 1};
    return PhraseProvenance{};
  };
  EXPECT_EQ(ResultFileBytes(ResultFormat::Csv, phrases, provenance),
            "phrase,source,parent,depth\r\n"
            "长尾词,,,0\r\n"
            "\"a,b\",soso,关键词,2\r\n"
            "\"say \"\"hi\"\"\",baidu-related,'=evil,1\r\n"
            "'=SUM(A1),,,0\r\n"
            "'+86 手机,,,0\r\n"
            "x-y,,,0\r\n"
            "\"two\nlines\",,,0\r\n"
            "'@cmd,,,0\r\n"
            "\"'-1,5\",,,0\r\n"
            "'\tpad,,,0\r\n");
}

TEST(ResultFile, JsonLinesHoldOneObjectALineWithTheSameKeys) {
  const ProvenanceOf provenance = [](std::size_t index) {
    return index == 2 ? PhraseProvenance{"soso", "长尾词", 3} : PhraseProvenance{};
  };
  std::istringstream lines(ResultFileBytes(ResultFormat::JsonLines, kAwkward, provenance));
  std::string line;
  std::size_t index = 0;
  for (; std::getline(lines, line); ++index) {
    ASSERT_LT(index, kAwkward.size());
    const nlohmann::json object = nlohmann::json::parse(line);
    EXPECT_EQ(object["phrase"], kAwkward[index]);
    EXPECT_EQ(object.size(), 4u);
    if (index == 2) {
      EXPECT_EQ(line, R"({"phrase":"say \"hi\"","source":"soso","parent":"长尾词","depth":3})");
    } else {
      EXPECT_EQ(object["source"], "");
      EXPECT_EQ(object["parent"], "");
      EXPECT_EQ(object["depth"], 0);
    }
  }
  EXPECT_EQ(index, kAwkward.size());
}

TEST(ResultFile, FailedWriteKeepsThePreviousFile) {
  // A file size limit makes the write fail part way, as a full disk would.
  TempDir dir;
  const std::string path = dir.file("list.csv");
  WriteText(path, "old\r\n");
  bool ok;
  std::string error;
  {
    FileSizeLimit limit(64);
    ok = WriteResultFile(path, ResultFormat::Csv, {std::string(1000, 'x')}, error);
  }
  EXPECT_FALSE(ok);
  EXPECT_EQ(error.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << error;
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(dir.entryCount(), 1) << "the temporary file is removed";
}

TEST(ResultFormat, ChosenByNameOrByExtension) {
  EXPECT_EQ(ResultFormatByName("csv"), ResultFormat::Csv);
  EXPECT_EQ(ResultFormatByName("utf8-bom"), ResultFormat::Utf8BomCrLf);
  EXPECT_EQ(ResultFormatByName("CSV"), std::nullopt);
  EXPECT_EQ(ResultFormatByName(""), std::nullopt);

  EXPECT_EQ(ResultFormatByExtension("/home/u/words.txt"), ResultFormat::KeywordList);
  EXPECT_EQ(ResultFormatByExtension("words.CSV"), ResultFormat::Csv);
  EXPECT_EQ(ResultFormatByExtension("a.b/words.jsonl"), ResultFormat::JsonLines);
  EXPECT_EQ(ResultFormatByExtension("a.csv/words"), std::nullopt);
  EXPECT_EQ(ResultFormatByExtension("words.xlsx"), std::nullopt);
}

}  // namespace
}  // namespace longtail
