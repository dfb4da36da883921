#include "skin/frame/menu_clock.h"

#include <QCursor>
#include <QGuiApplication>

namespace lq {
namespace {

class QtCursor : public CursorProbe {
 public:
  CursorState state() const override {
    return {QCursor::pos(), bool(QGuiApplication::mouseButtons() & Qt::LeftButton)};
  }
};

}  // namespace

std::shared_ptr<CursorProbe> QtCursorProbe() {
  static auto probe = std::make_shared<QtCursor>();
  return probe;
}

}  // namespace lq
