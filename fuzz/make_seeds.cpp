// Writes seed corpora from a test skin directory: its bitmaps for the BMP reader, its
// container (raw and as a compressed stream) for the container reader, its skin.ini for
// the ini reader.
#include <cstdio>
#include <filesystem>

#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds SKIN_DIR OUT_DIR\n");
    return 2;
  }
  const fs::path skin(argv[1]), out(argv[2]);
  for (const char* d : {"bmp_reader", "container_reader", "ini_reader"})
    fs::create_directories(out / d);
  for (const auto& entry : fs::directory_iterator(skin))
    if (entry.path().extension() == ".bmp")
      fs::copy_file(entry.path(), out / "bmp_reader" / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
  fs::copy_file(skin / "skin.ini", out / "ini_reader" / "skin.ini",
                fs::copy_options::overwrite_existing);

  std::string error;
  std::vector<std::uint8_t> container;
  if (!lq::BuildSkinContainer((skin / "skin.ini").string(), container, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  container.insert(container.begin(), 0);  // mode byte: raw container
  lq::WriteWholeFile((out / "container_reader" / "raw").string(), container, error);
  lq::LqCompressedStoredSkin store;
  store.LoadFromIniFile((skin / "skin.ini").string(), &error);
  std::vector<std::uint8_t> stream{1};  // mode byte: compressed skin stream
  store.SaveToCompressedStream(stream);
  lq::WriteWholeFile((out / "container_reader" / "compressed").string(), stream, error);
  return 0;
}
