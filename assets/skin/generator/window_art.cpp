// The popup menu and hint windows, the menu items and the check-box marks.

#include "palette.h"
#include "skin_art.h"

namespace lq::art {
namespace {

// Black where a rounded box covers at least half a pixel, white elsewhere.
void ShapeMask(Bitmap& mask, double radius) {
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) {
      const bool inside = RoundRectCoverage(mask.rect(), radius, kAllCorners, x, y) >= 0.5;
      mask.setPixel(x, y, inside ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
}

enum class CheckState { Normal, Hot, Disabled };

Bitmap CheckImage(bool radio, CheckState s, bool checked, int w, int h) {
  using namespace palette;
  Bitmap img(w, h);
  img.fill(kPanelFace);
  // The corner pixels stay pure panel face: controls draw these images with the colour of
  // their bottom-left pixel as the transparent colour.
  BoxStyle box{radio ? w / 2.0 : 3.0, kAllCorners,
               RGB(112, 150, 202),    {{0, RGB(255, 255, 255)}, {1, RGB(214, 230, 250)}},
               RGB(255, 255, 255),    0.5};
  Color mark = RGB(30, 84, 168);
  if (s == CheckState::Hot) {
    box.border = kFieldHotBorder;
    box.fill = {{0, RGB(246, 251, 255)}, {1, RGB(204, 227, 253)}};
  } else if (s == CheckState::Disabled) {
    box.border = kDisabledBorder;
    box.fill = Solid(RGB(242, 245, 249));
    box.innerAlpha = 0;
    mark = RGB(150, 164, 186);
  }
  PaintBox(img, img.rect(), box);
  if (checked) {
    Mask m(w, h);
    if (radio) {
      m.disc(w / 2.0, h / 2.0, 3.3);
    } else {
      m.line(3.8, 7.6, 6.2, 10.2, 2.0);
      m.line(6.2, 10.2, 11.2, 4.4, 2.0);
    }
    m.paint(img, 0, 0, mark);
  }
  return img;
}

void DrawChecks(const SkinIni& ini, Bitmap& picture, const char* section, bool radio) {
  struct Key {
    const char* name;
    CheckState state;
    bool checked;
  };
  const Key keys[] = {{"checkimagerect", CheckState::Normal, true},
                      {"uncheckimagerect", CheckState::Normal, false},
                      {"activecheckimagerect", CheckState::Hot, true},
                      {"activeuncheckimagerect", CheckState::Hot, false},
                      {"unenabledcheckimagerect", CheckState::Disabled, true},
                      {"unenableduncheckimagerect", CheckState::Disabled, false}};
  for (const Key& k : keys) {
    const Rect r = KeyRect(ini, section, k.name);
    if (r.isEmpty()) continue;
    const Bitmap img = CheckImage(radio, k.state, k.checked, r.width(), r.height());
    CopyRect(picture, r.left, r.top, img, img.rect());
  }
}

// A menu row: the glyph column, its edge line, then the white text area.
void MenuRowBase(Bitmap& pic, const Rect& r, int gutter) {
  using namespace palette;
  Fill(pic, r, kWindow);
  Fill(pic, {r.left, r.top, r.left + gutter, r.bottom}, kMenuGutter);
  Fill(pic, {r.left + gutter, r.top, r.left + gutter + 1, r.bottom}, kMenuGutterLine);
}

}  // namespace

void DrawHintWindow(const SkinIni&, Bitmap& picture, Bitmap& mask) {
  picture.fill(palette::kWindow);
  PaintBox(
      picture, picture.rect(),
      {3.5, kAllCorners, RGB(128, 162, 210), Solid(RGB(246, 250, 255)), RGB(255, 255, 255), 0.9});
  ShapeMask(mask, 3.5);
}

void DrawPopupWindow(const SkinIni&, Bitmap& picture, Bitmap& mask) {
  const Color border = RGB(134, 168, 214);
  picture.fill(border);
  PaintBox(picture, picture.rect(), {4, kAllCorners, border, Solid(palette::kWindow), 0, 0});
  ShapeMask(mask, 4);
}

void DrawMenuAndChecks(const SkinIni& ini, Bitmap& picture) {
  using namespace palette;
  picture.fill(kPanelFace);
  // The glyph column ends where the item text begins.
  const int gutter = KeyRect(ini, "menuitem", "textrect").left - 1;
  const Rect item = KeyRect(ini, "menuitem", "skinrect");
  MenuRowBase(picture, item, gutter);
  const Rect active = KeyRect(ini, "menuitem", "activeskinrect");
  MenuRowBase(picture, active, gutter);
  // The highlight's rounded ends lie within the fixed parts (itemleftoffset, itemrightoffset).
  PaintBox(picture, {active.left + 2, active.top + 1, active.right - 2, active.bottom - 1},
           {3, kAllCorners, kSelectBorder, kSelectFace, RGB(255, 255, 255), 0.6});
  const Rect divider = KeyRect(ini, "menuitem", "dividerrect");
  MenuRowBase(picture, divider, gutter);
  const int dl = KeyInt(ini, "menuitem", "dividerleftoffset", 0);
  const int dr = KeyInt(ini, "menuitem", "dividerrightoffset", 0);
  const int mid = divider.top + divider.height() / 2;
  Fill(picture, {divider.left + dl, mid, divider.right - dr, mid + 1}, kDivider);
  DrawChecks(ini, picture, "checkbox", false);
  DrawChecks(ini, picture, "radiobox", true);
}

}  // namespace lq::art
