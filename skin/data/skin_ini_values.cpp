// The value readers and writers of skin.ini.
#include <array>
#include <limits>

#include "skin/data/skin_ini.h"

namespace lq {
namespace {

constexpr std::array<const char*, 7> kMorphWords{"mkdefault",       "mkgradient",  "mkleftgradient",
                                                 "mkrightgradient", "mkleftslide", "mkrightslide",
                                                 "mkpush"};
constexpr std::array<const char*, 6> kEffectWords{"iebrightness", "iedarkness",  "iegrayscale",
                                                  "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kCommandWords{"cmclose",         "cmmaximize", "cmminimize",
                                                   "cmsysmenu",       "cmdefault",  "cmrollup",
                                                   "cmminimizetotray"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Splits a rect or point text into `count` numeric fields; false when one is empty or too big.
bool ParseFields(std::string_view text, int* fields, int count) {
  int field = 0;
  std::string digits;
  auto finish = [&]() {
    if (digits.empty()) return false;
    std::int32_t v;
    if (!ParseSkinInteger(digits, v)) return false;
    fields[field++] = v;
    digits.clear();
    return true;
  };
  for (char c : text) {
    if (field == count) break;
    if (c == ',') {
      if (!finish()) return false;
    } else if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  if (field < count && !finish()) return false;
  return field == count;
}

[[noreturn]] void ThrowBadValue(std::string_view section, std::string_view key,
                                const std::string& value, const char* what) {
  throw SkinFormatError("[" + std::string(section) + "] " + std::string(key) + "=" + value + ": " +
                        what);
}

template <std::size_t N>
int WordIndex(const std::string& value, const std::array<const char*, N>& words) {
  for (std::size_t i = 0; i < N; ++i)
    if (value == words[i]) return int(i);
  return -1;
}

}  // namespace

bool ParseSkinInteger(std::string_view text, std::int32_t& out) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::uint64_t value = 0;
  if (!text.empty() && (text.front() == '$' || (text.size() > 2 && text[0] == '0' &&
                                                (text[1] == 'x' || text[1] == 'X')))) {
    text.remove_prefix(text.front() == '$' ? 1 : 2);
    if (text.empty()) return false;
    for (char c : text) {
      int d = HexDigit(c);
      if (d < 0) return false;
      value = value * 16 + unsigned(d);
      if (value > 0xFFFFFFFFu) return false;
    }
    std::int32_t v = std::int32_t(std::uint32_t(value));
    out = negative ? std::int32_t(0u - std::uint32_t(v)) : v;
    return true;
  }
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + unsigned(c - '0');
    if (value > 2147483648u) return false;
  }
  if (!negative && value > 2147483647u) return false;
  out = negative ? std::int32_t(-std::int64_t(value)) : std::int32_t(value);
  return true;
}

int ReadSkinInteger(const SkinIni& ini, std::string_view section, std::string_view key, int def) {
  const std::string* v = ini.Find(section, key);
  std::int32_t out;
  return v && ParseSkinInteger(*v, out) ? out : def;
}

Color ReadSkinColor(const SkinIni& ini, std::string_view section, std::string_view key, Color def) {
  return Color(ReadSkinInteger(ini, section, key, std::int32_t(def)));
}

bool ReadSkinBool(const SkinIni& ini, std::string_view section, std::string_view key) {
  return ReadSkinInteger(ini, section, key, 0) == 1;
}

std::string ReadSkinString(const SkinIni& ini, std::string_view section, std::string_view key,
                           std::string_view def) {
  const std::string* v = ini.Find(section, key);
  return v ? *v : std::string(def);
}

bool ParseSkinRect(std::string_view text, Rect& out) {
  int f[4];
  if (!ParseFields(text, f, 4)) return false;
  out = {f[0], f[1], f[2], f[3]};
  return true;
}

bool ParseSkinPoint(std::string_view text, Point& out) {
  int f[2];
  if (!ParseFields(text, f, 2)) return false;
  out = {f[0], f[1]};
  return true;
}

Rect ReadSkinRect(const SkinIni& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  Rect r;
  if (v && !ParseSkinRect(*v, r))
    ThrowBadValue(section, key, *v, "a rectangle needs four numbers separated by \",\"");
  return r;
}

Point ReadSkinPoint(const SkinIni& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  Point p;
  if (v && !ParseSkinPoint(*v, p))
    ThrowBadValue(section, key, *v, "a point needs two numbers separated by \",\"");
  return p;
}

TFontStyles ReadFontStyle(const SkinIni& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  if (!v) return 0;
  TFontStyles s = 0;
  if (v->find("fsbold") != std::string::npos) s |= fsBold;
  if (v->find("fsitalic") != std::string::npos) s |= fsItalic;
  if (v->find("fsunderline") != std::string::npos) s |= fsUnderline;
  if (v->find("fsstrikeout") != std::string::npos) s |= fsStrikeOut;
  return s;
}

TextAlignment ReadAlignment(const SkinIni& ini, std::string_view section, std::string_view key,
                            TextAlignment def) {
  const std::string* v = ini.Find(section, key);
  if (!v) return def;
  if (*v == "tacenter") return TextAlignment::Center;
  if (*v == "taleftjustify") return TextAlignment::Left;
  return TextAlignment::Right;
}

MorphKind ReadMorphKind(const SkinIni& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  int i = v ? WordIndex(*v, kMorphWords) : -1;
  return i < 0 ? MorphKind::Fade : MorphKind(i);
}

StretchType ReadStretchType(const SkinIni& ini, std::string_view section, std::string_view key) {
  const std::string* v = ini.Find(section, key);
  if (!v || *v == "stfull") return StretchType::Full;
  return *v == "stvert" ? StretchType::Vertical : StretchType::Horizontal;
}

InactiveEffect ReadInactiveEffect(const SkinIni& ini, std::string_view section,
                                  std::string_view key) {
  const std::string* v = ini.Find(section, key);
  if (!v) return InactiveEffect::Brightness;
  int i = WordIndex(*v, kEffectWords);
  return i < 0 ? InactiveEffect::Grayscale : InactiveEffect(i);
}

FrameCommand ReadCommand(const SkinIni& ini, std::string_view section, std::string_view key,
                         FrameCommand def) {
  const std::string* v = ini.Find(section, key);
  if (!v) return def;
  int i = WordIndex(*v, kCommandWords);
  return i < 0 ? FrameCommand::MinimizeToTray : FrameCommand(i);
}

std::vector<std::string> ReadIniList(const SkinIni& ini, std::string_view section,
                                     std::string_view name) {
  std::string countKey = std::string(name) + "count";
  const std::string* v = ini.Find(section, countKey);
  std::int32_t count;
  if (!v || !ParseSkinInteger(*v, count) || count <= 0) return {};
  if (count > kMaxSkinListCount)
    ThrowBadValue(section, countKey, *v, "list longer than 65536 entries");
  std::vector<std::string> items;
  items.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i)
    items.push_back(ReadSkinString(ini, section, std::to_string(i), ""));
  return items;
}

