#include "skin/frame/popup_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>
#include <algorithm>

#include "skin/frame/menu_compose.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_painter.h"
#include "skin/qt/bridge.h"

namespace lq {
namespace {

constexpr std::chrono::milliseconds kMousePollMs(50);
constexpr std::chrono::milliseconds kScrollMs(100);
constexpr int kMorphMs = 20;

}  // namespace

LqSkinPopupWindow::LqSkinPopupWindow(LqSkinMenu& menu, MenuItem* source, LqSkinMenuItem* parentItem)
    // A popup window: the window manager neither places nor tiles it, and a modal dialog
    // that opened the menu does not block its mouse input.
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      menu_(menu),
      source_(source),
      parentItem_(parentItem) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  mouseTimer_ = menu.Clock().createTimer([this] { MouseTick(); });
  morphTimer_ = menu.Clock().createTimer([this] { MorphTick(); });
  scrollTimer_ = menu.Clock().createTimer([this] { ScrollTick(); });
}

LqSkinPopupWindow::~LqSkinPopupWindow() = default;

int LqSkinPopupWindow::IndexOf(const LqSkinMenuItem* item) const {
  for (int i = 0; i < ItemCount(); ++i)
    if (Item(i) == item) return i;
  return -1;
}

void LqSkinPopupWindow::BuildItems(int startIndex) {
  const MenuSkin& skin = menu_.Skin();
  font_ = (skin.window && skin.item && menu_.UseSkinFont) ? FontFromSpec(skin.item->font)
                                                          : menu_.DefMenuItemFont;
  const MenuImageList* images = menu_.Images();
  const bool hasImages = images && !images->images.empty();
  glyphWidth_ = hasImages ? images->width + 5 : 19;

  for (int i = 0; i < source_->Count(); ++i) source_->Item(i)->Update();
  items_.clear();
  heights_.clear();
  const QFontMetrics metrics(font_);
  PopupSizeInput in;
  for (int index : ShownChildren(*source_)) {
    if (index < startIndex) continue;
    MenuItem* child = source_->Item(index);
    items_.push_back(std::make_unique<LqSkinMenuItem>(*this, child));
    const bool separator = child->IsSeparator();
    heights_.push_back(MenuItemHeight(skin, separator, menu_.DefMenuItemHeight));
    if (!separator) {
      QString text = StripAccelerator(child->Caption);
      if (!child->ShortCut.isEmpty()) text += QStringLiteral("  ") + child->ShortCut;
      in.widestText = std::max(in.widestText, metrics.horizontalAdvance(text));
    }
  }
  in.itemHeights = heights_;
  in.glyphWidth = glyphWidth_;
  in.defaultItemHeight = menu_.DefMenuItemHeight;
  in.maxItems = menu_.MaxMenuItemsInWindow;
  in.workAreaHeight = menu_.WorkArea().height();
  size_ = ComputePopupSize(skin, in);
  geometry_ = MapPopupGeometry(skin, size_.width, size_.height);
  visibleStart_ = 0;
  Relayout();

  region_ = Region();
  if (skin.window && !skin.window->mask.empty()) {
    compose::FrameSpec def;
    def.lt = skin.window->lefttoppoint;
    def.rt = skin.window->righttoppoint;
    def.lb = skin.window->leftbottompoint;
    def.rb = skin.window->rightbottompoint;
    def.client = skin.window->itemsrect;
    region_ = compose::FramedRegion(skin.window->mask, def, size_.width, size_.height);
  }
  resize(size_.width, size_.height);
  if (!region_.isEmpty())
    setMask(RegionToQRegion(region_));
  else
    clearMask();
  backgroundValid_ = false;
}

void LqSkinPopupWindow::Relayout() {
  std::vector<ItemSlot> itemSlots;
  visibleCount_ =
      LayoutMenuItems(geometry_.itemsRect, heights_, visibleStart_, size_.scrolling, itemSlots);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->rect = itemSlots[i].rect;
    items_[i]->shown = itemSlots[i].shown;
  }
}

void LqSkinPopupWindow::ShowAt(const QPoint& topLeft) {
  screenRect_ = QRect(topLeft, QSize(size_.width, size_.height));
  move(topLeft);
  // Transient for the form's window, so that window's modality never blocks the menu.
  if (QWidget* form = menu_.Form()) {
    create();
    if (QWindow* owner = form->window()->windowHandle()) windowHandle()->setTransientParent(owner);
  }
  show();
  mouseTimer_->start(kMousePollMs);
}

void LqSkinPopupWindow::Close() {
  if (closed_) return;
  closed_ = true;
  mouseTimer_->stop();
  morphTimer_->stop();
  scrollTimer_->stop();
  hide();
  deleteLater();
}

