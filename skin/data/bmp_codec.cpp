#include "skin/data/bmp_codec.h"

#include <array>
#include <cstring>
#include <unordered_map>

#include "skin/data/byte_stream.h"

namespace lq {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

bool Fail(std::string& error, std::string text) {
  error = "bitmap: " + std::move(text);
  return false;
}

// One colour channel described by a bit-field mask of a 32-bit pixel.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel From(std::uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (!mask) return c;
    while (!((mask >> c.shift) & 1)) ++c.shift;
    while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1)) ++c.bits;
    return c;
  }
  int value(std::uint32_t px) const {
    if (!bits) return 0;
    std::uint32_t v = (px & mask) >> shift;
    if (bits >= 8) return int(v >> (bits - 8));
    return int(v * 255 / ((1u << bits) - 1));
  }
};

struct Header {
  std::uint32_t fileSize = 0;
  std::uint32_t pixelOffset = 0;
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int planes = 0;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 3> masks{0x00FF0000, 0x0000FF00, 0x000000FF};
  std::size_t tableOffset = 0;  // where the colour table starts
  std::size_t tableEntrySize = 4;
};

bool ReadHeader(const std::uint8_t* data, std::size_t size, Header& h, std::string& error) {
  if (size < kFileHeaderSize + 4)
    return Fail(error, "file header truncated (" + std::to_string(size) + " bytes)");
  if (data[0] != 'B' || data[1] != 'M') return Fail(error, "missing \"BM\" signature");
  h.fileSize = ByteReader::LoadU32(data + 2);
  h.pixelOffset = ByteReader::LoadU32(data + 10);
  h.headerSize = ByteReader::LoadU32(data + 14);
  const std::uint8_t* d = data + kFileHeaderSize;
  switch (h.headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
      break;
    default:
      return Fail(error, "unsupported header size " + std::to_string(h.headerSize));
  }
  if (size < kFileHeaderSize + h.headerSize) return Fail(error, "info header truncated");
  if (h.headerSize == 12) {
    h.width = ByteReader::LoadU16(d + 4);
    h.height = ByteReader::LoadU16(d + 6);
    h.planes = ByteReader::LoadU16(d + 8);
    h.bits = ByteReader::LoadU16(d + 10);
    h.tableEntrySize = 3;
  } else {
    h.width = std::int32_t(ByteReader::LoadU32(d + 4));
    h.height = std::int32_t(ByteReader::LoadU32(d + 8));
    h.planes = ByteReader::LoadU16(d + 12);
    h.bits = ByteReader::LoadU16(d + 14);
    h.compression = ByteReader::LoadU32(d + 16);
    h.colorsUsed = ByteReader::LoadU32(d + 32);
  }
  h.tableOffset = kFileHeaderSize + h.headerSize;
  if (h.planes != 1) return Fail(error, "plane count " + std::to_string(h.planes) + " (must be 1)");
  if (h.width <= 0 || h.height == 0 || h.width > kMaxBmpSide || h.height > kMaxBmpSide ||
      h.height < -kMaxBmpSide)
    return Fail(error, "dimensions " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                           " outside 1.." + std::to_string(kMaxBmpSide));
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24 && h.bits != 32)
    return Fail(error, "unsupported bit depth " + std::to_string(h.bits));
  if (h.compression == kBiBitfields && h.bits == 32 && h.headerSize >= 40) {
    const std::uint8_t* m = d + 40;
    if (h.headerSize == 40) {  // the three masks follow the header
      if (size < h.tableOffset + 12) return Fail(error, "colour masks truncated");
      m = data + h.tableOffset;
      h.tableOffset += 12;
    }
    for (int i = 0; i < 3; ++i) h.masks[i] = ByteReader::LoadU32(m + 4 * i);
  } else if (h.compression != kBiRgb) {
    return Fail(error, "unsupported compression " + std::to_string(h.compression) + " at " +
                           std::to_string(h.bits) + " bits");
  }
  return true;
}

}  // namespace

