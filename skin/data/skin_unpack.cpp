#include "skin/data/skin_unpack.h"

#include <filesystem>
#include <system_error>

#include "skin/data/skin_ini.h"

namespace lq {
namespace {

namespace fs = std::filesystem;

// A relative path below the target directory, with backslashes read as separators.
bool SafeRelativePath(std::string name, fs::path& out) {
  for (char& c : name)
    if (c == '\\') c = '/';
  fs::path p(name);
  if (name.empty() || p.is_absolute() || p.has_root_name() || !p.has_filename()) return false;
  for (const fs::path& part : p)
    if (part == "..") return false;
  out = p;
  return true;
}

bool WritePicture(const BmpPicture& picture, const std::string& name, const std::string& what,
                  const fs::path& dir, std::string& error) {
  fs::path relative;
  if (!SafeRelativePath(name, relative)) {
    error = name.empty() ? what + " has no file name in [PICTURES]"
                         : what + " file name \"" + name + "\" leaves the target directory";
    return false;
  }
  fs::path target = dir / relative;
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  return WriteWholeFile(target.string(), WriteBmp(picture), error);
}

}  // namespace

bool UnpackSkinContainer(const SkinContainer& c, const std::string& directory, std::string& error) {
  fs::path dir(directory);
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    error = directory + ": not a directory";
    return false;
  }
  SkinIni ini = SkinIni::FromText(c.text);
  std::vector<std::string> active;
  try {
    active = ReadIniList(ini, "PICTURES", "activepictures");
  } catch (const SkinFormatError& e) {
    error = e.what();
    return false;
  }
  const std::optional<BmpPicture>* slots[] = {&c.main, &c.inactive, &c.mask};
  const char* keys[] = {"picture", "inactivepicture", "mask"};
  const char* names[] = {"main picture", "inactive picture", "mask picture"};
  for (int i = 0; i < 3; ++i) {
    if (!*slots[i]) continue;
    if (!WritePicture(**slots[i], ReadSkinString(ini, "PICTURES", keys[i], ""), names[i], dir,
                      error))
      return false;
  }
  for (std::size_t i = 0; i < c.active.size(); ++i) {
    std::string name = i < active.size() ? active[i] : "";
    if (!WritePicture(c.active[i], name, "active picture " + std::to_string(i), dir, error))
      return false;
  }
  std::vector<std::uint8_t> text(c.text.begin(), c.text.end());
  return WriteWholeFile((dir / "skin.ini").string(), text, error);
}

}  // namespace lq
