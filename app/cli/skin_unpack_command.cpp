// longtail-cli skin unpack FILE DIR: writes skin.ini and the bitmaps of a compressed skin
// file into DIR.

#include <cstdio>

#include "app/cli/command_registry.h"
#include "app/cli/skin_file_loader.h"
#include "skin/data/skin_unpack.h"

namespace {

int SkinUnpack(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: longtail-cli skin unpack FILE DIR\n");
    return 2;
  }
  lq::SkinContainer container;
  std::string error;
  if (!longtail::cli::LoadSkinFile(args[0], container, nullptr, error) ||
      !lq::UnpackSkinContainer(container, args[1], error)) {
    std::fprintf(stderr, "skin unpack: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

LONGTAIL_CLI_COMMAND(skin_unpack, "skin unpack", "skin unpack FILE DIR", SkinUnpack);
