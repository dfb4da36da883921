#include "skin/data/skin_container.h"

#include <gtest/gtest.h>

#include "skin/data/skin_data.h"
#include "skin/data/skin_unpack.h"
#include "skin/data/stored_skin.h"
#include "skin/data/zlib_codec.h"
#include "skin_test_support.h"

namespace lq {
namespace {

using testing::BasicSkinDir;
using testing::ContainerBytes;
using testing::PatternPicture;
using testing::TempDir;

const std::string kMinimalText = "[VERSION]\r\nskinname=x\r\n";

bool Parse(const std::vector<std::uint8_t>& bytes, SkinContainer& c, std::string& error) {
  return ReadSkinContainer(bytes.data(), bytes.size(), c, error);
}

TEST(SkinContainer, PresenceByteOneMovesStraightToTheNextSlot) {
  BmpPicture main = PatternPicture(5, 4, 24), mask = PatternPicture(5, 4, 8);
  ContainerBytes b;
  b.i32(3).slot(main).emptySlot().slot(mask).i32(0).text(kMinimalText);
  SkinContainer c;
  std::string error;
  ASSERT_TRUE(Parse(b.bytes(), c, error)) << error;
  ASSERT_TRUE(c.main && c.mask);
  EXPECT_FALSE(c.inactive);
  EXPECT_EQ(c.mask->pixels, mask.pixels);
  EXPECT_EQ(c.mask->bitsPerPixel, 8);
  EXPECT_TRUE(c.active.empty());  // count 0 is followed directly by the text
  EXPECT_EQ(c.text, kMinimalText);
}

TEST(SkinContainer, Version2LegacySlotsAreReadAndDropped) {
  BmpPicture main = PatternPicture(6, 3, 24), legacy = PatternPicture(2, 2, 4);
  BmpPicture active = PatternPicture(3, 3, 1);
  ContainerBytes v2, v3;
  v2.i32(2).slot(main).emptySlot().emptySlot().slot(legacy).emptySlot().i32(1).bmp(active);
  v2.text(kMinimalText);
  v3.i32(3).slot(main).emptySlot().emptySlot().i32(1).bmp(active).text(kMinimalText);
  SkinContainer a, b;
  std::string error;
  ASSERT_TRUE(Parse(v2.bytes(), a, error)) << error;
  ASSERT_TRUE(Parse(v3.bytes(), b, error)) << error;
  EXPECT_EQ(a.main->pixels, b.main->pixels);
  ASSERT_EQ(a.active.size(), 1u);
  EXPECT_EQ(a.active[0].pixels, b.active[0].pixels);
  EXPECT_EQ(a.text, b.text);
  EXPECT_EQ(WriteSkinContainer(a), v3.bytes());  // rewritten as version 3
}

TEST(SkinContainer, DamagedContainersNameWhatIsWrong) {
  BmpPicture pic = PatternPicture(4, 4, 24);
  std::vector<std::uint8_t> bmp = WriteBmp(pic);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* reason;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}, "version"});
  cases.push_back({"newer version", ContainerBytes().i32(4).emptySlot().bytes(), "version 4"});
  cases.push_back({"no mask slot", ContainerBytes().i32(3).emptySlot().emptySlot().bytes(),
                   "mask picture slot"});
  cases.push_back({"no count", ContainerBytes().i32(3).emptySlot().emptySlot().emptySlot().bytes(),
                   "active picture count"});
  cases.push_back({"negative count",
                   ContainerBytes().i32(3).emptySlot().emptySlot().emptySlot().i32(-1).bytes(),
                   "negative"});
  cases.push_back(
      {"lying count",
       ContainerBytes().i32(3).emptySlot().emptySlot().emptySlot().i32(2000000000).bmp(pic).bytes(),
       "active picture 1"});
  std::vector<std::uint8_t> cut = ContainerBytes().i32(3).slot(pic).bytes();
  cut.resize(cut.size() - 10);
  cases.push_back({"cut picture", cut, "main picture"});
  for (const Case& c : cases) {
    SkinContainer out;
    std::string error;
    EXPECT_FALSE(Parse(c.bytes, out, error)) << c.name;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
  }
}

