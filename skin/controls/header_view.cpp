#include "skin/controls/header_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "skin/controls/default_look.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"
#include "skin/qt/text.h"
#include "skin/qt/vector_glyph_painter.h"

namespace lq {
namespace {

// Space between a section's edges and its caption or sort triangle.
constexpr int kCaptionMargin = 4;
constexpr int kSortIndicatorWidth = 9;

}  // namespace

LqSkinHeaderView::LqSkinHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
  // Qt tracks the section under the mouse only for widgets that ask for hover events.
  setAttribute(Qt::WA_Hover, true);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  UpdateFont();
}

void LqSkinHeaderView::SetSkinData(LqSkinData* data) {
  if (binding_.SetData(data)) ApplySkin();
}

void LqSkinHeaderView::SetSkinDataName(const std::string& name) {
  binding_.SetName(name);
  if (binding_.Loaded()) ApplySkin();
}

void LqSkinHeaderView::SetDefaultFont(const LqFont& f) {
  binding_.SetDefaultFont(f);
  UpdateFont();
}

void LqSkinHeaderView::ReleaseSkin() {
  binding_.Release();
  pictureIndex_ = -1;
  UpdateFont();
}

void LqSkinHeaderView::ApplySkin() {
  BindSkin();
  UpdateFont();
}

void LqSkinHeaderView::BindSkin() {
  // Bound only once the element proves to have pictures to draw the sections from.
  binding_.Release();
  const int index = binding_.Lookup();
  const LqDataSkinControl* d = ControlAt(SkinData(), index);
  int maskIndex = -1;
  ButtonLook look;
  if (!d || !CopyElementGeometry(d, geom_, pictureIndex_, maskIndex) || !CopyLook(d, look)) return;
  sliceMode_ = SliceModeFor(geom_);
  // Without a picture there is nothing to draw the sections from.
  if (sliceMode_ == SliceMode::None || !ActivePicture(SkinData(), pictureIndex_)) return;
  // Missing state images fall back as a push button's do.
  if (look.activeskinrect.isEmpty()) look.activeskinrect = geom_.skinrect;
  if (look.downskinrect.isEmpty()) look.downskinrect = look.activeskinrect;
  if (look.disabledskinrect.isEmpty()) look.disabledskinrect = geom_.skinrect;
  if (look.disabledfontcolor == look.fontcolor) look.disabledfontcolor = kMidGrey;
  look_ = look;
  binding_.SetIndex(index);
}

void LqSkinHeaderView::UpdateFont() {
  setFont(IsBound()
              ? MakeQFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle)
              : MakeQFont(DefaultFont()));
  // The owning view asks for the new height when the geometry changes.
  updateGeometry();
  emit geometriesChanged();
  viewport()->update();
}

int LqSkinHeaderView::SectionHeight() const {
  return IsBound() ? geom_.skinHeight() : fontMetrics().height() + 6;
}

QSize LqSkinHeaderView::sizeHint() const {
  QSize s = QHeaderView::sizeHint();
  if (orientation() == Qt::Horizontal) s.setHeight(SectionHeight());
  return s;
}

QSize LqSkinHeaderView::sectionSizeFromContents(int logicalIndex) const {
  const QString text =
      model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
              : QString();
  int w = 2 * kCaptionMargin + fontMetrics().horizontalAdvance(text);
  if (isSortIndicatorShown()) w += kSortIndicatorWidth + 2;
  return QSize(w, SectionHeight());
}

QStyleOptionHeader LqSkinHeaderView::SectionOption(int logicalIndex) const {
  QStyleOptionHeader opt;
  initStyleOption(&opt);
  initStyleOptionForIndex(&opt, logicalIndex);
  return opt;
}

HeaderSectionState LqSkinHeaderView::SectionState(int logicalIndex) const {
  return StateOf(SectionOption(logicalIndex));
}

HeaderSectionState LqSkinHeaderView::StateOf(const QStyleOptionHeader& opt) const {
  if (!isEnabled()) return HeaderSectionState::kDisabled;
  if (opt.state & QStyle::State_Sunken) return HeaderSectionState::kDown;
  if (opt.state & QStyle::State_MouseOver) return HeaderSectionState::kActive;
  return HeaderSectionState::kNormal;
}

QRect LqSkinHeaderView::SortIndicatorRect(const QRect& section) {
  return QRect(section.right() + 1 - kCaptionMargin - kSortIndicatorWidth, section.top(),
               kSortIndicatorWidth, section.height());
}

