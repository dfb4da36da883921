#pragma once
// zlib streams (RFC 1950) for the stored skin: inflated in pieces of 4,096 bytes, deflated
// once at the best level.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lq {

// Inflated containers larger than this are refused, so a small corrupt or hostile stream
// cannot make the loader allocate without bound.
constexpr std::size_t kMaxInflatedSize = std::size_t(256) << 20;

constexpr std::size_t kInflatePiece = 4096;

// Appends the inflated bytes to `out`. False with "compression error: ..." for corrupt
// data, a stream that ends early, or output beyond `limit`.
bool InflateZlib(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                 std::string& error, std::size_t limit = kMaxInflatedSize);

// Compresses at level 9. False with "error" when zlib fails.
bool DeflateZlib(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                 std::string& error);

}  // namespace lq
