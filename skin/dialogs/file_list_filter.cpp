#include "skin/dialogs/file_list_filter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemModel>

#include "skin/dialogs/file_mask.h"
#include "skin/dialogs/file_texts.h"

namespace lq {

FileListFilter::FileListFilter(QFileSystemModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), fs_(source) {
  setSourceModel(source);
  setDynamicSortFilter(true);
}

void FileListFilter::SetMask(const QString& mask) {
  if (mask == mask_) return;
  mask_ = mask;
  invalidateFilter();
}

QVariant FileListFilter::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4) {
    static const char* const kTitles[] = {
        QT_TRANSLATE_NOOP("lq::FileList", "名称"), QT_TRANSLATE_NOOP("lq::FileList", "大小"),
        QT_TRANSLATE_NOOP("lq::FileList", "类型"), QT_TRANSLATE_NOOP("lq::FileList", "修改时间")};
    return QCoreApplication::translate("lq::FileList", kTitles[section]);
  }
  return QSortFilterProxyModel::headerData(section, orientation, role);
}

QVariant FileListFilter::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || index.column() < 1 || index.column() > 3)
    return QSortFilterProxyModel::data(index, role);
  const QModelIndex source = mapToSource(index).siblingAtColumn(0);
  const bool dir = fs_->isDir(source);
  switch (index.column()) {
    case 1:
      return dir ? QString() : ShortSizeText(fs_->size(source));
    case 2:
      return ItemTypeText(dir, QFileInfo(fs_->fileName(source)).suffix());
    default:
      return ItemTimeText(fs_->lastModified(source));
  }
}

bool FileListFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
  const QModelIndex index = fs_->index(row, 0, parent);
  if (fs_->isDir(index)) return true;
  return MatchesMask(fs_->fileName(index), mask_);
}

bool FileListFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const bool leftDir = fs_->isDir(left), rightDir = fs_->isDir(right);
  if (leftDir != rightDir) {
    // Folders stay first in either order.
    return sortOrder() == Qt::AscendingOrder ? leftDir : rightDir;
  }
  // Names come from the first column whichever column is sorted.
  const QString leftName = fs_->fileName(left.siblingAtColumn(0));
  const QString rightName = fs_->fileName(right.siblingAtColumn(0));
  switch (left.column()) {
    case 1:
      if (fs_->size(left) != fs_->size(right)) return fs_->size(left) < fs_->size(right);
      break;
    case 2: {
      const int c = QString::localeAwareCompare(ItemTypeText(false, QFileInfo(leftName).suffix()),
                                                ItemTypeText(false, QFileInfo(rightName).suffix()));
      if (c != 0) return c < 0;
      break;
    }
    case 3:
      if (fs_->lastModified(left) != fs_->lastModified(right))
        return fs_->lastModified(left) < fs_->lastModified(right);
      break;
    default:
      break;
  }
  const int c = leftName.compare(rightName, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : leftName < rightName;
}

}  // namespace lq
