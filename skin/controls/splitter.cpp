#include "skin/controls/splitter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/controls/control_style.h"
#include "skin/controls/scroll_bar_paint.h"
#include "skin/controls/skin_access.h"
#include "skin/data/descriptors.h"
#include "skin/data/image_compose.h"

namespace lq {

namespace {

// The hatched line shown while sizing: every other pixel black, the rest see-through.
class SizingLine : public QWidget {
 public:
  explicit SizingLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
  }
};

}  // namespace

LqSkinSplitter::LqSkinSplitter(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::SizeHorCursor);
  resize(defaultSize_, 100);
  lq::SetAlign(this, DockAlign::Left);
}

LqSkinSplitter::~LqSkinSplitter() {
  if (Sizing()) StopSizing(false);
}

void LqSkinSplitter::SetSkinData(LqSkinData* data) {
  binding_.SetData(data);
  ApplySkin();
}

void LqSkinSplitter::SetTransparent(bool on) {
  if (on == transparent_) return;
  transparent_ = on;
  setAttribute(Qt::WA_OpaquePaintEvent, !on);
  ApplySkin();
}

void LqSkinSplitter::SetDefaultSize(int size) {
  defaultSize_ = size;
  ApplySkin();
}

void LqSkinSplitter::SetAlign(DockAlign align) {
  lq::SetAlign(this, align);
  const bool horizontal = align == DockAlign::Top || align == DockAlign::Bottom;
  setCursor(horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
  ApplySkin();
}

SplitterSide LqSkinSplitter::Side() const {
  switch (Align()) {
    case DockAlign::Left:
      return SplitterSide::Left;
    case DockAlign::Right:
      return SplitterSide::Right;
    case DockAlign::Top:
      return SplitterSide::Top;
    case DockAlign::Bottom:
      return SplitterSide::Bottom;
    default:
      return SplitterSide::Undocked;
  }
}

void LqSkinSplitter::Bind() {
  binding_.Bind();
  picture_ = nullptr;
  auto* d = dynamic_cast<const LqDataSkinSplitterControl*>(binding_.Descriptor());
  if (!d) return;
  picture_ = ActivePicture(SkinData(), d->pictureindex);
  skinrect_ = d->skinrect;
  lefttoppoint_ = d->lefttoppoint;
  righttoppoint_ = d->righttoppoint;
  leftbottompoint_ = d->leftbottompoint;
  stretcheffect_ = d->stretcheffect;
  gripperrect_ = d->gripperrect;
  grippertransparent_ = d->grippertransparent;
  grippertransparentcolor_ = d->grippertransparentcolor;
}

void LqSkinSplitter::ReleaseSkin() {
  binding_.Release();
  picture_ = nullptr;
}

void LqSkinSplitter::ApplySkin() {
  Bind();
  const bool skinned = IsBound() && picture_ && !transparent_;
  const DockAlign a = Align();
  if (a == DockAlign::Top || a == DockAlign::Bottom) {
    const int h = skinned ? skinrect_.height() : defaultSize_;
    if (h != height()) resize(width(), h);
  } else {
    const int w = skinned ? skinrect_.width() : defaultSize_;
    if (w != width()) resize(w, height());
  }
  if (parentWidget()) RealignChildren(parentWidget());
  update();
}

void LqSkinSplitter::paintEvent(QPaintEvent*) {
  if (transparent_ || width() < 1 || height() < 1) return;
  Bind();
  const DockAlign a = Align();
  QPainter p(this);
  if (!IsBound() || !picture_ || a == DockAlign::None || a == DockAlign::Client) {
    p.fillRect(rect(), ControlColor(ColorValue));
    if (Beveled) {
      // Light and dark outlines round the bar, shrunk across it and grown along it.
      const bool vertical = a == DockAlign::Left || a == DockAlign::Right;
      QRect r = vertical ? rect().adjusted(1, -2, -1, 2) : rect().adjusted(-2, 1, 2, -1);
      p.setPen(ControlColor(clBtnHighlight));
      p.drawRect(r.translated(1, 1).adjusted(0, 0, -1, -1));
      p.setPen(ControlColor(clBtnShadow));
      p.drawRect(r.translated(-1, -1).adjusted(0, 0, -1, -1));
    }
    return;
  }
  Bitmap image;
  if (a == DockAlign::Top || a == DockAlign::Bottom)
    BuildHStrip(lefttoppoint_.x, skinrect_.width() - righttoppoint_.x, image, *picture_, skinrect_,
                width(), stretcheffect_);
  else
    BuildVStrip(lefttoppoint_.y, skinrect_.height() - leftbottompoint_.y, image, *picture_,
                skinrect_, height(), stretcheffect_);
  QImage canvas(image.width(), image.height(), QImage::Format_RGB32);
  DrawBitmapAt(canvas, 0, 0, image);
  if (!gripperrect_.isEmpty()) {
    const int gx = image.width() / 2 - gripperrect_.width() / 2;
    const int gy = image.height() / 2 - gripperrect_.height() / 2;
    DrawBitmapAt(canvas, gx, gy, CropBitmap(*picture_, gripperrect_), grippertransparent_,
                 grippertransparentcolor_);
  }
  p.drawImage(0, 0, canvas);
}

// ------------------------------------------------------------------ sizing

QRect LqSkinSplitter::LineRect() const {
  const QRect g = geometry();
  return IsVerticalSplit(Side()) ? g.translated(split_, 0) : g.translated(0, split_);
}

void LqSkinSplitter::StartSizing(const QPoint& parentPos) {
  QWidget* parent = parentWidget();
  const SplitterSide side = Side();
  if (!parent || side == SplitterSide::Undocked) return;
  std::vector<SplitterSibling> siblings;
  std::vector<QWidget*> widgets;
  const bool vertical = IsVerticalSplit(side);
  for (QObject* o : parent->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow() || w == line_) continue;
    const DockAlign a = AlignOf(w);
    const QRect g = w->geometry();
    SplitterSibling s;
    s.bounds = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    s.dockedOnAxis = vertical ? (a == DockAlign::Left || a == DockAlign::Right)
                              : (a == DockAlign::Top || a == DockAlign::Bottom);
    s.visible = w->isVisibleTo(parent);
    s.enabled = w->isEnabled();
    s.isSplitter = w == this;
    siblings.push_back(s);
    widgets.push_back(w);
  }
  const QRect g = geometry();
  const int n = FindSplitterNeighbour(
      siblings, {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}, side);
  if (n < 0) return;
  neighbour_ = widgets[n];
  const QRect pr = parent->rect();
  maxSize_ = SplitterMaxSize(siblings, n, side, pr.width(), pr.height(), MinSize);
  downPos_ = parentPos;
  const int current = vertical ? neighbour_->width() : neighbour_->height();
  SplitterProposal start = ProposeSplitterSize(current, 0, side, MinSize, maxSize_);
  newSize_ = start.size;
  split_ = start.split;
  moved_ = false;
  // Escape typed anywhere while sizing cancels it.
  qApp->installEventFilter(this);
  ShowLine();
}

