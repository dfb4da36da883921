// The window frame: main picture, its shape mask and the caption buttons.

#include <cmath>

#include "palette.h"
#include "skin_art.h"

namespace lq::art {
namespace {

constexpr double kFrameRadius = 7;  // rounded top corners of the window

// Colour of main-picture pixel (x, y) before the outer border is laid over it.
Color FrameBase(const Bitmap& pic, const Rect& client, int x, int y) {
  using namespace palette;
  const int w = pic.width();
  if (y < client.top - 1) return CaptionBandColor(y);
  if (x >= client.left && x < client.right && y >= client.top && y < client.bottom)
    return kFormFace;
  // The one-pixel line that frames the client area.
  if (y == client.top - 1 || y == client.bottom || x == client.left - 1 || x == client.right)
    return kFrameInnerLine;
  if (x == 1) return kFrameHighlight;
  if (x == w - 2 || y == pic.height() - 2) return kFrameSideDark;
  return kFrameSide;
}

enum class Glyph { Close, Maximize, Restore, Minimize, RollUp, RollDown, Tray, SysMenu };

Mask GlyphMask(Glyph g, int w, int h) {
  Mask m(w, h);
  switch (g) {
    case Glyph::Close:
      m.line(6.5, 6.5, 14.5, 14.5, 1.8);
      m.line(14.5, 6.5, 6.5, 14.5, 1.8);
      break;
    case Glyph::Maximize:
      m.frame({6, 6, 15, 15}, 2);
      break;
    case Glyph::Restore:
      m.frame({8, 5, 16, 12}, 2);
      m.clear({5, 8, 13, 16});
      m.frame({5, 8, 13, 16}, 2);
      break;
    case Glyph::Minimize:
      m.rect({6, 13, 15, 15});
      break;
    case Glyph::RollUp:
      m.line(6.5, 12.5, 10.5, 8.5, 1.8);
      m.line(10.5, 8.5, 14.5, 12.5, 1.8);
      break;
    case Glyph::RollDown:
      m.line(6.5, 8.5, 10.5, 12.5, 1.8);
      m.line(10.5, 12.5, 14.5, 8.5, 1.8);
      break;
    case Glyph::Tray:
      m.frame({6, 11, 15, 15});
      m.rect({9, 5, 12, 9});
      m.triangle(7.5, 8, 13.5, 8, 10.5, 11);
      break;
    case Glyph::SysMenu:
      break;
  }
  return m;
}

enum class State { Normal, Hot, Down, Disabled };

// One caption-button image of size w x h whose top row lies on main-picture row `bandTop`.
Bitmap CaptionButton(Glyph g, State s, bool danger, int w, int h, int bandTop) {
  using namespace palette;
  Bitmap img(w, h);
  for (int y = 0; y < h; ++y) Fill(img, {0, y, w, y + 1}, CaptionBandColor(bandTop + y));
  if (g == Glyph::SysMenu) {
    // The program's own little icon: a blue tile with a rising trend line.
    BoxStyle tile{
        2.5, kAllCorners, RGB(40, 92, 170), {{0, RGB(112, 170, 236)}, {1, RGB(52, 112, 196)}}};
    if (s == State::Hot) tile.fill = {{0, RGB(136, 190, 246)}, {1, RGB(70, 132, 214)}};
    if (s == State::Down) tile.fill = {{0, RGB(52, 108, 190)}, {1, RGB(90, 150, 224)}};
    if (s == State::Disabled) {
      tile.border = RGB(150, 170, 200);
      tile.fill = {{0, RGB(214, 224, 238)}, {1, RGB(184, 198, 220)}};
    }
    PaintBox(img, {1, 0, 13, 12}, tile);
    Mask m(w, h);
    m.line(3.5, 8.5, 6, 6, 1.4);
    m.line(6, 6, 8, 7.5, 1.4);
    m.line(8, 7.5, 10.5, 3.5, 1.4);
    m.paint(img, 0, 0, RGB(255, 255, 255));
    return img;
  }
  Color glyph = kGlyph;
  if (s == State::Hot || s == State::Down) {
    BoxStyle box{3.5, kAllCorners, RGB(116, 162, 224), kSelectFace, RGB(255, 255, 255), 0.55};
    if (s == State::Down) {
      box.border = RGB(84, 134, 204);
      box.fill = {{0, RGB(178, 207, 244)}, {1, RGB(204, 225, 250)}};
      box.innerAlpha = 0;
    }
    if (danger) {
      box.border = s == State::Down ? RGB(146, 40, 32) : RGB(178, 60, 50);
      box.fill = s == State::Down ? Gradient{{0, RGB(184, 50, 40)}, {1, RGB(214, 86, 72)}}
                                  : Gradient{{0, RGB(240, 118, 104)}, {1, RGB(204, 62, 50)}};
      box.inner = RGB(255, 170, 160);
      box.innerAlpha = s == State::Down ? 0 : 0.5;
    }
    PaintBox(img, {0, 0, w, h}, box);
    glyph = danger ? RGB(255, 255, 255) : kGlyphHot;
  }
  if (s == State::Disabled) glyph = kGlyphDisabled;
  GlyphMask(g, w, h).paint(img, 0, 0, glyph);
  return img;
}

Glyph GlyphFor(const std::string& command, bool restore) {
  if (command == "cmclose") return Glyph::Close;
  if (command == "cmmaximize") return restore ? Glyph::Restore : Glyph::Maximize;
  if (command == "cmminimize") return restore ? Glyph::Restore : Glyph::Minimize;
  if (command == "cmrollup") return restore ? Glyph::RollDown : Glyph::RollUp;
  if (command == "cmsysmenu") return Glyph::SysMenu;
  return Glyph::Tray;
}

}  // namespace

Color CaptionBandColor(int y) {
  using namespace palette;
  if (y <= 1) return RGB(250, 253, 255);  // top highlight under the border
  if (y < 13) return GradientAt(kCaptionUpper, (y - 2) / 10.0);
  if (y < 26) return GradientAt(kCaptionLower, (y - 13) / 12.0);
  return kFrameInnerLine;
}

Bitmap DrawMainPicture(const SkinIni& ini) {
  Bitmap pic(285, 210);
  const Rect client = KeyRect(ini, "FORMINFO", "clientrect");
  const Rect inner{1, 1, pic.width() - 1, pic.height() - 1};
  for (int y = 0; y < pic.height(); ++y) {
    for (int x = 0; x < pic.width(); ++x) {
      const double in = RoundRectCoverage(inner, kFrameRadius - 1, kTopCorners, x, y);
      pic.setPixel(x, y, Mix(palette::kFrameBorder, FrameBase(pic, client, x, y), in));
    }
  }
  return pic;
}

Bitmap DrawFrameMask(const SkinIni&) {
  // Black pixels belong to the window; the rounded-off top corners are white.
  Bitmap mask(285, 210);
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x) {
      const bool inside = RoundRectCoverage(mask.rect(), kFrameRadius, kTopCorners, x, y) >= 0.5;
      mask.setPixel(x, y, inside ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
  return mask;
}

void DrawCaptionButtons(const SkinIni& ini, Bitmap& picture) {
  picture.fill(CaptionBandColor(14));
  const Rect caption = KeyRect(ini, "FORMINFO", "captionrect");
  for (const char* name :
       {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton", "traybutton"}) {
    const std::string* cmd = ini.Find(name, "command");
    const std::string command = cmd ? *cmd : "";
    const bool danger = command == "cmclose";
    auto draw = [&](const char* key, State s, bool restore) {
      const Rect r = KeyRect(ini, name, key);
      if (r.isEmpty()) return;
      // Buttons sit at the caption rectangle's top; the system-menu icon is centred in it.
      const int top = command == "cmsysmenu" ? caption.top + caption.height() / 2 - r.height() / 2
                                             : caption.top;
      const Bitmap img =
          CaptionButton(GlyphFor(command, restore), s, danger, r.width(), r.height(), top);
      CopyRect(picture, r.left, r.top, img, img.rect());
    };
    draw("skinrect", State::Normal, false);
    draw("activeskinrect", State::Hot, false);
    draw("downrect", State::Down, false);
    draw("disableskinrsect", State::Disabled, false);
    draw("restorerect", State::Normal, true);
    draw("restoreactiverect", State::Hot, true);
    draw("restoredownrect", State::Down, true);
  }
}

}  // namespace lq::art
