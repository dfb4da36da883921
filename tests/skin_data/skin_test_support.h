#pragma once
// Helpers shared by the skin data tests: the basic test skin, temporary directories and
// hand-assembled containers.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/byte_stream.h"
#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"
#include "skin/data/zlib_codec.h"
#include "support/temp_dir.h"

namespace lq::testing {

inline std::filesystem::path BasicSkinDir() {
  return std::filesystem::path(LONGTAIL_TESTS_DIR) / "skin_data" / "skins" / "basic";
}

using longtail::testing::TempDir;

// A picture with a recognisable pattern, written at `bits` bits per pixel.
inline BmpPicture PatternPicture(int w, int h, int bits) {
  BmpPicture p;
  p.bitsPerPixel = bits;
  p.pixels.resize(w, h);
  if (bits <= 8) {
    for (int i = 0; i < (1 << bits); ++i) p.palette.push_back(RGB(i * 37, 255 - i, i * 3));
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.pixels.setPixel(x, y,
                        bits <= 8 ? p.palette[std::size_t((x + 3 * y) % (1 << bits))]
                                  : RGB(x * 11, y * 13, x ^ y));
  return p;
}

// Assembles container bytes piece by piece.
class ContainerBytes {
 public:
  ContainerBytes& i32(std::int32_t v) {
    ByteWriter(bytes_).i32(v);
    return *this;
  }
  ContainerBytes& emptySlot() {
    bytes_.push_back(1);
    return *this;
  }
  ContainerBytes& slot(const BmpPicture& p) {
    bytes_.push_back(0);
    return bmp(p);
  }
  ContainerBytes& bmp(const BmpPicture& p) {
    ByteWriter(bytes_).bytes(WriteBmp(p));
    return *this;
  }
  ContainerBytes& text(const std::string& t) {
    ByteWriter(bytes_).text(t);
    return *this;
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  LqCompressedStoredSkin store() const {
    std::vector<std::uint8_t> z;
    std::string error;
    DeflateZlib(bytes_.data(), bytes_.size(), z, error);
    LqCompressedStoredSkin s;
    s.SetCompressedData(std::move(z));
    return s;
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace lq::testing
