#include "skin/frame/hint_layout.h"

#include <algorithm>

#include "skin/data/skin_data.h"

namespace lq {
namespace {

void MapCorners(const HintSkin& s, HintGeometry& g) {
  const int dx = g.width - s.window.width();
  const int dy = g.height - s.window.height();
  g.lefttop = s.lefttoppoint;
  g.righttop = {s.righttoppoint.x + dx, s.righttoppoint.y};
  g.leftbottom = {s.leftbottompoint.x, s.leftbottompoint.y + dy};
  g.rightbottom = {s.rightbottompoint.x + dx, s.rightbottompoint.y + dy};
  g.client = {s.clientrect.left, s.clientrect.top, s.clientrect.right + dx,
              s.clientrect.bottom + dy};
}

// Grows the window so that stretched corners never cross, then maps the geometry.
void FinishSkinned(const HintSkin& s, HintGeometry& g) {
  const int pw = s.window.width(), ph = s.window.height();
  int dx = g.width - pw;
  if (s.righttoppoint.x + dx < s.lefttoppoint.x) {
    g.width += s.lefttoppoint.x - (s.righttoppoint.x + dx);
    dx = g.width - pw;
  }
  if (s.rightbottompoint.x + dx < s.leftbottompoint.x) {
    g.width += s.leftbottompoint.x - (s.rightbottompoint.x + dx);
  }
  int dy = g.height - ph;
  if (s.leftbottompoint.y + dy < s.lefttoppoint.y) {
    g.height += s.lefttoppoint.y - (s.leftbottompoint.y + dy);
    dy = g.height - ph;
  }
  if (s.rightbottompoint.y + dy < s.righttoppoint.y) {
    g.height += s.righttoppoint.y - (s.rightbottompoint.y + dy);
  }
  MapCorners(s, g);
}

}  // namespace

std::shared_ptr<const HintSkin> HintSkinFromSkinData(const LqSkinData* data) {
  if (!data || data->Empty) return nullptr;
  const LqDataSkinHintWindow& d = data->HintWindowDescriptor;
  auto picture = [&](int index) -> const Bitmap* {
    if (index < 0 || index >= int(data->ActivePictures.size())) return nullptr;
    const Bitmap& b = data->ActivePictures[std::size_t(index)];
    return b.empty() ? nullptr : &b;
  };
  const Bitmap* window = picture(d.windowpictureindex);
  if (!window) return nullptr;
  auto skin = std::make_shared<HintSkin>();
  skin->window = *window;
  if (const Bitmap* mask = picture(d.maskpictureindex)) skin->mask = *mask;
  skin->lefttoppoint = d.lefttoppoint;
  skin->righttoppoint = d.righttoppoint;
  skin->leftbottompoint = d.leftbottompoint;
  skin->rightbottompoint = d.rightbottompoint;
  skin->clientrect = d.clientrect;
  skin->fontname = d.fontname;
  skin->fontheight = d.fontheight;
  skin->fontstyle = d.fontstyle;
  skin->fontcolor = d.fontcolor;
  skin->leftstretch = d.leftstretch;
  skin->rightstretch = d.rightstretch;
  skin->topstretch = d.topstretch;
  skin->bottomstretch = d.bottomstretch;
  skin->stretcheffect = d.stretcheffect;
  skin->stretchtype = int(d.stretchtype);
  return skin;
}

HintGeometry ComputeHintGeometry(const HintSkin* skin, int tw, int th) {
  HintGeometry g;
  if (!skin) {
    g.width = tw + 4;
    g.height = th + 4;
    g.client = {2, 2, g.width - 2, g.height - 2};
    return g;
  }
  const Rect& cr = skin->clientrect;
  g.width = tw + cr.left + skin->window.width() - cr.right + 5;
  g.height = th + cr.top + skin->window.height() - cr.bottom;
  FinishSkinned(*skin, g);
  return g;
}

HintGeometry ComputeTitledHintGeometry(const HintSkin* skin, int tw, int th,
                                       const TitledExtent& e) {
  HintGeometry g = ComputeHintGeometry(skin, tw, th);
  g.height += e.titleHeight + 10;
  g.width = std::max(g.width, e.titleWidth);
  if (e.imageWidth > 0) {
    g.width += e.imageWidth + 10;
    g.height = std::max(g.height, e.imageHeight + e.titleHeight + 5);
  }
  if (skin) {
    g.width += 10;
    FinishSkinned(*skin, g);
  } else {
    g.client = {2, 2, g.width - 2, g.height - 2};
  }
  return g;
}

Point PlaceHint(Point at, int width, int height, const Rect& workArea) {
  Point p = at;
  if (p.x + width > workArea.right) p.x -= width + 2;
  if (p.y + height > workArea.bottom) p.y -= height + 2;
  return p;
}

QString SplitHintLines(const QString& text, const QString& separator) {
  if (separator.isEmpty()) return text;
  QString out = text;
  out.replace(separator, QStringLiteral("\n"));
  return out;
}

}  // namespace lq
