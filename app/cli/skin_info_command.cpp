// longtail-cli skin info FILE [--element NAME | --forminfo]: describes a compressed skin
// file as one JSON object.

#include <cstdio>

#include "app/cli/command_registry.h"
#include "app/cli/skin_file_loader.h"
#include "skin/data/skin_json.h"

namespace {

int SkinInfo(const std::vector<std::string>& args) {
  std::string file, element;
  bool formInfo = false, bad = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--element" && i + 1 < args.size() && element.empty()) {
      element = args[++i];
    } else if (args[i] == "--forminfo") {
      formInfo = true;
    } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
      file = args[i];
    } else {
      bad = true;
    }
  }
  if (bad || file.empty() || (formInfo && !element.empty())) {
    std::fprintf(stderr, "usage: longtail-cli skin info FILE [--element NAME | --forminfo]\n");
    return 2;
  }
  lq::SkinContainer container;
  lq::LqSkinData skin;
  std::string error;
  if (!longtail::cli::LoadSkinFile(file, container, &skin, error)) {
    std::fprintf(stderr, "skin info: %s\n", error.c_str());
    return 1;
  }
  std::string json;
  if (formInfo) {
    json = lq::FormInfoJson(skin);
  } else if (!element.empty()) {
    if (!lq::ElementJson(skin, element, json)) {
      std::fprintf(stderr, "skin info: no element named \"%s\"\n", element.c_str());
      return 1;
    }
  } else {
    json = lq::SkinInfoJson(container, skin);
  }
  std::printf("%s\n", json.c_str());
  return 0;
}

}  // namespace

LONGTAIL_CLI_COMMAND(skin_info, "skin info", "skin info FILE [--element NAME | --forminfo]",
                     SkinInfo);
