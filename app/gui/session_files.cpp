#include "app/gui/session_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <utility>
#include <vector>

namespace longtail {

namespace {

const QString kExtension = QStringLiteral(".json");

// "….session.json" for 1, "….session-N.json" after it.
QString Numbered(const QString& base, int number) {
  if (number <= 1) return base;
  return base.chopped(kExtension.size()) + QLatin1Char('-') + QString::number(number) + kExtension;
}

}  // namespace

QString SessionBasePath(const QString& folder, const QString& autoSaveFileName) {
  if (autoSaveFileName.isEmpty())
    return QDir(folder).filePath(QStringLiteral("longtail.session.json"));
  // The name may carry a sub-folder of its own; the session sits beside the file itself.
  const QFileInfo file(QDir(folder).filePath(autoSaveFileName));
  const QString stem =
      file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName();
  return file.dir().filePath(stem + QStringLiteral(".session") + kExtension);
}

QString FreeSessionPath(const QString& base) {
  for (int number = 1;; ++number)
    if (!QFileInfo::exists(Numbered(base, number))) return Numbered(base, number);
}

QStringList ExistingSessionPaths(const QString& base) {
  const QFileInfo info(base);
  const QString stem = info.fileName().chopped(kExtension.size());
  const QRegularExpression numbered(
      QStringLiteral("^%1(?:-(\\d+))?%2$")
          .arg(QRegularExpression::escape(stem), QRegularExpression::escape(kExtension)));
  std::vector<std::pair<int, QString>> found;
  const QDir dir = info.dir();
  for (const QString& name :
       dir.entryList({stem + QStringLiteral("*") + kExtension}, QDir::Files)) {
    const QRegularExpressionMatch match = numbered.match(name);
    if (!match.hasMatch()) continue;
    const int number = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
    found.emplace_back(number, dir.filePath(name));
  }
  std::sort(found.begin(), found.end());
  QStringList paths;
  for (const auto& [number, path] : found) paths << path;
  return paths;
}

QString SetSessionAside(const QString& path) {
  QString target = path + QStringLiteral(".set-aside");
  for (int number = 2; QFileInfo::exists(target); ++number)
    target = path + QStringLiteral(".set-aside-") + QString::number(number);
  return QFile::rename(path, target) ? target : QString();
}

}  // namespace longtail
