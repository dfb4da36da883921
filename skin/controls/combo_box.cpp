#include "skin/controls/combo_box.h"

#include <QAbstractItemView>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/controls/combo_box_list.h"
#include "skin/controls/combo_box_paint.h"
#include "skin/controls/combo_box_style.h"
#include "skin/controls/combo_list_view.h"
#include "skin/controls/skin_access.h"

namespace lq {

LqSkinComboBox::LqSkinComboBox(QWidget* parent) : QComboBox(parent) {
  auto* style = new LqComboBoxStyle;
  style->setParent(this);  // a widget does not own the style it is given
  setStyle(style);
  listView_ = new LqComboListView;
  setView(listView_);  // the combo box owns it from here
  delegate_ = new LqComboItemDelegate(this);
  setItemDelegate(delegate_);
  frameFilter_ = new LqComboListFramePainter(this, [this] {
    popupOpen_ = mouseDown_ = false;
    update();
  });
  setAttribute(Qt::WA_Hover, true);
  QWidget::resize(145, 21);
  UpdateLook();
}

LqSkinComboBox::~LqSkinComboBox() {
  // QComboBox's own teardown (which hides an open list) comes after this class is gone.
  delegate_->Detach();
  delete frameFilter_;
}

void LqSkinComboBox::SetSkinData(LqSkinData* data) {
  const bool loaded = binding_.SetData(data);
  listView_->SetSkinData(data);
  if (loaded) ApplySkin();
}

void LqSkinComboBox::SetDefaultFont(const LqFont& f) {
  binding_.SetDefaultFont(f);
  UpdateLook();
}

void LqSkinComboBox::SetUseSkinFont(bool on) {
  binding_.SetUseSkinFont(on);
  UpdateLook();
}

void LqSkinComboBox::ReleaseSkin() {
  binding_.Release();
}

void LqSkinComboBox::ApplySkin() {
  binding_.SetIndex(BindComboBoxLook(SkinData(), SkinDataName(), look_));
  UpdateLook();
}

int LqSkinComboBox::ItemIndent(int /*row*/) const {
  return 0;
}

const Bitmap* LqSkinComboBox::Picture() const {
  return IsBound() ? ActivePicture(SkinData(), look_.pictureindex) : nullptr;
}

const Bitmap* LqSkinComboBox::ListFramePicture() const {
  return IsBound() ? ActivePicture(SkinData(), look_.list.pictureindex) : nullptr;
}

bool LqSkinComboBox::SkinnedItems() const {
  return Picture() && !look_.itemrect.isEmpty();
}

QRect LqSkinComboBox::ButtonRect() const {
  if (Picture()) {
    const Rect b = ComboButtonRect(look_, width());
    return QRect(b.left, b.top, b.width(), b.height());
  }
  const int w = kDefaultComboButtonWidth;
  return QRect(width() - 2 - w, 2, w, height() - 4);
}

QRect LqSkinComboBox::ClientRect() const {
  if (Picture()) {
    const Rect c = ComboClientRect(look_, width());
    return QRect(c.left, c.top, c.width(), c.height());
  }
  return QRect(3, 3, ButtonRect().left() - 4, height() - 6);
}

Color LqSkinComboBox::TextColor() const {
  if (!IsBound()) return isEnabled() ? DefaultFont().color : kSysGrayText;
  if (!isEnabled()) return look_.disabledfontcolor;
  return Active() ? look_.activefontcolor : look_.font.fontcolor;
}

// Font and height for the current binding; the list lays its rows out again.
void LqSkinComboBox::UpdateLook() {
  setFont(binding_.Font(look_.font));
  if (Picture()) {
    setFixedHeight(look_.SkinHeight());
  } else {
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
  }
  updateGeometry();
  view()->doItemsLayout();
  update();
}

QSize LqSkinComboBox::sizeHint() const {
  QSize s = QComboBox::sizeHint();
  if (Picture()) s.setHeight(look_.SkinHeight());
  return s;
}

QSize LqSkinComboBox::minimumSizeHint() const {
  QSize s = QComboBox::minimumSizeHint();
  if (Picture()) s.setHeight(look_.SkinHeight());
  return s;
}

// The list's window gets the frame of the current skin before it is placed, since
// its size includes the frame.
void LqSkinComboBox::PreparePopupFrame() {
  QWidget* window = view()->parentWidget();
  if (!window) return;
  window->setContentsMargins(ComboListMargins(*this));
  window->installEventFilter(frameFilter_);  // installing again only moves it to the front
}

void LqSkinComboBox::showPopup() {
  PreparePopupFrame();
  QComboBox::showPopup();
  popupOpen_ = view()->window()->isVisible();  // an empty box shows no list
  update();
}

void LqSkinComboBox::paintEvent(QPaintEvent* /*e*/) {
  QPainter p(this);
  PaintComboBox(p, *this);
}

void LqSkinComboBox::enterEvent(QEnterEvent* e) {
  QComboBox::enterEvent(e);
  binding_.SetHovered(true);
  update();
}

void LqSkinComboBox::leaveEvent(QEvent* e) {
  QComboBox::leaveEvent(e);
  binding_.SetHovered(false);
  update();
}

void LqSkinComboBox::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  update();
}

void LqSkinComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  update();
}

void LqSkinComboBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) mouseDown_ = true;
  update();
  QComboBox::mousePressEvent(e);
}

void LqSkinComboBox::mouseReleaseEvent(QMouseEvent* e) {
  mouseDown_ = false;
  update();
  QComboBox::mouseReleaseEvent(e);
}

void LqSkinComboBox::changeEvent(QEvent* e) {
  QComboBox::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) update();
}

}  // namespace lq
