// LqSkinMemo: the memo's frame strips and textured background.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "skin/controls/element_image.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_access.h"
#include "skin/data/image_compose.h"

namespace lq {

namespace {

FrameGeometry SourceFrame(const SliceGeometry& g) {
  return {g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.clientrect};
}

FrameFlags Flags(const SliceGeometry& g, bool drawClient) {
  FrameFlags f;
  f.leftStretch = g.leftstretch;
  f.topStretch = g.topstretch;
  f.rightStretch = g.rightstretch;
  f.bottomStretch = g.bottomstretch;
  f.drawClient = drawClient;
  f.clientStretch = g.stretcheffect;
  f.stretchType = g.stretchtype;
  return f;
}

}  // namespace

LqSkinMemo::LqSkinMemo(QWidget* parent) : LqSkinMemo2(parent) {
  document()->setDocumentMargin(0);
  viewport()->setAutoFillBackground(false);
  UpdateLook();
}

void LqSkinMemo::SetBitMapBG(bool on) {
  BitMapBG_ = on;
  UpdateLook();
}

QMargins LqSkinMemo::TextInsets() const {
  if (!IsBound()) return BitMapBG_ ? QMargins(3, 2, 4, 2) : QMargins(6, 2, 4, 2);
  const EditLook& l = Look();
  const Rect& c = l.geometry.clientrect;
  QMargins m(c.left + 1 + (BitMapBG_ ? 0 : 2), c.top + 1 + (BitMapBG_ ? 0 : 1),
             l.SkinWidth() - c.right + 3, l.SkinHeight() - c.bottom + 2);
  // Never inverted: on a tiny memo the text area shrinks to nothing.
  if (m.left() + m.right() > width()) m.setRight(std::max(0, width() - m.left()));
  if (m.top() + m.bottom() > height()) m.setBottom(std::max(0, height() - m.top()));
  return m;
}

void LqSkinMemo::UpdateLook() {
  LqSkinMemo2::UpdateLook();
  QPalette pal = palette();
  if (!isEnabled()) pal.setColor(QPalette::Disabled, QPalette::Text, ControlColor(kSysGrayText));
  // Over the textured background the text is drawn without a background of its own.
  if (BitMapBG_ || !IsBound()) {
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Disabled, QPalette::Base, Qt::transparent);
  }
  setPalette(pal);
  setViewportMargins(TextInsets());
  update();
}

// The whole control's background: the client image (or a plain fill) under the frame.
QImage LqSkinMemo::ClientImage() const {
  QImage image(size(), QImage::Format_RGB32);
  const Bitmap* picture = IsBound() ? ActivePicture(SkinData(), Look().pictureindex) : nullptr;
  if (!picture) {
    image.fill(ControlColor(clWindow));
    QPainter p(&image);
    p.setPen(ControlColor(clBtnShadow));
    p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    p.setPen(ControlColor(clBtnFace));
    p.drawRect(QRect(1, 1, width() - 3, height() - 3));
    return image;
  }
  const SliceGeometry& g = Look().geometry;
  const Rect source = Active() ? Look().activeskinrect : g.skinrect;
  const FrameGeometry from = SourceFrame(g);
  const FrameGeometry to =
      FitFrameGeometry(from, width() - g.skinWidth(), height() - g.skinHeight());
  QPainter p(&image);
  if (BitMapBG_) {
    Bitmap client;
    BuildClientImage(g.clientrect, Rect{0, 0, width(), height()}, client, g.stretchtype,
                     g.stretcheffect, height(), width(), source, *picture);
    p.drawImage(0, 0, ToImage(client));
  } else {
    image.fill(ControlColor(BackgroundColor()));
  }
  BorderStrips strips;
  BuildBorderStrips(from, to, Flags(g, false), width(), height(), source, *picture, strips);
  p.drawImage(0, 0, ToImage(strips.top));
  p.drawImage(0, height() - strips.bottom.height(), ToImage(strips.bottom));
  p.drawImage(0, strips.top.height(), ToImage(strips.left));
  p.drawImage(width() - strips.right.width(), strips.top.height(), ToImage(strips.right));
  return image;
}

bool LqSkinMemo::event(QEvent* e) {
  if (e->type() == QEvent::Paint) {
    // The strip around the text area belongs to the memo itself, not to its viewport.
    QPainter p(this);
    p.drawImage(0, 0, ClientImage());
    return true;
  }
  if (e->type() == QEvent::Resize || e->type() == QEvent::EnabledChange) {
    const bool done = LqSkinMemo2::event(e);
    UpdateLook();
    return done;
  }
  return LqSkinMemo2::event(e);
}

void LqSkinMemo::paintEvent(QPaintEvent* e) {
  {
    QPainter p(viewport());
    p.drawImage(QPoint(0, 0), ClientImage(), viewport()->geometry());
  }
  LqSkinMemo2::paintEvent(e);
}

}  // namespace lq
