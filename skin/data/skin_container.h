#pragma once
// The decompressed skin container: version, the main, inactive and mask picture slots
// (a presence byte, then a BMP file when the byte is 0), two legacy slots in version 2,
// the active pictures (a count, then that many BMP files) and the definition text up to
// the end. All integers are 32-bit little-endian.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"

namespace lq {

constexpr int kSkinContainerVersion = 3;

struct SkinContainer {
  int version = kSkinContainerVersion;
  std::optional<BmpPicture> main, inactive, mask;  // nullopt: the slot is empty
  std::vector<BmpPicture> active;
  std::string text;  // the skin.ini text, CR LF line breaks
};

// Reads a whole container. False with an error naming the part that is wrong: a version
// above 3, a slot or picture that is cut short or not a valid bitmap, a negative count.
bool ReadSkinContainer(const std::uint8_t* data, std::size_t size, SkinContainer& out,
                       std::string& error);

// Writes a version-3 container (the version field of `c` is ignored). Empty slots get
// presence byte 1.
std::vector<std::uint8_t> WriteSkinContainer(const SkinContainer& c);

// Builds a container from a skin.ini file and the bitmaps named in its [PICTURES] section,
// looked up beside it. False with an error when a required section ([VERSION], [PICTURES],
// [FORMINFO], [SKINOBJECTS], [SKINCONTROLS]) is missing or a picture cannot be read.
bool BuildSkinContainer(const std::string& iniPath, std::vector<std::uint8_t>& container,
                        std::string& error);

// Files larger than `limit` bytes are refused (a device or a runaway file must not be read
// without end); skin files and pictures are far smaller.
constexpr std::size_t kMaxSkinFileSize = std::size_t(256) << 20;
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                   std::size_t limit = kMaxSkinFileSize);
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    std::string& error);

}  // namespace lq
