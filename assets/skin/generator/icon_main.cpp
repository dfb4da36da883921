// lq_icon_art OUTDIR NAME: draws the program's icon into an icon theme tree under OUTDIR:
// hicolor/NxN/apps/NAME.png for every raster size and hicolor/scalable/apps/NAME.svg.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "icon_art.h"
#include "skin/data/png_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: lq_icon_art OUTDIR NAME\n";
    return 2;
  }
  const std::filesystem::path theme = std::filesystem::path(argv[1]) / "hicolor";
  const std::string name = argv[2];
  std::error_code ec;
  for (int size : lq::art::AppIconSizes()) {
    const std::string dir = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = theme / dir / "apps";
    std::filesystem::create_directories(folder, ec);
    const lq::art::IconImage icon = lq::art::DrawAppIcon(size);
    std::vector<std::uint8_t> png;
    std::string error;
    if (!lq::EncodePng(icon.pixels, icon.alpha, png, error) ||
        !lq::WritePngBytes(png, (folder / (name + ".png")).string(), error)) {
      std::cerr << "lq_icon_art: " << error << "\n";
      return 1;
    }
  }
  const std::filesystem::path scalable = theme / "scalable" / "apps";
  std::filesystem::create_directories(scalable, ec);
  std::ofstream svg(scalable / (name + ".svg"), std::ios::binary | std::ios::trunc);
  svg << lq::art::AppIconSvg();
  if (!svg.flush()) {
    std::cerr << "lq_icon_art: cannot write into " << scalable << "\n";
    return 1;
  }
  return 0;
}
