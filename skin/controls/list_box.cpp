#include "skin/controls/list_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cassert>

#include "skin/controls/element_image.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_access.h"
#include "skin/data/blit.h"
#include "skin/data/descriptors.h"
#include "skin/data/image_compose.h"

namespace lq {

namespace {

Rect OrElse(const Rect& r, const Rect& fallback) {
  return r.isEmpty() ? fallback : r;
}

bool CopyListBoxLook(const LqDataSkinControl* d, ListBoxLook& out) {
  auto* lb = dynamic_cast<const LqDataSkinListBox*>(d);
  if (!lb) return false;
  out.fontname = lb->fontname;
  out.fontheight = lb->fontheight;
  out.fontstyle = lb->fontstyle;
  out.fontcolor = lb->fontcolor;
  out.activefontcolor = lb->activefontcolor;
  out.focusfontcolor = lb->focusfontcolor;
  out.itemrect = lb->itemrect;
  out.activeitemrect = OrElse(lb->activeitemrect, lb->itemrect);
  out.focusitemrect = OrElse(lb->focusitemrect, lb->itemrect);
  out.itemleftoffset = lb->itemleftoffset;
  out.itemrightoffset = lb->itemrightoffset;
  out.itemtextrect = lb->itemtextrect;
  out.captionrect = lb->captionrect;
  out.vscrollbarname = lb->vscrollbarname;
  out.hscrollbarname = lb->hscrollbarname;
  out.bothhscrollbarname = lb->bothhscrollbarname;
  out.showfocus = lb->showfocus;
  return true;
}

QString ItemText(const longtail::ListModel& items, int index) {
  const std::string_view text = items.View(index);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

LqSkinListBox::LqSkinListBox(std::unique_ptr<longtail::ListModel> items, QWidget* parent)
    : LqSkinCustomControl(parent), items_(std::move(items)) {
  assert(items_);
  binding_.SetName("listbox");
  splitFrame_ = true;
  fillClient_ = false;
  list_ = new LqListBox(*items_, this);
  list_->SetItemHeight(defaultItemHeight_);
  list_->SetItemPainter(
      [this](QPainter& p, int i, const QRect& r, ItemDrawState s) { DrawListItem(p, i, r, s); });
  list_->SetBackgroundEraser([this](QPainter& p, const QRect& r) { EraseList(p, r); });
  list_->SetKeyFilter([this](QKeyEvent* e) { return HandleListKey(e); });
  list_->SetWheelFilter([this](QWheelEvent* e) { return HandleListWheel(e); });
  connect(list_, &LqListBox::scrolled, this, [this] { SyncScrollBars(); });
  connect(list_, &LqListBox::countChanged, this, [this] { SyncScrollBars(); });
  connect(list_, &LqListBox::clicked, this, &LqSkinListBox::itemClicked);
  connect(list_, &LqListBox::doubleClicked, this, &LqSkinListBox::itemDoubleClicked);
  connect(list_, &LqListBox::contextMenuRequested, this, &LqSkinListBox::contextMenuRequested);
  items_->SetOnChange([this] { list_->ItemsChanged(); });
  Font = DefaultFont();
  Font.color = clWindowText;
  resize(120, 120);
  LayoutParts();
}

LqSkinListBox::~LqSkinListBox() {
  items_->SetOnChange({});
}

// ------------------------------------------------------------------ operations

int LqSkinListBox::ItemIndex() const {
  return items_->ItemIndex();
}

void LqSkinListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_->Count()) return;
  items_->SetItemIndex(index);
  list_->MakeVisible(index);
  list_->update();
}

bool LqSkinListBox::Selected(int index) const {
  return index >= 0 && index < items_->Count() && items_->Selected(index);
}

void LqSkinListBox::SetSelected(int index, bool on) {
  if (index < 0 || index >= items_->Count()) return;
  items_->SetSelected(index, on);
  list_->update(list_->ItemRect(index));
}

int LqSkinListBox::SelCount() const {
  return items_->SelectedCount();
}

void LqSkinListBox::Clear() {
  items_->Clear();
  SyncScrollBars();
}

int LqSkinListBox::ItemAtPos(const QPoint& p, bool existing) const {
  return list_->ItemAtPos(p, existing);
}

int LqSkinListBox::TopIndex() const {
  return list_->TopIndex();
}

void LqSkinListBox::SetTopIndex(int index) {
  list_->SetTopIndex(index);
}

// ------------------------------------------------------------------ properties

void LqSkinListBox::SetUseSkinItemHeight(bool on) {
  useSkinItemHeight_ = on;
  ApplyItemHeight();
}

void LqSkinListBox::SetDefaultItemHeight(int h) {
  if (h < 1) return;
  defaultItemHeight_ = h;
  ApplyItemHeight();
}

void LqSkinListBox::SetHorizontalExtent(bool on) {
  horizontalExtent_ = on;
  widest_ = measured_ = 0;
  SyncScrollBars();
}

void LqSkinListBox::SetRowCount(int rows) {
  rowCount_ = std::max(0, rows);
  if (rowCount_ > 0) resize(width(), RowCountHeight(rowCount_));
  SyncScrollBars();
}

void LqSkinListBox::ApplyItemHeight() {
  BindSkin();
  if (IsBound() && useSkinItemHeight_ && skinnedItems_ && !look_.itemrect.isEmpty())
    list_->SetItemHeight(look_.itemrect.height());
  else
    list_->SetItemHeight(defaultItemHeight_);
  SyncScrollBars();
}

int LqSkinListBox::RowCountHeight(int rows) const {
  int h;
  if (IsBound() && HasElementGeometry())
    h = Geometry().skinHeight() + rows * list_->ItemHeight() - Geometry().clientrect.height();
  else
    h = rows * list_->ItemHeight() + 4;
  if (hbar_) h += hbar_->height();
  return h;
}

void LqSkinListBox::DefaultFontChanged() {
  if (!IsBound()) {
    Font = DefaultFont();
    list_->update();
  }
}

// ------------------------------------------------------------------ skin

void LqSkinListBox::BindSkin() {
  LqSkinCustomControl::BindSkin();
  skinnedItems_ = IsBound() && Picture() && CopyListBoxLook(Descriptor(), look_);
  rowCache_.clear();
}

void LqSkinListBox::ApplySkin() {
  reskinning_ = true;
  LqSkinCustomControl::ApplySkin();
  if (!IsBound()) {
    list_->SetItemHeight(defaultItemHeight_);
    Font = DefaultFont();
  } else if (useSkinItemHeight_ && skinnedItems_ && !look_.itemrect.isEmpty()) {
    list_->SetItemHeight(look_.itemrect.height());
  }
  if (vbar_) BindBar(vbar_, false);
  if (hbar_) BindBar(hbar_, true);
  if (rowCount_ > 0) resize(width(), RowCountHeight(rowCount_));
  LayoutParts();
  reskinning_ = false;
  SyncScrollBars();
  list_->update();
}

void LqSkinListBox::BindBar(LqSkinScrollBar* bar, bool horizontal) {
  const bool bound = IsBound() && skinnedItems_;
  if (!horizontal) {
    bar->SetSkinDataName(bound ? look_.vscrollbarname : std::string());
  } else if (!bound) {
    bar->SetSkinDataName(std::string());
    if (vbar_) {
      bar->SetBothMarkerWidth(19);
      bar->SetBoth(true);
    }
  } else if (vbar_) {
    bar->SetBothSkinDataName(look_.bothhscrollbarname);
    bar->SetSkinDataName(look_.hscrollbarname);
    bar->SetBoth(true);
  } else {
    bar->SetBoth(false);
    bar->SetSkinDataName(look_.hscrollbarname);
  }
  bar->SetSkinData(SkinData());
  bar->ApplySkin();
}

// ------------------------------------------------------------------ layout

QRect LqSkinListBox::ContentRect() const {
  if (IsBound() && HasElementGeometry()) {
    const Rect c = FittedClientRect();
    return QRect(c.left, c.top, c.width(), c.height());
  }
  return QRect(2, 2, width() - 4, height() - 4);
}

void LqSkinListBox::LayoutParts() {
  const QRect content = ContentRect();
  const bool bound = IsBound() && HasElementGeometry();
  int hbarH = 0;
  if (hbar_) {
    if (bound) {
      hbarH = hbar_->height();
      hbar_->SetBounds(QRect(content.left(), content.bottom() + 1 - hbarH, content.width(), hbarH));
    } else {
      hbarH = 19;
      hbar_->SetBounds(QRect(1, height() - 20, width() - 2, 19));
    }
  }
  int vbarW = 0;
  if (vbar_) {
    const int h = std::max(0, content.height() - hbarH);
    if (bound) {
      vbarW = vbar_->width();
      vbar_->SetBounds(QRect(content.right() + 1 - vbarW, content.top(), vbarW, h));
      vbarW = vbar_->width();  // a bound bar keeps its element's width
      vbar_->move(content.right() + 1 - vbarW, content.top());
    } else {
      vbarW = 19;
      vbar_->SetBounds(QRect(width() - 20, content.top(), 19, h));
    }
  }
  list_->setGeometry(content.left(), content.top(), std::max(0, content.width() - vbarW),
                     std::max(0, content.height() - hbarH));
}

void LqSkinListBox::resizeEvent(QResizeEvent* e) {
  LqSkinCustomControl::resizeEvent(e);
  LayoutParts();
  SyncScrollBars();
}

// ------------------------------------------------------------------ scroll bars

LqSkinScrollBar* LqSkinListBox::CreateBar(bool horizontal) {
  auto* bar = new LqSkinScrollBar(this);
  bar->SetKind(horizontal ? ScrollBarKind::Horizontal : ScrollBarKind::Vertical);
  bar->SetDefaultWidth(horizontal ? 0 : 19);
  bar->SetDefaultHeight(horizontal ? 19 : 0);
  bar->SetSize(19, 19);
  bar->SetRange(0, 0, 0, 0);
  return bar;
}

void LqSkinListBox::RemoveBar(LqSkinScrollBar*& bar) {
  if (!bar) return;
  bar->hide();
  // The bar may be inside its own event handler: free it once that returns.
  bar->deleteLater();
  bar = nullptr;
  LayoutParts();
}

void LqSkinListBox::SyncScrollBars() {
  SyncVertical();
  SyncHorizontal();
}

void LqSkinListBox::SyncVertical() {
  const int count = items_->Count();
  const int rows = list_->VisibleRows();
  const int min = 0, max = count - 1, pos = list_->TopIndex();
  const bool fixedRows = rowCount_ > 0 && rowCount_ == count;
  if (!fixedRows && min < max && max >= pos && rows < count) {
    if (!vbar_) {
      vbar_ = CreateBar(false);
      connect(vbar_, &LqSkinScrollBar::changed, this,
              [this] { list_->SetTopIndex(vbar_->Position()); });
      BindBar(vbar_, false);
      if (hbar_) BindBar(hbar_, true);
      LayoutParts();
      vbar_->show();
    }
    vbar_->SetRange(min, max, rows, pos);
    vbar_->SetLargeChange(std::max(1, rows));
  } else if (vbar_) {
    RemoveBar(vbar_);
    if (hbar_) BindBar(hbar_, true);
  }
}

int LqSkinListBox::WidestItem() {
  const QFontMetrics m(ItemFont());
  const int count = items_->Count();
  if (measured_ > count) widest_ = measured_ = 0;  // items went away: measure again
  for (; measured_ < count; ++measured_)
    widest_ = std::max(widest_, m.horizontalAdvance(ItemText(*items_, measured_)));
  return widest_;
}

void LqSkinListBox::SyncHorizontal() {
  if (!horizontalExtent_) {
    if (hbar_) {
      RemoveBar(hbar_);
      list_->SetHorizontalOffset(0);
    }
    return;
  }
  if (reskinning_) return;
  const int widest = WidestItem();
  const int visible = skinnedItems_
                          ? list_->width() + (look_.itemtextrect.width() - look_.itemrect.width())
                          : list_->width() - 4;
  if (widest > visible) {
    if (!hbar_) {
      hbar_ = CreateBar(true);
      connect(hbar_, &LqSkinScrollBar::changed, this,
              [this] { list_->SetHorizontalOffset(hbar_->Position()); });
      BindBar(hbar_, true);
      LayoutParts();
      hbar_->show();
    }
    hbar_->SetRange(0, widest, visible, hbar_->Position());
    const int step = QFontMetrics(ItemFont()).horizontalAdvance(QStringLiteral("0"));
    hbar_->SetSmallChange(step);
    hbar_->SetLargeChange(step);
  } else if (hbar_) {
    RemoveBar(hbar_);
    list_->SetHorizontalOffset(0);
  }
}

bool LqSkinListBox::HandleListKey(QKeyEvent* e) {
  const int key = e->key();
  if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
  if (!hbar_) {
    // A single-column list without a horizontal bar treats Left/Right as Up/Down.
    QKeyEvent mapped(e->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down, e->modifiers());
    QCoreApplication::sendEvent(list_, &mapped);
    return true;
  }
  hbar_->SetPosition(hbar_->Position() +
                     (key == Qt::Key_Left ? -hbar_->SmallChange() : hbar_->SmallChange()));
  return true;
}

bool LqSkinListBox::HandleListWheel(QWheelEvent* e) {
  const int dy = e->angleDelta().y();
  const int notches = std::max(1, std::abs(dy) / 120);
  if (vbar_) {
    // Toward the user scrolls down, one line per notch.
    list_->SetTopIndex(list_->TopIndex() + (dy <= 0 ? notches : -notches));
    SyncScrollBars();
    return true;
  }
  if (hbar_) {
    hbar_->SetPosition(hbar_->Position() +
                       (dy <= 0 ? hbar_->SmallChange() : -hbar_->SmallChange()));
    return true;
  }
  return false;
}

// ------------------------------------------------------------------ painting

void LqSkinListBox::DrawDefault(QImage& canvas) {
  canvas.fill(ControlColor(clBtnFace));
  QPainter p(&canvas);
  p.setPen(ControlColor(clBtnShadow));
  p.drawRect(0, 0, canvas.width() - 1, canvas.height() - 1);
}

void LqSkinListBox::DrawSkin(QImage& /*topStrip*/) {
  // Split-frame painting hands the top strip here: the frame already shows the
  // element; a caption would go here, and the program's skin has none.
  if (!skinnedItems_ || look_.captionrect.isEmpty()) return;
}

void LqSkinListBox::EraseList(QPainter& p, const QRect& r) {
  if (!skinnedItems_ || !HasElementGeometry()) {
    p.fillRect(r, ControlColor(clWindow));
    return;
  }
  // Tile the element's client image over the list, cut at the last column and row.
  const Rect src =
      Geometry().clientrect.translated(Geometry().skinrect.left, Geometry().skinrect.top);
  const QImage tile = ToImage(CutPicture(*Picture(), src));
  if (tile.isNull()) {
    p.fillRect(r, ControlColor(clWindow));
    return;
  }
  p.save();
  p.setClipRect(r);
  p.drawTiledPixmap(list_->rect(), QPixmap::fromImage(tile));
  p.restore();
}

QFont LqSkinListBox::ItemFont() const {
  if (skinnedItems_ && UseSkinFont())
    return MakeQFont(QString::fromStdString(look_.fontname), look_.fontheight, look_.fontstyle);
  if (skinnedItems_) return MakeQFont(DefaultFont());
  return MakeQFont(Font);
}

void LqSkinListBox::DrawListItem(QPainter& p, int index, const QRect& r, ItemDrawState state) {
  if (index < 0 || index >= items_->Count()) return;
  if (!skinnedItems_) {
    DrawDefaultItem(p, index, r, state);
  } else if (useSkinItemHeight_) {
    DrawSkinItemFixed(p, index, r, state);
  } else {
    DrawSkinItemStretched(p, index, r, state);
  }
}

void LqSkinListBox::DrawSkinItemFixed(QPainter& p, int index, const QRect& r, ItemDrawState state) {
  Rect source = look_.itemrect;
  Color color = look_.fontcolor;
  bool stretch = false;
  if (state.focused && state.selected) {
    source = look_.focusitemrect;
    color = look_.focusfontcolor;
    stretch = Geometry().stretcheffect;
  } else if (state.selected) {
    source = look_.activeitemrect;
    color = look_.activefontcolor;
    stretch = Geometry().stretcheffect;
  }
  const int kind = state.selected ? (state.focused ? 2 : 1) : 0;
  QImage item = RowBackground(kind, r.size(), [&] {
    Bitmap image;
    BuildHStrip(look_.itemleftoffset, look_.itemrightoffset, image, *Picture(), source, r.width(),
                stretch);
    return image;
  });
  if (item.isNull()) return;
  {
    QPainter ip(&item);
    if (state.focused && !state.selected) {
      ip.setPen(QPen(Qt::black, 1, Qt::DotLine));
      ip.drawRect(item.rect().adjusted(0, 0, -1, -1));
    }
    QRect text(look_.itemtextrect.left, look_.itemtextrect.top,
               look_.itemtextrect.width() + (r.width() - look_.itemrect.width()),
               look_.itemtextrect.height());
    DrawItemText(ip, index, text, state, color, ItemFont());
  }
  p.drawImage(r.topLeft(), item);
}

void LqSkinListBox::DrawSkinItemStretched(QPainter& p, int index, const QRect& r,
                                          ItemDrawState state) {
  Rect source = look_.itemrect;
  Color color = look_.fontcolor;
  if (state.focused) {
    source = look_.focusitemrect;
    color = look_.focusfontcolor;
  } else if (state.selected) {
    source = look_.activeitemrect;
    color = look_.activefontcolor;
  }
  const Rect& t = look_.itemtextrect;
  const int kind = 3 + (state.focused ? 2 : state.selected ? 1 : 0);
  QImage item = RowBackground(kind, r.size(), [&] {
    Bitmap image(r.width(), r.height());
    BuildStretchedImage(image, *Picture(), source, true,
                        Rect{t.left + 1, t.top + 1, t.right - 1, t.bottom - 1});
    return image;
  });
  if (item.isNull()) return;
  {
    QPainter ip(&item);
    QRect text(t.left, t.top, t.width() + (r.width() - look_.itemrect.width()),
               t.height() + (r.height() - look_.itemrect.height()));
    DrawItemText(ip, index, text, state, color, ItemFont());
  }
  p.drawImage(r.topLeft(), item);
}

QImage LqSkinListBox::RowBackground(int kind, QSize size, const std::function<Bitmap()>& compose) {
  for (const CachedRow& row : rowCache_)
    if (row.kind == kind && row.size == size) return row.image;
  // Widths change only with the box; a handful of entries covers every state and size.
  if (rowCache_.size() >= 12) rowCache_.clear();
  rowCache_.push_back(CachedRow{kind, size, ToImage(compose())});
  return rowCache_.back().image;
}

void LqSkinListBox::DrawDefaultItem(QPainter& p, int index, const QRect& r, ItemDrawState state) {
  const Color fill = state.selected ? clHighlight : clWindow;
  const Color color = state.selected ? clHighlightText : Font.color;
  p.fillRect(r, ControlColor(fill));
  DrawItemText(p, index, r.adjusted(2, 0, -2, 0), state, color, MakeQFont(Font));
}

void LqSkinListBox::DrawItemText(QPainter& p, int index, QRect textRect, ItemDrawState state,
                                 Color color, const QFont& font) {
  if (itemPainter_) {
    itemPainter_(p, index, state, textRect);
    return;
  }
  if (skinnedItems_ && look_.showfocus && state.focused) {
    p.setPen(QPen(ControlColor(SkinButtonFace(SkinData())), 1, Qt::DotLine));
    p.drawRect(QRect(0, 0, p.device()->width() - 1, p.device()->height() - 1));
  }
  p.save();
  p.setClipRect(textRect);
  p.setFont(font);
  p.setPen(ControlColor(color));
  const int indent = -list_->HorizontalOffset();
  p.drawText(QRect(textRect.left() + indent + 2, textRect.top(), 1 << 20, textRect.height()),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
             ItemText(*items_, index));
  p.restore();
}

}  // namespace lq
