#pragma once
// The language of the window's face. Chinese is the source language of every text and the
// default; English comes from the translation embedded in the program, and also switches
// the harvest status texts and the skin's resource strings (its dialogs' English texts).

#include <QString>
#include <QStringList>

namespace longtail {

enum class UiLanguage { Chinese, English };

// Chinese when the first of the user's UI languages (QLocale::uiLanguages()) is Chinese or
// there is none (the C locale names none), English otherwise.
UiLanguage LanguageForUiLanguages(const QStringList& uiLanguages);
// Reads --lang's value, "en" or "zh"; false for anything else.
bool LanguageFromOption(const QString& value, UiLanguage* language);

// Installs the translation of `language` in the running application (removing the one
// installed before) and switches the status texts. Returns false when the English
// translation cannot be loaded; the face then stays Chinese.
bool UseUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();

}  // namespace longtail
