#include "skin/controls/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "skin/controls/default_look.h"
#include "skin/controls/element_image.h"
#include "skin/controls/skin_access.h"
#include "skin/data/control_descriptors.h"

namespace lq {

namespace {

constexpr std::chrono::milliseconds kButtonFirstDelay(500);
constexpr std::chrono::milliseconds kButtonRepeat(100);
constexpr std::chrono::milliseconds kButtonReturn(50);

void DrawArrow(QPainter& p, const QRect& r, bool up, const QColor& color) {
  const QPoint c = r.center();
  const int s = std::max(1, std::min(r.width(), r.height()) / 4);
  QPolygon tri;
  if (up)
    tri << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x() + s, c.y() + s / 2)
        << QPoint(c.x(), c.y() - s / 2 - 1);
  else
    tri << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x() + s, c.y() - s / 2)
        << QPoint(c.x(), c.y() + s / 2 + 1);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(tri);
}

}  // namespace

// --- inner editor -------------------------------------------------------------------

LqSkinNumEdit::LqSkinNumEdit(LqSkinSpinEdit* owner) : QLineEdit(owner), owner_(owner) {
  setFrame(false);
  // Numbers only: no input method composes text here.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setTextMargins(0, 0, 0, 0);
}

void LqSkinNumEdit::keyPressEvent(QKeyEvent* e) {
  emit owner_->editKeyPressed(e);
  if (e->key() == Qt::Key_Up) {
    owner_->StepUp();
    return;
  }
  if (e->key() == Qt::Key_Down) {
    owner_->StepDown();
    return;
  }
  const QString typed = e->text();
  char32_t ch = 0;
  if (e->key() == Qt::Key_Backspace)
    ch = 8;
  else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
    ch = '\r';
  else if (!typed.isEmpty())
    ch = typed.toUcs4().value(0);
  if (ch != 0) {
    QString rest = text();
    int at = cursorPosition();
    if (hasSelectedText()) {
      at = selectionStart();
      rest.remove(at, selectedText().size());
    }
    if (!owner_->Rules().AcceptsKey(ch, rest.toStdString(), owner_->EditorEnabled(),
                                    static_cast<std::size_t>(at))) {
      if (owner_->beep_) owner_->beep_();
      e->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(e);
}

void LqSkinNumEdit::wheelEvent(QWheelEvent* e) {
  QApplication::sendEvent(owner_, e);
}

void LqSkinNumEdit::enterEvent(QEnterEvent* e) {
  QLineEdit::enterEvent(e);
  owner_->SetEditorHot(true);
}

void LqSkinNumEdit::leaveEvent(QEvent* e) {
  QLineEdit::leaveEvent(e);
  owner_->SetEditorHot(false);
}

// --- spin edit ----------------------------------------------------------------------

LqSkinSpinEdit::LqSkinSpinEdit(QWidget* parent, std::shared_ptr<longtail::TimerFactory> timers)
    : LqSkinCustomControl(parent),
      timers_(std::move(timers)),
      timer_(timers_->createTimer([this] { TimerTick(); })) {
  binding_.SetName("spinedit");
  beep_ = [] { QApplication::beep(); };
  editor_ = new LqSkinNumEdit(this);
  SetEditorText(QStringLiteral("0"));
  QObject::connect(editor_, &QLineEdit::textChanged, editor_,
                   [this](const QString& t) { EditorTextChanged(t); });
  // A text left that is no number (pasted "12-", a lone "-") shows the value again.
  QObject::connect(editor_, &QLineEdit::editingFinished, editor_, [this] {
    if (!rules_.Parse(editor_->text().toStdString()))
      SetEditorText(QString::fromStdString(rules_.Format(Value_)));
  });
  setMouseTracking(true);
  SetBounds(QRect(0, 0, 120, 20));
  UpdateEditorLook();
  LayoutEditor();
}

LqSkinSpinEdit::~LqSkinSpinEdit() {
  timer_.reset();  // no tick reaches a half-destroyed edit
}

void LqSkinSpinEdit::SetEditorText(const QString& text) {
  const bool was = internalUpdate_;
  internalUpdate_ = true;
  editor_->setText(text);
  internalUpdate_ = was;
}

void LqSkinSpinEdit::SetValue(double v) {
  Value_ = rules_.Clamp(v);
  SetEditorText(QString::fromStdString(rules_.Format(Value_)));
  if (!internalUpdate_) emit changed();
}

void LqSkinSpinEdit::SetMinValue(double v) {
  rules_.MinValue = v;
  if (rules_.MinValue != rules_.MaxValue && rules_.Clamp(Value_) != Value_) SetValue(Value_);
}

void LqSkinSpinEdit::SetMaxValue(double v) {
  rules_.MaxValue = v;
  if (rules_.MinValue != rules_.MaxValue && rules_.Clamp(Value_) != Value_) SetValue(Value_);
}

void LqSkinSpinEdit::SetValueType(SpinValueType t) {
  rules_.ValueType = t;
  if (t == SpinValueType::Integer) {
    Increment_ = std::nearbyint(Increment_);
    if (Increment_ == 0) Increment_ = 1;
  }
  SetEditorText(QString::fromStdString(rules_.Format(Value_)));
}

void LqSkinSpinEdit::SetDecimal(int d) {
  rules_.Decimal = d;
  SetEditorText(QString::fromStdString(rules_.Format(Value_)));
}

void LqSkinSpinEdit::SetEditorEnabled(bool on) {
  EditorEnabled_ = on;
}

int LqSkinSpinEdit::MaxLength() const {
  return editor_->maxLength() == 32767 ? 0 : editor_->maxLength();
}

void LqSkinSpinEdit::SetMaxLength(int n) {
  editor_->setMaxLength(n > 0 ? n : 32767);
}

void LqSkinSpinEdit::SetUseSkinSize(bool on) {
  UseSkinSize_ = on;
  ApplySkin();
}

void LqSkinSpinEdit::SetDefaultColor(Color c) {
  DefaultColor_ = c;
  UpdateEditorLook();
  update();
}

void LqSkinSpinEdit::EditorTextChanged(const QString& text) {
  if (internalUpdate_) return;
  const std::optional<double> typed = rules_.Parse(text.toStdString());
  if (!typed) return;  // not a number yet: left as typed
  const double clamped = rules_.Clamp(*typed);
  if (clamped != Value_) {
    Value_ = clamped;
    emit changed();
  }
  if (clamped != *typed) SetEditorText(QString::fromStdString(rules_.Format(clamped)));
}

void LqSkinSpinEdit::StepUp() {
  SetValue(Value_ + Increment_);
  emit upButtonClicked();
}

void LqSkinSpinEdit::StepDown() {
  SetValue(Value_ - Increment_);
  emit downButtonClicked();
}

void LqSkinSpinEdit::BindSkin() {
  LqSkinCustomControl::BindSkin();
  const auto* d = dynamic_cast<const LqDataSkinSpinEditControl*>(Descriptor());
  if (!d) return;
  activeskinrect_ = d->activeskinrect;
  font_ = FontOf(*d);
  activefontcolor_ = d->activefontcolor;
  disabledfontcolor_ = d->disabledfontcolor;
  upbuttonrect_ = d->upbuttonrect;
  activeupbuttonrect_ = d->activeupbuttonrect;
  downupbuttonrect_ = d->downupbuttonrect.isEmpty() ? d->activeupbuttonrect : d->downupbuttonrect;
  downbuttonrect_ = d->downbuttonrect;
  activedownbuttonrect_ = d->activedownbuttonrect;
  downdownbuttonrect_ =
      d->downdownbuttonrect.isEmpty() ? d->activedownbuttonrect : d->downdownbuttonrect;
}

void LqSkinSpinEdit::ApplySkin() {
  LqSkinCustomControl::ApplySkin();
  UpdateEditorLook();
  LayoutEditor();
}

void LqSkinSpinEdit::FitSizeToSkin(int& width, int& height) {
  const int given = height;
  LqSkinCustomControl::FitSizeToSkin(width, height);
  if (!UseSkinSize_) height = given;
}

QRect LqSkinSpinEdit::ButtonRect(int button) const {
  if (HasElementGeometry()) {
    const Rect r = MapSkinRect(button == kUpButton ? upbuttonrect_ : downbuttonrect_);
    return QRect(r.left, r.top, r.width(), r.height());
  }
  const int w = width(), h = height();
  const Rect r =
      button == kUpButton ? Rect{w - 17, 2, w - 2, h / 2} : Rect{w - 17, h / 2, w - 2, h - 2};
  return QRect(r.left, r.top, r.width(), r.height());
}

int LqSkinSpinEdit::ButtonAt(QPoint p) const {
  for (int b : {kUpButton, kDownButton})
    if (ButtonRect(b).contains(p)) return b;
  return -1;
}

void LqSkinSpinEdit::SetHot(int button) {
  bool changed = false;
  for (int b : {kUpButton, kDownButton}) {
    if (hot_[b] != (b == button)) {
      hot_[b] = b == button;
      changed = true;
    }
  }
  if (changed) update();
}

void LqSkinSpinEdit::SetEditorHot(bool hot) {
  editorHot_ = hot;
  UpdateEditorLook();
  update();
}

void LqSkinSpinEdit::LayoutEditor() {
  if (!editor_) return;
  const int textHeight = editor_->fontMetrics().height() + 2;
  QRect area;
  if (HasElementGeometry()) {
    const Rect c = FittedClientRect();
    area = QRect(c.left, c.top, c.width(), c.height());
  } else {
    area = QRect(2, 2, width() - 19, height() - 4);
  }
  const int h = std::min(textHeight, std::max(area.height(), 1));
  editor_->setGeometry(area.left(), area.top() + (area.height() - h) / 2, std::max(area.width(), 1),
                       h);
}

void LqSkinSpinEdit::UpdateEditorLook() {
  const bool skinned = HasElementGeometry();
  editor_->setFont(skinned ? SkinOrDefaultFont(QString::fromStdString(font_.fontname),
                                               font_.fontheight, font_.fontstyle)
                           : MakeQFont(DefaultFont()));
  Color text = DefaultFont().color;
  if (skinned) text = Hot() ? activefontcolor_ : font_.fontcolor;
  QPalette pal = editor_->palette();
  pal.setColor(QPalette::Text, ControlColor(text));
  pal.setColor(QPalette::Disabled, QPalette::Text,
               ControlColor(skinned ? disabledfontcolor_ : kSysGrayText));
  const QColor base = skinned ? QColor(Qt::transparent) : ControlColor(DefaultColor_);
  pal.setColor(QPalette::Base, base);
  pal.setColor(QPalette::Disabled, QPalette::Base, base);
  editor_->setPalette(pal);
}

void LqSkinSpinEdit::DefaultFontChanged() {
  UpdateEditorLook();
  LayoutEditor();
}

void LqSkinSpinEdit::DrawSkin(QImage& canvas) {
  const bool active = Hot() && !activeskinrect_.isEmpty();
  DrawElementImage(canvas, active ? activeskinrect_ : Geometry().skinrect);
  if (!Picture() || !HasElementGeometry()) return;
  QPainter p(&canvas);
  for (int b : {kUpButton, kDownButton}) {
    Rect state;
    if (hot_[b] && pressed_[b])
      state = b == kUpButton ? downupbuttonrect_ : downdownbuttonrect_;
    else if (hot_[b])
      state = b == kUpButton ? activeupbuttonrect_ : activedownbuttonrect_;
    if (!state.isEmpty()) p.drawImage(ButtonRect(b), ToImage(CutPicture(*Picture(), state)));
  }
}

void LqSkinSpinEdit::DrawDefault(QImage& canvas) {
  QPainter p(&canvas);
  const QRect r = canvas.rect();
  p.fillRect(r, ControlColor(DefaultColor_));
  p.setPen(ControlColor(clBtnShadow));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(ControlColor(clBtnFace));
  p.drawRect(r.adjusted(1, 1, -2, -2));
  for (int b : {kUpButton, kDownButton}) {
    const QRect br = ButtonRect(b);
    DrawDefaultPart(p, br, hot_[b], hot_[b] && pressed_[b]);
    DrawArrow(p, br, b == kUpButton, ControlColor(isEnabled() ? clBtnText : kSysGrayText));
  }
}

void LqSkinSpinEdit::resizeEvent(QResizeEvent* e) {
  LqSkinCustomControl::resizeEvent(e);
  LayoutEditor();
}

void LqSkinSpinEdit::mousePressEvent(QMouseEvent* e) {
  const int b = e->button() == Qt::LeftButton ? ButtonAt(e->position().toPoint()) : -1;
  if (b < 0) return;
  captured_ = b;
  hot_[b] = pressed_[b] = true;
  update();
  firstDelay_ = true;
  timer_->start(kButtonFirstDelay);
}

void LqSkinSpinEdit::TimerTick() {
  if (captured_ < 0) {
    timer_->stop();
    return;
  }
  if (firstDelay_) {
    firstDelay_ = false;
    timer_->start(kButtonRepeat);
    return;
  }
  SetValue(captured_ == kUpButton ? Value_ + Increment_ : Value_ - Increment_);
}

void LqSkinSpinEdit::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  if (captured_ < 0) {
    SetHot(ButtonAt(pos));
    return;
  }
  const bool over = ButtonRect(captured_).contains(pos);
  if (over == hot_[captured_]) return;
  hot_[captured_] = over;
  if (over) {
    // Back over the held button: the fast rate resumes after a short pause.
    firstDelay_ = true;
    timer_->start(kButtonReturn);
  } else {
    timer_->stop();
  }
  update();
}

void LqSkinSpinEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (captured_ < 0 || e->button() != Qt::LeftButton) return;
  timer_->stop();
  const int b = captured_;
  captured_ = -1;
  pressed_[b] = false;
  const bool over = ButtonRect(b).contains(e->position().toPoint());
  hot_[b] = over;
  update();
  if (!over) return;
  if (b == kUpButton)
    StepUp();
  else
    StepDown();
}

void LqSkinSpinEdit::enterEvent(QEnterEvent* e) {
  LqSkinCustomControl::enterEvent(e);
  binding_.SetHovered(true);
  UpdateEditorLook();
  update();
}

void LqSkinSpinEdit::leaveEvent(QEvent* e) {
  LqSkinCustomControl::leaveEvent(e);
  binding_.SetHovered(false);
  if (captured_ < 0) SetHot(-1);
  UpdateEditorLook();
  update();
}

void LqSkinSpinEdit::wheelEvent(QWheelEvent* e) {
  const int dy = e->angleDelta().y();
  // Toward the user raises the value, away lowers it.
  if (dy < 0)
    StepUp();
  else if (dy > 0)
    StepDown();
  e->accept();
}

void LqSkinSpinEdit::changeEvent(QEvent* e) {
  LqSkinCustomControl::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    UpdateEditorLook();
    update();
  }
}

}  // namespace lq
