#include "skin/data/zlib_codec.h"

#include <zlib.h>

#include <algorithm>

namespace lq {

bool InflateZlib(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                 std::string& error, std::size_t limit) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) {
    error = "compression error: cannot start inflating";
    return false;
  }
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = uInt(std::min<std::size_t>(size, 0xFFFFFFFFu));
  std::size_t produced = 0;
  int rc = Z_OK;
  std::uint8_t piece[kInflatePiece];
  while (rc != Z_STREAM_END) {
    z.next_out = piece;
    z.avail_out = sizeof piece;
    rc = inflate(&z, Z_NO_FLUSH);
    std::size_t got = sizeof piece - z.avail_out;
    if (rc != Z_OK && rc != Z_STREAM_END) {
      // Z_BUF_ERROR with no output means the input ran out before the stream's end.
      error = rc == Z_BUF_ERROR
                  ? "compression error: compressed data ends early"
                  : std::string("compression error: ") + (z.msg ? z.msg : "corrupt data");
      inflateEnd(&z);
      return false;
    }
    produced += got;
    if (produced > limit) {
      error = "compression error: inflated data exceeds " + std::to_string(limit >> 20) + " MB";
      inflateEnd(&z);
      return false;
    }
    out.insert(out.end(), piece, piece + got);
  }
  inflateEnd(&z);
  return true;
}

bool DeflateZlib(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                 std::string& error) {
  uLongf bound = compressBound(uLong(size));
  out.resize(bound);
  if (compress2(out.data(), &bound, data, uLong(size), Z_BEST_COMPRESSION) != Z_OK) {
    out.clear();
    error = "error";
    return false;
  }
  out.resize(bound);
  return true;
}

}  // namespace lq
