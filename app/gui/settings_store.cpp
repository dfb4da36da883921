#include "app/gui/settings_store.h"

#include <QRect>

namespace longtail {

template <>
std::optional<bool> FromStored(const QVariant& stored) {
  if (stored.typeId() == QMetaType::Bool) return stored.toBool();
  const QString text = stored.toString();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return std::nullopt;
}

template <>
std::optional<int> FromStored(const QVariant& stored) {
  bool ok = false;
  const int value = stored.toString().toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

template <>
std::optional<QString> FromStored(const QVariant& stored) {
  if (stored.typeId() != QMetaType::QString) return std::nullopt;
  return stored.toString();
}

template <>
std::optional<QRect> FromStored(const QVariant& stored) {
  if (stored.typeId() != QMetaType::QRect) return std::nullopt;
  return stored.toRect();
}

SettingsStore::SettingsStore(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::NativeFormat)) {}

void SettingsStore::Load() {
  for (const Binding& b : bindings_) {
    const QVariant stored = settings_->value(b.key);
    if (stored.isValid()) b.apply(stored);
  }
}

bool SettingsStore::Save() {
  for (const Binding& b : bindings_) settings_->setValue(b.key, b.read());
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace longtail
