// Frame painting: the four border strips of the skinned frame, the default frame without
// a skin, the client background, and the window region cut from the skin's mask.
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include "skin/controls/skin_client.h"
#include "skin/data/blit.h"
#include "skin/data/effects.h"
#include "skin/data/mask_region.h"
#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"
#include "skin/qt/bridge.h"
#include "skin/qt/text.h"

namespace lq {

namespace {

FrameGeometry SourceGeometry(const FrameSkinInfo& info, const Rect& client) {
  return {info.lefttoppoint, info.righttoppoint, info.leftbottompoint, info.rightbottompoint,
          client};
}

FrameFlags EdgeFlags(const FrameSkin& skin) {
  FrameFlags f;
  f.leftStretch = skin.leftstretch;
  f.topStretch = skin.topstretch;
  f.rightStretch = skin.rightstretch;
  f.bottomStretch = skin.bottomstretch;
  f.drawClient = false;
  return f;
}

QImage ToImage(const Bitmap& b) {
  return BitmapAsQImage(b);
}

Color ToColor(const QColor& c) {
  return FromQColor(c);
}

}  // namespace

QString LqLacquerForm::CaptionText() const {
  return form_ ? form_->windowTitle() : QString();
}

// --- geometry and region ------------------------------------------------------------------------

void LqLacquerForm::UpdateFrame() {
  if (!skinReady_) return;
  if (form_) {
    frameWidth_ = form_->width();
    frameHeight_ = form_->height();
  }
  if (skinnable_) {
    metrics_ = ComputeFrameMetrics(skin_->info, frameWidth_, frameHeight_);
    LayoutObjects();
    const FrameGeometry source = SourceGeometry(skin_->info, skin_->info.clientrect);
    const FrameGeometry target = FitFrameGeometry(source, metrics_.dx, metrics_.dy);
    BuildBorderStrips(source, target, EdgeFlags(*skin_), frameWidth_, frameHeight_,
                      skin_->main.rect(), skin_->main, strips_);
  }
  UpdateRegion();
  if (!form_) return;
  form_->update();
  // Controls that show the stretched background through themselves must redraw.
  if (skin_->stretcheffect) NotifyChildrenBackground(form_);
}

void LqLacquerForm::UpdateRegion() {
  const int w = frameWidth_;
  const int h = frameHeight_;
  if (!skinnable_) {
    region_ = Region();
    hasRegion_ = false;
    maskStrips_ = {};
    ApplyRegionToWindow();
    return;
  }
  if (!skinReady_ || !skin_->info.hasMask || skin_->mask.empty()) {
    region_ = Region(Rect{0, 0, w, h});
    hasRegion_ = true;
    maskStrips_ = {};
    ApplyRegionToWindow();
    return;
  }
  const FrameSkinInfo& info = skin_->info;
  const FrameGeometry source = SourceGeometry(info, info.maskrectarea);
  const FrameGeometry target = FitFrameGeometry(source, metrics_.dx, metrics_.dy);
  BuildMaskBorderStrips(source, target, EdgeFlags(*skin_), w, h, skin_->mask.rect(), skin_->mask,
                        maskStrips_);
  const Rect& m = metrics_.mask;
  Region region(m);
  auto add = [&region](const Bitmap& strip, int x, int y) {
    if (!strip.empty()) region.unite(MaskToRegionData(strip, x, y).toRegion());
  };
  add(maskStrips_.top, 0, 0);
  add(maskStrips_.bottom, 0, m.bottom);
  add(maskStrips_.left, 0, m.top);
  add(maskStrips_.right, m.right, m.top);
  region_ = std::move(region);
  hasRegion_ = true;
  ApplyRegionToWindow();
}

void LqLacquerForm::ApplyRegionToWindow() {
  if (!form_ || !form_->isWindow()) return;
  // The offscreen platform cannot shape windows; the region is still computed and kept.
  if (QGuiApplication::platformName() == "offscreen") return;
  const bool shaped = skinnable_ && skinReady_ && skin_->info.hasMask && hasRegion_;
  if (!shaped) {
    if (!form_->mask().isEmpty()) form_->clearMask();
    return;
  }
  QRegion mask;
  for (const Rect& r : region_.rects()) mask += QRect(r.left, r.top, r.width(), r.height());
  form_->setMask(mask);
}

// --- skinned frame ------------------------------------------------------------------------------

BorderStrips LqLacquerForm::ComposeSkinnedStrips() {
  BorderStrips strips;
  if (!skinReady_) return strips;
  const bool active = IsFormActive();
  if (!active && !skin_->inactive.empty()) {
    const FrameGeometry source = SourceGeometry(skin_->info, skin_->info.clientrect);
    const FrameGeometry target = FitFrameGeometry(source, metrics_.dx, metrics_.dy);
    BuildBorderStrips(source, target, EdgeFlags(*skin_), frameWidth_, frameHeight_,
                      skin_->inactive.rect(), skin_->inactive, strips);
  } else {
    strips = strips_;
  }
  for (auto& o : objects_) {
    if (!o->visible) continue;
    if (o->ObjectRect.bottom <= metrics_.client.top) {
      ObjectCanvas canvas{&strips.top, {0, 0}};
      o->Draw(canvas, false);
    } else {
      ObjectCanvas canvas{&strips.bottom, {0, metrics_.client.bottom}};
      o->Draw(canvas, false);
    }
  }
  if (!active && skin_->autorenderinginactiveimage) {
    for (Bitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
      if (strip->empty()) continue;
      LqEffectBmp effect(*strip);
      effect.ApplyInactiveEffect(skin_->inactiveeffect);
      *strip = effect.bitmap();
    }
  }
  return strips;
}

// --- default frame ------------------------------------------------------------------------------

void LqLacquerForm::LayoutDefaultCaption() {
  if (objects_.empty()) CreateDefaultButtons();
  const int w = frameWidth_;
  const int ch = kDefaultCaptionHeight;
  const int bs = kDefaultButtonSize;
  Rect caption{3, 3, w - 3, ch};
  int x = w - 3;
  for (FrameCommand command : {FrameCommand::Close, FrameCommand::Maximize, FrameCommand::Minimize,
                               FrameCommand::RollUp, FrameCommand::MinimizeToTray}) {
    for (auto& o : objects_) {
      auto* b = dynamic_cast<LqSkinStdButtonObject*>(o.get());
      if (!b || b->command != command || !b->visible) continue;
      b->ObjectRect = {x - bs, 4, x, 4 + bs};
      x -= bs;
    }
  }
  caption.right = x;
  for (auto& o : objects_) {
    auto* b = dynamic_cast<LqSkinStdButtonObject*>(o.get());
    if (!b || b->command != FrameCommand::SysMenu || !b->visible) continue;
    const int size = showIcon_ ? 16 : bs;
    b->ObjectRect = {3, 4, 3 + size, 4 + size};
    caption.left = 3 + size;
  }
  defaultCaption_ = caption;
}

bool LqLacquerForm::PaintCustomCaption(QPainter& painter, const QRect& rect, bool active) const {
  if (!captionPainter_) return false;
  captionPainter_(painter, rect, active);
  return true;
}

QImage LqLacquerForm::ComposeDefaultCaption() {
  LayoutDefaultCaption();
  const int ch = kDefaultCaptionHeight;
  const int width = std::max(0, frameWidth_ - 6);
  Bitmap band(width, ch);
  band.fill(ToColor(FrameSysColor(15)));
  const int left = defaultCaption_.left;
  const int right = defaultCaption_.right;
  if (ch - 4 > 1) {
    for (int row = 2; row <= ch - 4; ++row) {
      const Color c = ToColor(FrameSysColor((row % 2 == 0) ? 20 : 16));
      FillRect(band, {left - 1, row, right - 6, row + 1}, c);
    }
  }
  const bool active = IsFormActive();
  {
    QImage image = BitmapAsQImage(band);
    QPainter p(&image);
    const QRect captionRect(left - 3, 0, right - left, ch);
    const QString title = CaptionText();
    if (!PaintCustomCaption(p, captionRect, active) && !title.isEmpty()) {
      QFont font = active ? DefCaptionFont : DefInActiveCaptionFont;
      font.setStyleStrategy(QFont::NoAntialias);
      const QFontMetrics m(font);
      const int avail = right - left + 3;
      const QString text = TrimWideToWidth(m, title, avail);
      const int tw = m.horizontalAdvance(text);
      const int th = m.height();
      const int x = (left - 3) + avail / 2 - (tw + 5) / 2;
      const int y = ch / 2 - th / 2;
      p.fillRect(QRect(x - 2, y - 2, tw + 4, th + 4), FrameSysColor(15));
      p.setFont(font);
      p.setPen(active ? DefCaptionFontColor : DefInActiveCaptionFontColor);
      p.drawText(x, y + m.ascent(), text);
    }
  }
  for (auto& o : objects_) {
    if (!o->visible) continue;
    ObjectCanvas canvas{&band, {3, 3}};
    o->Draw(canvas, true);
  }
  return ToImage(band).copy();
}

// --- painting -----------------------------------------------------------------------------------

void LqLacquerForm::PaintFrame(QPainter& p) {
  if (!skinnable_ || !form_) return;
  if (form_->size() != QSize(frameWidth_, frameHeight_)) OnSizeChanged();
  const int w = frameWidth_;
  const int h = frameHeight_;
  p.save();
  if (hasRegion_ && skinReady_ && skin_->info.hasMask) {
    QRegion clip;
    for (const Rect& r : region_.rects()) clip += QRect(r.left, r.top, r.width(), r.height());
    p.setClipRegion(clip);
  }
  if (skinReady_) {
    if (w >= GetMinWidth() && h >= GetMinHeight()) {
      metrics_ = ComputeFrameMetrics(skin_->info, w, h);
      LayoutObjects();
      const BorderStrips s = ComposeSkinnedStrips();
      const int topH = s.top.height();
      if (!s.top.empty()) p.drawImage(0, 0, ToImage(s.top));
      if (!s.left.empty()) p.drawImage(0, topH, ToImage(s.left));
      if (!s.right.empty()) p.drawImage(w - s.right.width(), topH, ToImage(s.right));
      if (!s.bottom.empty()) p.drawImage(0, h - s.bottom.height(), ToImage(s.bottom));
    }
  } else if (!changing_) {
    p.drawImage(3, 3, ComposeDefaultCaption());
    // Three rings inward from the window edge.
    const QColor rings[3][2] = {{FrameSysColor(22), FrameSysColor(21)},
                                {FrameSysColor(20), FrameSysColor(16)},
                                {FrameSysColor(15), FrameSysColor(15)}};
    for (int i = 0; i < 3; ++i) {
      const int l = i, t = i, r = w - 1 - i, b = h - 1 - i;
      if (r < l || b < t) break;
      p.fillRect(QRect(l, t, r - l, 1), rings[i][0]);      // top
      p.fillRect(QRect(l, t, 1, b - t), rings[i][0]);      // left
      p.fillRect(QRect(l, b, r - l + 1, 1), rings[i][1]);  // bottom
      p.fillRect(QRect(r, t, 1, b - t), rings[i][1]);      // right
    }
  }
  p.restore();
}

void LqLacquerForm::PaintBackground(QPainter& p) {
  if (!form_) return;
  const QRect client = ClientRect();
  if (client.isEmpty()) return;
  const QColor face = FrameSysColor(15);
  const Bitmap* source = nullptr;
  Rect sourceRect;
  if (skinReady_) {
    if (skin_->bgpictureindex < 0) {
      if (!skin_->info.clientrect.isEmpty()) {
        source = &skin_->main;
        sourceRect = skin_->info.clientrect;
      }
    } else if (const Bitmap* bg = skin_->ActivePicture(skin_->bgpictureindex)) {
      source = bg;
      sourceRect = bg->rect();
    }
  }
  const int cw = client.width();
  const int ch = client.height();
  Bitmap image(cw, ch);
  if (!source) {
    image.fill(ToColor(face));
  } else if (skin_->stretcheffect) {
    const int sw = sourceRect.width();
    const int sh = sourceRect.height();
    switch (skin_->stretchtype) {
      case StretchType::Full:
        StretchRect(image, image.rect(), *source, sourceRect);
        break;
      case StretchType::Horizontal: {
        Bitmap column(sw, ch);
        StretchRect(column, column.rect(), *source, sourceRect);
        for (int x = 0; x < cw; x += sw) CopyRect(image, x, 0, column, column.rect());
        break;
      }
      case StretchType::Vertical: {
        Bitmap row(cw, sh);
        StretchRect(row, row.rect(), *source, sourceRect);
        for (int y = 0; y < ch; y += sh) CopyRect(image, 0, y, row, row.rect());
        break;
      }
    }
  } else {
    TileArea(image, image.rect(), {0, 0}, *source, sourceRect);
  }
  p.drawImage(client.topLeft(), ToImage(image));
  if (!LogoBitMap.isNull()) {
    const int x = std::max(0, cw / 2 - LogoBitMap.width() / 2);
    const int y = std::max(0, ch / 2 - LogoBitMap.height() / 2);
    QImage logo = LogoBitMap;
    if (LogoBitMapTransparent) {
      // The bottom-left pixel's colour is the transparent one.
      const QRgb key = logo.pixel(0, logo.height() - 1);
      logo = logo.convertToFormat(QImage::Format_ARGB32);
      for (int ly = 0; ly < logo.height(); ++ly)
        for (int lx = 0; lx < logo.width(); ++lx)
          if ((logo.pixel(lx, ly) & 0xFFFFFF) == (key & 0xFFFFFF)) logo.setPixel(lx, ly, 0);
    }
    p.drawImage(client.topLeft() + QPoint(x, y), logo);
  }
}

QImage LqLacquerForm::RenderWindow() {
  QImage image(form_->size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  PaintBackground(p);
  PaintFrame(p);
  return image;
}

}  // namespace lq