std::string SkinRectText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string SkinPointText(const Point& p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FontStyleText(TFontStyles s) {
  static constexpr std::array<const char*, 4> kWords{"fsbold", "fsitalic", "fsunderline",
                                                     "fsstrikeout"};
  std::string text;
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (!(s & (1u << i))) continue;
    if (!text.empty()) text += ',';
    text += kWords[i];
  }
  return text;
}

std::string AlignmentText(TextAlignment a) {
  switch (a) {
    case TextAlignment::Left:
      return "taleftjustify";
    case TextAlignment::Right:
      return "tarightjustify";
    default:
      return "tacenter";
  }
}

std::string MorphKindText(MorphKind k) {
  return kMorphWords[std::size_t(k) < kMorphWords.size() ? std::size_t(k) : 0];
}

std::string StretchTypeText(StretchType t) {
  return t == StretchType::Full ? "stfull" : t == StretchType::Vertical ? "stvert" : "sthorz";
}

std::string InactiveEffectText(InactiveEffect e) {
  return kEffectWords[std::size_t(e) < kEffectWords.size() ? std::size_t(e) : 2];
}

std::string CommandText(FrameCommand c) {
  return kCommandWords[std::size_t(c) < kCommandWords.size() ? std::size_t(c) : 6];
}

void WriteIniList(SkinIni& ini, std::string_view section, std::string_view name,
                  const std::vector<std::string>& items) {
  ini.WriteString(section, std::string(name) + "count", std::to_string(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i)
    ini.WriteString(section, std::to_string(i), items[i]);
}

}  // namespace lq
