#include "app/gui/error_display.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace longtail {

namespace {
ErrorPresenter& Presenter() {
  static ErrorPresenter presenter;
  return presenter;
}
}  // namespace

QString ApplicationTitle() {
  return QStringLiteral("青岚谷长尾词查询工具");
}

QString ErrorDisplayText(const QString& message) {
  if (!message.isEmpty() && message.back() > QChar('.')) return message + QChar('.');
  return message;
}

void ShowApplicationError(const QString& message, QWidget* parent) {
  const QString caption = ApplicationTitle();
  const QString text = ErrorDisplayText(message);
  if (Presenter()) {
    Presenter()(caption, text);
    return;
  }
  QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

void SetErrorPresenter(ErrorPresenter presenter) {
  Presenter() = std::move(presenter);
}

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowApplicationError(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowApplicationError(QStringLiteral("Unknown error"));
  }
}

}  // namespace longtail
