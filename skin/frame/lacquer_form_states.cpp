// Window states run by the frame: while skinned, the platform window stays normal and
// the frame moves and sizes it for minimize, maximize, restore and roll-up.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

namespace {

Rect ToRect(const QRect& r) {
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

}  // namespace

Rect LqLacquerForm::Bounds() const {
  return ToRect(form_->geometry());
}

void LqLacquerForm::SetBounds(const Rect& r) {
  ApplySizeLimits();
  form_->setGeometry(r.left, r.top, r.width(), r.height());
}

void LqLacquerForm::SetScreenInfo(std::shared_ptr<ScreenInfo> screens) {
  screens_ = screens ? std::move(screens) : std::make_shared<QtScreenInfo>();
}

Rect LqLacquerForm::MonitorArea(bool workArea) const {
  return screens_->MonitorRect(Bounds(), workArea);
}

void LqLacquerForm::SetApplicationMinimizer(std::function<void()> minimize) {
  minimizeApplication_ = std::move(minimize);
}

SizeLimitInput LqLacquerForm::LimitInput() const {
  SizeLimitInput in;
  in.skinReady = skinReady_;
  if (skinReady_) {
    in.pictureWidth = skin_->info.pictureWidth;
    in.pictureHeight = skin_->info.pictureHeight;
    in.clientrect = skin_->info.clientrect;
    in.formminwidth = skin_->info.formminwidth;
  }
  in.minWidth = MinWidth;
  in.minHeight = MinHeight;
  in.maxWidth = MaxWidth;
  in.maxHeight = MaxHeight;
  in.minimized = frameState_ == FrameState::Minimized;
  in.rolledUp = rolledUp_;
  in.monitorArea = MonitorArea(!MaximizeOnFullScreen);
  return in;
}

int LqLacquerForm::GetMinWidth() const {
  return MinFrameWidth(LimitInput());
}
int LqLacquerForm::GetMinHeight() const {
  return MinFrameHeight(LimitInput());
}
int LqLacquerForm::GetMaxWidth() const {
  return MaxFrameWidth(LimitInput());
}
int LqLacquerForm::GetMaxHeight() const {
  return MaxFrameHeight(LimitInput());
}

bool LqLacquerForm::SizeAtLeastMinimum() const {
  return frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight();
}

void LqLacquerForm::SetFrameState(FrameState state) {
  if (!skinnable_) {
    switch (state) {
      case FrameState::Normal:
        form_->showNormal();
        break;
      case FrameState::Minimized:
        form_->showMinimized();
        break;
      case FrameState::Maximized:
        form_->showMaximized();
        break;
    }
    return;
  }
  if (state == frameState_) return;
  const FrameState old = frameState_;
  if (!(state == FrameState::Minimized && IsMainForm())) frameState_ = state;
  switch (state) {
    case FrameState::Normal:
      if (old == FrameState::Maximized && rolledUp_ && !wasRolledUpAtMaximize_) SetRolledUp(false);
      wasRolledUpAtMaximize_ = false;
      Restore();
      break;
    case FrameState::Minimized:
      Minimize();
      break;
    case FrameState::Maximized:
      wasRolledUpAtMaximize_ = rolledUp_;
      Maximize();
      break;
  }
  ClearMouseState();
  form_->update();
}

void LqLacquerForm::Minimize() {
  if (IsMainForm()) {
    if (minimizeApplication_)
      minimizeApplication_();
    else
      form_->showMinimized();
  } else {
    if (normalBounds_.isEmpty()) normalBounds_ = Bounds();
    const int minW = GetMinWidth();
    const int minH = GetMinHeight();
    const Rect wa = MonitorArea(true);
    const Point p = ParkingPosition(wa, minW, minH, [this](Point slot) {
      for (LqLacquerForm* other : AllFrames()) {
        if (other == this || other->IsMainForm() || !other->form_) continue;
        if (!other->form_->isVisible() || !other->skinnable_) continue;
        if (other->frameState_ != FrameState::Minimized) continue;
        const QPoint tl = other->form_->pos();
        if (tl.x() == slot.x && tl.y() == slot.y) return true;
      }
      return false;
    });
    SetBounds({p.x, p.y, p.x + minW, p.y + minH});
  }
  emit minimized();
}

void LqLacquerForm::Maximize() {
  if (normalBounds_.isEmpty()) normalBounds_ = Bounds();
  const Rect monitor = MonitorArea(false);
  const Rect work = MonitorArea(true);
  SetBounds(MaximizeTarget(monitor, work, screens_->ScreenRect(), MaximizeOnFullScreen));
  emit maximized();
}

void LqLacquerForm::Restore() {
  rolledUpWhenMaximized_ = false;
  const QSize before = form_->size();
  Rect target = normalBounds_;
  if (target.isEmpty()) target = Bounds();
  if (firstPlacementPending_) {
    firstPlacementPending_ = false;
    if (PositionInMonitor != LqPositionInMonitor::lqpDefault) {
      const bool whole = PositionInMonitor == LqPositionInMonitor::lqpScreenCenter;
      const Point p =
          CentreInArea(screens_->MonitorRect(target, !whole), target.width(), target.height());
      target = RectFromSize(p.x, p.y, target.width(), target.height());
    }
  }
  QWindow* window = form_->windowHandle();
  if (window && (window->windowStates() & Qt::WindowMaximized)) {
    // Maximized by the window manager: it must let go before the frame sizes the window.
    // The widget may not have heard of the state yet, so the window is told as well.
    platformMaximized_ = false;
    form_->setWindowState(form_->windowState() & ~Qt::WindowMaximized);
    window->setWindowStates(window->windowStates() & ~Qt::WindowMaximized);
  }
  SetBounds(target);
  pollTimer_.start();
  if (before == form_->size()) NudgeWidth();
  form_->update();
  normalBounds_ = {};
  emit restored();
}

void LqLacquerForm::WatchPlatformState() {
  QWindow* window = form_->windowHandle();
  if (!window || platformStateWatch_) return;
  platformStateWatch_ = connect(window, &QWindow::windowStateChanged, this,
                                [this](Qt::WindowState state) { FollowPlatformState(state); });
}

void LqLacquerForm::RecordNormalBounds() {
  if (!skinnable_ || frameState_ != FrameState::Normal || rolledUp_) return;
  if (form_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
    return;
  const Rect now = Bounds();
  if (now == lastNormalBounds_) return;
  previousNormalBounds_ = lastNormalBounds_;
  lastNormalBounds_ = now;
}

void LqLacquerForm::FollowPlatformState(Qt::WindowStates state) {
  const bool nowMaximized = state & Qt::WindowMaximized;
  if (nowMaximized == platformMaximized_) return;
  platformMaximized_ = nowMaximized;
  if (!skinnable_) return;
  if (nowMaximized && frameState_ == FrameState::Normal) {
    // The frame shows the restore button and a later restore returns to the size the
    // window had before.
    const bool sizeSeenFirst = Bounds() == lastNormalBounds_ && !previousNormalBounds_.isEmpty();
    normalBounds_ = sizeSeenFirst ? previousNormalBounds_ : lastNormalBounds_;
    frameState_ = FrameState::Maximized;
    ClearMouseState();
    form_->update();
    emit maximized();
  } else if (!nowMaximized && frameState_ == FrameState::Maximized) {
    // Restored by the window manager, which puts the old size back itself.
    frameState_ = FrameState::Normal;
    normalBounds_ = {};
    ClearMouseState();
    form_->update();
    emit restored();
  }
}

void LqLacquerForm::SetRolledUp(bool on) {
  if (!(borderIcons_ & biRollUp)) return;
  if (frameState_ == FrameState::Minimized) return;
  const bool maximized = frameState_ == FrameState::Maximized;
  if (rolledUp_ && maximized && !rolledUpWhenMaximized_) return;
  if (on == rolledUp_) return;
  if (maximized) rolledUpWhenMaximized_ = on;
  Rect b = Bounds();
  if (on) {
    rolledUpHeight_ = b.height();
    rolledUp_ = true;
    b.bottom = b.top + GetMinHeight();
    SetBounds(b);
  } else {
    rolledUp_ = false;
    if (ClientHeight > 0)
      b.bottom = b.top + ClientHeight + Insets().top + Insets().bottom;
    else
      b.bottom = b.top + rolledUpHeight_;
    SetBounds(b);
  }
  emit rollUpStateChanged();
}

void LqLacquerForm::PlaceOnFirstShow() {
  if (!firstPlacementPending_) return;
  if (PositionInMonitor == LqPositionInMonitor::lqpDefault) {
    firstPlacementPending_ = false;
    return;
  }
  if (frameState_ != FrameState::Normal) return;  // centred at the first restore
  firstPlacementPending_ = false;
  const bool whole = PositionInMonitor == LqPositionInMonitor::lqpScreenCenter;
  const Rect b = Bounds();
  const Point p = CentreInArea(MonitorArea(!whole), b.width(), b.height());
  form_->move(p.x, p.y);
}

void LqLacquerForm::StartFadeIn() {
  if (!AlphaBlend && !AlphaBlendAnimation) return;
  const int target = (AlphaBlendAnimation && !AlphaBlend) ? 255 : AlphaBlendValue;
  if (!AlphaBlendAnimation) {
    form_->setWindowOpacity(target / 255.0);
    return;
  }
  // Raise the alpha in steps of 10 on the GUI thread, one step every 5 ms.
  form_->setWindowOpacity(0.0);
  QTimer::singleShot(1, this, [this, target] {
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (int alpha = 0; alpha < target;) {
      if (clock.elapsed() > 5) {
        alpha = std::min(target, alpha + 10);
        if (form_) form_->setWindowOpacity(alpha / 255.0);
        clock.restart();
      }
    }
  });
}

bool LqLacquerForm::IsFormActive() const {
  return form_ && form_->isActiveWindow();
}

void LqLacquerForm::UpdateActivation(bool animate) {
  const bool active = IsFormActive();
  for (auto& o : objects_) {
    if (o->Kind() != FrameObjectKind::Caption || o->active == active) continue;
    auto* caption = static_cast<LqSkinCaptionObject*>(o.get());
    caption->active = active;
    if (animate) {
      if (caption->HasAnimation()) {
        caption->StartActivationAnimation();
        StartAnimationTimer();
      }
      form_->update();
      if (caption->MorphInEffect()) StartMorphTimer();
    } else if (caption->MorphInEffect()) {
      caption->morphFactor = active ? 1 : 0;
    }
    break;
  }
  if (active)
    emit activated();
  else
    emit deactivated();
}

void LqLacquerForm::MinimizeToTray() {
  // Minimizing to the tray needs a tray icon component; none is assigned to the frame.
}

void LqLacquerForm::RestoreFromTray() {}

Rect LqLacquerForm::SnapToEdges(const Rect& proposed, QPoint cursor) {
  if (!Magnetic || frameState_ == FrameState::Maximized) return proposed;
  return lq::SnapToEdges(proposed, MonitorArea(true), MagneticSize, {cursor.x(), cursor.y()},
                         magnetic_);
}

}  // namespace lq
