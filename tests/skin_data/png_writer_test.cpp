#include "skin/data/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_dir.h"

namespace lq {
namespace {

std::uint32_t BE32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

TEST(PngWriter, WritesSignatureHeaderAndInflatableRgbRows) {
  Bitmap b(3, 2);
  b.setPixel(0, 0, RGB(1, 2, 3));
  b.setPixel(2, 1, RGB(250, 128, 7));
  std::vector<std::uint8_t> png;
  std::string error;
  ASSERT_TRUE(EncodePng(b, png, error)) << error;
  ASSERT_GT(png.size(), 8u + 25 + 12 + 12);
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  // Walk the chunks, checking every CRC and collecting the image data.
  std::vector<std::string> types;
  std::vector<std::uint8_t> idat;
  for (std::size_t at = 8; at < png.size();) {
    const std::uint32_t len = BE32(&png[at]);
    const std::string type(png.begin() + long(at) + 4, png.begin() + long(at) + 8);
    types.push_back(type);
    uLong crc = crc32(crc32(0, Z_NULL, 0), &png[at + 4], uInt(4 + len));
    ASSERT_EQ(BE32(&png[at + 8 + len]), crc) << type;
    if (type == "IHDR") {
      EXPECT_EQ(BE32(&png[at + 8]), 3u);
      EXPECT_EQ(BE32(&png[at + 12]), 2u);
      EXPECT_EQ(png[at + 16], 8);  // bit depth
      EXPECT_EQ(png[at + 17], 2);  // truecolour
    }
    if (type == "IDAT") idat.insert(idat.end(), &png[at + 8], &png[at + 8] + len);
    at += 12 + len;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::vector<std::uint8_t> raw(2 * (1 + 9));
  uLongf rawSize = uLongf(raw.size());
  ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), uLong(idat.size())), Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  EXPECT_EQ(raw, (std::vector<std::uint8_t>{0, 1, 2, 3, 0, 0, 0, 0,   0,   0,  //
                                            0, 0, 0, 0, 0, 0, 0, 250, 128, 7}));
}

TEST(PngWriter, EmptyImagesAndUnwritablePathsAreErrors) {
  std::vector<std::uint8_t> png;
  std::string error;
  EXPECT_FALSE(EncodePng(Bitmap(0, 5), png, error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(WritePngFile(Bitmap(2, 2), "/nonexistent-dir/x.png", error));
  EXPECT_NE(error.find("/nonexistent-dir/x.png"), std::string::npos);
  const longtail::testing::TempDir dir;
  const std::string path = dir.file("x.png");
  ASSERT_TRUE(WritePngFile(Bitmap(2, 2), path, error)) << error;
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_TRUE(EncodePng(Bitmap(2, 2), png, error));
  EXPECT_EQ(bytes.size(), png.size());
}

TEST(PngWriter, AlphaPlaneGivesRgbaRowsAndMustMatchTheImage) {
  Bitmap b(2, 1);
  b.setPixel(1, 0, RGB(10, 20, 30));
  std::vector<std::uint8_t> png;
  std::string error;
  EXPECT_FALSE(EncodePng(b, std::vector<std::uint8_t>{255}, png, error));
  ASSERT_TRUE(EncodePng(b, std::vector<std::uint8_t>{0, 200}, png, error)) << error;
  EXPECT_EQ(png[8 + 8 + 9], 6);  // colour type: truecolour with alpha
  const std::uint32_t idatLen = BE32(&png[8 + 25]);
  std::vector<std::uint8_t> raw(1 + 8);
  uLongf rawSize = uLongf(raw.size());
  ASSERT_EQ(uncompress(raw.data(), &rawSize, &png[8 + 25 + 8], idatLen), Z_OK);
  EXPECT_EQ(raw, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 10, 20, 30, 200}));
}

}  // namespace
}  // namespace lq
