#include "skin/controls/element_image.h"

#include <cstring>

#include "skin/data/blit.h"
#include "skin/data/mask_region.h"

namespace lq {
namespace {

FrameGeometry SourceFrame(const SliceGeometry& g) {
  return {g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.clientrect};
}

FrameGeometry TargetFrame(const FittedGeometry& f) {
  return {f.lefttop, f.righttop, f.leftbottom, f.rightbottom, f.client};
}

FrameFlags Flags(const SliceGeometry& g, bool drawClient) {
  FrameFlags flags;
  flags.leftStretch = g.leftstretch;
  flags.topStretch = g.topstretch;
  flags.rightStretch = g.rightstretch;
  flags.bottomStretch = g.bottomstretch;
  flags.drawClient = drawClient;
  flags.clientStretch = g.stretcheffect;
  flags.stretchType = g.stretchtype;
  return flags;
}

QRegion ToQRegion(const Region& region) {
  QRegion out;
  for (const Rect& r : region.rects()) out += QRect(r.left, r.top, r.width(), r.height());
  return out;
}

// Tiles image over target from its top-left, columns and rows 0..(size / image size)
// inclusive; the painter's clip cuts the excess.
void TileImage(QPainter& p, const QImage& image, const QRect& target) {
  const int cols = target.width() / image.width();
  const int rows = target.height() / image.height();
  for (int row = 0; row <= rows; ++row)
    for (int col = 0; col <= cols; ++col)
      p.drawImage(target.left() + col * image.width(), target.top() + row * image.height(), image);
}

}  // namespace

Bitmap ComposeElement(SliceMode sliceMode, const SliceGeometry& g, const FittedGeometry& f,
                      const Rect& source, const Bitmap& picture, int width, int height,
                      bool drawClient) {
  Bitmap out;
  switch (sliceMode) {
    case SliceMode::Fixed:
      out = CropBitmap(picture, source);
      break;
    case SliceMode::Both:
      BuildFramedImage(SourceFrame(g), TargetFrame(f), Flags(g, drawClient), width, height, source,
                       picture, out);
      break;
    case SliceMode::Horizontal:
      BuildHStrip(g.lefttoppoint.x, g.skinWidth() - g.righttoppoint.x, out, picture, source, width,
                  g.stretcheffect);
      break;
    case SliceMode::Vertical:
      BuildVStrip(g.lefttoppoint.y, g.skinHeight() - g.leftbottompoint.y, out, picture, source,
                  height, g.stretcheffect);
      break;
    default:
      break;
  }
  return out;
}

BorderStrips ComposeStrips(const SliceGeometry& g, const FittedGeometry& f, const Rect& source,
                           const Bitmap& picture, int width, int height) {
  BorderStrips strips;
  BuildBorderStrips(SourceFrame(g), TargetFrame(f), Flags(g, true), width, height, source, picture,
                    strips);
  return strips;
}

bool ComposeRegion(SliceMode sliceMode, const SliceGeometry& g, const FittedGeometry& f,
                   const Bitmap& mask, int width, int height, QRegion& out) {
  if (mask.empty()) return false;
  Region region;
  switch (sliceMode) {
    case SliceMode::Fixed:
      region = MaskToRegion(mask);
      break;
    case SliceMode::Both:
    case SliceMode::Horizontal:
    case SliceMode::Vertical: {
      FrameGeometry src = SourceFrame(g);
      FrameGeometry dst = TargetFrame(f);
      if (sliceMode == SliceMode::Horizontal) {
        // The right-top point stands for both right corners, the left-top for both left.
        src.leftbottom = src.lefttop;
        src.rightbottom = src.righttop;
        dst.righttop = {width + g.righttoppoint.x - g.skinWidth(), g.righttoppoint.y};
        dst.leftbottom = dst.lefttop;
        dst.rightbottom = dst.righttop;
      } else if (sliceMode == SliceMode::Vertical) {
        src.righttop = src.lefttop;
        src.rightbottom = src.leftbottom;
        dst.leftbottom = {g.leftbottompoint.x, height + g.leftbottompoint.y - g.skinHeight()};
        dst.righttop = dst.lefttop;
        dst.rightbottom = dst.leftbottom;
      }
      std::optional<Region> framed =
          BuildFramedRegion(src, dst, Flags(g, true), width, height, g.skinrect, mask);
      if (!framed) return false;
      region = std::move(*framed);
      break;
    }
    default:
      return false;
  }
  out = ToQRegion(region);
  return true;
}

Bitmap CutPicture(const Bitmap& picture, const Rect& r) {
  return CropBitmap(picture, r);
}

QRegion MaskImageRegion(const QImage& mask) {
  if (mask.isNull()) return {};
  return ToQRegion(MaskToRegion(FromImage(mask)));
}

void FillClientImage(QPainter& p, const QImage& image, const QRect& target, bool stretch,
                     int stretchType) {
  if (target.width() <= 0 || target.height() <= 0 || image.isNull()) return;
  p.save();
  p.setClipRect(target);
  if (!stretch) {
    TileImage(p, image, target);
  } else if (stretchType == 0) {
    p.drawImage(target, image);
  } else if (stretchType == 1) {
    const QImage strip = image.scaled(image.width(), target.height());
    for (int i = 0; i <= target.width() / strip.width(); ++i)
      p.drawImage(target.left() + i * strip.width(), target.top(), strip);
  } else {
    const QImage strip = image.scaled(target.width(), image.height());
    for (int i = 0; i <= target.height() / strip.height(); ++i)
      p.drawImage(target.left(), target.top() + i * strip.height(), strip);
  }
  p.restore();
}

QImage ToImage(const Bitmap& b) {
  if (b.empty()) return {};
  QImage wrapped(b.bits(), b.width(), b.height(), b.stride(), QImage::Format_BGR888);
  return wrapped.convertToFormat(QImage::Format_RGB32);
}

Bitmap FromImage(const QImage& image) {
  Bitmap b(image.width(), image.height());
  if (b.empty()) return b;
  const QImage src = image.convertToFormat(QImage::Format_BGR888);
  for (int y = 0; y < b.height(); ++y)
    std::memcpy(b.row(y), src.constScanLine(y), std::size_t(b.width()) * 3);
  return b;
}

}  // namespace lq
