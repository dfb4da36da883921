#pragma once
// The private notifications of the menu engine, delivered as synchronous Qt events:
// LQM_CLOSESKINMENU tells the frame's form (and the control that opened the menu) that the
// menu closed; LQM_MENUITEMCLICKED tells the opening control that an item's command ran.
// A receiver recognises them in event() or an event filter with AsMenuMessage().

#include <QEvent>

class QObject;

namespace lq {

constexpr int kWmUser = 1024;
constexpr int LQM_CLOSESKINMENU = kWmUser + 204;
constexpr int LQM_MENUITEMCLICKED = kWmUser + 205;

class MenuMessageEvent : public QEvent {
 public:
  explicit MenuMessageEvent(int message);
  int message() const { return message_; }
  static QEvent::Type EventType();

 private:
  int message_;
};

// The message number of a menu notification, or 0 for any other event.
int AsMenuMessage(const QEvent* event);
// Sends the message synchronously; does nothing for a null receiver.
void SendMenuMessage(QObject* receiver, int message);

}  // namespace lq
