#include "skin/data/effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/data/blit.h"

namespace lq {

namespace {

// Nearest integer, ties to even, then clamped to a channel value.
std::uint8_t Channel(double v) {
  double r = std::nearbyint(v);
  if (!(r >= 0)) return 0;
  if (r > 255) return 255;
  return std::uint8_t(r);
}

double ClampFactor(double x) {
  if (!(x >= 0)) return 0;  // also catches NaN
  return std::min(x, 1.0);
}

int Round(double v) {
  return int(std::nearbyint(v));
}

// w * self + (1 - w) * other for the three channels of one pixel.
void BlendPixel(std::uint8_t* self, const std::uint8_t* other, double w) {
  for (int c = 0; c < 3; ++c) self[c] = Channel(w * self[c] + (1 - w) * other[c]);
}

void ApplyTable(Bitmap& b, const std::array<std::uint8_t, 256>& table) {
  for (int y = 0; y < b.height(); ++y) {
    std::uint8_t* p = b.row(y);
    for (int i = 0; i < b.width() * 3; ++i) p[i] = table[p[i]];
  }
}

}  // namespace

void LqEffectBmp::ReadRow(int row, std::uint8_t* buffer) const {
  std::memcpy(buffer, bitmap_.row(row), std::size_t(Width()) * 3);
}

void LqEffectBmp::WriteRow(int row, const std::uint8_t* buffer) {
  std::memcpy(bitmap_.row(row), buffer, std::size_t(Width()) * 3);
}

void LqEffectBmp::DrawTo(Bitmap& target, int x, int y) const {
  CopyRect(target, x, y, bitmap_, bitmap_.rect());
}

void LqEffectBmp::BlendColumns(const LqEffectBmp& other, const std::vector<double>& weights) {
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    for (int c = 0; c < Width(); ++c)
      if (weights[std::size_t(c)] >= 0)
        BlendPixel(self + 3 * c, that + 3 * c, weights[std::size_t(c)]);
  }
}

void LqEffectBmp::BlendFade(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  x = ClampFactor(x);
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    for (int i = 0; i < Width() * 3; ++i) self[i] = Channel((1 - x) * self[i] + x * that[i]);
  }
}

void LqEffectBmp::BlendCentreGradient(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  x = ClampFactor(x);
  const bool vertical = Width() < Height();
  const int n = vertical ? Height() : Width();
  const int a = Round(n * x);
  const int b = vertical ? (n - 1 - a) / 2 : (n - a) / 2;
  const double step = b != 0 ? 1.0 / b : (vertical ? 0.0 : 1.0);
  const int g = std::max(0, n / 2 - a / 2);
  const int f = std::min(n - 1, n / 2 + a / 2);
  // Weight per column (or row): the band g..f is the other image, soft edges outside it.
  std::vector<double> w(std::size_t(n), 0.0);
  for (int k = 0; g - k >= 0; ++k) w[std::size_t(g - k)] = std::min(1.0, k * step);
  for (int k = 0; f + k < n; ++k) w[std::size_t(f + k)] = std::min(1.0, k * step);
  if (!vertical) {
    BlendColumns(other, w);
    return;
  }
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    for (int c = 0; c < Width(); ++c) BlendPixel(self + 3 * c, that + 3 * c, w[std::size_t(y)]);
  }
}

void LqEffectBmp::BlendLeftGradient(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  const int W = Width();
  const int a = std::min(std::max(Round(W * ClampFactor(x)), 1), W - 1);
  std::vector<double> w(std::size_t(W), -1.0);
  for (int k = 0; k <= a; ++k) w[std::size_t(k)] = a == 0 ? 0.0 : std::min(1.0, k * (1.0 / a));
  BlendColumns(other, w);
}

void LqEffectBmp::BlendRightGradient(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  const int W = Width();
  const int a = std::clamp(W - Round(W * ClampFactor(x)), 0, W - 1);
  const double step = W - a <= 0 ? 1.0 : 1.0 / (W - a);
  std::vector<double> w(std::size_t(W), -1.0);
  for (int k = 0; W - 1 - k >= a; ++k) w[std::size_t(W - 1 - k)] = std::min(1.0, k * step);
  BlendColumns(other, w);
}

void LqEffectBmp::BlendLeftSlide(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  const int W = Width();
  const int b = std::max(1, std::min(Round(W * ClampFactor(x)), W - 1));
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    for (int k = 0; k < b; ++k) std::memcpy(self + 3 * k, that + 3 * std::min(W - b + k, W - 1), 3);
  }
}

void LqEffectBmp::BlendRightSlide(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  const int W = Width();
  const int b = std::max(1, std::min(Round(W * ClampFactor(x)), W - 1));
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    const int first = std::max(0, W - b);
    std::memcpy(self + 3 * first, that + 3 * (first - (W - b)), std::size_t(W - first) * 3);
  }
}

