#pragma once
// The arithmetic of hint windows: window size from the text size (with the rules that keep
// stretched corners from crossing), the frame geometry at that size, and placement against
// the work area.

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"

namespace lq {

class LqSkinData;

// What a hint window takes from [HINTWINDOW].
struct HintSkin {
  Bitmap window;
  Bitmap mask;
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  unsigned fontstyle = 0;
  Color fontcolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  int stretchtype = 0;
};

// The hint skin of a loaded skin whose window picture exists, else null (default look).
std::shared_ptr<const HintSkin> HintSkinFromSkinData(const LqSkinData* data);

struct HintGeometry {
  int width = 0;
  int height = 0;
  Point lefttop, righttop, leftbottom, rightbottom;  // mapped to width x height
  Rect client;                                       // mapped client rectangle
};

// Size for a text block of tw x th: (tw + 4) x (th + 4) without skin; with skin the client
// rectangle's margins and 5 more pixels of width, grown so that the right corners stay right
// of the left ones and the bottom corners below the top ones.
HintGeometry ComputeHintGeometry(const HintSkin* skin, int tw, int th);

// Titled hints: the title (bold) above, the image at the left below it, the text beside it.
struct TitledExtent {
  int titleWidth = 0, titleHeight = 0;
  int imageWidth = 0, imageHeight = 0;  // 0 x 0 without image
};
HintGeometry ComputeTitledHintGeometry(const HintSkin* skin, int tw, int th,
                                       const TitledExtent& extra);

// Top-left of a width x height hint asked for at `at`: moved left by width + 2 when it would
// pass the work area's right edge, up by height + 2 when it would pass its bottom.
Point PlaceHint(Point at, int width, int height, const Rect& workArea);

// Every occurrence of the separator becomes a line break.
QString SplitHintLines(const QString& text, const QString& separator);

}  // namespace lq
