#include "skin/data/skin_container.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "skin/data/byte_stream.h"
#include "skin/data/skin_ini.h"

namespace lq {
namespace {

// All pictures of one container together may hold this many pixels (192 MB at 24 bits);
// the program's skin has about half a million.
constexpr std::uint64_t kMaxContainerPixels = std::uint64_t(64) << 20;

// Reads one picture, charging its pixels to the container's budget.
bool ReadPicture(ByteReader& r, BmpPicture& picture, std::uint64_t& budget, const std::string& what,
                 std::string& error) {
  std::size_t consumed = 0;
  std::string why;
  if (!ReadBmp(r.current(), r.remaining(), picture, consumed, why, budget)) {
    error = what + " at offset " + std::to_string(r.position()) + ": " + why;
    return false;
  }
  r.skip(consumed);
  budget -= std::uint64_t(picture.pixels.width()) * std::uint64_t(picture.pixels.height());
  return true;
}

bool ReadSlot(ByteReader& r, std::optional<BmpPicture>& slot, std::uint64_t& budget,
              const std::string& what, std::string& error) {
  std::uint8_t presence;
  if (!r.readU8(presence)) {
    error = "container ends before the " + what + " slot";
    return false;
  }
  slot.reset();
  if (presence != 0) return true;
  slot.emplace();
  return ReadPicture(r, *slot, budget, what, error);
}

void WriteSlot(ByteWriter& w, const std::optional<BmpPicture>& slot) {
  std::vector<std::uint8_t> bmp;
  if (slot) bmp = WriteBmp(*slot);
  w.u8(bmp.empty() ? 1 : 0);
  w.bytes(bmp);
}

std::string DirectoryOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Skin files written on other systems may separate folders with backslashes.
std::string PicturePath(const std::string& base, std::string name) {
  for (char& c : name)
    if (c == '\\') c = '/';
  return base + name;
}

bool LoadPictureFile(const std::string& path, BmpPicture& picture, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  std::size_t consumed;
  std::string why;
  if (!ReadBmp(bytes.data(), bytes.size(), picture, consumed, why)) {
    error = path + ": " + why;
    return false;
  }
  return true;
}

}  // namespace

bool ReadSkinContainer(const std::uint8_t* data, std::size_t size, SkinContainer& out,
                       std::string& error) {
  ByteReader r(data, size);
  std::int32_t version;
  if (!r.readI32(version)) {
    error = "container ends before its version";
    return false;
  }
  out.version = version;
  if (version > kSkinContainerVersion) {
    error = "container version " + std::to_string(version) + " is newer than " +
            std::to_string(kSkinContainerVersion);
    return false;
  }
  std::uint64_t budget = kMaxContainerPixels;
  if (!ReadSlot(r, out.main, budget, "main picture", error) ||
      !ReadSlot(r, out.inactive, budget, "inactive picture", error) ||
      !ReadSlot(r, out.mask, budget, "mask picture", error))
    return false;
  if (version == 2) {
    std::optional<BmpPicture> legacy;
    if (!ReadSlot(r, legacy, budget, "first legacy picture", error) ||
        !ReadSlot(r, legacy, budget, "second legacy picture", error))
      return false;
  }
  std::int32_t count;
  if (!r.readI32(count)) {
    error = "container ends before the active picture count";
    return false;
  }
  if (count < 0) {
    error = "negative active picture count " + std::to_string(count);
    return false;
  }
  out.active.clear();
  for (std::int32_t i = 0; i < count; ++i) {
    // Each picture is checked against the bytes left before anything is allocated for it.
    out.active.emplace_back();
    if (!ReadPicture(r, out.active.back(), budget, "active picture " + std::to_string(i), error))
      return false;
  }
  out.text.assign(reinterpret_cast<const char*>(r.current()), r.remaining());
  return true;
}

std::vector<std::uint8_t> WriteSkinContainer(const SkinContainer& c) {
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  w.i32(kSkinContainerVersion);
  WriteSlot(w, c.main);
  WriteSlot(w, c.inactive);
  WriteSlot(w, c.mask);
  w.i32(std::int32_t(c.active.size()));
  for (const BmpPicture& p : c.active) w.bytes(WriteBmp(p));
  w.text(c.text);
  return out;
}

bool BuildSkinContainer(const std::string& iniPath, std::vector<std::uint8_t>& container,
                        std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(iniPath, bytes, error)) return false;
  std::vector<std::string> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  SkinIni ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    if (!ini.HasSection(section)) {
      error = iniPath + ": section [" + section + "] is missing";
      return false;
    }
  }
  const std::string base = DirectoryOf(iniPath);
  SkinContainer c;
  std::optional<BmpPicture>* slots[] = {&c.main, &c.inactive, &c.mask};
  const char* keys[] = {"picture", "inactivepicture", "mask"};
  for (int i = 0; i < 3; ++i) {
    std::string name = ReadSkinString(ini, "PICTURES", keys[i], "");
    if (name.empty()) continue;
    slots[i]->emplace();
    if (!LoadPictureFile(PicturePath(base, name), **slots[i], error)) return false;
  }
  std::vector<std::string> active;
  try {
    active = ReadIniList(ini, "PICTURES", "activepictures");
  } catch (const SkinFormatError& e) {
    error = iniPath + ": " + e.what();
    return false;
  }
  for (const std::string& name : active) {
    c.active.emplace_back();
    if (!LoadPictureFile(PicturePath(base, name), c.active.back(), error)) return false;
  }
  for (const std::string& line : lines) c.text += line + "\r\n";
  container = WriteSkinContainer(c);
  return true;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                   std::size_t limit) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  out.clear();
  std::uint8_t buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    out.insert(out.end(), buffer, buffer + n);
    if (out.size() > limit) {
      std::fclose(f);
      out.clear();
      error = path + ": larger than " + std::to_string(limit >> 20) + " MB";
      return false;
    }
  }
  bool failed = std::ferror(f);
  std::fclose(f);
  if (failed) {
    error = path + ": read error";
    return false;
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& data,
                    std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) error = path + ": write error";
  return ok;
}

}  // namespace lq
