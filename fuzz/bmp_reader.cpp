// Fuzzes the BMP reader: any bytes must be read or refused without a fault, and what is read
// must write back and read again to the same pixels.
#include <cstdlib>

#include "skin/data/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lq::BmpPicture picture;
  std::size_t consumed = 0;
  std::string error;
  if (!lq::ReadBmp(data, size, picture, consumed, error)) return 0;
  if (consumed > size) std::abort();
  std::vector<std::uint8_t> again = lq::WriteBmp(picture);
  lq::BmpPicture back;
  if (!lq::ReadBmp(again.data(), again.size(), back, consumed, error)) std::abort();
  if (consumed != again.size()) std::abort();
  if (!(back.pixels == picture.pixels)) std::abort();
  return 0;
}
