// longtail-cli skin pack SKIN.INI -o FILE: builds a compressed skin stream from skin.ini and
// the bitmaps beside it.

#include <cstdio>

#include "app/cli/command_registry.h"
#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"

namespace {

int SkinPack(const std::vector<std::string>& args) {
  std::string ini, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      output = args[++i];
    } else if (ini.empty() && !args[i].empty() && args[i][0] != '-') {
      ini = args[i];
    } else {
      ini.clear();
      break;
    }
  }
  if (ini.empty() || output.empty()) {
    std::fprintf(stderr, "usage: longtail-cli skin pack SKIN.INI -o FILE\n");
    return 2;
  }
  lq::LqCompressedStoredSkin store;
  std::string error;
  if (!store.LoadFromIniFile(ini, &error)) {
    std::fprintf(stderr, "skin pack: %s\n", error.c_str());
    return 1;
  }
  std::vector<std::uint8_t> stream;
  store.SaveToCompressedStream(stream);
  if (!lq::WriteWholeFile(output, stream, error)) {
    std::fprintf(stderr, "skin pack: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

LONGTAIL_CLI_COMMAND(skin_pack, "skin pack", "skin pack SKIN.INI -o FILE", SkinPack);
