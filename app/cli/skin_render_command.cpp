// longtail-cli skin render FILE ELEMENT W H [--rect KEY] -o OUT.png: composes one control
// element of a compressed skin at a size, as a skinned control would draw it, and saves it.

#include <charconv>
#include <cstdio>

#include "app/cli/command_registry.h"
#include "app/cli/skin_file_loader.h"
#include "skin/data/element_render.h"
#include "skin/data/png_writer.h"

namespace {

// Large enough for any screen, small enough that the image (3 bytes a pixel) stays in memory.
constexpr int kMaxSide = 8192;

const char* const kUsage = "skin render FILE ELEMENT W H [--rect KEY] -o OUT.png";

bool ParseSide(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= 1 && value <= kMaxSide;
}

const char* SliceModeName(lq::SliceMode mode) {
  switch (mode) {
    case lq::SliceMode::Fixed:
      return "fixed size";
    case lq::SliceMode::Both:
      return "sized both ways";
    case lq::SliceMode::Horizontal:
      return "sized horizontally";
    case lq::SliceMode::Vertical:
      return "sized vertically";
    default:
      return "not sizable";
  }
}

int SkinRender(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::string rectKey, output;
  bool bad = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--rect" && i + 1 < args.size() && rectKey.empty()) {
      rectKey = args[++i];
    } else if (args[i] == "-o" && i + 1 < args.size() && output.empty()) {
      output = args[++i];
    } else if (!args[i].empty() && args[i][0] != '-') {
      positional.push_back(args[i]);
    } else {
      bad = true;
    }
  }
  int width = 0, height = 0;
  if (bad || positional.size() != 4 || output.empty()) {
    std::fprintf(stderr, "usage: longtail-cli %s\n", kUsage);
    return 2;
  }
  if (!ParseSide(positional[2], width) || !ParseSide(positional[3], height)) {
    std::fprintf(stderr, "skin render: W and H must be whole numbers from 1 to %d\n", kMaxSide);
    return 2;
  }
  lq::SkinContainer container;
  lq::LqSkinData skin;
  std::string error;
  if (!longtail::cli::LoadSkinFile(positional[0], container, &skin, error)) {
    std::fprintf(stderr, "skin render: %s\n", error.c_str());
    return 1;
  }
  lq::ElementImage element;
  if (!lq::RenderControlElement(skin, positional[1], width, height, rectKey, element, error) ||
      !lq::WritePngFile(element.image, output, error)) {
    std::fprintf(stderr, "skin render: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %dx%d, %s (slice mode %d)\n", output.c_str(), element.image.width(),
              element.image.height(), SliceModeName(element.sliceMode), int(element.sliceMode));
  return 0;
}

}  // namespace

LONGTAIL_CLI_COMMAND(skin_render, "skin render", kUsage, SkinRender);
