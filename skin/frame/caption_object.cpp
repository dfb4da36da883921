#include "skin/frame/caption_object.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "skin/data/blit.h"
#include "skin/data/effects.h"
#include "skin/data/image_compose.h"
#include "skin/frame/lacquer_form.h"
#include "skin/qt/bridge.h"
#include "skin/qt/fonts.h"
#include "skin/qt/text.h"

namespace lq {

LqSkinCaptionObject::LqSkinCaptionObject(LqLacquerForm& frame, const ObjectSpec& def)
    : LqActiveSkinObject(frame, def), caption(def.caption) {}

void LqSkinCaptionObject::MouseEnter() {
  mouseIn = true;
  emit frame_.objectEntered(QString::fromStdString(IDName));
}

void LqSkinCaptionObject::MouseLeave() {
  mouseIn = false;
  emit frame_.objectLeft(QString::fromStdString(IDName));
}

bool LqSkinCaptionObject::HasAnimation() const {
  const FrameSkin* skin = frame_.Skin();
  return !caption.animateskinrect.isEmpty() && caption.framecount > 0 && skin &&
         skin->effectsEnabled;
}

void LqSkinCaptionObject::StartActivationAnimation() {
  animationAccumulator = 25;
  if (active)
    animationFrame = 1;
  else
    animationFrame = caption.inactiveanimation ? caption.framecount : 0;
}

bool LqSkinCaptionObject::AnimationStep() {
  if (!HasAnimation()) return false;
  const bool needs = active ? animationFrame <= caption.framecount : animationFrame > 0;
  if (!needs) return false;
  if (animationAccumulator < caption.animateinterval) {
    animationAccumulator += 25;
    return true;
  }
  if (active)
    ++animationFrame;
  else
    --animationFrame;
  animationAccumulator = 25;
  frame_.RepaintObject(this);
  return true;
}

Rect LqSkinCaptionObject::TextRect() const {
  Rect tr = caption.textrect;
  if (!tr.isEmpty()) tr.right = ObjectRect.width() + caption.textrect.right - normalRect.width();
  if (!caption.framerect.isEmpty()) {
    tr.left += caption.frametextrect.left;
    tr.top += caption.frametextrect.top;
    tr.right += caption.frametextrect.right - caption.framerect.width();
  }
  return tr;
}

Bitmap LqSkinCaptionObject::Compose(const Bitmap& picture, const Rect& source) const {
  const FrameSkin* skin = frame_.Skin();
  const int w = ObjectRect.width();
  const int h = ObjectRect.height();
  Bitmap out(w, h);
  if (!skin || source.isEmpty()) return out;
  const int left = std::max(0, skin->info.lefttoppoint.x - normalRect.left);
  const int right = std::max(0, normalRect.right - skin->info.righttoppoint.x);
  if (left > 0 || right > 0) {
    Bitmap strip;
    BuildHStrip(left, right, strip, picture, source, w, caption.stretcheffect);
    CopyRect(out, 0, 0, strip, strip.rect());
  } else {
    StretchRect(out, out.rect(), picture, source);
  }
  return out;
}

Bitmap LqSkinCaptionObject::AnimationFrame(int n) const {
  const Rect& a = caption.animateskinrect;
  const int count = std::max(1, caption.framecount);
  Rect r;
  if (a.height() > normalRect.height()) {
    const int fh = a.height() / count;
    r = RectFromSize(a.left, a.top + (n - 1) * fh, a.width(), fh);
  } else {
    const int fw = a.width() / count;
    r = RectFromSize(a.left + (n - 1) * fw, a.top, fw, a.height());
  }
  const Bitmap* picture = ActivePicture();
  return picture ? Compose(*picture, r) : Bitmap(ObjectRect.width(), ObjectRect.height());
}

void LqSkinCaptionObject::DrawText(Bitmap& target, int ox, int oy, bool activeStyle) const {
  QImage image = BitmapAsQImage(target);
  QPainter painter(&image);
  if (frame_.PaintCustomCaption(painter, QRect(ox, oy, ObjectRect.width(), ObjectRect.height()),
                                active))
    return;
  const QString title = frame_.CaptionText();
  const Rect tr = TextRect();
  if (title.isEmpty() || caption.textrect.isEmpty()) return;
  QFont font =
      SkinFont(QString::fromStdString(caption.fontname), caption.fontheight, caption.fontstyle);
  // Skin text is drawn crisp, in exactly the colours the skin names.
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(font);
  const QString text = TrimWideToWidth(metrics, title, tr.width());
  const int tw = metrics.horizontalAdvance(text);
  const int th = metrics.height();
  int y = tr.top + tr.height() / 2 - th / 2;
  int x = tr.left + tr.width() / 2 - tw / 2;
  if (caption.alignment == TextAlignment::Left)
    x = tr.left;
  else if (caption.alignment == TextAlignment::Right)
    x = tr.right - tw;
  x += ox;
  y += oy;

  if (!caption.framerect.isEmpty()) {
    const Rect source = activeStyle && !caption.activeframerect.isEmpty() ? caption.activeframerect
                                                                          : caption.framerect;
    const Bitmap* picture = ActivePicture();
    if (!picture) picture = frame_.Skin() ? &frame_.Skin()->main : nullptr;
    if (picture) {
      const int offset = frame_.Skin()->info.buttonsoffset;
      Bitmap plate;
      if (caption.fullframe) {
        const int w = ObjectRect.width() - 2 * offset;
        if (w > 0) {
          BuildHStrip(caption.frameleftoffset, caption.framerightoffset, plate, *picture, source, w,
                      false);
          CopyRect(target, ox + offset, y - caption.frametextrect.top, plate, plate.rect());
        }
      } else {
        const int w = caption.framerect.width() + tw - caption.frametextrect.width();
        if (w > 0) {
          BuildHStrip(caption.frameleftoffset, caption.framerightoffset, plate, *picture, source, w,
                      false);
          CopyRect(target, x - caption.frametextrect.left, y - caption.frametextrect.top, plate,
                   plate.rect());
        }
      }
    }
  }

  painter.setFont(font);
  const int baseline = metrics.ascent();
  if (caption.light) {
    painter.setPen(ToQColor(activeStyle ? caption.activelightcolor : caption.lightcolor));
    painter.drawText(x - 1, y - 1 + baseline, text);
  }
  if (caption.shadow) {
    painter.setPen(ToQColor(activeStyle ? caption.activeshadowcolor : caption.shadowcolor));
    painter.drawText(x + 1, y + 1 + baseline, text);
  }
  painter.setPen(ToQColor(activeStyle ? caption.activefontcolor : caption.fontcolor));
  painter.drawText(x, y + baseline, text);
}

void LqSkinCaptionObject::Draw(ObjectCanvas& canvas, bool) {
  const FrameSkin* skin = frame_.Skin();
  if (!skin || !canvas.bitmap) return;
  const int ox = ObjectRect.left - canvas.origin.x;
  const int oy = ObjectRect.top - canvas.origin.y;
  const Bitmap* activePicture = ActivePicture();
  const bool morphRunning = MorphInEffect() && morphFactor > 0 && morphFactor < 1;
  auto inactiveLook = [&](Bitmap& image) {
    if (!active && skin->autorenderinginactiveimage) {
      LqEffectBmp effect(image);
      effect.ApplyInactiveEffect(skin->inactiveeffect);
      image = effect.bitmap();
    }
  };

  if (HasAnimation() && animationFrame > 0 && animationFrame <= caption.framecount) {
    Bitmap image = AnimationFrame(animationFrame);
    DrawText(image, 0, 0, active);
    ImageToCanvas(canvas, image);
    return;
  }
  if (morphRunning) {
    Bitmap normal = Compose(skin->main, normalRect);
    DrawText(normal, 0, 0, false);
    Bitmap hover = activePicture ? Compose(*activePicture, hoverRect) : normal;
    DrawText(hover, 0, 0, true);
    LqEffectBmp blend(normal);
    blend.Morph(morphKind, LqEffectBmp(hover), morphFactor);
    Bitmap image = blend.bitmap();
    inactiveLook(image);
    ImageToCanvas(canvas, image);
    return;
  }
  const bool plainInactive =
      !active && !MorphInEffect() && !caption.stretcheffect && !HasAnimation();
  if (HoverEmpty() || plainInactive) {
    DrawText(*canvas.bitmap, ox, oy, active);
    return;
  }
  if (active) {
    Bitmap image = Compose(*activePicture, hoverRect);
    DrawText(image, 0, 0, true);
    ImageToCanvas(canvas, image);
    return;
  }
  Bitmap image = Compose(skin->main, normalRect);
  DrawText(image, 0, 0, false);
  inactiveLook(image);
  ImageToCanvas(canvas, image);
}

}  // namespace lq
