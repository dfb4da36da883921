#pragma once
// What the window remembers between starts, kept with QSettings. Each remembered value is
// one binding: a key, how to read the value from the window and how to give it back.
// Remembering one more value is one more Bind call.

#include <QSettings>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QRect;

namespace longtail {

// A stored value as T, or nullopt when it is missing or not a T (a hand-edited file).
template <typename T>
std::optional<T> FromStored(const QVariant& stored);
template <>
std::optional<bool> FromStored(const QVariant& stored);
template <>
std::optional<int> FromStored(const QVariant& stored);
template <>
std::optional<QString> FromStored(const QVariant& stored);
template <>
std::optional<QRect> FromStored(const QVariant& stored);

class SettingsStore {
 public:
  // The settings at `file` in the platform's native format (on Windows a registry path);
  // QSettings().fileName() names the conventional place of the application's settings.
  explicit SettingsStore(const QString& file);

  template <typename T>
  void Bind(const QString& key, std::function<T()> read, std::function<void(const T&)> apply) {
    bindings_.push_back({key, [read] { return QVariant::fromValue(read()); },
                         [apply](const QVariant& stored) {
                           if (std::optional<T> value = FromStored<T>(stored)) apply(*value);
                         }});
  }

  // Gives back every bound value that is stored, in the order of binding.
  void Load();
  // Stores every bound value and writes the file; false when it could not be written.
  bool Save();

  QSettings& settings() { return *settings_; }

 private:
  struct Binding {
    QString key;
    std::function<QVariant()> read;
    std::function<void(const QVariant&)> apply;
  };
  std::unique_ptr<QSettings> settings_;
  std::vector<Binding> bindings_;
};

}  // namespace longtail
