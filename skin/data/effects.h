#pragma once
// LqEffectBmp: a 24-bit pixel buffer for the morph transitions (normal image blending into
// the hover image) and the inactive-frame effects. Channel results are rounded to nearest,
// ties to even, and clamped to 0..255; integer divisions truncate toward zero.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/skin_types.h"

namespace lq {

class LqEffectBmp {
 public:
  explicit LqEffectBmp(const Bitmap& source) : bitmap_(source) {}

  int Width() const { return bitmap_.width(); }
  int Height() const { return bitmap_.height(); }
  std::size_t TotalSize() const { return bitmap_.byteSize(); }
  const Bitmap& bitmap() const { return bitmap_; }

  // Row access: a row is Width() * 3 bytes, blue, green, red.
  void ReadRow(int row, std::uint8_t* buffer) const;
  void WriteRow(int row, const std::uint8_t* buffer);
  std::uint8_t* RowAddress(int row) { return bitmap_.row(row); }
  const std::uint8_t* RowAddress(int row) const { return bitmap_.row(row); }
  // Puts the whole buffer onto target at (x, y), clipped.
  void DrawTo(Bitmap& target, int x, int y) const;

  // Morphs toward `other` by factor x (clamped to 0..1; NaN counts as 0). Each does
  // nothing when the sizes differ and changes only this buffer.
  void BlendFade(const LqEffectBmp& other, double x);
  void BlendCentreGradient(const LqEffectBmp& other, double x);
  void BlendLeftGradient(const LqEffectBmp& other, double x);
  void BlendRightGradient(const LqEffectBmp& other, double x);
  void BlendLeftSlide(const LqEffectBmp& other, double x);
  void BlendRightSlide(const LqEffectBmp& other, double x);
  void BlendPush(const LqEffectBmp& other, double x);
  // Dispatches on a MorphKind; returns false (and changes nothing) for other values.
  bool Morph(MorphKind kind, const LqEffectBmp& other, double x);

  void Brighten(double x);
  void Darken(double x);
  void Grayscale();
  void Invert();
  // Adds r - amount div 2 to every channel of a pixel, r uniform in 0..amount-1.
  // Amounts below 1 change nothing.
  void AddNoise(int amount);
  void AddNoise(int amount, std::mt19937& random);
  // Averages the four diagonal neighbours at `distance`, rows top to bottom in place.
  // Distances below 1 change nothing.
  void SplitBlur(int distance);
  // Applies an InactiveEffect with the frame's fixed parameters; false for other values.
  bool ApplyInactiveEffect(InactiveEffect effect);

 private:
  bool SameSize(const LqEffectBmp& o) const {
    return o.Width() == Width() && o.Height() == Height() && !bitmap_.empty();
  }
  // Every row: column c blended with weight weights[c] (1 keeps self, 0 takes other);
  // a negative weight leaves the column alone.
  void BlendColumns(const LqEffectBmp& other, const std::vector<double>& weights);

  Bitmap bitmap_;
};

}  // namespace lq
