#include "app/gui/error_notice.h"

#include <QApplication>
#include <QMessageBox>

#include "app/gui/error_display.h"

namespace longtail {

ErrorNotice::~ErrorNotice() {
  delete box_.data();
}

void ErrorNotice::Show(const QString& message) {
  const QString text = ErrorDisplayText(message);
  if (QMessageBox* box = Box()) {
    box->setText(text);
    return;
  }
  delete box_.data();  // closed but not yet gone
  box_ = new QMessageBox(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                         QMessageBox::Ok, parent_);
  box_->setWindowModality(Qt::NonModal);
  box_->setAttribute(Qt::WA_DeleteOnClose);
  box_->show();
}

QMessageBox* ErrorNotice::Box() const {
  return box_ && box_->isVisible() ? box_.data() : nullptr;
}

}  // namespace longtail
