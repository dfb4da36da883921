#pragma once
// One list of fields per descriptor class drives reading, writing and listing: a class
// names each field with its key, its value kind and its default, in key order, inherited
// keys first. The visitors below read them from an ini, write them back, or (in the
// command-line tool) print them.

#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_types.h"

namespace lq {

class SkinFieldVisitor {
 public:
  virtual ~SkinFieldVisitor() = default;
  virtual void Integer(const char* key, int& value, int def) = 0;
  virtual void Colour(const char* key, Color& value, Color def) = 0;
  virtual void Flag(const char* key, bool& value) = 0;
  virtual void String(const char* key, std::string& value, const char* def) = 0;
  virtual void RectValue(const char* key, Rect& value) = 0;
  virtual void PointValue(const char* key, Point& value) = 0;
  virtual void FontStyle(const char* key, TFontStyles& value) = 0;
  virtual void Alignment(const char* key, TextAlignment& value) = 0;
  virtual void MorphKindValue(const char* key, MorphKind& value) = 0;
  virtual void StretchTypeValue(const char* key, StretchType& value) = 0;
  virtual void InactiveEffectValue(const char* key, InactiveEffect& value) = 0;
  virtual void Command(const char* key, FrameCommand& value, FrameCommand def) = 0;
};

// Reads every visited field from one section with the readers of skin_ini.h.
class IniFieldReader : public SkinFieldVisitor {
 public:
  IniFieldReader(const SkinIni& ini, std::string section)
      : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int& value, int def) override;
  void Colour(const char* key, Color& value, Color def) override;
  void Flag(const char* key, bool& value) override;
  void String(const char* key, std::string& value, const char* def) override;
  void RectValue(const char* key, Rect& value) override;
  void PointValue(const char* key, Point& value) override;
  void FontStyle(const char* key, TFontStyles& value) override;
  void Alignment(const char* key, TextAlignment& value) override;
  void MorphKindValue(const char* key, MorphKind& value) override;
  void StretchTypeValue(const char* key, StretchType& value) override;
  void InactiveEffectValue(const char* key, InactiveEffect& value) override;
  void Command(const char* key, FrameCommand& value, FrameCommand def) override;

 private:
  const SkinIni& ini_;
  std::string section_;
};

// Writes every visited field into one section in the syntax the reader accepts.
class IniFieldWriter : public SkinFieldVisitor {
 public:
  IniFieldWriter(SkinIni& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int& value, int def) override;
  void Colour(const char* key, Color& value, Color def) override;
  void Flag(const char* key, bool& value) override;
  void String(const char* key, std::string& value, const char* def) override;
  void RectValue(const char* key, Rect& value) override;
  void PointValue(const char* key, Point& value) override;
  void FontStyle(const char* key, TFontStyles& value) override;
  void Alignment(const char* key, TextAlignment& value) override;
  void MorphKindValue(const char* key, MorphKind& value) override;
  void StretchTypeValue(const char* key, StretchType& value) override;
  void InactiveEffectValue(const char* key, InactiveEffect& value) override;
  void Command(const char* key, FrameCommand& value, FrameCommand def) override;

 private:
  void Put(const char* key, const std::string& text) { ini_.WriteString(section_, key, text); }
  SkinIni& ini_;
  std::string section_;
};

}  // namespace lq
