#include "skin/dialogs/folder_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace lq {

QString CleanFolderPath(const QString& path) {
  QString p = QDir::cleanPath(path);
  if (p.isEmpty()) return QStringLiteral("/");
  return p;
}

static bool IsInside(const QString& folder, const QString& ancestor) {
  if (folder == ancestor) return true;
  if (ancestor == QLatin1String("/")) return folder.startsWith(QLatin1Char('/'));
  return folder.startsWith(ancestor + QLatin1Char('/'));
}

std::vector<FolderPlace> SystemFolderPlaces() {
  std::vector<FolderPlace> places;
  const QString home = CleanFolderPath(QDir::homePath());
  QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (desktop.isEmpty() || !QDir(desktop).exists()) desktop = home;
  places.push_back({CleanFolderPath(desktop),
                    QCoreApplication::translate("lq::FolderPlaces", "桌面"), 0, false});
  if (CleanFolderPath(desktop) != home) places.push_back({home, QDir(home).dirName(), 1, false});
  places.push_back(
      {QStringLiteral("/"), QCoreApplication::translate("lq::FolderPlaces", "计算机"), 1, false});
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || volume.isRoot()) continue;
    const QString path = CleanFolderPath(volume.rootPath());
    // Pseudo file systems (proc, sys, run, dev) are not drives a user saves to.
    if (path.startsWith(QLatin1String("/proc")) || path.startsWith(QLatin1String("/sys")) ||
        path.startsWith(QLatin1String("/run")) || path.startsWith(QLatin1String("/dev")))
      continue;
    QString label = volume.displayName();
    if (label.isEmpty() || label == path) label = QDir(path).dirName();
    places.push_back({path, label + QStringLiteral(" (") + path + QLatin1Char(')'), 2, false});
  }
  return places;
}

std::vector<FolderPlace> FolderComboEntries(const std::vector<FolderPlace>& places,
                                            const QString& folder, int& selected) {
  const QString target = CleanFolderPath(folder);
  std::vector<FolderPlace> out;
  for (const FolderPlace& p : places)
    if (!p.added) out.push_back(p);
  // The nearest listed place: the longest path that holds the folder.
  int nearest = -1;
  for (int i = 0; i < static_cast<int>(out.size()); ++i) {
    if (!IsInside(target, out[i].path)) continue;
    if (nearest < 0 || out[i].path.size() > out[nearest].path.size()) nearest = i;
  }
  if (nearest < 0) {
    selected = -1;
    return out;
  }
  if (out[nearest].path == target) {
    selected = nearest;
    return out;
  }
  QStringList chain;
  for (QString p = target; p != out[nearest].path && p != QLatin1String("/");) {
    chain.prepend(p);
    const QString up = CleanFolderPath(QFileInfo(p).path());
    if (up == p) break;
    p = up;
  }
  std::vector<FolderPlace> inserted;
  int level = out[nearest].level;
  for (const QString& p : chain) inserted.push_back({p, QDir(p).dirName(), ++level, true});
  out.insert(out.begin() + nearest + 1, inserted.begin(), inserted.end());
  selected = nearest + static_cast<int>(inserted.size());
  return out;
}

}  // namespace lq