void LqSkinPopupWindow::SelectFirst() {
  activeIndex_ = -1;
  for (int i = 0; i < ItemCount(); ++i) {
    if (!Item(i)->Selectable()) continue;
    Item(i)->active = true;
    Item(i)->keySelected = true;
    activeIndex_ = i;
    StartMorph();
    RedrawItem(Item(i));
    break;
  }
}

void LqSkinPopupWindow::RedrawItem(const LqSkinMenuItem* item) {
  if (item && item->shown)
    update(QRect(item->rect.left, item->rect.top, item->rect.width(), item->rect.height()));
}

void LqSkinPopupWindow::SetDown(LqSkinMenuItem* item, bool down) {
  if (!item || item->down == down) return;
  item->down = down;
  StartMorph();
  RedrawItem(item);
}

void LqSkinPopupWindow::ActivateItem(int index, bool byMouse) {
  if (index < 0 || index >= ItemCount()) return;
  LqSkinMenuItem* item = Item(index);
  previousActive_ = activeIndex_;
  activeIndex_ = index;
  const bool wasHighlighted = item->Highlighted();
  item->active = true;
  if (!wasHighlighted && menu_.Skin().item) item->frame = 0;
  for (auto& other : items_) {
    if (other.get() != item && other->down) {
      other->down = false;
      RedrawItem(other.get());
    }
  }
  StartMorph();
  const int me = menu_.IndexOfWindow(this);
  if (byMouse) {
    if (item->keySelected) {
      RedrawItem(item);
    } else if (item->down) {
      menu_.CloseFrom(me + 2);  // keep its submenu, close what was opened from there
    } else {
      RedrawItem(item);
      menu_.ItemHovered(this, item);
    }
  } else {
    RedrawItem(item);
    menu_.CloseFrom(me + 1);
    menu_.StopWait();
  }
}

void LqSkinPopupWindow::DeactivateItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  LqSkinMenuItem* item = Item(index);
  const bool wasHighlighted = item->Highlighted();
  item->active = false;
  item->keySelected = false;
  if (wasHighlighted && !item->Highlighted() && menu_.Skin().item) {
    const MenuItemSkin& s = *menu_.Skin().item;
    item->frame = (s.framecount > 0 && s.inactiveanimation) ? s.framecount + 1 : 0;
  }
  StartMorph();
  if (!item->down) RedrawItem(item);
  menu_.ItemDeactivated(item);
}

void LqSkinPopupWindow::MouseTick() {
  if (closed_) return;
  const CursorState cursor = menu_.Cursor().state();
  if (cursor.global == lastCursor_) return;
  lastCursor_ = cursor.global;
  if (menu_.WindowAt(cursor.global) == this)
    HoverAt(cursor.global - screenRect_.topLeft());
  else if (scrollDir_ != 0)
    StopScroll();
}

Rect LqSkinPopupWindow::TopBand() const {
  if (!menu_.Skin().window) return {3, 3, size_.width - 3, 13};
  const Rect& r = geometry_.itemsRect;
  return {r.left, r.top, r.right, r.top + kScrollBandHeight};
}

Rect LqSkinPopupWindow::BottomBand() const {
  if (!menu_.Skin().window) return {3, size_.height - 10, size_.width - 3, size_.height - 3};
  const Rect& r = geometry_.itemsRect;
  return {r.left, r.bottom - kScrollBandHeight, r.right, r.bottom};
}

void LqSkinPopupWindow::HoverAt(const QPoint& p) {
  if (size_.scrolling) {
    const bool inTop = TopBand().contains(p.x(), p.y());
    const bool inBottom = BottomBand().contains(p.x(), p.y());
    if (inTop && scrollDir_ == 0 && HiddenAbove())
      StartScroll(1);
    else if (inBottom && scrollDir_ == 0 && HiddenBelow())
      StartScroll(2);
    else if (!inTop && !inBottom && scrollDir_ != 0)
      StopScroll();
  }
  int found = -1;
  for (int i = 0; i < ItemCount(); ++i) {
    if (Item(i)->shown && Item(i)->rect.contains(p.x(), p.y())) {
      found = i;
      break;
    }
  }
  if (found < 0) return;  // the active item stays
  LqSkinMenuItem* item = Item(found);
  if (found == activeIndex_) {
    if (item->keySelected) {
      item->keySelected = false;
      if (item->HasSubmenu()) menu_.ItemHovered(this, item);
    }
    return;
  }
  const int old = activeIndex_;
  if (old >= 0 && Item(old)->Selectable()) DeactivateItem(old);
  activeIndex_ = found;
  if (item->Selectable()) ActivateItem(found, true);
}

