// The art generator: its painting kit and the pictures it draws from skin.ini.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "canvas.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin_art.h"

namespace lq::art {
namespace {

TEST(SkinArtCanvas, MixAndGradientsHitTheirEnds) {
  const Color a = RGB(10, 20, 30), b = RGB(210, 120, 30);
  EXPECT_EQ(Mix(a, b, 0), a);
  EXPECT_EQ(Mix(a, b, 1), b);
  EXPECT_EQ(Mix(a, b, 0.5), RGB(110, 70, 30));
  EXPECT_EQ(Mix(a, b, 7), b);  // clamped
  const Gradient g = {{0, a}, {0.5, b}, {1, a}};
  EXPECT_EQ(GradientAt(g, -1), a);
  EXPECT_EQ(GradientAt(g, 0.5), b);
  EXPECT_EQ(GradientAt(g, 0.25), Mix(a, b, 0.5));
  EXPECT_EQ(GradientAt(g, 2), a);

  Bitmap bmp(3, 5);
  FillVGradient(bmp, bmp.rect(), {{0, a}, {1, b}});
  EXPECT_EQ(bmp.pixel(2, 0), a);
  EXPECT_EQ(bmp.pixel(0, 4), b);
  EXPECT_EQ(bmp.pixel(1, 2), Mix(a, b, 0.5));
}

TEST(SkinArtCanvas, RoundedBoxesAreSymmetricAndLeaveTheOutsideAlone) {
  const Rect r{0, 0, 15, 11};
  EXPECT_EQ(RoundRectCoverage(r, 3, kAllCorners, 7, 5), 1.0);
  EXPECT_EQ(RoundRectCoverage(r, 3, kAllCorners, 0, 0), 0.0);
  EXPECT_EQ(RoundRectCoverage(r, 3, kTopCorners, 0, 10), 1.0);  // square bottom corner
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) {
      const double c = RoundRectCoverage(r, 3, kAllCorners, x, y);
      EXPECT_DOUBLE_EQ(c, RoundRectCoverage(r, 3, kAllCorners, r.right - 1 - x, y));
      EXPECT_DOUBLE_EQ(c, RoundRectCoverage(r, 3, kAllCorners, x, r.bottom - 1 - y));
    }

  Bitmap bmp(20, 20);
  bmp.fill(RGB(1, 2, 3));
  PaintBox(bmp, {4, 4, 16, 16}, {3, kAllCorners, RGB(0, 0, 255), Solid(RGB(255, 255, 255))});
  EXPECT_EQ(bmp.pixel(3, 10), RGB(1, 2, 3));
  EXPECT_EQ(bmp.pixel(4, 4), RGB(1, 2, 3));  // cut-off corner
  EXPECT_EQ(bmp.pixel(4, 10), RGB(0, 0, 255));
  EXPECT_EQ(bmp.pixel(10, 10), RGB(255, 255, 255));
}

TEST(SkinArtCanvas, TransposeSwapsAxes) {
  Bitmap b(3, 2);
  b.setPixel(2, 1, RGB(9, 8, 7));
  const Bitmap t = Transposed(b);
  EXPECT_EQ(t.width(), 2);
  EXPECT_EQ(t.height(), 3);
  EXPECT_EQ(t.pixel(1, 2), RGB(9, 8, 7));
  EXPECT_EQ(Transposed(t), b);
}

TEST(SkinArtCanvas, MaskStrokesCompositeInOneColour) {
  Mask m(9, 9);
  m.rect({2, 2, 4, 4});
  m.line(0.5, 8.5, 8.5, 8.5, 1.0);
  Bitmap bmp(9, 9);
  bmp.fill(RGB(255, 255, 255));
  m.paint(bmp, 0, 0, RGB(0, 0, 0));
  EXPECT_EQ(bmp.pixel(3, 3), RGB(0, 0, 0));
  EXPECT_EQ(bmp.pixel(4, 8), RGB(0, 0, 0));
  EXPECT_EQ(bmp.pixel(5, 5), RGB(255, 255, 255));
  m.clear({0, 0, 9, 9});
  EXPECT_EQ(m.at(3, 3), 0.0);
}

SkinIni RepositoryIni() {
  std::ifstream in(LONGTAIL_SKIN_INI, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_FALSE(text.empty()) << LONGTAIL_SKIN_INI;
  return SkinIni::FromText(text);
}

TEST(SkinArt, DrawsTheSamePicturesEveryTime) {
  const SkinIni ini = RepositoryIni();
  const SkinPictures a = DrawSkinPictures(ini), b = DrawSkinPictures(ini);
  EXPECT_EQ(a.main.pixels, b.main.pixels);
  EXPECT_EQ(a.mask.pixels, b.mask.pixels);
  ASSERT_EQ(a.active.size(), b.active.size());
  for (std::size_t i = 0; i < a.active.size(); ++i)
    EXPECT_EQ(a.active[i].pixels, b.active[i].pixels);
}

TEST(SkinArt, EmbeddedStoreHoldsTheCurrentArt) {
  const SkinPictures drawn = DrawSkinPictures(RepositoryIni());
  LqCompressedStoredSkin store;
  const auto stream = EmbeddedSkinStream();
  ASSERT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
  LqSkinData skin;
  skin.SetCompressedStoredSkin(&store);
  ASSERT_FALSE(skin.Empty);
  EXPECT_EQ(skin.MainPicture, drawn.main.pixels);
  EXPECT_EQ(skin.MaskBitmap, drawn.mask.pixels);
  ASSERT_EQ(skin.ActivePictures.size(), drawn.active.size());
  for (std::size_t i = 0; i < drawn.active.size(); ++i)
    EXPECT_EQ(skin.ActivePictures[i], drawn.active[i].pixels) << "picture " << i;
}

TEST(SkinArt, MasksAreBlackAndWhiteOnly) {
  const SkinPictures p = DrawSkinPictures(RepositoryIni());
  for (const Bitmap* m : {&p.mask.pixels, &p.active[6].pixels, &p.active[7].pixels})
    for (int y = 0; y < m->height(); ++y)
      for (int x = 0; x < m->width(); ++x) {
        const Color c = m->pixel(x, y);
        ASSERT_TRUE(c == RGB(0, 0, 0) || c == RGB(255, 255, 255)) << x << "," << y;
      }
}

}  // namespace
}  // namespace lq::art
