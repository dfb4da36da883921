#include "skin/frame/menu_compose.h"

#include "skin/data/blit.h"
#include "skin/data/effects.h"
#include "skin/data/image_compose.h"
#include "skin/data/mask_region.h"

namespace lq::compose {
namespace {

FrameGeometry SourceGeometry(const FrameSpec& s) {
  return {s.lt, s.rt, s.lb, s.rb, s.client};
}

FrameFlags Flags(const FrameSpec& s) {
  FrameFlags f;
  f.leftStretch = s.leftStretch;
  f.topStretch = s.topStretch;
  f.rightStretch = s.rightStretch;
  f.bottomStretch = s.bottomStretch;
  f.drawClient = s.drawClient;
  f.clientStretch = s.clientStretch;
  f.stretchType = s.stretchType;
  return f;
}

}  // namespace

void Copy(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect) {
  CopyRect(dst, x, y, src, srcRect);
}

void Stretch(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  StretchRect(dst, dstRect, src, srcRect);
}

void Tile(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  TileArea(dst, dstRect, {dstRect.left, dstRect.top}, src, srcRect);
}

void FillRect(Bitmap& dst, const Rect& r, Color c) {
  lq::FillRect(dst, r, c);
}

void FrameRect(Bitmap& dst, const Rect& r, Color c) {
  if (r.isEmpty()) return;
  lq::FillRect(dst, {r.left, r.top, r.right, r.top + 1}, c);
  lq::FillRect(dst, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  lq::FillRect(dst, {r.left, r.top, r.left + 1, r.bottom}, c);
  lq::FillRect(dst, {r.right - 1, r.top, r.right, r.bottom}, c);
}

Bitmap Blend(const Bitmap& a, const Bitmap& b, double t, MorphKind kind) {
  LqEffectBmp from(a);
  if (!from.Morph(kind, LqEffectBmp(b), t)) from.Morph(MorphKind::Fade, LqEffectBmp(b), t);
  return from.bitmap();
}

Bitmap HStrip(const Bitmap& src, const Rect& r, int leftPart, int rightPart, int width,
              bool stretch) {
  Bitmap out;
  BuildHStrip(leftPart, rightPart, out, src, r, width, stretch);
  return out;
}

Bitmap Framed(const Bitmap& src, const Rect& srcRect, const FrameSpec& def, int width, int height) {
  Bitmap out;
  const FrameGeometry source = SourceGeometry(def);
  const FrameGeometry target =
      FitFrameGeometry(source, width - srcRect.width(), height - srcRect.height());
  BuildFramedImage(source, target, Flags(def), width, height, srcRect, src, out);
  return out;
}

Region FramedRegion(const Bitmap& mask, const FrameSpec& def, int width, int height) {
  const FrameGeometry source = SourceGeometry(def);
  const FrameGeometry target =
      FitFrameGeometry(source, width - mask.width(), height - mask.height());
  return BuildFramedRegion(source, target, Flags(def), width, height, mask.rect(), mask)
      .value_or(Region());
}

}  // namespace lq::compose
