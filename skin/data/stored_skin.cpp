#include "skin/data/stored_skin.h"

#include "skin/data/byte_stream.h"
#include "skin/data/skin_container.h"
#include "skin/data/zlib_codec.h"

namespace lq {
namespace {

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool LqCompressedStoredSkin::LoadFromIniFile(const std::string& path, std::string* error) {
  std::vector<std::uint8_t> container, compressed;
  std::string why;
  if (!BuildSkinContainer(path, container, why)) return Fail(error, why);
  if (!DeflateZlib(container.data(), container.size(), compressed, why)) return Fail(error, why);
  compressed_ = std::move(compressed);
  FileName = BaseName(path);
  return true;
}

bool LqCompressedStoredSkin::LoadFromCompressedFile(const std::string& path, std::string* error) {
  std::vector<std::uint8_t> bytes;
  std::string why;
  if (!ReadWholeFile(path, bytes, why)) {
    compressed_.clear();
    return Fail(error, why);
  }
  if (!LoadFromCompressedStream(bytes.data(), bytes.size(), error)) return false;
  CompressedFileName = BaseName(path);
  return true;
}

bool LqCompressedStoredSkin::LoadFromCompressedStream(const std::uint8_t* data, std::size_t size,
                                                      std::string* error) {
  compressed_.clear();
  ByteReader r(data, size);
  std::int32_t version, length;
  if (!r.readI32(version)) return Fail(error, "compressed skin stream ends before its version");
  if (version > kSkinContainerVersion)
    return Fail(error, "compressed skin stream version " + std::to_string(version) +
                           " is newer than " + std::to_string(kSkinContainerVersion));
  if (!r.readI32(length)) return Fail(error, "compressed skin stream ends before its length");
  if (length < 0 || std::size_t(length) > r.remaining())
    return Fail(error, "compressed skin stream declares " + std::to_string(length) +
                           " bytes but holds " + std::to_string(r.remaining()));
  compressed_.assign(r.current(), r.current() + length);
  return true;
}

void LqCompressedStoredSkin::SaveToCompressedStream(std::vector<std::uint8_t>& out) const {
  ByteWriter w(out);
  w.i32(kSkinContainerVersion);
  w.i32(std::int32_t(compressed_.size()));
  w.bytes(compressed_);
}

bool LqCompressedStoredSkin::DecompressToStream(std::vector<std::uint8_t>& target,
                                                std::string* error) const {
  std::string why;
  if (!InflateZlib(compressed_.data(), compressed_.size(), target, why)) return Fail(error, why);
  return true;
}

}  // namespace lq
