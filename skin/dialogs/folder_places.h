#pragma once
// The places the folder combo box lists and its entries for an open folder: the desktop
// (level 0), the places directly under it (home, the computer = the file-system root;
// level 1) and the mounted volumes right after the computer (level 2). Opening a folder
// inserts the chain of its ancestors below the nearest listed place, one level deeper each.

#include <QString>
#include <vector>

namespace lq {

struct FolderPlace {
  QString path;   // absolute, without a trailing "/" except the root
  QString label;  // shown text
  int level = 0;
  bool added = false;  // inserted for the open folder, not one of the fixed places
};

// The fixed places of this machine.
std::vector<FolderPlace> SystemFolderPlaces();

// `places` (the fixed ones) with the ancestor chain of `folder` inserted; `selected`
// receives the index of the folder's entry.
std::vector<FolderPlace> FolderComboEntries(const std::vector<FolderPlace>& places,
                                            const QString& folder, int& selected);

// The path without a trailing "/" (the root stays "/").
QString CleanFolderPath(const QString& path);

}  // namespace lq
