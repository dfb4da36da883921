#pragma once
// LqCompressedStoredSkin: a skin kept as one zlib-compressed container, so the program needs
// no skin files at run time. Its compressed bytes are what a form stores as "CompressedData".
//
// A compressed skin stream (a compressed skin file) is: int32 version (3 when written; a
// reader accepts up to 3), int32 length N, then the N bytes of the zlib stream.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lq {

class LqCompressedStoredSkin {
 public:
  std::string Description;         // free text
  std::string FileName;            // skin.ini the store was built from (no directory)
  std::string CompressedFileName;  // compressed skin file it was loaded from (no directory)

  bool IsEmpty() const { return compressed_.empty(); }
  const std::vector<std::uint8_t>& CompressedData() const { return compressed_; }
  // Replaces the whole compressed content (the "CompressedData" property).
  void SetCompressedData(std::vector<std::uint8_t> bytes) { compressed_ = std::move(bytes); }

  // Builds a container from skin.ini and the bitmaps beside it and keeps it compressed.
  // On failure (a required section missing, a picture unreadable) the stored bytes stay
  // as they were and `error` says why.
  bool LoadFromIniFile(const std::string& path, std::string* error = nullptr);
  // Takes the compressed bytes of a compressed skin stream. A version above 3 leaves the
  // store empty; so does a stream whose length field exceeds the bytes present.
  bool LoadFromCompressedFile(const std::string& path, std::string* error = nullptr);
  bool LoadFromCompressedStream(const std::uint8_t* data, std::size_t size,
                                std::string* error = nullptr);
  // Writes version 3, the compressed length, the compressed bytes.
  void SaveToCompressedStream(std::vector<std::uint8_t>& out) const;
  // Appends the inflated container to `target`, in pieces of 4,096 bytes.
  bool DecompressToStream(std::vector<std::uint8_t>& target, std::string* error = nullptr) const;

 private:
  std::vector<std::uint8_t> compressed_;
};

}  // namespace lq
