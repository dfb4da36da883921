#pragma once
// The popup menu window, the hint window and the skin colours: one each per skin data,
// read from the fixed sections [POPUPWINDOW], [HINTWINDOW] and [SKINCOLORS].

#include <string>

#include "skin/data/skin_fields.h"

namespace lq {

// System colour values: 0xFF0000nn stands for the platform's colour nn.
constexpr Color SystemColor(int index) {
  return 0xFF000000u | Color(index);
}
constexpr Color clBtnFace = SystemColor(15);
constexpr Color clBtnText = SystemColor(18);
constexpr Color clWindow = SystemColor(5);
constexpr Color clWindowText = SystemColor(8);
constexpr Color clHighlight = SystemColor(13);
constexpr Color clHighlightText = SystemColor(14);
constexpr Color clBtnHighlight = SystemColor(20);
constexpr Color clBtnShadow = SystemColor(16);

class LqDataSkinPopupWindow {
 public:
  static constexpr const char* kSection = "POPUPWINDOW";
  void LoadFromIni(const SkinIni& ini);
  void SaveToIni(SkinIni& ini);
  void VisitFields(SkinFieldVisitor& v);

  int windowpictureindex = -1;
  int maskpictureindex = -1;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect itemsrect;
  Color scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
  bool topstretch = false, leftstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
};

class LqDataSkinHintWindow {
 public:
  static constexpr const char* kSection = "HINTWINDOW";
  void LoadFromIni(const SkinIni& ini);
  void SaveToIni(SkinIni& ini);
  void VisitFields(SkinFieldVisitor& v);

  int windowpictureindex = -1;
  int maskpictureindex = -1;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  std::string fontname = "Arial";
  TFontStyles fontstyle = 0;
  int fontheight = 12;  // before the first load; a loaded skin without the key gives 14
  Color fontcolor = 0;
  bool topstretch = false, leftstretch = false, rightstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
};

class LqSkinColors {
 public:
  static constexpr const char* kSection = "SKINCOLORS";
  void LoadFromIni(const SkinIni& ini);
  void SaveToIni(SkinIni& ini);
  void VisitFields(SkinFieldVisitor& v);
  // Back to the system colours of each role.
  void Reset() { *this = LqSkinColors(); }

  Color cbtnface = clBtnFace;
  Color cbtntext = clBtnText;
  Color cwindow = clWindow;
  Color cwindowtext = clWindowText;
  Color chighlight = clHighlight;
  Color chighlighttext = clHighlightText;
  Color cbtnhighlight = clBtnHighlight;
  Color cbtnshadow = clBtnShadow;
};

}  // namespace lq
