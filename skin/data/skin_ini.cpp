#include "skin/data/skin_ini.h"

namespace lq {
namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0, i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

SkinIni::SkinIni(const std::vector<std::string>& lines) {
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &AddSection(std::string(Trim(line.substr(1, line.size() - 2))));
      continue;
    }
    if (!current) continue;
    Entry e;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      e.value = std::string(line);
    } else {
      e.key = std::string(Trim(line.substr(0, eq)));
      e.value = std::string(Trim(line.substr(eq + 1)));
      e.hasKey = true;
    }
    AddEntry(*current, std::move(e));
  }
}

SkinIni::Section& SkinIni::AddSection(std::string name) {
  index_.emplace(AsciiLower(name), sections_.size());
  sections_.push_back(Section{std::move(name), {}, {}});
  return sections_.back();
}

void SkinIni::AddEntry(Section& s, Entry e) {
  if (e.hasKey) s.keys.emplace(AsciiLower(e.key), s.entries.size());
  s.entries.push_back(std::move(e));
}

const SkinIni::Section* SkinIni::FindSection(std::string_view name) const {
  auto it = index_.find(AsciiLower(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

SkinIni::Section* SkinIni::FindSection(std::string_view name) {
  auto it = index_.find(AsciiLower(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

bool SkinIni::HasSection(std::string_view section) const {
  return FindSection(section);
}

const std::string* SkinIni::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  auto it = s->keys.find(AsciiLower(key));
  return it == s->keys.end() ? nullptr : &s->entries[it->second].value;
}

std::vector<std::string> SkinIni::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

void SkinIni::Reindex() {
  index_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i)
    index_.emplace(AsciiLower(sections_[i].name), i);
}

void SkinIni::EraseSection(std::string_view section) {
  std::string lower = AsciiLower(section);
  if (!index_.count(lower)) return;
  std::erase_if(sections_, [&](const Section& s) { return AsciiLower(s.name) == lower; });
  Reindex();
}

void SkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = FindSection(section);
  if (!s) s = &AddSection(std::string(section));
  auto it = s->keys.find(AsciiLower(key));
  if (it != s->keys.end()) {
    s->entries[it->second].value = std::string(value);
    return;
  }
  AddEntry(*s, Entry{std::string(key), std::string(value), true});
}

std::vector<std::string> SkinIni::ToLines() const {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    if (i) lines.emplace_back();
    lines.push_back("[" + sections_[i].name + "]");
    for (const Entry& e : sections_[i].entries)
      lines.push_back(e.hasKey ? e.key + "=" + e.value : e.value);
  }
  return lines;
}

std::string SkinIni::ToText() const {
  std::string text;
  for (const std::string& line : ToLines()) text += line + "\r\n";
  return text;
}

}  // namespace lq