void LqSkinPopupWindow::ReleaseAt(const QPoint& p) {
  for (int i = 0; i < ItemCount(); ++i) {
    LqSkinMenuItem* item = Item(i);
    if (!item->shown || !item->rect.contains(p.x(), p.y())) continue;
    if (i == activeIndex_ && !item->IsSeparator()) {
      item->keySelected = false;
      menu_.ItemClicked(this, item);
    }
    return;
  }
}

void LqSkinPopupWindow::MoveKeySelection(int step) {
  const int n = ItemCount();
  if (n == 0) return;
  int target = activeIndex_;
  for (int tries = 0; tries < n; ++tries) {
    target = target < 0 ? (step > 0 ? 0 : n - 1) : (target + step + n) % n;
    if (Item(target)->Selectable()) break;
  }
  if (!Item(target)->Selectable()) return;
  if (size_.scrolling) {  // bring the target into the shown range, wrapping pages
    if (target < visibleStart_) {
      visibleStart_ = target;
    } else if (target >= visibleStart_ + visibleCount_) {
      const int last = LastPageStart(geometry_.itemsRect, heights_);
      while (visibleStart_ < last && target >= visibleStart_ + visibleCount_) {
        ++visibleStart_;
        Relayout();
      }
    }
    Relayout();
    backgroundValid_ = false;
    update();
  }
  if (target == activeIndex_) return;
  if (activeIndex_ >= 0) DeactivateItem(activeIndex_);
  ActivateItem(target, false);
  Item(target)->keySelected = true;
}

bool LqSkinPopupWindow::KeyDown(int key, const QString& text) {
  switch (key) {
    case Qt::Key_Up:
      MoveKeySelection(-1);
      return true;
    case Qt::Key_Down:
      MoveKeySelection(1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ActiveItem() && ActiveItem()->Selectable()) menu_.ItemClicked(this, ActiveItem());
      return true;
    case Qt::Key_Right:
      if (ActiveItem() && ActiveItem()->HasSubmenu() && ActiveItem()->Enabled())
        menu_.ItemClicked(this, ActiveItem());
      return true;
    default:
      break;
  }
  if (text.isEmpty()) return true;
  const QChar c = text[0].toUpper();
  for (int i = 0; i < ItemCount(); ++i) {
    LqSkinMenuItem* item = Item(i);
    if (item->Item()->Accelerator() != c || !item->Selectable()) continue;
    if (i != activeIndex_) {
      if (activeIndex_ >= 0) DeactivateItem(activeIndex_);
      ActivateItem(i, false);
    }
    menu_.ItemClicked(this, item);
    break;
  }
  return true;
}

void LqSkinPopupWindow::StartScroll(int direction) {
  scrollDir_ = direction;
  menu_.CloseFrom(menu_.IndexOfWindow(this) + 1);
  update();
  scrollTimer_->start(kScrollMs);
}

void LqSkinPopupWindow::StopScroll() {
  scrollDir_ = 0;
  scrollTimer_->stop();
  update();
}

bool LqSkinPopupWindow::ScrollTimerActive() const {
  return scrollTimer_->isActive();
}
bool LqSkinPopupWindow::MorphTimerActive() const {
  return morphTimer_->isActive();
}

bool LqSkinPopupWindow::ScrollOne(int direction) {
  if (direction == 1 && HiddenAbove())
    --visibleStart_;
  else if (direction == 2 && HiddenBelow())
    ++visibleStart_;
  else
    return false;
  Relayout();
  backgroundValid_ = false;
  update();
  return true;
}

void LqSkinPopupWindow::ScrollTick() {
  if (!ScrollOne(scrollDir_)) scrollTimer_->stop();
}

void LqSkinPopupWindow::StartMorph() {
  const MenuSkin& skin = menu_.Skin();
  if (!skin.item) return;
  const MenuItemSkin& s = *skin.item;
  const bool morphs = s.morphing && skin.effects;
  const bool animates = s.framecount > 0 && !s.animateskinrect.isEmpty();
  if (!morphs && !animates) {
    for (auto& item : items_) item->morph = item->Highlighted() ? 1.0 : 0.0;
    return;
  }
  if (!morphTimer_->isActive())
    morphTimer_->start(std::chrono::milliseconds(animates ? s.animateinterval : kMorphMs));
}