bool ReadBmp(const std::uint8_t* data, std::size_t size, BmpPicture& out, std::size_t& consumed,
             std::string& error, std::uint64_t maxPixels) {
  Header h;
  if (!ReadHeader(data, size, h, error)) return false;

  // Colour table.
  std::array<Color, 256> lut{};
  out.palette.clear();
  if (h.bits <= 8) {
    std::uint64_t entries = h.colorsUsed ? h.colorsUsed : (1u << h.bits);
    if (entries > 256)
      return Fail(error, "colour table of " + std::to_string(entries) + " entries");
    std::uint64_t tableEnd = h.tableOffset + entries * h.tableEntrySize;
    if (tableEnd > size) return Fail(error, "colour table truncated");
    if (h.pixelOffset < tableEnd)
      return Fail(error,
                  "pixel offset " + std::to_string(h.pixelOffset) + " lies inside the headers");
    std::uint64_t kept = std::min<std::uint64_t>(entries, 1u << h.bits);
    for (std::uint64_t i = 0; i < kept; ++i) {
      const std::uint8_t* p = data + h.tableOffset + i * h.tableEntrySize;
      lut[i] = RGB(p[2], p[1], p[0]);
      out.palette.push_back(lut[i]);
    }
  } else if (h.pixelOffset < h.tableOffset) {
    return Fail(error,
                "pixel offset " + std::to_string(h.pixelOffset) + " lies inside the headers");
  }

  // Pixel rows: every size check is done before anything is allocated.
  const std::uint64_t stride = ((std::uint64_t(h.width) * h.bits + 31) / 32) * 4;
  const std::uint64_t rows = std::uint64_t(h.height < 0 ? -h.height : h.height);
  const std::uint64_t pixelEnd = std::uint64_t(h.pixelOffset) + stride * rows;
  if (pixelEnd > size)
    return Fail(error, "pixel data truncated: needs " + std::to_string(pixelEnd) + " bytes, " +
                           std::to_string(size) + " present");
  if (h.fileSize != 0) {
    if (h.fileSize < pixelEnd)
      return Fail(error, "file size " + std::to_string(h.fileSize) +
                             " in header is smaller than the pixel data end " +
                             std::to_string(pixelEnd));
    if (h.fileSize > size)
      return Fail(error, "file size " + std::to_string(h.fileSize) + " in header exceeds the " +
                             std::to_string(size) + " bytes present");
  }
  if (std::uint64_t(h.width) * rows > maxPixels)
    return Fail(error, std::to_string(h.width) + " x " + std::to_string(rows) +
                           " pixels exceed the " + std::to_string(maxPixels) + " still allowed");
  consumed = h.fileSize ? h.fileSize : std::size_t(pixelEnd);

  const int width = int(h.width);
  const int height = int(rows);
  out.bitsPerPixel = h.bits;
  out.pixels.resize(width, height);
  std::array<Channel, 3> channels{Channel::From(h.masks[0]), Channel::From(h.masks[1]),
                                  Channel::From(h.masks[2])};
  const bool plain32 = h.compression == kBiRgb;
  for (int y = 0; y < height; ++y) {
    const int fileRow = h.height < 0 ? y : height - 1 - y;
    const std::uint8_t* src = data + h.pixelOffset + std::uint64_t(fileRow) * stride;
    std::uint8_t* dst = out.pixels.row(y);
    switch (h.bits) {
      case 24:
        std::memcpy(dst, src, std::size_t(width) * 3);
        break;
      case 32:
        for (int x = 0; x < width; ++x, src += 4, dst += 3) {
          if (plain32) {
            dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
          } else {
            std::uint32_t px = ByteReader::LoadU32(src);
            dst[0] = std::uint8_t(channels[2].value(px));
            dst[1] = std::uint8_t(channels[1].value(px));
            dst[2] = std::uint8_t(channels[0].value(px));
          }
        }
        break;
      default: {
        const int perByte = 8 / h.bits;
        const int mask = (1 << h.bits) - 1;
        for (int x = 0; x < width; ++x, dst += 3) {
          int shift = 8 - h.bits * (x % perByte + 1);
          Color c = lut[(src[x / perByte] >> shift) & mask];
          dst[0] = std::uint8_t(ColorB(c)), dst[1] = std::uint8_t(ColorG(c));
          dst[2] = std::uint8_t(ColorR(c));
        }
      }
    }
  }
  return true;
}

