#pragma once
// What the program takes from its command line and environment: the service hosts, the
// advertisement page, demo mode and the face's language. Command-line options win over
// environment variables of the same names (SUGGEST_HOST, SEARCH_HOST, AD_URL).

#include <QString>
#include <QStringList>

namespace longtail {

struct AppSettings {
  QString suggestHost = QStringLiteral("www.soso.com");
  QString searchHost = QStringLiteral("www.baidu.com");
  QString googleHost = QStringLiteral("www.google.com");
  QString adUrl;  // empty: no advertisement page
  bool demo = false;
  QString lang;  // --lang: "en" or "zh"; empty: the user's UI language decides

  // Parses arguments (without the program name). Returns false with a message in *error
  // for an unknown option or a missing value; --help sets *helpRequested, --version sets
  // *versionRequested (refused as unknown when that is null).
  bool Parse(const QStringList& args, QString* error, bool* helpRequested,
             bool* versionRequested = nullptr);
  void ReadEnvironment();
  static QString Usage();
};

// What the program does before any window exists.
enum class StartAction { Run, PrintHelp, PrintVersion, UsageError };

// Reads the raw command line before the application object is made, so that --help,
// --version and usage errors are answered without a display. Qt's own single-dash options
// (-platform xcb, -style fusion) are passed over here; the application object takes them.
// A valid --lang is answered in *lang.
StartAction PreParse(const QStringList& rawArgs, QString* error, QString* lang = nullptr);

}  // namespace longtail
