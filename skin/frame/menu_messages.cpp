#include "skin/frame/menu_messages.h"

#include <QCoreApplication>

namespace lq {

MenuMessageEvent::MenuMessageEvent(int message) : QEvent(EventType()), message_(message) {}

QEvent::Type MenuMessageEvent::EventType() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

int AsMenuMessage(const QEvent* event) {
  if (!event || event->type() != MenuMessageEvent::EventType()) return 0;
  return static_cast<const MenuMessageEvent*>(event)->message();
}

void SendMenuMessage(QObject* receiver, int message) {
  if (!receiver) return;
  MenuMessageEvent event(message);
  QCoreApplication::sendEvent(receiver, &event);
}

}  // namespace lq
