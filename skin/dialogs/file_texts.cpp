#include "skin/dialogs/file_texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace lq {

QString ItemTypeText(bool isDir, const QString& suffix) {
  if (isDir) return QCoreApplication::translate("lq::FileTexts", "文件夹");
  if (suffix.isEmpty()) return QCoreApplication::translate("lq::FileTexts", "文件");
  return suffix.toUpper() + QCoreApplication::translate("lq::FileTexts", " 文件");
}

QString ItemTypeText(const QFileInfo& info) {
  return ItemTypeText(info.isDir(), info.suffix());
}

QString ShortSizeText(qint64 bytes) {
  const qint64 kb = bytes <= 0 ? 0 : (bytes + 1023) / 1024;
  return QLocale(QLocale::English).toString(kb) + QStringLiteral(" KB");
}

QString LongSizeText(qint64 bytes) {
  const QLocale c(QLocale::English);
  const QString exact = c.toString(bytes) + QCoreApplication::translate("lq::FileTexts", " 字节");
  static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
  if (bytes < 1024) return exact;
  double value = double(bytes) / 1024.0;
  int unit = 0;
  while (value >= 1024.0 && unit < 3) {
    value /= 1024.0;
    ++unit;
  }
  return QStringLiteral("%1 %2 (%3)")
      .arg(c.toString(value, 'f', value < 10 ? 2 : 1), QLatin1String(kUnits[unit]), exact);
}

QString ItemTimeText(const QDateTime& time) {
  return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace lq
