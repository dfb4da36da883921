#pragma once
// How the file window words an item's type, size and time, in the details view and in
// the properties window alike.

#include <QDateTime>
#include <QString>

class QFileInfo;

namespace lq {

// "文件夹", "TXT 文件", or "文件" for a name without an extension.
QString ItemTypeText(bool isDir, const QString& suffix);
QString ItemTypeText(const QFileInfo& info);
// The details view's size column: whole kilobytes rounded up ("1 KB" for 1 to 1,024
// bytes, "0 KB" for an empty file), with thousands separators.
QString ShortSizeText(qint64 bytes);
// "1.21 KB (1,234 字节)": the size in the largest fitting unit and in bytes.
QString LongSizeText(qint64 bytes);
// "2026-12-09 18:54".
QString ItemTimeText(const QDateTime& time);

}  // namespace lq
