#pragma once
// The skin.ini text held in memory: sections of key=value entries, looked up without regard
// to letter case (first section and first key of a name win), plus the writer used by the
// descriptors' SaveToIni.
//
// Lines are trimmed of blanks and control characters; empty lines and lines starting with
// ";" are skipped; "[name]" opens a section; lines before the first section are ignored; a
// line without "=" is kept (and written back) but never found by key.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/skin_types.h"

namespace lq {

// Splits text into lines at CR LF, CR or LF. A final line break does not add an empty line.
std::vector<std::string> SplitLines(std::string_view text);

class SkinIni {
 public:
  SkinIni() = default;
  explicit SkinIni(const std::vector<std::string>& lines);
  static SkinIni FromText(std::string_view text) { return SkinIni(SplitLines(text)); }

  bool HasSection(std::string_view section) const;
  // The value of a key, or nullptr when the section or the key is absent.
  const std::string* Find(std::string_view section, std::string_view key) const;
  // Every section name in file order.
  std::vector<std::string> SectionNames() const;

  // Removes every section of that name.
  void EraseSection(std::string_view section);
  // Sets a key, adding the section at the end and the key at the section's end when new.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  std::vector<std::string> ToLines() const;
  // The text with CR LF after every line and a blank line between sections.
  std::string ToText() const;

 private:
  struct Entry {
    std::string key;    // empty for a line without "="
    std::string value;  // the whole line when there is no "="
    bool hasKey = false;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> keys;  // lower-case key -> first entry
  };
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  Section& AddSection(std::string name);
  static void AddEntry(Section& s, Entry e);
  void Reindex();

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> index_;  // lower-case name -> first section
};

std::string AsciiLower(std::string_view s);

// Value readers. Each takes the section and key, and applies the default when the key is
// absent or (except for rectangles and points) malformed.

// Lists longer than this are refused: no skin has that many entries, and a lying count
// must not make the loader allocate or loop without bound.
constexpr int kMaxSkinListCount = 65536;

// Decimal with optional sign, "$" hexadecimal, or "0x"/"0X" hexadecimal (more than two
// characters). Hexadecimal covers the full 32 bits (colours such as 0xFF00000F).
bool ParseSkinInteger(std::string_view text, std::int32_t& out);

int ReadSkinInteger(const SkinIni& ini, std::string_view section, std::string_view key, int def);
Color ReadSkinColor(const SkinIni& ini, std::string_view section, std::string_view key, Color def);
// True only for a value that reads as exactly 1.
bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key);
std::string ReadSkinString(const SkinIni& ini, std::string_view section, std::string_view key,
                           std::string_view def);
// "l,t,r,b": digits make up the fields, "," separates them, every other character is
// dropped. An empty field throws SkinFormatError; an absent key gives 0,0,0,0. Fields after
// the fourth are ignored.
Rect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key);
Point ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key);
TFontStyles ReadFontStyle(const SkinIni& ini, std::string_view section, std::string_view key);
TextAlignment ReadAlignment(const SkinIni& ini, std::string_view section, std::string_view key,
                            TextAlignment def = TextAlignment::Center);
MorphKind ReadMorphKind(const SkinIni& ini, std::string_view section, std::string_view key);
StretchType ReadStretchType(const SkinIni& ini, std::string_view section, std::string_view key);
InactiveEffect ReadInactiveEffect(const SkinIni& ini, std::string_view section,
                                  std::string_view key);
FrameCommand ReadCommand(const SkinIni& ini, std::string_view section, std::string_view key,
                         FrameCommand def = FrameCommand::Default);
// The list `name`: key name + "count", then keys "0" .. count-1 ("" for a missing index).
// A count that is not an integer, or is negative, gives an empty list; a count above
// kMaxSkinListCount throws SkinFormatError.
std::vector<std::string> ReadIniList(const SkinIni& ini, std::string_view section,
                                     std::string_view name);

// Parsing of rectangle and point texts on their own (false for an empty field).
bool ParseSkinRect(std::string_view text, Rect& out);
bool ParseSkinPoint(std::string_view text, Point& out);

// The texts the writer uses for each value kind.
std::string SkinRectText(const Rect& r);
std::string SkinPointText(const Point& p);
std::string FontStyleText(TFontStyles s);
std::string AlignmentText(TextAlignment a);
std::string MorphKindText(MorphKind k);
std::string StretchTypeText(StretchType t);
std::string InactiveEffectText(InactiveEffect e);
std::string CommandText(FrameCommand c);
void WriteIniList(SkinIni& ini, std::string_view section, std::string_view name,
                  const std::vector<std::string>& items);

}  // namespace lq
