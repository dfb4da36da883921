#include "skin/embedded/embedded_skin.h"

#include <cstddef>

namespace lq {
namespace embedded {
extern const std::uint8_t kEmbeddedSkinStream[];
extern const std::size_t kEmbeddedSkinStream_size;
}  // namespace embedded

namespace {

std::int32_t ReadInt32(const std::uint8_t* p) {
  return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                      std::uint32_t(p[3]) << 24);
}

}  // namespace

std::span<const std::uint8_t> EmbeddedSkinStream() {
  return {embedded::kEmbeddedSkinStream, embedded::kEmbeddedSkinStream_size};
}

std::span<const std::uint8_t> EmbeddedSkinData() {
  const std::span<const std::uint8_t> stream = EmbeddedSkinStream();
  if (stream.size() < 8) return {};
  const std::int32_t length = ReadInt32(stream.data() + 4);
  if (length < 0 || std::size_t(length) > stream.size() - 8) return {};
  return stream.subspan(8, std::size_t(length));
}

}  // namespace lq
