#pragma once
// The file list's view of a QFileSystemModel: folders always, files only when they match
// the mask; sorted folders first, then by the clicked column (name, size, type, time).

#include <QSortFilterProxyModel>
#include <QString>

class QFileSystemModel;

namespace lq {

class FileListFilter : public QSortFilterProxyModel {
 public:
  explicit FileListFilter(QFileSystemModel* source, QObject* parent = nullptr);
  QString Mask() const { return mask_; }
  void SetMask(const QString& mask);
  QFileSystemModel* FileSystem() const { return fs_; }
  // The details view's column titles.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The size, type and time columns in the window's own words.
  QVariant data(const QModelIndex& index, int role) const override;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  QFileSystemModel* fs_;
  QString mask_ = QStringLiteral("*.*");
};

}  // namespace lq