void LqSkinPopupWindow::MorphTick() {
  const MenuSkin& skin = menu_.Skin();
  if (!skin.item || closed_) {
    morphTimer_->stop();
    return;
  }
  const MenuItemSkin& s = *skin.item;
  const bool morphs = s.morphing && skin.effects;
  const bool animates = s.framecount > 0 && !s.animateskinrect.isEmpty();
  bool moved = false;
  for (auto& item : items_) {
    bool changed = false;
    const bool hot = item->Highlighted();
    if (morphs) {
      if (hot && item->morph < 1.0) {
        item->morph = std::min(1.0, item->morph + 0.2);
        changed = true;
      } else if (!hot && item->morph > 0.0) {
        item->morph = std::max(0.0, item->morph - 0.2);
        changed = true;
      }
    }
    if (animates) {
      if (hot && item->frame < s.framecount + 1) {
        ++item->frame;
        changed = true;
      } else if (!hot && item->frame > 0 && s.inactiveanimation) {
        --item->frame;
        changed = true;
      }
    }
    if (changed) {
      moved = true;
      RedrawItem(item.get());
    }
  }
  if (!moved) morphTimer_->stop();
}

void LqSkinPopupWindow::RenderBackground() const {
  if (backgroundValid_) return;
  background_ = Bitmap(size_.width, size_.height);
  PaintPopupBackground(background_, menu_.Skin(), geometry_, glyphWidth_, size_.scrolling);
  backgroundValid_ = true;
}

Bitmap LqSkinPopupWindow::Render() const {
  RenderBackground();
  Bitmap out = background_;
  const MenuSkin& skin = menu_.Skin();
  Bitmap buffer;
  ItemPaintContext ctx;
  ctx.skin = &skin;
  ctx.font = font_;
  ctx.glyphWidth = glyphWidth_;
  ctx.images = menu_.Images();
  if (skin.item && skin.item->inactivetransparent) {
    buffer = Bitmap(size_.width, size_.height);
    PaintPopupBuffer(buffer, skin, geometry_);
    ctx.paintBuffer = &buffer;
  }
  int lastBottom = geometry_.itemsRect.top + (size_.scrolling ? kScrollBandHeight : 0);
  for (const auto& item : items_) {
    if (!item->shown) continue;
    PaintMenuItem(out, *item, ctx);
    lastBottom = std::max(lastBottom, item->rect.bottom);
  }
  if (size_.scrolling) {
    const Rect bottom = BottomBand();
    if (skin.item && !skin.item->active.empty() && lastBottom < bottom.top) {
      const Rect gap{geometry_.itemsRect.left, lastBottom, geometry_.itemsRect.right, bottom.top};
      Bitmap fill;
      if (ctx.paintBuffer) {
        fill = Bitmap(gap.width(), gap.height());
        compose::Copy(fill, 0, 0, buffer, gap);
      } else {
        fill = compose::HStrip(skin.item->active, skin.item->skinrect, skin.item->itemleftoffset,
                               skin.item->itemrightoffset, gap.width(),
                               skin.item->inactivestretcheffect);
      }
      compose::Stretch(out, gap, fill, fill.rect());
    }
    PaintScrollMarkers(out, TopBand(), bottom, scrollDir_, ctx);
  }
  return out;
}

void LqSkinPopupWindow::paintEvent(QPaintEvent*) {
  Bitmap frame = Render();
  QPainter p(this);
  p.drawImage(0, 0, WrapBitmap(frame));
}

void LqSkinPopupWindow::mousePressEvent(QMouseEvent* event) {
  // The newest popup takes every press while the menu is open. A press on one of the
  // menu's windows waits for its release; one anywhere else closes the whole menu.
  event->accept();
  if (!menu_.WindowAt(event->globalPosition().toPoint()) &&
      !rect().contains(event->position().toPoint()))
    menu_.Hide();
}

void LqSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The release comes to the newest popup; it belongs to the window under the cursor.
  LqSkinPopupWindow* target = menu_.WindowAt(event->globalPosition().toPoint());
  if (!target || rect().contains(event->position().toPoint())) target = this;
  const QPoint p = target == this
                       ? event->position().toPoint()
                       : event->globalPosition().toPoint() - target->screenRect_.topLeft();
  target->ClickAt(p);
}

void LqSkinPopupWindow::ClickAt(const QPoint& p) {
  // A quick click may come before the next mouse poll has seen the cursor there.
  HoverAt(p);
  lastCursor_ = screenRect_.topLeft() + p;
  if (!closed_) ReleaseAt(p);
}

void LqSkinPopupWindow::closeEvent(QCloseEvent* event) {
  // Qt closes popups on its own (the application lost the focus): the whole menu goes.
  event->accept();
  if (!closed_) menu_.Hide();
}

void LqSkinPopupWindow::wheelEvent(QWheelEvent* event) {
  event->accept();
}

}  // namespace lq
