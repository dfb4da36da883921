#include "skin/controls/scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "skin/controls/scroll_bar_paint.h"
#include "skin/data/blit.h"
#include "skin/data/descriptors.h"
#include "skin/data/image_compose.h"

namespace lq {

namespace {

Rect OrElse(const Rect& r, const Rect& fallback) {
  return r.isEmpty() ? fallback : r;
}

// Copies what the bar draws from a scroll-bar descriptor; false for other kinds.
bool CopyScrollBarSkin(const LqDataSkinControl* d, ScrollBarSkin& s) {
  auto* sb = dynamic_cast<const LqDataSkinScrollBarControl*>(d);
  if (!sb) return false;
  s.skinrect = sb->skinrect;
  s.lefttoppoint = sb->lefttoppoint;
  s.righttoppoint = sb->righttoppoint;
  s.leftbottompoint = sb->leftbottompoint;
  s.trackarea = sb->trackarea;
  s.upbuttonrect = sb->upbuttonrect;
  s.activeupbuttonrect = sb->activeupbuttonrect;
  s.downupbuttonrect = OrElse(sb->downupbuttonrect, sb->activeupbuttonrect);
  s.downbuttonrect = sb->downbuttonrect;
  s.activedownbuttonrect = sb->activedownbuttonrect;
  s.downdownbuttonrect = OrElse(sb->downdownbuttonrect, sb->activedownbuttonrect);
  s.thumbrect = sb->thumbrect;
  s.activethumbrect = OrElse(sb->activethumbrect, sb->thumbrect);
  s.downthumbrect = OrElse(sb->downthumbrect, s.activethumbrect);
  s.thumboffset1 = sb->thumboffset1;
  s.thumboffset2 = sb->thumboffset2;
  s.thumbtransparent = sb->thumbtransparent;
  s.thumbtransparentcolor = sb->thumbtransparentcolor;
  s.thumbstretcheffect = sb->thumbstretcheffect;
  s.thumbminsize = sb->thumbminsize;
  s.thumbminpagesize = sb->thumbminpagesize;
  s.glyphrect = sb->glyphrect;
  s.activeglyphrect = OrElse(sb->activeglyphrect, sb->glyphrect);
  s.downglyphrect = OrElse(sb->downglyphrect, s.activeglyphrect);
  s.glyphtransparent = sb->glyphtransparent;
  s.glyphtransparentcolor = sb->glyphtransparentcolor;
  return true;
}

}  // namespace

LqSkinScrollBar::LqSkinScrollBar(QWidget* parent, std::shared_ptr<longtail::TimerFactory> timers)
    : LqSkinCustomControl(parent), timers_(std::move(timers)), logic_(*timers_) {
  binding_.SetName("hscrollbar");
  logic_.setRange(0, 100, 0, 0);
  logic_.setLayoutProvider([this] { return Layout(); });
  logic_.setListener(this);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  resize(200, 19);
  SetDefaultHeight(19);
}

void LqSkinScrollBar::SetStepHandlers(std::function<void()> up, std::function<void()> down) {
  stepUp_ = std::move(up);
  stepDown_ = std::move(down);
}

LqSkinScrollBar::~LqSkinScrollBar() {
  logic_.timer().stop();
  logic_.setListener(nullptr);
}

void LqSkinScrollBar::positionChanged() {
  emit changed();
}

void LqSkinScrollBar::thumbDragEnded() {
  emit dragFinished();
}

void LqSkinScrollBar::pagedTowardsMin() {
  emit pagedUp();
}

void LqSkinScrollBar::pagedTowardsMax() {
  emit pagedDown();
}

// The step handlers replace the one-step move only while set.
bool LqSkinScrollBar::arrowStepTowardsMax() {
  if (!stepUp_) return false;
  stepUp_();
  return true;
}

bool LqSkinScrollBar::arrowStepTowardsMin() {
  if (!stepDown_) return false;
  stepDown_();
  return true;
}

void LqSkinScrollBar::repaintNeeded() {
  update();
}

void LqSkinScrollBar::SetSmallChange(int v) {
  logic_.smallChange = v;
  update();
}

void LqSkinScrollBar::SetLargeChange(int v) {
  logic_.largeChange = v;
  update();
}

void LqSkinScrollBar::SetKind(ScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  logic_.vertical = kind == ScrollBarKind::Vertical;
  update();
}

void LqSkinScrollBar::SetBoth(bool on) {
  if (on == both_) return;
  both_ = on;
  if (on) {
    normalSkinDataName_ = SkinDataName();
    binding_.SetName(bothSkinDataName_);
  } else if (!normalSkinDataName_.empty()) {
    binding_.SetName(normalSkinDataName_);
  }
  BindSkin();
  if (IsBound())
    ApplySkin();
  else
    update();
}

void LqSkinScrollBar::SetBothMarkerWidth(int w) {
  if (w < 0) return;
  bothMarkerWidth_ = w;
  update();
}

void LqSkinScrollBar::SetCanFocused(bool on) {
  canFocused_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void LqSkinScrollBar::BindSkin() {
  LqSkinCustomControl::BindSkin();
  skinned_ = IsBound() && Picture() && CopyScrollBarSkin(Descriptor(), skin_);
}

ScrollBarLayout LqSkinScrollBar::Layout() const {
  if (skinned_) return LayoutSkinnedScrollBar(skin_, Vertical(), width(), height(), logic_.range());
  return LayoutDefaultScrollBar(Vertical(), width(), height(), logic_.range(),
                                both_ && !Vertical() ? bothMarkerWidth_ : 0);
}

void LqSkinScrollBar::DrawDefault(QImage& canvas) {
  canvas.fill(ControlColor(clBtnFace));
  const ScrollBarLayout l = Layout();
  auto buttonState = [&](ScrollBarPart part) {
    if (logic_.isPressed(part) && logic_.isHot(part)) return DefaultPartState::Down;
    return logic_.isHot(part) ? DefaultPartState::Hot : DefaultPartState::Normal;
  };
  DrawDefaultPart(canvas, l.decrease, buttonState(ScrollBarPart::Decrease));
  DrawDefaultPart(canvas, l.increase, buttonState(ScrollBarPart::Increase));
  DrawArrow(canvas, l.decrease, Vertical() ? 1 : 0);
  DrawArrow(canvas, l.increase, Vertical() ? 3 : 2);
  if (isEnabled()) {
    DefaultPartState thumb = logic_.dragging() || ThumbFocused()  ? DefaultPartState::Down
                             : logic_.isHot(ScrollBarPart::Thumb) ? DefaultPartState::Hot
                                                                  : DefaultPartState::Normal;
    DrawDefaultPart(canvas, l.thumb, thumb);
  }
}

void LqSkinScrollBar::DrawSkin(QImage& canvas) {
  if (!skinned_) {
    DrawDefault(canvas);
    return;
  }
  DrawElementImage(canvas, Geometry().skinrect);
  const ScrollBarLayout l = Layout();
  DrawSkinButton(canvas, l.increase, ScrollBarPart::Increase);
  DrawSkinButton(canvas, l.decrease, ScrollBarPart::Decrease);
  if (isEnabled()) DrawSkinThumb(canvas, l);
}

void LqSkinScrollBar::DrawSkinButton(QImage& canvas, const Rect& place, ScrollBarPart part) {
  // The element image already shows the normal button.
  if (!logic_.isHot(part)) return;
  const bool inc = part == ScrollBarPart::Increase;
  Rect source = logic_.isPressed(part)
                    ? (inc ? skin_.downupbuttonrect : skin_.downdownbuttonrect)
                    : (inc ? skin_.activeupbuttonrect : skin_.activedownbuttonrect);
  if (source.isEmpty()) return;
  DrawBitmapAt(canvas, place.left, place.top, CropBitmap(*Picture(), source));
}

void LqSkinScrollBar::DrawSkinThumb(QImage& canvas, const ScrollBarLayout& l) {
  const bool down = logic_.dragging() || ThumbFocused();
  const Rect source = down                                 ? skin_.downthumbrect
                      : logic_.isHot(ScrollBarPart::Thumb) ? skin_.activethumbrect
                                                           : skin_.thumbrect;
  if (source.isEmpty()) return;
  Bitmap thumb;
  const int length = Vertical() ? l.thumb.height() : l.thumb.width();
  if (PageSize() != 0 || skin_.thumbminpagesize != 0) {
    if (Vertical())
      BuildVStrip(skin_.thumboffset1, skin_.thumboffset2, thumb, *Picture(), source, length,
                  skin_.thumbstretcheffect);
    else
      BuildHStrip(skin_.thumboffset1, skin_.thumboffset2, thumb, *Picture(), source, length,
                  skin_.thumbstretcheffect);
  } else {
    thumb = CropBitmap(*Picture(), source);
  }
  DrawBitmapAt(canvas, l.thumb.left, l.thumb.top, thumb, skin_.thumbtransparent,
               skin_.thumbtransparentcolor);

  const Rect glyph = down                                 ? skin_.downglyphrect
                     : logic_.isHot(ScrollBarPart::Thumb) ? skin_.activeglyphrect
                                                          : skin_.glyphrect;
  if (glyph.isEmpty()) return;
  const int glyphLength = Vertical() ? glyph.height() : glyph.width();
  if (glyphLength >= length) return;
  const int gx = l.thumb.left + (l.thumb.width() - glyph.width()) / 2;
  const int gy = l.thumb.top + (l.thumb.height() - glyph.height()) / 2;
  DrawBitmapAt(canvas, gx, gy, CropBitmap(*Picture(), glyph), skin_.glyphtransparent,
               skin_.glyphtransparentcolor);
}

void LqSkinScrollBar::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    LqSkinCustomControl::mousePressEvent(e);
    return;
  }
  if (canFocused_ && !hasFocus()) {
    setFocus(Qt::MouseFocusReason);
    if (!hasFocus()) return;  // the press is dropped when focus cannot be taken
  }
  BindSkin();
  logic_.enabled = isEnabled();
  const QPoint p = e->position().toPoint();
  logic_.mousePress(p.x(), p.y());
}