TEST(CompressedStoredSkin, StreamFormatAndVersionCheck) {
  LqCompressedStoredSkin store = ContainerBytes().i32(3).text("x").store();
  std::vector<std::uint8_t> stream;
  store.SaveToCompressedStream(stream);
  ASSERT_GE(stream.size(), 10u);
  EXPECT_EQ(stream[0], 3);
  EXPECT_EQ(ByteReader::LoadU32(stream.data() + 4), store.CompressedData().size());
  EXPECT_EQ(stream[8], 0x78);  // a zlib header at the best level: 78 DA
  EXPECT_EQ(stream[9], 0xDA);

  LqCompressedStoredSkin back;
  std::string error;
  stream.push_back(0xEE);  // bytes after the declared length are not part of the store
  ASSERT_TRUE(back.LoadFromCompressedStream(stream.data(), stream.size(), &error)) << error;
  EXPECT_EQ(back.CompressedData(), store.CompressedData());

  stream[0] = 4;  // a newer stream leaves the store empty
  EXPECT_FALSE(back.LoadFromCompressedStream(stream.data(), stream.size(), &error));
  EXPECT_TRUE(back.IsEmpty());

  stream[0] = 3;
  stream[4] = 0xFF;  // a length beyond the bytes present
  EXPECT_FALSE(back.LoadFromCompressedStream(stream.data(), stream.size(), &error));
  EXPECT_TRUE(back.IsEmpty());
  EXPECT_NE(error.find("declares"), std::string::npos) << error;
}

TEST(CompressedStoredSkin, DecompressionErrorsAreReportedNotThrown) {
  std::vector<std::uint8_t> container(100000, 'a');
  std::vector<std::uint8_t> z;
  std::string error;
  ASSERT_TRUE(DeflateZlib(container.data(), container.size(), z, error));

  LqCompressedStoredSkin store;
  store.SetCompressedData(z);
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(store.DecompressToStream(out, &error)) << error;
  EXPECT_EQ(out, container);

  std::vector<std::uint8_t> truncated(z.begin(), z.begin() + std::ptrdiff_t(z.size() / 2));
  store.SetCompressedData(truncated);
  out.clear();
  EXPECT_FALSE(store.DecompressToStream(out, &error));
  EXPECT_NE(error.find("compression error"), std::string::npos) << error;

  std::vector<std::uint8_t> corrupt = z;
  corrupt[z.size() / 2] ^= 0x55;
  corrupt[z.size() / 2 + 1] ^= 0xAA;
  store.SetCompressedData(corrupt);
  out.clear();
  EXPECT_FALSE(store.DecompressToStream(out, &error));
  EXPECT_NE(error.find("compression error"), std::string::npos) << error;

  out.clear();
  EXPECT_FALSE(InflateZlib(z.data(), z.size(), out, error, 50000));  // beyond the limit
  EXPECT_NE(error.find("exceeds"), std::string::npos) << error;
}

TEST(CompressedStoredSkin, BuildFromIniNeedsEveryRequiredSectionAndPicture) {
  TempDir dir;
  std::filesystem::copy(BasicSkinDir(), dir.path(), std::filesystem::copy_options::recursive);
  LqCompressedStoredSkin store;
  std::string error;
  ASSERT_TRUE(store.LoadFromIniFile(dir.file("skin.ini"), &error)) << error;
  EXPECT_EQ(store.FileName, "skin.ini");
  const std::vector<std::uint8_t> good = store.CompressedData();

  std::filesystem::remove(dir.file("glyphs.bmp"));
  EXPECT_FALSE(store.LoadFromIniFile(dir.file("skin.ini"), &error));
  EXPECT_NE(error.find("glyphs.bmp"), std::string::npos) << error;
  EXPECT_EQ(store.CompressedData(), good);  // a failed build keeps the previous store

  WriteWholeFile(dir.file("other.ini"),
                 std::vector<std::uint8_t>{'[', 'V', 'E', 'R', 'S', 'I', 'O', 'N', ']'}, error);
  EXPECT_FALSE(store.LoadFromIniFile(dir.file("other.ini"), &error));
  EXPECT_NE(error.find("[PICTURES]"), std::string::npos) << error;
}

