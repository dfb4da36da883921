#include "skin/data/bmp_codec.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/data/byte_stream.h"
#include "skin_test_support.h"

namespace lq {
namespace {

using testing::PatternPicture;

bool Read(const std::vector<std::uint8_t>& bytes, BmpPicture& out, std::size_t& consumed,
          std::string& error) {
  return ReadBmp(bytes.data(), bytes.size(), out, consumed, error);
}

void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}
void PutU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b[at] = std::uint8_t(v), b[at + 1] = std::uint8_t(v >> 8);
}

class BmpDepth : public ::testing::TestWithParam<int> {};

TEST_P(BmpDepth, WriteThenReadKeepsPixelsDepthAndPaletteAndConsumesExactlyTheFile) {
  const int bits = GetParam();
  BmpPicture original = PatternPicture(13, 7, bits);
  std::vector<std::uint8_t> bytes = WriteBmp(original);
  const std::size_t fileSize = bytes.size();
  bytes.insert(bytes.end(), {'n', 'e', 'x', 't'});  // the next item of a stream

  BmpPicture back;
  std::size_t consumed = 0;
  std::string error;
  ASSERT_TRUE(Read(bytes, back, consumed, error)) << error;
  EXPECT_EQ(consumed, fileSize);
  EXPECT_EQ(back.bitsPerPixel, bits);
  EXPECT_EQ(back.palette, original.palette);
  EXPECT_EQ(back.pixels, original.pixels);
  EXPECT_EQ(WriteBmp(back), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + fileSize));
}

INSTANTIATE_TEST_SUITE_P(AllWrittenDepths, BmpDepth, ::testing::Values(1, 4, 8, 24));

TEST(BmpCodec, ColoursMissingFromAShortTableAreAddedToIt) {
  BmpPicture p;
  p.bitsPerPixel = 4;
  p.palette = {RGB(1, 2, 3), RGB(4, 5, 6)};
  p.pixels.resize(3, 1);
  p.pixels.setPixel(0, 0, RGB(4, 5, 6));
  p.pixels.setPixel(1, 0, RGB(200, 100, 0));
  p.pixels.setPixel(2, 0, RGB(1, 2, 3));
  BmpPicture back;
  std::size_t consumed;
  std::string error;
  ASSERT_TRUE(Read(WriteBmp(p), back, consumed, error)) << error;
  EXPECT_EQ(back.palette, (std::vector<Color>{RGB(1, 2, 3), RGB(4, 5, 6), RGB(200, 100, 0)}));
  EXPECT_EQ(back.pixels, p.pixels);
}

TEST(BmpCodec, PixelLimitIsCheckedBeforeDecoding) {
  std::vector<std::uint8_t> bytes = WriteBmp(PatternPicture(10, 10, 24));
  BmpPicture p;
  std::size_t consumed;
  std::string error;
  EXPECT_FALSE(ReadBmp(bytes.data(), bytes.size(), p, consumed, error, 99));
  EXPECT_NE(error.find("exceed"), std::string::npos) << error;
  EXPECT_TRUE(ReadBmp(bytes.data(), bytes.size(), p, consumed, error, 100)) << error;
}

