#include "app/app_test_support.h"

#include <QDir>
#include <QFileInfo>

#include "skin/frame/popup_menu.h"

namespace longtail::test {

std::vector<std::string> ItemsOf(const PhraseList& list) {
  return list.Items();
}

lq::MenuItem& MenuItemOf(const QObject& window, const char* menu, const char* item) {
  lq::MenuItem* found =
      Child<lq::LqSkinPopupMenu>(window, menu).Items.Find(QString::fromLatin1(item));
  if (!found) throw std::runtime_error(std::string("no item ") + item + " in " + menu);
  return *found;
}

void SaveDocScreenshot(const QImage& image, const char* name) {
  if (qEnvironmentVariableIsEmpty("LONGTAIL_DOCS_SCREENSHOTS")) return;
  const QString dir = QDir(QStringLiteral(LONGTAIL_TESTS_DIR)).filePath("../docs");
  QDir().mkpath(dir);
  image.save(dir + "/" + QString::fromLatin1(name));
}

}  // namespace longtail::test
