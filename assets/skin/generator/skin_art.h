#pragma once
// Draws every picture of longtail's skin from the rectangles that skin.ini gives, so the
// art and the definition cannot drift apart: each element is painted into exactly the
// rectangles its section names.

#include <string>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/skin_ini.h"

namespace lq::art {

struct SkinPictures {
  BmpPicture main;
  BmpPicture mask;
  std::vector<BmpPicture> active;  // in [PICTURES] list order
};

// Sizes and bit depths of the eight active pictures, in list order.
struct PictureFormat {
  int width;
  int height;
  int bitsPerPixel;
};
const std::vector<PictureFormat>& ActivePictureFormats();

SkinPictures DrawSkinPictures(const SkinIni& ini);

// Painters, one per picture family (see the .cpp files of the same names).
Color CaptionBandColor(int y);  // main-picture row y of the caption band
Bitmap DrawMainPicture(const SkinIni& ini);
Bitmap DrawFrameMask(const SkinIni& ini);
void DrawCaptionButtons(const SkinIni& ini, Bitmap& picture);
void DrawHintWindow(const SkinIni& ini, Bitmap& picture, Bitmap& mask);
void DrawPopupWindow(const SkinIni& ini, Bitmap& picture, Bitmap& mask);
void DrawMenuAndChecks(const SkinIni& ini, Bitmap& picture);
void DrawControls(const SkinIni& ini, std::vector<Bitmap>& pictures);

// Rectangle and point of an element key (zero when absent).
Rect KeyRect(const SkinIni& ini, const std::string& section, const std::string& key);
Point KeyPoint(const SkinIni& ini, const std::string& section, const std::string& key);
int KeyInt(const SkinIni& ini, const std::string& section, const std::string& key, int def);

}  // namespace lq::art
