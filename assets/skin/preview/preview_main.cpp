// lq_skin_preview STORE OUTDIR: composes the window parts of a packed skin the way the
// frame, menu and hint code does (nine-part images cut by their masks) and writes PNGs:
// the frame active and inactive at three sizes with its caption buttons, a popup menu at
// two widths and the hint window at two sizes. Pixels outside a window's shape take the
// contact sheet's background, so the shape shows as it would on a light desktop.

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "skin/data/blit.h"
#include "skin/data/effects.h"
#include "skin/data/image_compose.h"
#include "skin/data/mask_region.h"
#include "skin/data/object_descriptors.h"
#include "skin/data/png_writer.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

namespace {

using namespace lq;

constexpr Color kDesktop = RGB(244, 247, 251);  // the contact sheet's background

void Copy(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& s) {
  for (int sy = s.top; sy < s.bottom; ++sy)
    for (int sx = s.left; sx < s.right; ++sx) {
      const int tx = x + sx - s.left, ty = y + sy - s.top;
      if (tx >= 0 && ty >= 0 && tx < dst.width() && ty < dst.height())
        dst.setPixel(tx, ty, src.pixel(sx, sy));
    }
}

void CutToShape(Bitmap& img, const std::optional<Region>& shape) {
  if (!shape) return;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!shape->contains(x, y)) img.setPixel(x, y, kDesktop);
}

bool Save(const Bitmap& img, const std::filesystem::path& path) {
  std::string error;
  if (WritePngFile(img, path.string(), error)) return true;
  std::cerr << "lq_skin_preview: " << error << "\n";
  return false;
}

FrameGeometry FormGeometry(const LqSkinData& s) {
  return {s.lefttoppoint, s.righttoppoint, s.leftbottompoint, s.rightbottompoint, s.clientrect};
}

// The caption buttons close, maximize and minimize laid out from the caption rectangle's
// right edge, the way the frame places them.
void DrawCaptionButtons(const LqSkinData& s, int width, Bitmap& top, bool hot) {
  int x = s.captionrect.right + width - s.MainPicture.width();
  for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
    const auto* b = s.FindObject<LqDataSkinStdButton>(name);
    if (!b || b->activepictureindex < 0) continue;
    const Bitmap& pic = s.ActivePictures.at(std::size_t(b->activepictureindex));
    const Rect& r = hot && std::string(name) == "closebutton" ? b->activeskinrect : b->skinrect;
    Copy(top, x - r.width(), s.captionrect.top, pic, r);
    x -= r.width() + s.buttonsoffset;
  }
}

Bitmap Frame(const LqSkinData& s, int w, int h, bool active, bool closeHot) {
  const FrameGeometry src = FormGeometry(s);
  const int pw = s.MainPicture.width(), ph = s.MainPicture.height();
  const FrameGeometry dst = FitFrameGeometry(src, w - pw, h - ph);
  const FrameFlags flags{s.leftstretch, s.topstretch,    s.rightstretch,    s.bottomstretch,
                         true,          s.stretcheffect, int(s.stretchtype)};
  Bitmap img(w, h);
  TileArea(img, dst.client, {dst.client.left, dst.client.top}, s.MainPicture, s.clientrect);
  BorderStrips strips;
  BuildBorderStrips(src, dst, flags, w, h, s.MainPicture.rect(), s.MainPicture, strips);
  DrawCaptionButtons(s, w, strips.top, closeHot);
  if (!active && s.autorenderinginactiveimage) {
    for (Bitmap* b : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
      LqEffectBmp e(*b);
      e.Grayscale();
      *b = e.bitmap();
    }
  }
  Copy(img, 0, 0, strips.top, strips.top.rect());
  Copy(img, 0, strips.top.height(), strips.left, strips.left.rect());
  Copy(img, w - strips.right.width(), strips.top.height(), strips.right, strips.right.rect());
  Copy(img, 0, h - strips.bottom.height(), strips.bottom, strips.bottom.rect());
  FrameGeometry maskSrc = src;
  maskSrc.client = s.maskrectarea;
  FrameGeometry maskDst = FitFrameGeometry(maskSrc, w - pw, h - ph);
  CutToShape(img,
             BuildFramedRegion(maskSrc, maskDst, flags, w, h, s.MaskBitmap.rect(), s.MaskBitmap));
  return img;
}