QImage LqSkinHeaderView::SectionImage(QSize size, HeaderSectionState state) const {
  const Bitmap* picture = IsBound() ? ActivePicture(SkinData(), pictureIndex_) : nullptr;
  if (!picture || size.isEmpty()) return {};
  const Rect source = state == HeaderSectionState::kActive     ? look_.activeskinrect
                      : state == HeaderSectionState::kDown     ? look_.downskinrect
                      : state == HeaderSectionState::kDisabled ? look_.disabledskinrect
                                                               : geom_.skinrect;
  // The element at the section's size as far as its slice mode allows; a direction it
  // cannot stretch in is scaled.
  int w = size.width(), h = size.height();
  FittedGeometry fitted;
  FitSizeToSkin(sliceMode_, geom_, w, h, fitted);
  QImage image = ToImage(ComposeElement(sliceMode_, geom_, fitted, source, *picture, w, h, true));
  if (!image.isNull() && image.size() != size) image = image.scaled(size);
  return image;
}

void LqSkinHeaderView::DrawDefaultSection(QPainter& p, const QRect& r,
                                          HeaderSectionState state) const {
  switch (state) {
    case HeaderSectionState::kActive:
      DrawFramedFill(p, r, kDefaultNavy, kDefaultHotFill);
      break;
    case HeaderSectionState::kDown:
      DrawFramedFill(p, r, kDefaultNavy, kDefaultDownFill);
      break;
    default:
      p.fillRect(r, ControlColor(clBtnFace));
      DrawControlFrame(p, r, clBtnHighlight, clBtnShadow);
      break;
  }
}

Color LqSkinHeaderView::CaptionColor(HeaderSectionState state) const {
  if (!IsBound())
    return state == HeaderSectionState::kDisabled ? kSysGrayText : DefaultFont().color;
  switch (state) {
    case HeaderSectionState::kActive:
      return look_.activefontcolor;
    case HeaderSectionState::kDown:
      return look_.downfontcolor;
    case HeaderSectionState::kDisabled:
      return look_.disabledfontcolor;
    default:
      return look_.fontcolor;
  }
}

void LqSkinHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  const QStyleOptionHeader opt = SectionOption(logicalIndex);
  const HeaderSectionState state = StateOf(opt);
  painter->save();
  const QImage image = SectionImage(rect.size(), state);
  if (!image.isNull())
    painter->drawImage(rect.topLeft(), image);
  else
    DrawDefaultSection(*painter, rect, state);

  const QColor color = ControlColor(CaptionColor(state));
  QRect text = rect.adjusted(kCaptionMargin, 0, -kCaptionMargin, 0);
  if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
    const QRect mark = SortIndicatorRect(rect);
    const ArrowDirection direction =
        sortIndicatorOrder() == Qt::AscendingOrder ? ArrowDirection::Up : ArrowDirection::Down;
    DrawDirectionArrow(*painter, Rect{mark.left(), mark.top(), mark.right() + 1, mark.bottom() + 1},
                       direction, color);
    text.setRight(mark.left() - 2);
  }
  // A pressed section's caption moves with the pushed-in image, as on a button.
  if (state == HeaderSectionState::kDown) text.translate(1, 1);
  painter->setFont(font());
  painter->setPen(color);
  painter->setClipRect(rect);
  const QString caption = TrimToWidth(painter->fontMetrics(), opt.text, text.width());
  const Qt::Alignment align = (opt.textAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
  painter->drawText(text, int(align | Qt::TextSingleLine), caption);
  painter->restore();
}

void LqSkinHeaderView::paintEvent(QPaintEvent* e) {
  QHeaderView::paintEvent(e);
  // The strip past the last section shows an empty section rather than the Qt style.
  const int end = length() - offset();
  const QRect area = viewport()->rect();
  const QRect rest = orientation() == Qt::Horizontal
                         ? QRect(end, 0, area.width() - end, area.height())
                         : QRect(0, end, area.width(), area.height() - end);
  if (rest.isEmpty()) return;
  QPainter p(viewport());
  const HeaderSectionState state =
      isEnabled() ? HeaderSectionState::kNormal : HeaderSectionState::kDisabled;
  const QImage image = SectionImage(rest.size(), state);
  if (!image.isNull())
    p.drawImage(rest.topLeft(), image);
  else
    DrawDefaultSection(p, rest, state);
}

}  // namespace lq
