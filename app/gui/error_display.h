#pragma once
// The application's default error display: an error that escapes a command or timer
// handler is shown in a message box captioned with the application title, and the
// application goes on.

#include <QString>
#include <functional>

class QWidget;

namespace longtail {

// The product's name: the caption of its message windows.
QString ApplicationTitle();

// The message text as shown: a full stop is appended when the last character sorts
// after the full stop.
QString ErrorDisplayText(const QString& message);

// Shows the error (a critical message box with an OK button). Tests replace the box.
void ShowApplicationError(const QString& message, QWidget* parent = nullptr);
using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;
void SetErrorPresenter(ErrorPresenter presenter);  // empty restores the message box

// Runs a handler; a std::exception escaping it goes to the default error display.
void RunGuarded(const std::function<void()>& handler);

}  // namespace longtail
