#pragma once
// Little-endian reading and writing over byte buffers. The reader never reads past the
// end: every read reports whether the bytes were there, so malformed input cannot
// overrun a buffer.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lq {

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return size_ - pos_; }
  const std::uint8_t* current() const { return data_ + pos_; }
  bool atEnd() const { return pos_ >= size_; }

  bool readU8(std::uint8_t& v) {
    if (remaining() < 1) return false;
    v = data_[pos_++];
    return true;
  }
  bool readI32(std::int32_t& v) {
    std::uint32_t u;
    if (!readU32(u)) return false;
    v = std::int32_t(u);
    return true;
  }
  bool readU32(std::uint32_t& v) {
    if (remaining() < 4) return false;
    v = LoadU32(data_ + pos_);
    pos_ += 4;
    return true;
  }
  bool skip(std::size_t n) {
    if (remaining() < n) return false;
    pos_ += n;
    return true;
  }

  static std::uint16_t LoadU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
  static std::uint32_t LoadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void u8(std::uint8_t v) { out_.push_back(v); }
  void u16(std::uint16_t v) {
    out_.push_back(std::uint8_t(v));
    out_.push_back(std::uint8_t(v >> 8));
  }
  void u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(std::uint8_t(v >> (8 * i)));
  }
  void i32(std::int32_t v) { u32(std::uint32_t(v)); }
  void bytes(const std::uint8_t* p, std::size_t n) { out_.insert(out_.end(), p, p + n); }
  void bytes(const std::vector<std::uint8_t>& v) { bytes(v.data(), v.size()); }
  void text(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace lq
