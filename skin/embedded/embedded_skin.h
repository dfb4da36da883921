#pragma once
// The program's skin, compiled into the executable so that no skin file is needed at run
// time. It is drawn and packed from assets/skin at build time.

#include <cstdint>
#include <span>

namespace lq {

// The compressed skin stream as the packer wrote it: int32 version 3, int32 length N, then
// the N bytes of the zlib stream. Feed it to LqCompressedStoredSkin::LoadFromCompressedStream.
std::span<const std::uint8_t> EmbeddedSkinStream();

// Just the zlib stream (the store's "CompressedData", starting 78 DA). Empty if the
// embedded stream were malformed, which the build's own test rules out.
std::span<const std::uint8_t> EmbeddedSkinData();

}  // namespace lq
