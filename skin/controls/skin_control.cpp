#include "skin/controls/skin_control.h"

#include <QEnterEvent>
#include <QPaintEvent>
#include <QPainter>

#include "skin/controls/align_layout.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"

namespace lq {

// ---------------------------------------------------------------- LqSkinControl

LqSkinControl::LqSkinControl(QWidget* parent) : QWidget(parent) {
  // The control paints every pixel itself: the window is never cleared first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_Hover);
}

LqSkinControl::~LqSkinControl() = default;

void LqSkinControl::SetSkinData(LqSkinData* data) {
  if (binding_.SetData(data)) ApplySkin();
}

void LqSkinControl::SetSkinDataName(const std::string& name) {
  binding_.SetName(name);
}

void LqSkinControl::BindSkin() {
  binding_.Bind();
}

void LqSkinControl::ApplySkin() {
  BindSkin();
  update();
}

void LqSkinControl::ReleaseSkin() {
  binding_.Release();
}

void LqSkinControl::SetBounds(const QRect& r) {
  QWidget::setGeometry(r);
}

void LqSkinControl::AlignControls() {
  AlignChildren(this, AlignClientRect());
}

void LqSkinControl::DrawDefault(QImage& canvas) {
  canvas.fill(ControlColor(clBtnFace));
}

void LqSkinControl::DrawSkin(QImage& canvas) {
  DrawDefault(canvas);
}

void LqSkinControl::PaintBuffered(QPainter& painter) {
  QImage buffer(size(), QImage::Format_RGB32);
  buffer.fill(ControlColor(clBtnFace));
  if (IsBound())
    DrawSkin(buffer);
  else
    DrawDefault(buffer);
  painter.drawImage(0, 0, buffer);
}

void LqSkinControl::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  paintInProgress_ = true;
  BindSkin();
  QPainter painter(this);
  PaintBuffered(painter);
  paintInProgress_ = false;
}

void LqSkinControl::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  AlignControls();
}

void LqSkinControl::enterEvent(QEnterEvent* e) {
  QWidget::enterEvent(e);
  emit mouseEntered();
}

void LqSkinControl::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  emit mouseLeft();
}

bool LqSkinControl::event(QEvent* e) {
  if (e->type() == ParentBackgroundChangedEvent()) {
    ParentBackgroundChanged();
    return true;
  }
  return QWidget::event(e);
}

// ---------------------------------------------------------- LqSkinCustomControl

LqSkinCustomControl::LqSkinCustomControl(QWidget* parent) : LqSkinControl(parent) {}

void LqSkinCustomControl::SetDefaultWidth(int w) {
  DefaultWidth_ = w;
  if (!IsBound() && w > 0) ApplySize(w, height());
}

void LqSkinCustomControl::SetDefaultHeight(int h) {
  DefaultHeight_ = h;
  if (!IsBound() && h > 0) ApplySize(width(), h);
}

void LqSkinCustomControl::SetDefaultFont(const LqFont& font) {
  if (!binding_.SetDefaultFont(font)) return;
  DefaultFontChanged();
  if (!IsBound()) update();
}

void LqSkinCustomControl::SetUseSkinFont(bool on) {
  binding_.SetUseSkinFont(on);
  update();
}

void LqSkinCustomControl::SetUseSkinFontColor(bool on) {
  binding_.SetUseSkinFontColor(on);
  update();
}

void LqSkinCustomControl::BindSkin() {
  LqSkinControl::BindSkin();
  if (!IsBound()) return;
  int pictureIndex = -1, maskIndex = -1;
  customDescriptor_ = CopyElementGeometry(Descriptor(), geom_, pictureIndex, maskIndex);
  if (!customDescriptor_) {
    // Nothing to draw from: such a control keeps its size and shows its default look.
    SliceMode_ = SliceMode::None;
    picture_ = maskPicture_ = nullptr;
    return;
  }
  picture_ = ActivePicture(SkinData(), pictureIndex);
  maskPicture_ = ActivePicture(SkinData(), maskIndex);
  SliceMode_ = SliceModeFor(geom_);
}

void LqSkinCustomControl::ReleaseSkin() {
  LqSkinControl::ReleaseSkin();
  // The pictures belong to the old skin: drop them with the binding.
  picture_ = maskPicture_ = nullptr;
  customDescriptor_ = false;
}

void LqSkinCustomControl::FitSizeToSkin(int& width, int& height) {
  if (!HasElementGeometry()) return;
  lq::FitSizeToSkin(SliceMode_, geom_, width, height, fitted_);
}

Rect LqSkinCustomControl::MapSkinRect(const Rect& r) const {
  if (!HasElementGeometry()) return r;
  return lq::MapSkinRect(SliceMode_, geom_, r, width(), height());
}

void LqSkinCustomControl::ApplySize(int w, int h) {
  fitting_ = true;
  QWidget::setGeometry(QRect(x(), y(), w, h));
  fitting_ = false;
}

void LqSkinCustomControl::ApplySkin() {
  BindSkin();
  const int oldW = width(), oldH = height();
  int w = oldW, h = oldH;
  bool changed = false;
  if (!IsBound()) {
    if (DefaultWidth_ > 0) w = DefaultWidth_;
    if (DefaultHeight_ > 0) h = DefaultHeight_;
    if (w != oldW || h != oldH) ApplySize(w, h);
  } else {
    FitSizeToSkin(w, h);
    if (w != oldW || h != oldH) {
      ApplySize(w, h);
      changed = true;
      UpdateRegion();
      update();
    }
  }
  if (!changed) {
    UpdateRegion();
    update();
  }
}

