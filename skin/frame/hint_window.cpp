#include "skin/frame/hint_window.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>

#include "skin/frame/hint_component.h"
#include "skin/frame/menu_compose.h"
#include "skin/frame/menu_painter.h"
#include "skin/qt/bridge.h"
#include "skin/qt/fonts.h"

namespace lq {
namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

compose::FrameSpec SpecOf(const HintSkin& s) {
  compose::FrameSpec def;
  def.lt = s.lefttoppoint;
  def.rt = s.righttoppoint;
  def.lb = s.leftbottompoint;
  def.rb = s.rightbottompoint;
  def.client = s.clientrect;
  def.leftStretch = s.leftstretch;
  def.rightStretch = s.rightstretch;
  def.topStretch = s.topstretch;
  def.bottomStretch = s.bottomstretch;
  def.clientStretch = s.stretcheffect;
  def.stretchType = s.stretchtype;
  return def;
}

QSize TextExtent(const QFont& font, const QString& text) {
  if (text.isEmpty()) return {0, 0};
  return QFontMetrics(font).boundingRect(QRect(0, 0, 100000, 100000), kTextFlags, text).size();
}

}  // namespace

LqSkinHintWindow::LqSkinHintWindow(LqSkinHint& hint)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      hint_(hint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

LqSkinHintWindow::~LqSkinHintWindow() = default;

void LqSkinHintWindow::ActivateHint(const QRect& r, const QString& text) {
  skin_ = HintSkinFromSkinData(hint_.SkinData);
  font_ = (skin_ && hint_.UseSkinFont) ? SkinFont(QString::fromStdString(skin_->fontname),
                                                  skin_->fontheight, skin_->fontstyle)
                                       : hint_.DefaultFont;
  text_ = SplitHintLines(text, hint_.LineSeparator);
  textSize_ = TextExtent(font_, text_);
  title_ = hint_.HintTitle;
  image_ = QImage();
  if (hint_.HintImageList && hint_.HintImageIndex >= 0 &&
      hint_.HintImageIndex < int(hint_.HintImageList->size()))
    image_ = (*hint_.HintImageList)[std::size_t(hint_.HintImageIndex)];
  titled_ = !title_.isEmpty() || hint_.HintImageList != nullptr;
  if (titled_) {
    QFont bold = font_;
    bold.setBold(true);
    titleSize_ = TextExtent(bold, title_);
    TitledExtent extra{titleSize_.width(), titleSize_.height(), image_.width(), image_.height()};
    geometry_ =
        ComputeTitledHintGeometry(skin_.get(), textSize_.width(), textSize_.height(), extra);
  } else {
    geometry_ = ComputeHintGeometry(skin_.get(), textSize_.width(), textSize_.height());
  }
  const QRect wa = hint_.WorkArea();
  const Point at = PlaceHint({r.left(), r.top()}, geometry_.width, geometry_.height,
                             {wa.left(), wa.top(), wa.left() + wa.width(), wa.top() + wa.height()});
  screenRect_ = QRect(at.x, at.y, geometry_.width, geometry_.height);

  // Window transparency follows the component's settings as they are now.
  if (hint_.AlphaBlend) {
    if (!wasLayered_ || hint_.AlphaBlendAnimation || lastAlpha_ != hint_.AlphaBlendValue)
      setWindowOpacity(hint_.AlphaBlendAnimation ? 0.0 : hint_.AlphaBlendValue / 255.0);
  } else if (wasLayered_) {
    setWindowOpacity(1.0);
  }
  wasLayered_ = hint_.AlphaBlend;
  lastAlpha_ = hint_.AlphaBlendValue;

  region_ = Region();
  if (skin_ && !skin_->mask.empty()) {
    compose::FrameSpec def = SpecOf(*skin_);
    region_ = compose::FramedRegion(skin_->mask, def, geometry_.width, geometry_.height);
  }
  setGeometry(screenRect_);
  if (!region_.isEmpty())
    setMask(RegionToQRegion(region_));
  else
    clearMask();
  show();
  update();
  if (hint_.AlphaBlend && hint_.AlphaBlendAnimation) {
    // Fade in by steps of 20, one whenever more than 3 ms have passed.
    QElapsedTimer t;
    t.start();
    int alpha = 0;
    while (alpha < hint_.AlphaBlendValue) {
      if (t.elapsed() <= 3) continue;
      t.restart();
      alpha = std::min(alpha + 20, hint_.AlphaBlendValue);
      setWindowOpacity(alpha / 255.0);
      repaint();
    }
  }
}

void LqSkinHintWindow::HideHint() {
  hide();
  hint_.HintTitle.clear();
  hint_.HintImageList = nullptr;
}

Bitmap LqSkinHintWindow::Render() const {
  const int W = geometry_.width, H = geometry_.height;
  Bitmap out(W, H);
  Color textColor = syscolor::InfoText;
  QRect textRect(2, 2, W - 4, H - 4);
  if (skin_) {
    compose::FrameSpec def = SpecOf(*skin_);
    out = compose::Framed(skin_->window, skin_->window.rect(), def, W, H);
    textColor = ResolveMenuColor(skin_->fontcolor);
    const Rect& c = geometry_.client;
    textRect = QRect(c.left + c.width() / 2 - textSize_.width() / 2,
                     c.top + c.height() / 2 - textSize_.height() / 2, textSize_.width(),
                     textSize_.height());
  } else {
    compose::FillRect(out, {0, 0, W, H}, syscolor::InfoBk);
    compose::FrameRect(out, {0, 0, W, H}, syscolor::BtnShadow);
  }
  QImage img = BitmapAsQImage(out);
  QPainter p(&img);
  p.setPen(ToQColor(textColor));
  if (titled_) {
    const Rect& c = geometry_.client;
    const int left = (skin_ ? c.left : 2) + 5;
    const int top = skin_ ? c.top : 2;
    QFont bold = font_;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(left, top, titleSize_.width(), titleSize_.height()), kTextFlags, title_);
    const int below = top + titleSize_.height() + 5;
    int textLeft = left;
    if (!image_.isNull()) {
      p.drawImage(left, below, image_);
      textLeft += image_.width() + 10;
    }
    p.setFont(font_);
    p.drawText(QRect(textLeft, below, textSize_.width(), textSize_.height()), kTextFlags, text_);
  } else {
    p.setFont(font_);
    p.drawText(textRect, kTextFlags, text_);
  }
  return out;
}

void LqSkinHintWindow::paintEvent(QPaintEvent*) {
  const Bitmap b = Render();
  QPainter p(this);
  DrawBitmap(p, 0, 0, b);
}

}  // namespace lq
