#pragma once
// The caption object: the frame's drag area, drawing the window title over the frame
// picture in the active or inactive style, with shortening, alignment, light, shadow,
// an optional text frame plate and an activation animation.

#include <QString>

#include "skin/frame/frame_objects.h"

class QPainter;

namespace lq {

class LqSkinCaptionObject : public LqActiveSkinObject {
 public:
  LqSkinCaptionObject(LqLacquerForm& frame, const ObjectSpec& def);
  FrameObjectKind Kind() const override { return FrameObjectKind::Caption; }
  void Draw(ObjectCanvas& canvas, bool inFrame) override;
  // The caption's hover follows activation, not the mouse.
  void MouseEnter() override;
  void MouseLeave() override;

  bool HasAnimation() const;
  // Starts the activation animation for the new active state.
  void StartActivationAnimation();
  // One 25 ms tick: returns whether the caption stepped.
  bool AnimationStep();

  // The text rectangle in object coordinates for the current object width.
  Rect TextRect() const;

  CaptionSpec caption;
  int animationFrame = 0;
  int animationAccumulator = 0;

 private:
  // Composes a source rectangle of `picture` to the object's size.
  Bitmap Compose(const Bitmap& picture, const Rect& source) const;
  // Draws the title with origin (ox, oy) onto the bitmap, in the active or inactive style.
  void DrawText(Bitmap& target, int ox, int oy, bool activeStyle) const;
  Bitmap AnimationFrame(int n) const;
};

}  // namespace lq
