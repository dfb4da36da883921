#pragma once
// Everything a scroll bar does with its range and the mouse, without painting:
// the setter invariants, arrow and page repetition, thumb dragging and the
// hot/pressed state of its three parts. The widget feeds it events and draws
// what it reports; tests drive it with a simulated timer.

#include <functional>
#include <memory>

#include "skin/controls/scroll_bar_layout.h"

namespace lq {

// The one-shot/periodic timer behind arrow and page repetition. Injectable so
// that the repeat timing can be tested without waiting.
class RepeatTimer {
 public:
  virtual ~RepeatTimer() = default;
  // (Re)starts the timer: timeout fires every ms milliseconds until stop().
  virtual void start(int ms) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  std::function<void()> timeout;
};

// Repeat delays: the first tick only switches to the fast rate, so the second
// step comes kFirstRepeatDelay + kRepeatInterval after the press.
constexpr int kFirstRepeatDelay = 500;
constexpr int kRepeatInterval = 50;

class ScrollBarLogic {
 public:
  using Notify = std::function<void()>;

  explicit ScrollBarLogic(std::unique_ptr<RepeatTimer> timer);

  // --- range -------------------------------------------------------------
  const ScrollBarRange& range() const { return range_; }
  int position() const { return range_.position; }
  // Clamps, stores and fires OnChange when the value differs.
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
  std::function<ScrollBarLayout()> layoutProvider;
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
  RepeatTimer& timer() { return *timer_; }

  // Events. OnUpButtonClick / OnDownButtonClick replace the one-step move.
  Notify OnChange, OnLastChange, OnUpButtonClick, OnDownButtonClick, OnPageUp, OnPageDown;
  // Asked to repaint whenever the look may have changed.
  Notify repaint;

 private:
  ScrollBarLayout layout() const;
  static int Slot(ScrollBarPart p) { return static_cast<int>(p); }
  void increaseStep();
  void decreaseStep();
  void setHotPart(ScrollBarPart part);
  int along(int x, int y) const { return vertical ? y : x; }
  void requestRepaint() {
    if (repaint) repaint();
  }

  std::unique_ptr<RepeatTimer> timer_;
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
