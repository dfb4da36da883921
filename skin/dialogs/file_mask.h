#pragma once
// The file dialog's filter and name rules: "description|mask|description|mask" filters,
// masks of ";"-separated patterns, which files a mask lists, and the extensions a save
// dialog adds to a typed name.

#include <QString>
#include <QStringList>
#include <vector>

namespace lq {

struct FilterEntry {
  QString description;
  QString mask;
};

// Splits a filter into description and mask pairs; a trailing description without a mask
// gets the mask "*.*".
std::vector<FilterEntry> ParseFilter(const QString& filter);

// The patterns of a mask, separated by ";" or "|", trimmed, empty ones dropped.
QStringList MaskPatterns(const QString& mask);

// True when `fileName` matches one of the mask's patterns: a pattern with a "." is a
// wildcard pattern ("*" any run, "?" any one character, case ignored); a pattern without
// a "." matches only when it is exactly "*".
bool MatchesMask(const QString& fileName, const QString& mask);

// The extension a save dialog gives a name without one under `mask`: "" when the mask
// holds ".*", else the extension of its first pattern (".txt" for "*.txt;*.log").
QString MaskExtension(const QString& mask);

// True when the last path component has an extension ("a.txt", not "a" or "a.").
bool HasExtension(const QString& name);

// `name` with its extension replaced by `extension` (which starts with "."), or with it
// appended when the name has none.
QString ReplaceExtension(const QString& name, const QString& extension);

// The confirmed name in save mode: `path`, then the mask's extension when it has none,
// then "." + defaultExt when it still has none and defaultExt is set.
QString ApplySaveExtensions(const QString& path, const QString& mask, const QString& defaultExt);

// `folder` and `name` joined with one "/".
QString JoinFolder(const QString& folder, const QString& name);

// The name of the n-th folder made by the new-folder button (n from 1): base, then
// base + "(n)" from the second on.
QString NewFolderName(int count, const QString& base = QStringLiteral("新建文件夹"));

}  // namespace lq
