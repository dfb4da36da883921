#include "skin/controls/scroll_bar_logic.h"

namespace lq {

ScrollBarLogic::ScrollBarLogic(longtail::TimerFactory& timers)
    : timer_(timers.createTimer([this] { timerTick(); })) {}

void ScrollBarLogic::setPosition(int value) {
  int v = ClampScrollBarPosition(range_, value);
  if (v == range_.position) return;
  range_.position = v;
  requestRepaint();
  listener().positionChanged();
}

void ScrollBarLogic::setRange(int min, int max, int pageSize, int position) {
  range_ = {min, max, pageSize < 0 ? 0 : pageSize, 0};
  range_.position = ClampScrollBarPosition(range_, position);
  requestRepaint();
}

void ScrollBarLogic::setMin(int value) {
  range_.min = value;
  if (range_.position < value) range_.position = value;
  requestRepaint();
}

void ScrollBarLogic::setMax(int value) {
  range_.max = value;
  if (range_.pageSize == 0) {
    if (range_.position > value) range_.position = value;
  } else {
    int last = value - range_.pageSize + 1;
    if (range_.position > last) range_.position = last;
    if (range_.position < range_.min) range_.position = range_.min;
  }
  requestRepaint();
}

void ScrollBarLogic::setPageSize(int value) {
  if (value >= 0 && range_.max - range_.min + 1 >= value + range_.position) range_.pageSize = value;
  requestRepaint();
}

ScrollBarListener& ScrollBarLogic::listener() const {
  struct Nobody final : ScrollBarListener {};
  static Nobody nobody;
  return listener_ ? *listener_ : nobody;
}

ScrollBarLayout ScrollBarLogic::layout() const {
  return layoutProvider_ ? layoutProvider_() : ScrollBarLayout{};
}

void ScrollBarLogic::increaseStep() {
  if (!listener().arrowStepTowardsMax()) setPosition(range_.position + smallChange);
}

void ScrollBarLogic::decreaseStep() {
  if (!listener().arrowStepTowardsMin()) setPosition(range_.position - smallChange);
}

void ScrollBarLogic::mousePress(int x, int y) {
  mouseDown_ = true;
  lastX_ = x;
  lastY_ = y;
  ScrollBarLayout l = layout();
  repeatMode_ = 0;
  firstDelay_ = true;
  ScrollBarPart part = ScrollBarPartAt(l, x, y, enabled);
  if (part != ScrollBarPart::None) {
    captured_ = part;
    pressed_[Slot(part)] = true;
    setHotPart(part);
    switch (part) {
      case ScrollBarPart::Increase:
        increaseStep();
        repeatMode_ = 2;
        timer_->start(kFirstRepeatDelay);
        break;
      case ScrollBarPart::Decrease:
        decreaseStep();
        repeatMode_ = 1;
        timer_->start(kFirstRepeatDelay);
        break;
      default:
        dragStartCoord_ = along(x, y);
        dragStartOffset_ = l.centreOffset;
        dragging_ = true;
        break;
    }
    requestRepaint();
    return;
  }
  if (!l.track.contains(x, y)) return;
  int coord = along(x, y);
  int thumbStart = vertical ? l.thumb.top : l.thumb.left;
  if (coord < thumbStart) {
    setPosition(range_.position - largeChange);
    repeatMode_ = 3;
    timer_->start(kFirstRepeatDelay);
    listener().pagedTowardsMin();
  } else {
    setPosition(range_.position + largeChange);
    repeatMode_ = 4;
    timer_->start(kFirstRepeatDelay);
    listener().pagedTowardsMax();
  }
}

void ScrollBarLogic::timerTick() {
  if (firstDelay_) {
    firstDelay_ = false;
    timer_->start(kRepeatInterval);
    return;
  }
  switch (repeatMode_) {
    case 1:
      decreaseStep();
      break;
    case 2:
      increaseStep();
      break;
    case 3:
    case 4: {
      // Page steps go on only while the mouse stays on its side of the thumb.
      ScrollBarLayout l = layout();
      int coord = along(lastX_, lastY_);
      bool inTrack = l.track.contains(lastX_, lastY_);
      bool before = coord < (vertical ? l.thumb.top : l.thumb.left);
      bool after = coord >= (vertical ? l.thumb.bottom : l.thumb.right);
      if (repeatMode_ == 3 && inTrack && before) {
        setPosition(range_.position - largeChange);
        listener().pagedTowardsMin();
      } else if (repeatMode_ == 4 && inTrack && after) {
        setPosition(range_.position + largeChange);
        listener().pagedTowardsMax();
      } else {
        timer_->stop();
      }
      break;
    }
    default:
      timer_->stop();
      break;
  }
}

void ScrollBarLogic::setHotPart(ScrollBarPart part) {
  if (part == hotPart_) return;
  ScrollBarPart old = hotPart_;
  hotPart_ = part;
  if (old != ScrollBarPart::None) {
    hot_[Slot(old)] = false;
    // Holding an arrow pauses while the mouse is outside it.
    if (old != ScrollBarPart::Thumb && pressed_[Slot(old)]) timer_->stop();
  }
  if (part != ScrollBarPart::None) {
    hot_[Slot(part)] = true;
    if (part != ScrollBarPart::Thumb && pressed_[Slot(part)] && !timer_->isActive())
      timer_->start(kRepeatInterval);
  }
  requestRepaint();
}

void ScrollBarLogic::mouseMove(int x, int y) {
  lastX_ = x;
  lastY_ = y;
  ScrollBarLayout l = layout();
  ScrollBarPart part = ScrollBarPartAt(l, x, y, enabled);
  if (captured_ != ScrollBarPart::None && part != captured_) part = ScrollBarPart::None;
  setHotPart(part);
  if (dragging_) {
    setPosition(ScrollBarDragPosition(l, range_, dragStartOffset_, along(x, y) - dragStartCoord_));
  }
}

void ScrollBarLogic::mouseRelease(int x, int y, bool leftButton) {
  mouseDown_ = false;
  if (repeatMode_ == 3 || repeatMode_ == 4) {
    timer_->stop();
    repeatMode_ = 0;
  }
  if (captured_ == ScrollBarPart::None) return;
  ScrollBarPart part = captured_;
  bool endedDrag = part == ScrollBarPart::Thumb && dragging_;
  pressed_[Slot(part)] = false;
  if (part == ScrollBarPart::Thumb) {
    dragging_ = false;
  } else {
    timer_->stop();
    repeatMode_ = 0;
  }
  captured_ = ScrollBarPart::None;
  ScrollBarPart under = ScrollBarPartAt(layout(), x, y, enabled);
  setHotPart(under == part ? part : ScrollBarPart::None);
  requestRepaint();
  if (endedDrag && leftButton) listener().thumbDragEnded();
}

void ScrollBarLogic::mouseLeave() {
  if (hotPart_ != ScrollBarPart::None && hotPart_ != captured_ && !dragging_)
    setHotPart(ScrollBarPart::None);
  if (mouseDown_ && repeatMode_ == 4) {
    timer_->stop();
    repeatMode_ = 0;
  }
}

}  // namespace lq
