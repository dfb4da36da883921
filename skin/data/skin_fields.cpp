#include "skin/data/skin_fields.h"

#include <cstdio>

namespace lq {

void IniFieldReader::Integer(const char* key, int& value, int def) {
  value = ReadSkinInteger(ini_, section_, key, def);
}
void IniFieldReader::Colour(const char* key, Color& value, Color def) {
  value = ReadSkinColor(ini_, section_, key, def);
}
void IniFieldReader::Flag(const char* key, bool& value) {
  value = ReadSkinBool(ini_, section_, key);
}
void IniFieldReader::String(const char* key, std::string& value, const char* def) {
  value = ReadSkinString(ini_, section_, key, def);
}
void IniFieldReader::RectValue(const char* key, Rect& value) {
  value = ReadSkinRect(ini_, section_, key);
}
void IniFieldReader::PointValue(const char* key, Point& value) {
  value = ReadSkinPoint(ini_, section_, key);
}
void IniFieldReader::FontStyle(const char* key, TFontStyles& value) {
  value = ReadFontStyle(ini_, section_, key);
}
void IniFieldReader::Alignment(const char* key, TextAlignment& value) {
  value = ReadAlignment(ini_, section_, key);
}
void IniFieldReader::MorphKindValue(const char* key, MorphKind& value) {
  value = ReadMorphKind(ini_, section_, key);
}
void IniFieldReader::StretchTypeValue(const char* key, StretchType& value) {
  value = ReadStretchType(ini_, section_, key);
}
void IniFieldReader::InactiveEffectValue(const char* key, InactiveEffect& value) {
  value = ReadInactiveEffect(ini_, section_, key);
}
void IniFieldReader::Command(const char* key, FrameCommand& value, FrameCommand def) {
  value = ReadCommand(ini_, section_, key, def);
}

void IniFieldWriter::Integer(const char* key, int& value, int) {
  Put(key, std::to_string(value));
}
// Plain colours as decimal numbers, system colours (high byte set) in hexadecimal.
void IniFieldWriter::Colour(const char* key, Color& value, Color) {
  if (value <= 0x7FFFFFFFu) return Put(key, std::to_string(value));
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", unsigned(value));
  Put(key, text);
}
void IniFieldWriter::Flag(const char* key, bool& value) {
  Put(key, value ? "1" : "0");
}
void IniFieldWriter::String(const char* key, std::string& value, const char*) {
  Put(key, value);
}
void IniFieldWriter::RectValue(const char* key, Rect& value) {
  Put(key, SkinRectText(value));
}
void IniFieldWriter::PointValue(const char* key, Point& value) {
  Put(key, SkinPointText(value));
}
void IniFieldWriter::FontStyle(const char* key, TFontStyles& value) {
  Put(key, FontStyleText(value));
}
void IniFieldWriter::Alignment(const char* key, TextAlignment& value) {
  Put(key, AlignmentText(value));
}
void IniFieldWriter::MorphKindValue(const char* key, MorphKind& value) {
  Put(key, MorphKindText(value));
}
void IniFieldWriter::StretchTypeValue(const char* key, StretchType& value) {
  Put(key, StretchTypeText(value));
}
void IniFieldWriter::InactiveEffectValue(const char* key, InactiveEffect& value) {
  Put(key, InactiveEffectText(value));
}
void IniFieldWriter::Command(const char* key, FrameCommand& value, FrameCommand) {
  Put(key, CommandText(value));
}

}  // namespace lq