Bitmap Popup(const LqSkinData& s, int itemWidth) {
  const auto& d = s.PopupWindowDescriptor;
  const auto* item = s.FindObject<LqDataSkinMenuItem>("menuitem");
  if (d.windowpictureindex < 0 || !item) return {};
  const Bitmap& pic = s.ActivePictures.at(std::size_t(d.windowpictureindex));
  const Bitmap& items = s.ActivePictures.at(std::size_t(item->activepictureindex));
  const int frameW = pic.width() - d.itemsrect.width(),
            frameH = pic.height() - d.itemsrect.height();
  const int ih = item->skinrect.height(), dh = item->dividerrect.height();
  const int w = itemWidth + frameW, h = 4 * ih + dh + frameH;
  const FrameGeometry src{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint,
                          d.itemsrect};
  const FrameGeometry dst = FitFrameGeometry(src, w - pic.width(), h - pic.height());
  Bitmap img;
  BuildFramedImage(src, dst,
                   {d.leftstretch, d.topstretch, d.rightstretch, d.bottomstretch, true,
                    d.stretcheffect, int(d.stretchtype)},
                   w, h, pic.rect(), pic, img);
  int y = dst.client.top;
  auto row = [&](const Rect& r, int left, int right) {
    Bitmap strip;
    BuildHStrip(left, right, strip, items, r, itemWidth, false);
    Copy(img, dst.client.left, y, strip, strip.rect());
    y += r.height();
  };
  row(item->skinrect, item->itemleftoffset, item->itemrightoffset);
  row(item->activeskinrect, item->itemleftoffset, item->itemrightoffset);
  row(item->skinrect, item->itemleftoffset, item->itemrightoffset);
  row(item->dividerrect, item->dividerleftoffset, item->dividerrightoffset);
  row(item->skinrect, item->itemleftoffset, item->itemrightoffset);
  if (d.maskpictureindex >= 0) {
    const Bitmap& mask = s.ActivePictures.at(std::size_t(d.maskpictureindex));
    CutToShape(img, BuildFramedRegion(src, dst, {}, w, h, mask.rect(), mask));
  }
  return img;
}

Bitmap Hint(const LqSkinData& s, int tw, int th) {
  const auto& d = s.HintWindowDescriptor;
  if (d.windowpictureindex < 0) return {};
  const Bitmap& pic = s.ActivePictures.at(std::size_t(d.windowpictureindex));
  const int w = tw + d.clientrect.left + pic.width() - d.clientrect.right + 5;
  const int h = th + d.clientrect.top + pic.height() - d.clientrect.bottom;
  const FrameGeometry src{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint,
                          d.clientrect};
  const FrameGeometry dst = FitFrameGeometry(src, w - pic.width(), h - pic.height());
  const FrameFlags flags{d.leftstretch, d.topstretch,    d.rightstretch,    d.bottomstretch,
                         true,          d.stretcheffect, int(d.stretchtype)};
  Bitmap img;
  BuildFramedImage(src, dst, flags, w, h, pic.rect(), pic, img);
  if (d.maskpictureindex >= 0) {
    const Bitmap& mask = s.ActivePictures.at(std::size_t(d.maskpictureindex));
    CutToShape(img, BuildFramedRegion(src, dst, flags, w, h, mask.rect(), mask));
  }
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: lq_skin_preview STORE OUTDIR\n";
    return 2;
  }
  LqCompressedStoredSkin store;
  std::string error;
  if (!store.LoadFromCompressedFile(argv[1], &error)) {
    std::cerr << "lq_skin_preview: " << error << "\n";
    return 1;
  }
  LqSkinData skin;
  skin.SetCompressedStoredSkin(&store);
  if (skin.Empty) {
    std::cerr << "lq_skin_preview: the store holds no skin: " << skin.LastError() << "\n";
    return 1;
  }
  const std::filesystem::path out = argv[2];
  std::filesystem::create_directories(out);
  bool ok = true;
  const int sizes[][2] = {{200, 31}, {285, 160}, {420, 240}};
  for (const auto& sz : sizes) {
    const std::string n = std::to_string(sz[0]) + "x" + std::to_string(sz[1]);
    ok &= Save(Frame(skin, sz[0], sz[1], true, false), out / ("frame-active-" + n + ".png"));
    ok &= Save(Frame(skin, sz[0], sz[1], false, false), out / ("frame-inactive-" + n + ".png"));
    ok &= Save(Frame(skin, sz[0], sz[1], true, true), out / ("frame-hover-" + n + ".png"));
  }
  ok &= Save(Popup(skin, 89), out / "popup-89.png");
  ok &= Save(Popup(skin, 170), out / "popup-170.png");
  ok &= Save(Hint(skin, 40, 14), out / "hint-40x14.png");
  ok &= Save(Hint(skin, 120, 30), out / "hint-120x30.png");
  if (!skin.ActivePictures.empty()) ok &= Save(skin.ActivePictures[0], out / "caption-buttons.png");
  return ok ? 0 : 1;
}
