#include "app/gui/app_settings.h"

#include <QProcessEnvironment>

namespace longtail {

namespace {

struct ValueOption {
  const char* name;
  QString AppSettings::*field;
};

const ValueOption kValueOptions[] = {
    {"--suggest-host", &AppSettings::suggestHost},
    {"--search-host", &AppSettings::searchHost},
    {"--google-host", &AppSettings::googleHost},
    {"--ad-url", &AppSettings::adUrl},
};

QString EnvName(const char* option) {
  return QString::fromLatin1(option + 2).toUpper().replace('-', '_');
}

}  // namespace

void AppSettings::ReadEnvironment() {
  const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const ValueOption& o : kValueOptions) {
    const QString name = EnvName(o.name);
    if (env.contains(name)) this->*o.field = env.value(name);
  }
}

bool AppSettings::Parse(const QStringList& args, QString* error, bool* helpRequested,
                        bool* versionRequested) {
  *helpRequested = false;
  if (versionRequested) *versionRequested = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--demo") {
      demo = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      *helpRequested = true;
      return true;
    }
    if (a == "--version" && versionRequested) {
      *versionRequested = true;
      return true;
    }
    if (a == "--lang" || a.startsWith(QStringLiteral("--lang="))) {
      // Not read from the environment: LANG is the locale's, which QLocale already reads.
      if (a == "--lang" && i + 1 >= args.size()) {
        *error = QStringLiteral("--lang needs a value");
        return false;
      }
      lang = a == "--lang" ? args[++i] : a.mid(7);
      if (lang != "en" && lang != "zh") {
        *error = QStringLiteral("--lang is en or zh");
        return false;
      }
      continue;
    }
    bool matched = false;
    for (const ValueOption& o : kValueOptions) {
      const QString name = QString::fromLatin1(o.name);
      if (a == name) {
        if (i + 1 >= args.size()) {
          *error = QStringLiteral("%1 needs a value").arg(name);
          return false;
        }
        this->*o.field = args[++i];
        matched = true;
      } else if (a.startsWith(name + '=')) {
        this->*o.field = a.mid(name.size() + 1);
        matched = true;
      }
      if (matched) break;
    }
    if (!matched) {
      // Qt's own options (-platform, -style, ...) were already taken by QApplication.
      *error = QStringLiteral("unknown option %1").arg(a);
      return false;
    }
  }
  return true;
}

QString AppSettings::Usage() {
  return QStringLiteral(
      "usage: longtail [--demo] [--suggest-host H[:P]] [--search-host H[:P]]\n"
      "                [--google-host H] [--ad-url URL] [--lang en|zh]\n"
      "       longtail --help | --version\n"
      "  --demo  start the built-in demo services on loopback and use them for both hosts\n"
      "  --lang  the window's language (default: Chinese unless the user's UI language is\n"
      "          another, then English)\n"
      "Environment: SUGGEST_HOST, SEARCH_HOST, GOOGLE_HOST, AD_URL (options win).\n");
}

StartAction PreParse(const QStringList& rawArgs, QString* error, QString* lang) {
  QStringList ours;
  for (int i = 0; i < rawArgs.size(); ++i) {
    const QString& a = rawArgs[i];
    if (a.startsWith('-') && !a.startsWith(QStringLiteral("--")) && a != "-h") {
      // A Qt option and its value, if one follows; whatever Qt does not take is refused by
      // the full parse once the application object exists.
      if (i + 1 < rawArgs.size() && !rawArgs[i + 1].startsWith('-')) ++i;
      continue;
    }
    ours << a;
  }
  AppSettings probe;
  bool help = false, version = false;
  if (!probe.Parse(ours, error, &help, &version)) return StartAction::UsageError;
  if (help) return StartAction::PrintHelp;
  if (version) return StartAction::PrintVersion;
  if (lang) *lang = probe.lang;
  return StartAction::Run;
}

}  // namespace longtail
