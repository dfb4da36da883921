#include "skin_art.h"

namespace lq::art {
namespace {

std::vector<Color> GreyPalette(int entries) {
  std::vector<Color> p;
  for (int i = 0; i < entries; ++i) {
    const int v = entries > 1 ? i * 255 / (entries - 1) : 0;
    p.push_back(RGB(v, v, v));
  }
  return p;
}

BmpPicture Picture(Bitmap pixels, int bits) {
  BmpPicture p;
  p.pixels = std::move(pixels);
  p.bitsPerPixel = bits;
  if (bits <= 8) p.palette = GreyPalette(1 << bits);
  return p;
}

}  // namespace

const std::vector<PictureFormat>& ActivePictureFormats() {
  static const std::vector<PictureFormat> formats = {
      {75, 263, 24},   // caption buttons
      {28, 21, 24},    // hint window
      {93, 55, 24},    // popup window
      {132, 126, 24},  // menu items and check marks
      {556, 410, 24},  // controls
      {219, 178, 24},  // tool bar parts and menu bar
      {93, 55, 4},     // popup window mask
      {28, 21, 1},     // hint window mask
  };
  return formats;
}

Rect KeyRect(const SkinIni& ini, const std::string& section, const std::string& key) {
  return ReadSkinRect(ini, section, key);
}

Point KeyPoint(const SkinIni& ini, const std::string& section, const std::string& key) {
  return ReadSkinPoint(ini, section, key);
}

int KeyInt(const SkinIni& ini, const std::string& section, const std::string& key, int def) {
  return ReadSkinInteger(ini, section, key, def);
}

SkinPictures DrawSkinPictures(const SkinIni& ini) {
  std::vector<Bitmap> active;
  for (const PictureFormat& f : ActivePictureFormats()) active.emplace_back(f.width, f.height);

  DrawCaptionButtons(ini, active[0]);
  DrawHintWindow(ini, active[1], active[7]);
  DrawPopupWindow(ini, active[2], active[6]);
  DrawMenuAndChecks(ini, active[3]);
  active[4].fill(RGB(238, 244, 252));
  active[5].fill(RGB(238, 244, 252));
  DrawControls(ini, active);

  SkinPictures out;
  out.main = Picture(DrawMainPicture(ini), 24);
  out.mask = Picture(DrawFrameMask(ini), 8);
  for (std::size_t i = 0; i < active.size(); ++i)
    out.active.push_back(Picture(std::move(active[i]), ActivePictureFormats()[i].bitsPerPixel));
  return out;
}

}  // namespace lq::art
