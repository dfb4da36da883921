#include "app/cli/skin_file_loader.h"

#include "skin/data/stored_skin.h"

namespace longtail::cli {

bool LoadSkinFile(const std::string& path, lq::SkinContainer& container, lq::LqSkinData* skin,
                  std::string& error) {
  lq::LqCompressedStoredSkin store;
  if (!store.LoadFromCompressedFile(path, &error)) return false;
  if (store.IsEmpty()) {
    error = path + ": the compressed skin is empty";
    return false;
  }
  std::vector<std::uint8_t> inflated;
  if (!store.DecompressToStream(inflated, &error)) return false;
  if (!lq::ReadSkinContainer(inflated.data(), inflated.size(), container, error)) return false;
  if (skin && !skin->LoadContainer(inflated)) {
    error = skin->LastError();
    return false;
  }
  return true;
}

}  // namespace longtail::cli