void LqSkinCustomControl::SetBounds(const QRect& requested) {
  BindSkin();
  QRect r = requested;
  bool fitted = false;
  if (IsBound() && r.size() != size()) {
    int w = r.width(), h = r.height();
    FitSizeToSkin(w, h);
    if (SliceMode_ == SliceMode::Fixed) fitted_.client = geom_.clientrect;
    r.setSize(QSize(w, h));
    fitted = true;
  }
  fitting_ = true;
  QWidget::setGeometry(r);
  fitting_ = false;
  if (fitted) {
    UpdateRegion();
    update();
  }
  if (IsBound() && HasElementGeometry() && geom_.stretcheffect) NotifyChildrenBackground(this);
}

QSize LqSkinCustomControl::sizeHint() const {
  QSize hint = LqSkinControl::sizeHint();
  if (!HasElementGeometry()) return hint;
  if (SliceMode_ == SliceMode::Fixed || SliceMode_ == SliceMode::Vertical) hint.setWidth(geom_.skinWidth());
  if (SliceMode_ == SliceMode::Fixed || SliceMode_ == SliceMode::Horizontal)
    hint.setHeight(geom_.skinHeight());
  return hint;
}

void LqSkinCustomControl::resizeEvent(QResizeEvent* e) {
  // A size set past SetBounds (a QWidget pointer, a Qt layout, the align layout) is
  // fitted here, so a bound control never keeps a size its element forbids.
  if (!fitting_) FitToSkin();
  LqSkinControl::resizeEvent(e);
}

void LqSkinCustomControl::FitToSkin() {
  BindSkin();
  if (!IsBound()) return;
  int w = width(), h = height();
  FitSizeToSkin(w, h);
  if (SliceMode_ == SliceMode::Fixed) fitted_.client = geom_.clientrect;
  // While hidden the new size is only recorded, without a nested resize event; the
  // work below is done here either way.
  if (w != width() || h != height()) ApplySize(w, h);
  UpdateRegion();
  update();
  if (HasElementGeometry() && geom_.stretcheffect) NotifyChildrenBackground(this);
}

void LqSkinCustomControl::UpdateRegion() {
  if (!parentWidget()) return;
  if (!IsBound() || !maskPicture_ || !HasElementGeometry()) {
    if (regionApplied_) {
      clearMask();
      regionApplied_ = false;
    }
    return;
  }
  int w = width(), h = height();
  FittedGeometry f = fitted_;
  lq::FitSizeToSkin(SliceMode_, geom_, w, h, f);
  QRegion region;
  if (ComposeRegion(SliceMode_, geom_, f, *maskPicture_, width(), height(), region) &&
      !region.isEmpty()) {
    setMask(region);
    regionApplied_ = true;
  } else if (regionApplied_) {
    clearMask();
    regionApplied_ = false;
  }
}

void LqSkinCustomControl::DrawDefault(QImage& canvas) {
  canvas.fill(ControlColor(clBtnFace));
}

void LqSkinCustomControl::DrawElementImage(QImage& canvas, const Rect& source) {
  if (!picture_ || !HasElementGeometry()) return;
  if (SliceMode_ == SliceMode::Both && splitFrame_) return;  // the strips are painted separately
  const Bitmap image = ComposeElement(SliceMode_, geom_, fitted_, source, *picture_, canvas.width(),
                                      canvas.height(), true);
  if (image.empty()) return;
  QPainter p(&canvas);
  p.drawImage(0, 0, ToImage(image));
}

void LqSkinCustomControl::DrawSkin(QImage& canvas) {
  DrawElementImage(canvas, geom_.skinrect);
}

void LqSkinCustomControl::paintEvent(QPaintEvent*) {
  if (width() < 1 || height() < 1) return;
  BindSkin();
  int w = width(), h = height();
  FitSizeToSkin(w, h);  // only the fitted geometry; the size stays
  QPainter painter(this);
  if (!IsBound() || !splitFrame_ || SliceMode_ != SliceMode::Both || !picture_)
    PaintBuffered(painter);
  else
    PaintSplitFrame(painter);
}

void LqSkinCustomControl::PaintSplitFrame(QPainter& painter) {
  const BorderStrips strips =
      ComposeStrips(geom_, fitted_, geom_.skinrect, *picture_, width(), height());
  QImage top = ToImage(strips.top);
  if (!top.isNull()) DrawSkin(top);  // a subclass draws its caption into the top strip
  if (fillClient_) {
    const Rect src = geom_.clientrect.translated(geom_.skinrect.left, geom_.skinrect.top);
    const QImage client = ToImage(CutPicture(*picture_, src));
    const Rect fc = fitted_.client;
    FillClientImage(painter, client, QRect(fc.left, fc.top, fc.width(), fc.height()),
                    geom_.stretcheffect, geom_.stretchtype);
  }
  const int topH = strips.top.height();
  if (!top.isNull()) painter.drawImage(0, 0, top);
  if (!strips.left.empty()) painter.drawImage(0, topH, ToImage(strips.left));
  if (!strips.right.empty())
    painter.drawImage(width() - strips.right.width(), topH, ToImage(strips.right));
  if (!strips.bottom.empty())
    painter.drawImage(0, height() - strips.bottom.height(), ToImage(strips.bottom));
}

}  // namespace lq
