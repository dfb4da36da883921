#include "skin/frame/hint_component.h"

#include <QApplication>
#include <QHelpEvent>
#include <QWidget>
#include <vector>

#include "skin/frame/hint_window.h"
#include "skin/qt/screen.h"

namespace lq {
namespace {

// Visible height of the arrow cursor below its hot spot; hints open below it.
constexpr int kCursorDrop = 20;

std::vector<LqSkinHint*>& Instances() {
  static std::vector<LqSkinHint*> all;
  return all;
}

}  // namespace

LqSkinHint::LqSkinHint(QObject* owner, std::shared_ptr<longtail::TimerFactory> clock,
                       std::shared_ptr<CursorProbe> cursor)
    : QObject(owner), clock_(std::move(clock)), cursor_(std::move(cursor)) {
  window_ = std::make_unique<LqSkinHintWindow>(*this);
  timer_ = clock_->createTimer([this] { TimerTick(); });
  Instances().push_back(this);
  SetActive(true);
}

LqSkinHint::~LqSkinHint() {
  SetActive(false);
  auto& all = Instances();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

LqSkinHint* LqSkinHint::Current() {
  for (LqSkinHint* h : Instances())
    if (h->active_) return h;
  return nullptr;
}

void LqSkinHint::SetActive(bool on) {
  if (on == active_) return;
  if (on) {
    for (LqSkinHint* other : Instances())
      if (other != this) other->SetActive(false);
    if (qApp) qApp->installEventFilter(this);
  } else {
    if (qApp) qApp->removeEventFilter(this);
    HideHint();
  }
  active_ = on;
}

QRect LqSkinHint::WorkArea() const {
  if (workAreaSource_) return workAreaSource_();
  return GetMonitorWorkArea(QApplication::activeWindow(), true);
}

void LqSkinHint::ShowHint(const QString& text) {
  timer_->stop();
  pendingText_ = text;
  shownByTimer_ = false;
  HintTitle.clear();
  HintImageList = nullptr;
  timer_->start(std::chrono::milliseconds(HintPause));
}

void LqSkinHint::HideHint() {
  timer_->stop();
  shownByTimer_ = false;
  window_->HideHint();
}

bool LqSkinHint::HintTimerActive() const {
  return timer_->isActive();
}

void LqSkinHint::TimerTick() {
  if (shownByTimer_) {  // the hide pause is over
    HideHint();
    return;
  }
  if (!active_) {
    timer_->stop();
    return;
  }
  const QPoint at = cursor_->state().global + QPoint(0, kCursorDrop);
  window_->ActivateHint(QRect(at, QSize(0, 0)), pendingText_);
  shownByTimer_ = true;
  timer_->start(std::chrono::milliseconds(HintHidePause));
}

bool LqSkinHint::eventFilter(QObject* watched, QEvent* event) {
  if (!active_ || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::ToolTip: {
      if (widget == window_.get()) return true;
      const QString text = widget->toolTip();
      if (text.isEmpty()) return false;
      HintTitle = widget->property("HintTitle").toString();
      HintImageIndex = widget->property("HintImageIndex").toInt();
      HintImageList = nullptr;
      emit hintAboutToShow(widget);
      const auto* help = static_cast<QHelpEvent*>(event);
      window_->ActivateHint(QRect(help->globalPos() + QPoint(0, kCursorDrop), QSize(0, 0)), text);
      return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
      if (window_->isVisible() && !shownByTimer_) window_->HideHint();
      return false;
    default:
      return false;
  }
}

}  // namespace lq
