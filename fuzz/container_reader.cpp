// Fuzzes the container reader and the whole skin load behind it: the first byte picks
// between an inflated container and a compressed skin stream.
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  lq::LqSkinData skin;
  if (data[0] & 1) {
    lq::LqCompressedStoredSkin store;
    if (store.LoadFromCompressedStream(data + 1, size - 1)) skin.LoadCompressedStoredSkin(store);
  } else {
    skin.LoadContainer(std::vector<std::uint8_t>(data + 1, data + size));
  }
  // Whatever happened, the skin is either loaded or cleared, never half-way.
  if (skin.ChangingSkin) __builtin_trap();
  if (skin.Empty && !skin.ControlDescriptors.empty()) __builtin_trap();
  return 0;
}
