#pragma once
// Where the monitors are: injectable so window-state code can be tested against any
// screen layout (the offscreen platform only has one 800 x 800 screen).

#include <memory>

#include "skin/data/geometry.h"

namespace lq {

class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  // The monitor nearest to the window: its work area, or its whole rectangle.
  virtual Rect MonitorRect(const Rect& window, bool workArea) const = 0;
  // The primary screen, (0, 0, width, height).
  virtual Rect ScreenRect() const = 0;
};

// The monitors as the GUI platform reports them.
class QtScreenInfo : public ScreenInfo {
 public:
  Rect MonitorRect(const Rect& window, bool workArea) const override;
  Rect ScreenRect() const override;
};

// One monitor with a fixed full rectangle and work area (tests, headless use).
class FixedScreenInfo : public ScreenInfo {
 public:
  FixedScreenInfo(const Rect& monitor, const Rect& workArea)
      : monitor_(monitor), workArea_(workArea) {}
  Rect MonitorRect(const Rect&, bool workArea) const override {
    return workArea ? workArea_ : monitor_;
  }
  Rect ScreenRect() const override { return monitor_; }

 private:
  Rect monitor_;
  Rect workArea_;
};

}  // namespace lq
