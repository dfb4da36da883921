// lq_skin_art SKIN.INI OUTDIR: draws longtail's skin pictures from the rectangles of
// SKIN.INI and writes them, with a copy of SKIN.INI, into OUTDIR under the file names of
// its [PICTURES] section, ready for "longtail-cli skin pack".

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "skin_art.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: lq_skin_art SKIN.INI OUTDIR\n";
    return 2;
  }
  const std::filesystem::path ini_path = argv[1], out_dir = argv[2];
  std::ifstream in(ini_path, std::ios::binary);
  if (!in) {
    std::cerr << "lq_skin_art: cannot read " << ini_path << "\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    const lq::SkinIni ini = lq::SkinIni::FromText(text);
    const lq::art::SkinPictures pictures = lq::art::DrawSkinPictures(ini);
    const std::vector<std::string> names = lq::ReadIniList(ini, "PICTURES", "activepictures");
    if (names.size() != pictures.active.size()) {
      std::cerr << "lq_skin_art: [PICTURES] lists " << names.size() << " active pictures, "
                << pictures.active.size() << " are drawn\n";
      return 1;
    }
    std::filesystem::create_directories(out_dir);
    bool ok = WriteFile(out_dir / "skin.ini", std::vector<std::uint8_t>(text.begin(), text.end()));
    ok = ok && WriteFile(out_dir / lq::ReadSkinString(ini, "PICTURES", "picture", ""),
                         lq::WriteBmp(pictures.main));
    ok = ok && WriteFile(out_dir / lq::ReadSkinString(ini, "PICTURES", "mask", ""),
                         lq::WriteBmp(pictures.mask));
    for (std::size_t i = 0; ok && i < names.size(); ++i)
      ok = WriteFile(out_dir / names[i], lq::WriteBmp(pictures.active[i]));
    if (!ok) {
      std::cerr << "lq_skin_art: cannot write into " << out_dir << "\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "lq_skin_art: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
