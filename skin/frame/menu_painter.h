#pragma once
// Painting of popup menu windows and their items, skinned and default, into 24-bit bitmaps.

#include <QFont>
#include <QImage>

#include "skin/data/bitmap.h"
#include "skin/data/vector_glyphs.h"
#include "skin/frame/menu_geometry.h"
#include "skin/frame/menu_skin.h"

namespace lq {

class LqSkinMenuItem;
struct MenuImageList;

// Colours of the default look (the platform's standard system colours).
namespace syscolor {
constexpr Color BtnFace = RGB(240, 240, 240);
constexpr Color BtnShadow = RGB(160, 160, 160);
constexpr Color BtnText = RGB(0, 0, 0);
constexpr Color Window = RGB(255, 255, 255);
constexpr Color WindowText = RGB(0, 0, 0);
constexpr Color InfoBk = RGB(255, 255, 225);
constexpr Color InfoText = RGB(0, 0, 0);
constexpr Color HotFrame = 8388608;  // navy
constexpr Color HotFill = 13811126;
}  // namespace syscolor

// A plain colour for a skin colour value; system colours (0xFF0000nn) become the
// platform's standard values.
Color ResolveMenuColor(Color c);
// A QImage sharing the bitmap's pixels, so QPainter can draw text and shapes into it.
QImage WrapBitmap(Bitmap& bitmap);
QFont FontFromSpec(const MenuFontSpec& def);

struct ItemPaintContext {
  const MenuSkin* skin = nullptr;
  QFont font;
  int glyphWidth = 19;
  const MenuImageList* images = nullptr;
  const Bitmap* paintBuffer = nullptr;  // window background with the items area filled
};

// Window background at the window's size (frame picture or the default rings and column).
void PaintPopupBackground(Bitmap& target, const MenuSkin& skin, const PopupFrameGeometry& g,
                          int glyphWidth, bool scrolling);
// Background copy used by items with "inactivetransparent": items area filled too.
void PaintPopupBuffer(Bitmap& target, const MenuSkin& skin, const PopupFrameGeometry& g);
// Draws one shown item into the window bitmap at its rectangle.
void PaintMenuItem(Bitmap& window, const LqSkinMenuItem& item, const ItemPaintContext& ctx);
// The scroll marker bands; direction 1 up, 2 down, 0 none.
void PaintScrollMarkers(Bitmap& window, const Rect& topBand, const Rect& bottomBand, int direction,
                        const ItemPaintContext& ctx);
// Four-line triangle, 7 pixels wide, centred in r: 3 up, 4 down, 1 left, 2 right.
void DrawArrowGlyph(Bitmap& target, const Rect& r, ArrowDirection direction, Color color);

}  // namespace lq