TEST(BmpCodec, ColoursOutsideAFullPaletteTakeTheNearestEntry) {
  BmpPicture p;
  p.bitsPerPixel = 1;
  p.palette = {RGB(0, 0, 0), RGB(255, 255, 255)};
  p.pixels.resize(2, 1);
  p.pixels.setPixel(0, 0, RGB(30, 20, 10));
  p.pixels.setPixel(1, 0, RGB(200, 220, 240));
  BmpPicture back;
  std::size_t consumed;
  std::string error;
  ASSERT_TRUE(Read(WriteBmp(p), back, consumed, error)) << error;
  EXPECT_EQ(back.pixels.pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(back.pixels.pixel(1, 0), RGB(255, 255, 255));
}

TEST(BmpCodec, PaletteDepthWithoutTableBuildsOneOrFallsBackTo24Bits) {
  BmpPicture few = PatternPicture(4, 4, 24);
  few.bitsPerPixel = 8;  // 16 distinct colours fit an 8-bit table
  BmpPicture back;
  std::size_t consumed;
  std::string error;
  ASSERT_TRUE(Read(WriteBmp(few), back, consumed, error)) << error;
  EXPECT_EQ(back.bitsPerPixel, 8);
  EXPECT_EQ(back.pixels, few.pixels);

  BmpPicture many = PatternPicture(40, 40, 24);
  many.bitsPerPixel = 1;
  ASSERT_TRUE(Read(WriteBmp(many), back, consumed, error)) << error;
  EXPECT_EQ(back.bitsPerPixel, 24);
  EXPECT_EQ(back.pixels, many.pixels);
}

TEST(BmpCodec, EmptyPictureWritesNothing) {
  EXPECT_TRUE(WriteBmp(BmpPicture{}).empty());
}

// A hand-made file: 2 x 2 at 32 bits with a V5 header, bit-field masks and top-down rows.
std::vector<std::uint8_t> V5BitfieldsFile() {
  std::vector<std::uint8_t> b(14 + 124 + 16, 0);
  b[0] = 'B', b[1] = 'M';
  PutU32(b, 2, std::uint32_t(b.size()));
  PutU32(b, 10, 14 + 124);
  PutU32(b, 14, 124);
  PutU32(b, 18, 2);
  PutU32(b, 22, std::uint32_t(-2));  // top-down
  PutU16(b, 26, 1);
  PutU16(b, 28, 32);
  PutU32(b, 30, 3);  // bit fields
  // Masks inside the header: red in the low byte, green next, blue in the third byte.
  PutU32(b, 54, 0x000000FF);
  PutU32(b, 58, 0x0000FF00);
  PutU32(b, 62, 0x00FF0000);
  std::uint32_t px[4] = {0x00030201, 0x00060504, 0x00090807, 0x000C0B0A};
  for (int i = 0; i < 4; ++i) PutU32(b, 138 + 4 * i, px[i]);
  return b;
}

TEST(BmpCodec, Reads32BitBitfieldsWithV5HeaderTopDown) {
  BmpPicture p;
  std::size_t consumed;
  std::string error;
  ASSERT_TRUE(Read(V5BitfieldsFile(), p, consumed, error)) << error;
  EXPECT_EQ(p.bitsPerPixel, 32);
  EXPECT_EQ(p.pixels.pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(p.pixels.pixel(1, 0), RGB(4, 5, 6));
  EXPECT_EQ(p.pixels.pixel(0, 1), RGB(7, 8, 9));
  // Written back at 24 bits with the same pixels.
  BmpPicture back;
  ASSERT_TRUE(Read(WriteBmp(p), back, consumed, error)) << error;
  EXPECT_EQ(back.bitsPerPixel, 24);
  EXPECT_EQ(back.pixels, p.pixels);
}

TEST(BmpCodec, ReadsPlain32BitAndCoreHeaderFiles) {
  // 1 x 2 at 32 bits, BI_RGB, bottom-up: the first row in the file is the bottom one.
  std::vector<std::uint8_t> b(14 + 40 + 8, 0);
  b[0] = 'B', b[1] = 'M';
  PutU32(b, 10, 54);  // file size 0: the pixel rows end the file
  PutU32(b, 14, 40);
  PutU32(b, 18, 1);
  PutU32(b, 22, 2);
  PutU16(b, 26, 1);
  PutU16(b, 28, 32);
  PutU32(b, 54, 0xFF0A141E);  // B=0x1E G=0x14 R=0x0A, X ignored
  PutU32(b, 58, 0x00000001);
  BmpPicture p;
  std::size_t consumed;
  std::string error;
  ASSERT_TRUE(Read(b, p, consumed, error)) << error;
  EXPECT_EQ(consumed, b.size());
  EXPECT_EQ(p.pixels.pixel(0, 1), RGB(0x0A, 0x14, 0x1E));
  EXPECT_EQ(p.pixels.pixel(0, 0), RGB(0, 0, 1));

  // Core header, 8 bits, 3-byte colour table of two entries... of 256 (full table).
  std::vector<std::uint8_t> c(14 + 12 + 256 * 3 + 4, 0);
  c[0] = 'B', c[1] = 'M';
  PutU32(c, 2, std::uint32_t(c.size()));
  PutU32(c, 10, 14 + 12 + 256 * 3);
  PutU32(c, 14, 12);
  PutU16(c, 18, 1);
  PutU16(c, 20, 1);
  PutU16(c, 22, 1);
  PutU16(c, 24, 8);
  c[26 + 3 * 5 + 0] = 50, c[26 + 3 * 5 + 1] = 60, c[26 + 3 * 5 + 2] = 70;  // entry 5, BGR
  c[c.size() - 4] = 5;
  ASSERT_TRUE(Read(c, p, consumed, error)) << error;
  EXPECT_EQ(p.bitsPerPixel, 8);
  EXPECT_EQ(p.pixels.pixel(0, 0), RGB(70, 60, 50));
}

// Every damaged header is refused with a message naming the fault, before any allocation.
TEST(BmpCodec, DamagedHeadersAreRefusedWithAReason) {
  const std::vector<std::uint8_t> good = WriteBmp(PatternPicture(8, 8, 24));
  struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    const char* reason;
  };
  const Case cases[] = {
      {"signature", [](auto& b) { b[0] = 'X'; }, "signature"},
      {"truncated pixels", [](auto& b) { b.resize(b.size() - 1); }, "truncated"},
      {"truncated header", [](auto& b) { b.resize(20); }, "truncated"},
      {"file size beyond the stream", [](auto& b) { PutU32(b, 2, 1u << 30); }, "exceeds"},
      {"file size short of the rows", [](auto& b) { PutU32(b, 2, 100); }, "smaller"},
      {"zero planes", [](auto& b) { PutU16(b, 26, 0); }, "plane"},
      {"huge width", [](auto& b) { PutU32(b, 18, 100000); }, "dimensions"},
      {"negative width", [](auto& b) { PutU32(b, 18, std::uint32_t(-8)); }, "dimensions"},
      {"zero height", [](auto& b) { PutU32(b, 22, 0); }, "dimensions"},
      {"most negative height", [](auto& b) { PutU32(b, 22, 0x80000000u); }, "dimensions"},
      {"bit depth 7", [](auto& b) { PutU16(b, 28, 7); }, "bit depth"},
      {"run-length compression", [](auto& b) { PutU32(b, 30, 1); }, "compression"},
      {"header size", [](auto& b) { PutU32(b, 14, 41); }, "header size"},
      {"pixel offset inside headers", [](auto& b) { PutU32(b, 10, 20); }, "inside"},
      {"pixel offset beyond the stream", [](auto& b) { PutU32(b, 10, 0xFFFFFF00u); }, "truncated"},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes = good;
    c.damage(bytes);
    BmpPicture p;
    std::size_t consumed = 0;
    std::string error;
    EXPECT_FALSE(Read(bytes, p, consumed, error)) << c.name;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
  }
}

TEST(BmpCodec, OversizedColourTableIsRefused) {
  std::vector<std::uint8_t> b = WriteBmp(PatternPicture(4, 4, 8));
  PutU32(b, 46, 100000);  // colours used
  BmpPicture p;
  std::size_t consumed;
  std::string error;
  EXPECT_FALSE(Read(b, p, consumed, error));
  EXPECT_NE(error.find("colour table"), std::string::npos) << error;
}

}  // namespace
}  // namespace lq
