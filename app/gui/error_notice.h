#pragma once
// An error shown without blocking: a non-modal box in the look of the application's error
// display (critical icon, OK, captioned with the application title). The caller goes on
// while it stands; showing again while it is up replaces its text instead of stacking boxes.

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace longtail {

class ErrorNotice {
 public:
  explicit ErrorNotice(QWidget* parent) : parent_(parent) {}
  ~ErrorNotice();

  void Show(const QString& message);
  // The box while it is up, else null.
  QMessageBox* Box() const;

 private:
  QWidget* parent_;
  QPointer<QMessageBox> box_;
};

}  // namespace longtail
