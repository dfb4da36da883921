#pragma once
// Everything a scroll bar does with its range and the mouse, without painting:
// the setter invariants, arrow and page repetition, thumb dragging and the
// hot/pressed state of its three parts. The widget feeds it events and draws
// what it reports; tests drive it with a simulated timer.

#include <chrono>
#include <functional>
#include <memory>

#include "base/periodic_timer.h"
#include "skin/controls/scroll_bar_layout.h"

namespace lq {

// Repeat delays: the first tick only switches to the fast rate, so the second
// step comes kFirstRepeatDelay + kRepeatInterval after the press.
constexpr std::chrono::milliseconds kFirstRepeatDelay(500);
constexpr std::chrono::milliseconds kRepeatInterval(50);

// What the logic reports to its owner. Every call defaults to nothing, so a listener
// overrides only what it needs.
class ScrollBarListener {
 public:
  // The position changed (the mouse, a repeat tick or setPosition()).
  virtual void positionChanged() {}
  // A thumb drag ended with the left button, after its last positionChanged().
  virtual void thumbDragEnded() {}
  // A page step towards the minimum or the maximum was taken.
  virtual void pagedTowardsMin() {}
  virtual void pagedTowardsMax() {}
  // An arrow step is due. True when the listener took it; false lets the logic move the
  // position by smallChange.
  virtual bool arrowStepTowardsMax() { return false; }
  virtual bool arrowStepTowardsMin() { return false; }
  // The look may have changed.
  virtual void repaintNeeded() {}

 protected:
  ~ScrollBarListener() = default;
};

class ScrollBarLogic {
 public:
  // The repeat timer comes from `timers`, which must outlive the logic: injectable so that
  // the repeat timing can be tested without waiting.
  explicit ScrollBarLogic(longtail::TimerFactory& timers);

  // --- range -------------------------------------------------------------
  const ScrollBarRange& range() const { return range_; }
  int position() const { return range_.position; }
  // Clamps, stores and reports positionChanged() when the value differs.
  void setPosition(int value);
  // All four at once, position clamped; fires nothing.
  void setRange(int min, int max, int pageSize, int position);
  void setMin(int value);
  void setMax(int value);
  // Ignored when the page would push the thumb past the end (or is negative).
  void setPageSize(int value);
  int smallChange = 1;
  int largeChange = 1;

  // --- geometry ----------------------------------------------------------
  // Supplies the layout for the current size and range (skinned or default).
  void setLayoutProvider(std::function<ScrollBarLayout()> provider) {
    layoutProvider_ = std::move(provider);
  }
  // The layout the provider gives now; empty without one.
  ScrollBarLayout layout() const;
  bool vertical = false;
  bool enabled = true;

  // --- mouse and timer ---------------------------------------------------
  void mousePress(int x, int y);
  void mouseMove(int x, int y);
  void mouseRelease(int x, int y, bool leftButton);
  void mouseLeave();
  void timerTick();

  bool isHot(ScrollBarPart p) const { return p != ScrollBarPart::None && hot_[Slot(p)]; }
  bool isPressed(ScrollBarPart p) const { return p != ScrollBarPart::None && pressed_[Slot(p)]; }
  bool dragging() const { return dragging_; }
  ScrollBarPart capturedPart() const { return captured_; }
  int repeatMode() const { return repeatMode_; }
  longtail::PeriodicTimer& timer() { return *timer_; }

  // Who hears about changes; null (the start) means nobody. The listener must outlive
  // the logic or be reset first.
  void setListener(ScrollBarListener* listener) { listener_ = listener; }

 private:
  static int Slot(ScrollBarPart p) { return static_cast<int>(p); }
  void increaseStep();
  void decreaseStep();
  void setHotPart(ScrollBarPart part);
  int along(int x, int y) const { return vertical ? y : x; }
  // The listener, or one that ignores everything.
  ScrollBarListener& listener() const;
  void requestRepaint() { listener().repaintNeeded(); }

  std::unique_ptr<longtail::PeriodicTimer> timer_;
  ScrollBarListener* listener_ = nullptr;
  std::function<ScrollBarLayout()> layoutProvider_;
  ScrollBarRange range_;
  bool hot_[3] = {false, false, false};
  bool pressed_[3] = {false, false, false};
  ScrollBarPart hotPart_ = ScrollBarPart::None;
  ScrollBarPart captured_ = ScrollBarPart::None;
  bool mouseDown_ = false;
  bool dragging_ = false;
  int dragStartCoord_ = 0;
  int dragStartOffset_ = 0;
  int lastX_ = 0, lastY_ = 0;
  int repeatMode_ = 0;  // 0 none, 1 decrease, 2 increase, 3 page decrease, 4 page increase
  bool firstDelay_ = false;
};

}  // namespace lq
