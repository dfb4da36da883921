#pragma once
// Screenshots that tests save for people to look at. Nothing is written unless asked:
// LONGTAIL_SCREENSHOT_DIR=<dir> collects every screenshot in that directory, and
// LONGTAIL_DOCS_SCREENSHOTS=1 refreshes the pictures of the tree's docs/ folder.

#include <QDir>
#include <QImage>
#include <QString>

namespace longtail::testing {

inline void SaveScreenshot(const QImage& image, const QString& fileName) {
  const QString dir = qEnvironmentVariable("LONGTAIL_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  image.save(QDir(dir).filePath(fileName));
}

// A screenshot that docs/ shows.
inline void SaveDocScreenshot(const QImage& image, const QString& fileName) {
  SaveScreenshot(image, fileName);
  if (qEnvironmentVariableIsEmpty("LONGTAIL_DOCS_SCREENSHOTS")) return;
  const QDir docs(QStringLiteral(LONGTAIL_TESTS_DIR "/../docs"));
  QDir().mkpath(docs.path());
  image.save(docs.filePath(fileName));
}

}  // namespace longtail::testing
