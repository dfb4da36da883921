#include "app/gui/ui_language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "harvest/status_texts.h"

namespace longtail {

namespace {

UiLanguage current = UiLanguage::Chinese;

std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

UiLanguage LanguageForUiLanguages(const QStringList& uiLanguages) {
  for (const QString& language : uiLanguages) {
    // The C locale ("C", also for C.UTF-8 and POSIX) names no language.
    if (language == QLatin1String("C") || language == QLatin1String("POSIX")) continue;
    return language.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? UiLanguage::Chinese
                                                                         : UiLanguage::English;
  }
  return UiLanguage::Chinese;
}

bool LanguageFromOption(const QString& value, UiLanguage* language) {
  if (value == QLatin1String("en")) {
    *language = UiLanguage::English;
    return true;
  }
  if (value == QLatin1String("zh")) {
    *language = UiLanguage::Chinese;
    return true;
  }
  return false;
}

bool UseUiLanguage(UiLanguage language) {
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  bool loaded = true;
  if (language == UiLanguage::English) {
    auto translator = std::make_unique<QTranslator>();
    loaded = translator->load(QStringLiteral(":/i18n/longtail_en.qm"));
    if (loaded && QCoreApplication::installTranslator(translator.get()))
      installed = std::move(translator);
    else
      loaded = false;
  }
  current = loaded ? language : UiLanguage::Chinese;
  status::SetLanguage(current == UiLanguage::English ? status::Language::English
                                                     : status::Language::Chinese);
  return loaded;
}

UiLanguage CurrentUiLanguage() {
  return current;
}

}  // namespace longtail