// pack -> read -> unpack -> pack gives the same container bytes.
TEST(CompressedStoredSkin, PackUnpackPackRoundTripIsByteIdentical) {
  LqCompressedStoredSkin first;
  std::string error;
  ASSERT_TRUE(first.LoadFromIniFile((BasicSkinDir() / "skin.ini").string(), &error)) << error;
  std::vector<std::uint8_t> container;
  ASSERT_TRUE(first.DecompressToStream(container, &error)) << error;
  SkinContainer parsed;
  ASSERT_TRUE(ReadSkinContainer(container.data(), container.size(), parsed, error)) << error;

  TempDir out;
  ASSERT_TRUE(UnpackSkinContainer(parsed, out.file("unpacked"), error)) << error;
  LqCompressedStoredSkin second;
  ASSERT_TRUE(second.LoadFromIniFile(out.file("unpacked/skin.ini"), &error)) << error;
  std::vector<std::uint8_t> again;
  ASSERT_TRUE(second.DecompressToStream(again, &error)) << error;
  EXPECT_EQ(again, container);
  EXPECT_EQ(second.CompressedData(), first.CompressedData());
}

TEST(SkinFiles, ReadingStopsAtTheSizeLimit) {
  TempDir dir;
  std::string error;
  std::vector<std::uint8_t> bytes(70000, 7), back;
  ASSERT_TRUE(WriteWholeFile(dir.file("f"), bytes, error)) << error;
  EXPECT_FALSE(ReadWholeFile(dir.file("f"), back, error, 69999));
  EXPECT_NE(error.find("larger than"), std::string::npos) << error;
  ASSERT_TRUE(ReadWholeFile(dir.file("f"), back, error, 70000)) << error;
  EXPECT_EQ(back, bytes);
  EXPECT_FALSE(ReadWholeFile(dir.file("missing"), back, error));
}

TEST(SkinUnpack, PictureNamesMayNotLeaveTheTargetDirectory) {
  for (const char* name : {"../evil.bmp", "/tmp/evil.bmp", "sub/../../evil.bmp", ""}) {
    SkinContainer c;
    c.main = PatternPicture(2, 2, 24);
    c.text = std::string("[PICTURES]\r\npicture=") + name + "\r\n";
    TempDir dir;
    std::string error;
    EXPECT_FALSE(UnpackSkinContainer(c, dir.file("x"), error)) << name;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "evil.bmp"));
  }
}

TEST(SkinUnpack, NeverWritesThroughASymbolicLinkInsideTheTarget) {
  namespace fs = std::filesystem;
  TempDir dir;
  const fs::path root = dir.path(), target = root / "x", victim = root / "outside" / "victim";
  fs::create_directories(target);
  fs::create_directories(victim.parent_path());
  const std::vector<std::uint8_t> keep = {'k', 'e', 'e', 'p'};
  std::string error;
  ASSERT_TRUE(WriteWholeFile(victim.string(), keep, error)) << error;
  fs::create_symlink(victim, target / "main.bmp");
  fs::create_directory_symlink(victim.parent_path(), target / "sub");

  SkinContainer c;
  c.main = PatternPicture(2, 2, 24);
  c.text = "[PICTURES]\r\npicture=main.bmp\r\n";
  ASSERT_TRUE(UnpackSkinContainer(c, target.string(), error)) << error;
  // The link itself was replaced by the picture; what it pointed at is untouched.
  EXPECT_FALSE(fs::is_symlink(target / "main.bmp"));
  EXPECT_EQ(fs::file_size(target / "main.bmp"), WriteBmp(*c.main).size());
  std::vector<std::uint8_t> back;
  ASSERT_TRUE(ReadWholeFile(victim.string(), back, error)) << error;
  EXPECT_EQ(back, keep);

  c.text = "[PICTURES]\r\npicture=sub/victim\r\n";
  EXPECT_FALSE(UnpackSkinContainer(c, target.string(), error));
  EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
  ASSERT_TRUE(ReadWholeFile(victim.string(), back, error)) << error;
  EXPECT_EQ(back, keep);
}

}  // namespace
}  // namespace lq