void LqSkinScrollBar::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  logic_.mouseMove(p.x(), p.y());
  LqSkinCustomControl::mouseMoveEvent(e);
}

void LqSkinScrollBar::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  logic_.mouseRelease(p.x(), p.y(), e->button() == Qt::LeftButton);
  LqSkinCustomControl::mouseReleaseEvent(e);
}

void LqSkinScrollBar::leaveEvent(QEvent* e) {
  logic_.mouseLeave();
  LqSkinCustomControl::leaveEvent(e);
}

void LqSkinScrollBar::keyPressEvent(QKeyEvent* e) {
  if (!canFocused_ || !hasFocus()) {
    LqSkinCustomControl::keyPressEvent(e);
    return;
  }
  switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      SetPosition(Position() - SmallChange());
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      SetPosition(Position() + SmallChange());
      break;
    default:
      LqSkinCustomControl::keyPressEvent(e);
      return;
  }
  e->accept();
}

void LqSkinScrollBar::wheelEvent(QWheelEvent* e) {
  if (!canFocused_ || !hasFocus()) {
    e->ignore();
    return;
  }
  SetPosition(Position() + (e->angleDelta().y() <= 0 ? SmallChange() : -SmallChange()));
  e->accept();
}

bool LqSkinScrollBar::event(QEvent* e) {
  // The arrow keys belong to a focused bar, not to the dialog navigation.
  if (e->type() == QEvent::ShortcutOverride && canFocused_) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
      e->accept();
      return true;
    }
  }
  return LqSkinCustomControl::event(e);
}

void LqSkinScrollBar::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) {
    logic_.enabled = isEnabled();
    if (!isEnabled()) logic_.timer().stop();
    update();
  }
  LqSkinCustomControl::changeEvent(e);
}

}  // namespace lq
