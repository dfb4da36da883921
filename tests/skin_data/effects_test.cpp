#include "skin/data/effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace lq {
namespace {

Bitmap RandomImage(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w * 3; ++x) b.row(y)[x] = std::uint8_t(random() & 0xFF);
  return b;
}

// Straightforward per-pixel reference of the blends, written from their definitions.
int Clamp255(double v) {
  return int(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

Color Weighted(Color self, Color other, double w) {
  return RGB(Clamp255(w * ColorR(self) + (1 - w) * ColorR(other)),
             Clamp255(w * ColorG(self) + (1 - w) * ColorG(other)),
             Clamp255(w * ColorB(self) + (1 - w) * ColorB(other)));
}

constexpr MorphKind kAllMorphKinds[] = {MorphKind::Fade,         MorphKind::CentreGradient,
                                        MorphKind::LeftGradient, MorphKind::RightGradient,
                                        MorphKind::LeftSlide,    MorphKind::RightSlide,
                                        MorphKind::Push};

Bitmap ReferenceMorph(MorphKind kind, const Bitmap& self, const Bitmap& other, double x) {
  const int W = self.width(), H = self.height();
  Bitmap out = self;
  auto r = [](double v) { return int(std::nearbyint(v)); };
  auto blendColumn = [&](int c, double w) {
    for (int y = 0; y < H; ++y)
      out.setPixel(c, y, Weighted(self.pixel(c, y), other.pixel(c, y), w));
  };
  switch (kind) {
    case MorphKind::Fade:
      for (int y = 0; y < H; ++y)
        for (int c = 0; c < W; ++c) {
          Color s = self.pixel(c, y), o = other.pixel(c, y);
          out.setPixel(c, y,
                       RGB(Clamp255((1 - x) * ColorR(s) + x * ColorR(o)),
                           Clamp255((1 - x) * ColorG(s) + x * ColorG(o)),
                           Clamp255((1 - x) * ColorB(s) + x * ColorB(o))));
        }
      break;
    case MorphKind::CentreGradient: {
      const bool vertical = W < H;
      const int n = vertical ? H : W;
      const int a = r(n * x);
      const int b = vertical ? (n - 1 - a) / 2 : (n - a) / 2;
      const double step = b == 0 ? (vertical ? 0 : 1) : 1.0 / b;
      const int g = std::max(0, n / 2 - a / 2), f = std::min(n - 1, n / 2 + a / 2);
      auto weightAt = [&](int i) {
        if (i >= g && i <= f) return 0.0;
        return std::min(1.0, (i < g ? g - i : i - f) * step);
      };
      for (int y = 0; y < H; ++y)
        for (int c = 0; c < W; ++c)
          out.setPixel(c, y,
                       Weighted(self.pixel(c, y), other.pixel(c, y), weightAt(vertical ? y : c)));
      break;
    }
    case MorphKind::LeftGradient: {
      int a = std::min(std::max(r(W * x), 1), W - 1);
      for (int c = 0; c <= a; ++c) blendColumn(c, a ? std::min(1.0, c * (1.0 / a)) : 0);
      break;
    }
    case MorphKind::RightGradient: {
      int a = std::clamp(W - r(W * x), 0, W - 1);
      double step = 1.0 / (W - a);
      for (int c = W - 1; c >= a; --c) blendColumn(c, std::min(1.0, (W - 1 - c) * step));
      break;
    }
    case MorphKind::LeftSlide:
    case MorphKind::RightSlide: {
      int b = std::clamp(r(W * x), 1, W - 1);
      for (int y = 0; y < H; ++y)
        for (int k = 0; k < b; ++k) {
          if (kind == MorphKind::LeftSlide)
            out.setPixel(k, y, other.pixel(std::min(W - b + k, W - 1), y));
          else
            out.setPixel(W - b + k, y, other.pixel(k, y));
        }
      break;
    }
    case MorphKind::Push: {
      int a = std::clamp(r(W * x), 0, W - 1);
      for (int y = 0; y < H; ++y)
        for (int j = 0; j < W; ++j)
          out.setPixel(j, y, j <= a ? other.pixel(W - a - 1 + j, y) : self.pixel(j - a - 1, y));
      break;
    }
  }
  return out;
}

TEST(Morph, EveryBlendMatchesTheReferenceOnRandomImages) {
  const std::pair<int, int> sizes[] = {{40, 13}, {13, 40}, {33, 33}, {2, 5}, {5, 1}};
  const double factors[] = {0, 0.05, 0.2, 0.37, 0.5, 0.81, 1};
  unsigned seed = 1;
  for (MorphKind kind : kAllMorphKinds)
    for (auto [w, h] : sizes)
      for (double x : factors) {
        Bitmap a = RandomImage(w, h, seed++), b = RandomImage(w, h, seed++);
        LqEffectBmp self(a), other(b);
        ASSERT_TRUE(self.Morph(kind, other, x));
        ASSERT_EQ(self.bitmap(), ReferenceMorph(kind, a, b, x))
            << "kind " << int(kind) << " " << w << "x" << h << " x=" << x;
        ASSERT_EQ(other.bitmap(), b);  // only the called object changes
      }
}

TEST(Morph, FadeEndsAndOutOfRangeFactors) {
  Bitmap a = RandomImage(9, 4, 7), b = RandomImage(9, 4, 8);
  LqEffectBmp other(b);
  LqEffectBmp none(a);
  none.BlendFade(other, 0);
  EXPECT_EQ(none.bitmap(), a);
  LqEffectBmp full(a);
  full.BlendFade(other, 1);
  EXPECT_EQ(full.bitmap(), b);
  LqEffectBmp over(a);
  over.BlendFade(other, 1.5);
  EXPECT_EQ(over.bitmap(), b);
  LqEffectBmp notANumber(a);
  notANumber.BlendFade(other, std::nan(""));
  EXPECT_EQ(notANumber.bitmap(), a);
  // Negative factors in the positional morphs stay inside the image.
  LqEffectBmp centre(a);
  centre.BlendCentreGradient(other, -3);
  centre.BlendPush(other, -1);
  EXPECT_FALSE(centre.Morph(static_cast<MorphKind>(7), other, 0.5));
}

TEST(Morph, LeftGradientAtZeroStillTakesColumnZeroFromTheOther) {
  Bitmap a = RandomImage(10, 3, 1), b = RandomImage(10, 3, 2);
  LqEffectBmp self(a), other(b);
  self.BlendLeftGradient(other, 0);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(self.bitmap().pixel(0, y), b.pixel(0, y));
  for (int y = 0; y < 3; ++y) EXPECT_EQ(self.bitmap().pixel(1, y), a.pixel(1, y));
}

TEST(Morph, DifferentSizesChangeNothing) {
  Bitmap a = RandomImage(10, 3, 1), b = RandomImage(10, 4, 2);
  LqEffectBmp other(b);
  for (MorphKind kind : kAllMorphKinds) {
    LqEffectBmp self(a);
    self.Morph(kind, other, 0.5);
    EXPECT_EQ(self.bitmap(), a) << int(kind);
  }
}

TEST(ImageEffects, GrayscaleKeepsBlackAndWhiteAndUsesTheLumaWeights) {
  Bitmap b(3, 1);
  b.setPixel(0, 0, RGB(255, 255, 255));
  b.setPixel(1, 0, RGB(0, 0, 0));
  b.setPixel(2, 0, RGB(100, 60, 200));
  LqEffectBmp e(b);
  e.Grayscale();
  EXPECT_EQ(e.bitmap().pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(e.bitmap().pixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(e.bitmap().pixel(2, 0), RGB(87, 87, 87));  // 30 + 35.4 + 22
}

TEST(ImageEffects, InvertTwiceRestores) {
  Bitmap a = RandomImage(17, 9, 3);
  LqEffectBmp e(a);
  e.Invert();
  EXPECT_EQ(e.bitmap().pixel(4, 4), RGB(255 - ColorR(a.pixel(4, 4)), 255 - ColorG(a.pixel(4, 4)),
                                        255 - ColorB(a.pixel(4, 4))));
  e.Invert();
  EXPECT_EQ(e.bitmap(), a);
}

TEST(ImageEffects, BrightenAndDarkenRoundHalfToEven) {
  Bitmap b(2, 1);
  b.setPixel(0, 0, RGB(0, 255, 1));
  b.setPixel(1, 0, RGB(5, 15, 200));
  LqEffectBmp bright(b);
  bright.Brighten(0.5);
  EXPECT_EQ(bright.bitmap().pixel(0, 0), RGB(128, 255, 128));  // 127.5 -> 128, 128.0
  LqEffectBmp dark(b);
  dark.Darken(0.5);
  EXPECT_EQ(dark.bitmap().pixel(1, 0), RGB(2, 8, 100));  // 2.5 -> 2, 7.5 -> 8
  LqEffectBmp clamped(b);
  clamped.Brighten(4);
  EXPECT_EQ(clamped.bitmap().pixel(1, 0), RGB(255, 255, 255));
}

TEST(ImageEffects, NoiseMovesAllChannelsOfAPixelTogetherWithinTheAmount) {
  Bitmap b(40, 40);
  b.fill(RGB(100, 120, 140));
  LqEffectBmp e(b);
  std::mt19937 random(5);
  e.AddNoise(50, random);
  int low = 255, high = -255;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      Color c = e.bitmap().pixel(x, y);
      int d = ColorR(c) - 100;
      ASSERT_EQ(ColorG(c) - 120, d);
      ASSERT_EQ(ColorB(c) - 140, d);
      low = std::min(low, d);
      high = std::max(high, d);
    }
  EXPECT_EQ(low, -25);
  EXPECT_EQ(high, 24);
  LqEffectBmp untouched(b);
  untouched.AddNoise(0);
  EXPECT_EQ(untouched.bitmap(), b);
}

TEST(ImageEffects, SplitBlurAveragesDiagonalNeighboursTopDownInPlace) {
  Bitmap a = RandomImage(12, 9, 11);
  LqEffectBmp e(a);
  e.SplitBlur(2);
  // Reference: rows top to bottom, reading rows above from the already blurred result.
  Bitmap ref = a;
  const int W = 12, H = 9, d = 2;
  for (int i = 0; i < H; ++i) {
    int up = i - d < 0 ? i : i - d, down = i + d >= H ? H - i : i + d;
    Bitmap row(W, 1);
    for (int j = 0; j < W; ++j) {
      int l = j - d < 0 ? j : j - d, r = j + d >= W ? W - j : j + d;
      Color c[4] = {ref.pixel(l, up), ref.pixel(l, down), ref.pixel(r, up), ref.pixel(r, down)};
      row.setPixel(j, 0,
                   RGB((ColorR(c[0]) + ColorR(c[1]) + ColorR(c[2]) + ColorR(c[3])) / 4,
                       (ColorG(c[0]) + ColorG(c[1]) + ColorG(c[2]) + ColorG(c[3])) / 4,
                       (ColorB(c[0]) + ColorB(c[1]) + ColorB(c[2]) + ColorB(c[3])) / 4));
    }
    for (int j = 0; j < W; ++j) ref.setPixel(j, i, row.pixel(j, 0));
  }
  EXPECT_EQ(e.bitmap(), ref);
  // Distance 0 does nothing; an image not larger than the distance stays in bounds.
  LqEffectBmp same(a);
  same.SplitBlur(0);
  EXPECT_EQ(same.bitmap(), a);
  LqEffectBmp tiny(RandomImage(1, 1, 3));
  tiny.SplitBlur(1);
  EXPECT_TRUE(tiny.ApplyInactiveEffect(InactiveEffect::SplitBlur));
  EXPECT_FALSE(tiny.ApplyInactiveEffect(static_cast<InactiveEffect>(9)));
}

TEST(EffectBmp, RowsReadWriteAndDrawTo) {
  Bitmap a = RandomImage(5, 3, 9);
  LqEffectBmp e(a);
  std::uint8_t row[15];
  e.ReadRow(1, row);
  e.WriteRow(2, row);
  EXPECT_EQ(e.bitmap().pixel(3, 2), a.pixel(3, 1));
  Bitmap target(8, 8);
  e.DrawTo(target, 6, 6);  // clipped at the target's edge
  EXPECT_EQ(target.pixel(7, 7), e.bitmap().pixel(1, 1));
}

}  // namespace
}  // namespace lq
