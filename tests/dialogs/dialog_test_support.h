#pragma once
// Helpers for the dialog tests: waiting on the event loop, driving a modal Execute, and
// the program's embedded skin.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

#include "skin/data/skin_data.h"

namespace lqtest {

inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Runs `Execute` on `dialog` while `body` acts on its window from inside the modal loop.
// A window that `body` leaves open is cancelled, so a failing test cannot hang.
template <class Dialog, class Body>
bool ExecuteWith(Dialog& dialog, Body body) {
  QTimer::singleShot(0, [&dialog, body] {
    if (auto* form = dialog.Form()) {
      body(*form);
      if (dialog.Form() && dialog.Form()->isVisible()) dialog.Form()->reject();
    }
  });
  return dialog.Execute();
}

std::unique_ptr<lq::LqSkinData> MakeProgramSkin();

}  // namespace lqtest
