#include "skin/controls/skin_client.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace lq {
namespace {

// Collects the clients first, so a client that creates or deletes widgets while
// it re-binds cannot disturb the walk.
std::vector<QPointer<QWidget>> ClientsUnder(QWidget* form, const LqSkinData* changing) {
  std::vector<QPointer<QWidget>> out;
  const auto widgets = form->findChildren<QWidget*>();  // depth first, creation order
  for (QWidget* w : widgets) {
    auto* client = dynamic_cast<SkinClient*>(w);
    if (!client) continue;
    if (changing && client->skinDataRef() != changing) continue;
    out.emplace_back(w);
  }
  return out;
}

}  // namespace

void ReleaseFormControlsSkin(QWidget* form, const LqSkinData* changing) {
  if (!form) return;
  for (const QPointer<QWidget>& w : ClientsUnder(form, changing))
    if (w) dynamic_cast<SkinClient*>(w.data())->ReleaseSkin();
}

void ApplyFormControlsSkin(QWidget* form, const LqSkinData* changing) {
  if (!form) return;
  for (const QPointer<QWidget>& w : ClientsUnder(form, changing))
    if (w) dynamic_cast<SkinClient*>(w.data())->ApplySkin();
}

QEvent::Type ParentBackgroundChangedEvent() {
  static const auto type = QEvent::Type(QEvent::registerEventType());
  return type;
}

void NotifyChildrenBackground(QWidget* parent) {
  if (!parent) return;
  const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    QEvent e(ParentBackgroundChangedEvent());
    QCoreApplication::sendEvent(child, &e);
  }
}

}  // namespace lq
