#include "skin/data/png_writer.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lq {

namespace {

void PutBE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4], const std::uint8_t* data,
              std::size_t size) {
  PutBE32(out, std::uint32_t(size));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  if (size) out.insert(out.end(), data, data + size);
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + typeAt, uInt(4 + size));
  PutBE32(out, std::uint32_t(crc));
}

// Encodes with an alpha plane when `alpha` is not null (colour type 6), else RGB (type 2).
bool Encode(const Bitmap& bitmap, const std::vector<std::uint8_t>* alpha,
            std::vector<std::uint8_t>& out, std::string& error) {
  out.clear();
  if (bitmap.empty()) {
    error = "cannot encode an empty image as PNG";
    return false;
  }
  const int w = bitmap.width(), h = bitmap.height();
  if (alpha && alpha->size() != std::size_t(w) * h) {
    error = "the alpha plane does not match the image size";
    return false;
  }
  // Raw scanlines: a filter byte (0) and the pixels red, green, blue (and alpha).
  const std::size_t channels = alpha ? 4 : 3;
  std::vector<std::uint8_t> raw;
  raw.reserve((std::size_t(w) * channels + 1) * h);
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);
    const std::uint8_t* p = bitmap.row(y);
    for (int x = 0; x < w; ++x, p += 3) {
      raw.push_back(p[2]);
      raw.push_back(p[1]);
      raw.push_back(p[0]);
      if (alpha) raw.push_back((*alpha)[std::size_t(y) * w + x]);
    }
  }
  uLongf packedSize = compressBound(uLong(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  int rc = compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6);
  if (rc != Z_OK) {
    error = std::string("zlib could not compress the image: ") + zError(rc);
    return false;
  }
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  out.assign(kSignature, kSignature + 8);
  std::vector<std::uint8_t> header;
  PutBE32(header, std::uint32_t(w));
  PutBE32(header, std::uint32_t(h));
  // 8 bits, truecolour (with alpha), deflate, filter, no interlace.
  header.insert(header.end(), {8, std::uint8_t(alpha ? 6 : 2), 0, 0, 0});
  PutChunk(out, "IHDR", header.data(), header.size());
  PutChunk(out, "IDAT", packed.data(), packedSize);
  PutChunk(out, "IEND", nullptr, 0);
  return true;
}

}  // namespace

bool EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& out, std::string& error) {
  return Encode(bitmap, nullptr, out, error);
}

bool EncodePng(const Bitmap& bitmap, const std::vector<std::uint8_t>& alpha,
               std::vector<std::uint8_t>& out, std::string& error) {
  return Encode(bitmap, &alpha, out, error);
}

bool WritePngBytes(const std::vector<std::uint8_t>& png, const std::string& path,
                   std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    std::remove(path.c_str());
    return false;
  }
  return true;
}

bool WritePngFile(const Bitmap& bitmap, const std::string& path, std::string& error) {
  std::vector<std::uint8_t> png;
  return EncodePng(bitmap, png, error) && WritePngBytes(png, path, error);
}

}  // namespace lq