void LqSkinSplitter::ShowLine() {
  if (ResizeStyle != ResizeStyle::Pattern && ResizeStyle != ResizeStyle::Line) return;
  if (!line_) line_ = new SizingLine(parentWidget());
  line_->setGeometry(LineRect());
  line_->show();
  line_->raise();
}

void LqSkinSplitter::MoveSizing(const QPoint& parentPos) {
  const SplitterSide side = Side();
  const bool vertical = IsVerticalSplit(side);
  const int offset = vertical ? parentPos.x() - downPos_.x() : parentPos.y() - downPos_.y();
  const int current = vertical ? neighbour_->width() : neighbour_->height();
  SplitterProposal p = ProposeSplitterSize(current, offset, side, MinSize, maxSize_);
  int size = p.size;
  if (resizeCheck_ && !resizeCheck_(size)) return;
  if (AutoSnap && size <= MinSize) size = 0;
  newSize_ = size;
  split_ = p.split;
  moved_ = true;
  if (ResizeStyle == ResizeStyle::Update) {
    ApplyNeighbourSize(newSize_);
    downPos_ = parentPos;
    split_ = 0;
  }
  ShowLine();
}

void LqSkinSplitter::ApplyNeighbourSize(int size) {
  if (!neighbour_ || size == oldSize_) return;
  const SplitterSide side = Side();
  QRect g = neighbour_->geometry();
  switch (side) {
    case SplitterSide::Left:
      g.setWidth(size);
      break;
    case SplitterSide::Top:
      g.setHeight(size);
      break;
    case SplitterSide::Right:
      g.setLeft(g.right() + 1 - size);
      break;
    case SplitterSide::Bottom:
      g.setTop(g.bottom() + 1 - size);
      break;
    default:
      return;
  }
  neighbour_->setGeometry(g);
  if (parentWidget()) RealignChildren(parentWidget());
  oldSize_ = size;
  emit moved();
}

void LqSkinSplitter::StopSizing(bool apply) {
  if (line_) line_->hide();
  qApp->removeEventFilter(this);
  if (apply) ApplyNeighbourSize(newSize_);
  neighbour_ = nullptr;
  split_ = 0;
}

void LqSkinSplitter::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (parentWidget()) StartSizing(mapToParent(e->position().toPoint()));
}

void LqSkinSplitter::mouseMoveEvent(QMouseEvent* e) {
  if (Sizing() && (e->buttons() & Qt::LeftButton)) MoveSizing(mapToParent(e->position().toPoint()));
}

void LqSkinSplitter::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const bool wasSizing = Sizing();
  if (wasSizing) StopSizing(true);
  if (rect().contains(e->position().toPoint())) emit clicked();
}

void LqSkinSplitter::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

bool LqSkinSplitter::eventFilter(QObject* watched, QEvent* e) {
  if (Sizing() && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    StopSizing(false);
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace lq