namespace {

// Maps colours to palette indices: exact matches first; a colour missing from the table is
// added while the table has room, otherwise it takes the nearest entry.
class PaletteMapper {
 public:
  PaletteMapper(std::vector<Color>& palette, std::size_t capacity)
      : palette_(palette), capacity_(capacity) {
    for (std::size_t i = palette.size(); i-- > 0;) index_[palette[i]] = int(i);
  }
  int indexOf(Color c) {
    auto it = index_.find(c);
    if (it != index_.end()) return it->second;
    if (palette_.size() < capacity_) {
      palette_.push_back(c);
      return index_[c] = int(palette_.size() - 1);
    }
    int best = 0;
    long bestDist = -1;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      long dr = ColorR(c) - ColorR(palette_[i]), dg = ColorG(c) - ColorG(palette_[i]),
           db = ColorB(c) - ColorB(palette_[i]);
      long dist = dr * dr + dg * dg + db * db;
      if (bestDist < 0 || dist < bestDist) best = int(i), bestDist = dist;
    }
    return index_[c] = best;
  }

 private:
  std::vector<Color>& palette_;
  std::size_t capacity_;
  std::unordered_map<Color, int> index_;
};

// The picture's distinct colours in order of appearance, or nothing when more than `limit`.
std::vector<Color> PaletteFromColours(const Bitmap& b, std::size_t limit) {
  std::vector<Color> colours;
  std::unordered_map<Color, int> seen;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      Color c = b.pixel(x, y);
      if (seen.emplace(c, 0).second) {
        if (colours.size() == limit) return {};
        colours.push_back(c);
      }
    }
  return colours;
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const BmpPicture& picture) {
  const Bitmap& b = picture.pixels;
  if (b.empty()) return {};
  int bits = picture.bitsPerPixel;
  std::vector<Color> palette;
  if (bits == 1 || bits == 4 || bits == 8) {
    palette = picture.palette;
    if (palette.size() > (1u << bits)) palette.resize(1u << bits);
    if (palette.empty()) palette = PaletteFromColours(b, 1u << bits);
    if (palette.empty()) bits = 24;
  } else {
    bits = 24;
  }

  // Palette pictures: every pixel's index first, since the table may still grow.
  std::vector<std::uint8_t> indices;
  if (bits <= 8) {
    PaletteMapper mapper(palette, std::size_t(1) << bits);
    indices.reserve(std::size_t(b.width()) * std::size_t(b.height()));
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x)
        indices.push_back(std::uint8_t(mapper.indexOf(b.pixel(x, y))));
  }

  const std::uint32_t stride = ((std::uint32_t(b.width()) * bits + 31) / 32) * 4;
  const std::uint32_t imageSize = stride * std::uint32_t(b.height());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * palette.size();
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);
  ByteWriter w(out);
  w.u8('B'), w.u8('M');
  w.u32(offset + imageSize);
  w.u32(0);
  w.u32(offset);
  w.u32(kInfoHeaderSize);
  w.i32(b.width());
  w.i32(b.height());
  w.u16(1);
  w.u16(std::uint16_t(bits));
  w.u32(kBiRgb);
  w.u32(imageSize);
  w.u32(0), w.u32(0);
  w.u32(std::uint32_t(palette.size()));
  w.u32(0);
  for (Color c : palette)
    w.u8(std::uint8_t(ColorB(c))), w.u8(std::uint8_t(ColorG(c))), w.u8(std::uint8_t(ColorR(c))),
        w.u8(0);

  out.resize(offset + imageSize, 0);
  for (int y = 0; y < b.height(); ++y) {
    std::uint8_t* dst = out.data() + offset + std::size_t(b.height() - 1 - y) * stride;
    if (bits == 24) {
      std::memcpy(dst, b.row(y), std::size_t(b.width()) * 3);
      continue;
    }
    const int perByte = 8 / bits;
    const std::uint8_t* rowIndices = indices.data() + std::size_t(y) * std::size_t(b.width());
    for (int x = 0; x < b.width(); ++x)
      dst[x / perByte] |= std::uint8_t(rowIndices[x] << (8 - bits * (x % perByte + 1)));
  }
  return out;
}

}  // namespace lq
