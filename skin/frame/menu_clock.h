#pragma once
// Timers and the mouse as menus and hints see them. The real ones are QtTimers and QCursor;
// tests substitute a manual clock and a scripted cursor so timing is checked without sleeping.

#include <QPoint>
#include <memory>

#include "base/periodic_timer.h"
#include "skin/qt/qt_timer.h"

namespace lq {

struct CursorState {
  QPoint global;
  bool leftDown = false;
};

class CursorProbe {
 public:
  virtual ~CursorProbe() = default;
  virtual CursorState state() const = 0;
};

// The real cursor.
std::shared_ptr<CursorProbe> QtCursorProbe();

}  // namespace lq