void LqEffectBmp::BlendPush(const LqEffectBmp& other, double x) {
  if (!SameSize(other)) return;
  const int W = Width();
  const int a = std::clamp(Round(W * ClampFactor(x)), 0, W - 1);
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* self = bitmap_.row(y);
    const std::uint8_t* that = other.bitmap_.row(y);
    // Shift right by a + 1 (overlapping move), then the other image's last a + 1 columns.
    std::memmove(self + 3 * (a + 1), self, std::size_t(W - a - 1) * 3);
    std::memcpy(self, that + 3 * (W - a - 1), std::size_t(a + 1) * 3);
  }
}

bool LqEffectBmp::Morph(MorphKind kind, const LqEffectBmp& other, double x) {
  switch (kind) {
    case MorphKind::Fade:
      BlendFade(other, x);
      return true;
    case MorphKind::CentreGradient:
      BlendCentreGradient(other, x);
      return true;
    case MorphKind::LeftGradient:
      BlendLeftGradient(other, x);
      return true;
    case MorphKind::RightGradient:
      BlendRightGradient(other, x);
      return true;
    case MorphKind::LeftSlide:
      BlendLeftSlide(other, x);
      return true;
    case MorphKind::RightSlide:
      BlendRightSlide(other, x);
      return true;
    case MorphKind::Push:
      BlendPush(other, x);
      return true;
    default:
      return false;
  }
}

void LqEffectBmp::Brighten(double x) {
  x = ClampFactor(x);
  std::array<std::uint8_t, 256> t;
  for (int v = 0; v < 256; ++v) t[std::size_t(v)] = Channel((1 - x) * v + x * 255);
  ApplyTable(bitmap_, t);
}

void LqEffectBmp::Darken(double x) {
  x = ClampFactor(x);
  std::array<std::uint8_t, 256> t;
  for (int v = 0; v < 256; ++v) t[std::size_t(v)] = Channel((1 - x) * v);
  ApplyTable(bitmap_, t);
}

void LqEffectBmp::Grayscale() {
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = bitmap_.row(y);
    for (int c = 0; c < Width(); ++c, p += 3) {
      const std::uint8_t g = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void LqEffectBmp::Invert() {
  std::array<std::uint8_t, 256> t;
  for (int v = 0; v < 256; ++v) t[std::size_t(v)] = std::uint8_t(255 - v);
  ApplyTable(bitmap_, t);
}

void LqEffectBmp::AddNoise(int amount) {
  std::mt19937 random{std::random_device{}()};
  AddNoise(amount, random);
}

void LqEffectBmp::AddNoise(int amount, std::mt19937& random) {
  if (amount < 1) return;
  std::uniform_int_distribution<int> draw(0, amount - 1);
  for (int y = 0; y < Height(); ++y) {
    std::uint8_t* p = bitmap_.row(y);
    for (int c = 0; c < Width(); ++c, p += 3) {
      const int d = draw(random) - amount / 2;
      for (int k = 0; k < 3; ++k) p[k] = std::uint8_t(std::clamp(p[k] + d, 0, 255));
    }
  }
}

void LqEffectBmp::SplitBlur(int distance) {
  if (distance < 1 || bitmap_.empty()) return;
  const int W = Width(), H = Height();
  // Neighbour index: i - d (or i when negative), i + d (or n - i when that reaches n); the
  // result is kept inside the image for pictures not larger than the distance.
  auto before = [distance](int i) { return i - distance < 0 ? i : i - distance; };
  auto after = [distance](int i, int n) {
    const int j = i + distance >= n ? n - i : i + distance;
    return std::min(j, n - 1);
  };
  std::vector<std::uint8_t> out(std::size_t(W) * 3);
  for (int i = 0; i < H; ++i) {
    const std::uint8_t* up = bitmap_.row(before(i));
    const std::uint8_t* down = bitmap_.row(after(i, H));
    for (int j = 0; j < W; ++j) {
      const int l = 3 * before(j), r = 3 * after(j, W);
      for (int c = 0; c < 3; ++c)
        out[std::size_t(3 * j + c)] =
            std::uint8_t((up[l + c] + down[l + c] + up[r + c] + down[r + c]) / 4);
    }
    WriteRow(i, out.data());
  }
}

bool LqEffectBmp::ApplyInactiveEffect(InactiveEffect effect) {
  switch (effect) {
    case InactiveEffect::Brightness:
      Brighten(0.5);
      return true;
    case InactiveEffect::Darkness:
      Darken(0.3);
      return true;
    case InactiveEffect::Grayscale:
      Grayscale();
      return true;
    case InactiveEffect::Noise:
      AddNoise(50);
      return true;
    case InactiveEffect::SplitBlur:
      SplitBlur(1);
      return true;
    case InactiveEffect::Invert:
      Invert();
      return true;
    default:
      return false;
  }
}

}  // namespace lq
