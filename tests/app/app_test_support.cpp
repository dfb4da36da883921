#include "app/app_test_support.h"

#include <QDir>
#include <QFileInfo>

namespace longtail::test {

std::vector<std::string> ItemsOf(const PhraseList& list) {
  return list.Items();
}

void SaveDocScreenshot(const QImage& image, const char* name) {
  if (qEnvironmentVariableIsEmpty("LONGTAIL_DOCS_SCREENSHOTS")) return;
  const QString dir = QDir(QStringLiteral(LONGTAIL_TESTS_DIR)).filePath("../docs");
  QDir().mkpath(dir);
  image.save(dir + "/" + QString::fromLatin1(name));
}

}  // namespace longtail::test
