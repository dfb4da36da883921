#pragma once
// Where the window keeps a run's session file and where it looks for interrupted ones:
// beside the auto-save file ("words.txt" gives "words.session.json") or in a folder of the
// application's own. A name already taken (another interrupted session, or a file that
// could not be read as one and is left as it is) is never written over: a run takes the
// first free numbered name instead ("words.session-2.json").

#include <QString>
#include <QStringList>

namespace longtail {

// The session name in `folder` that belongs to the auto-save file `autoSaveFileName`
// ("longtail.session.json" when the name is empty).
QString SessionBasePath(const QString& folder, const QString& autoSaveFileName);
// `base` or, when a file of that name exists, the first numbered name that is free.
QString FreeSessionPath(const QString& base);
// The files named `base` or numbered after it that exist, in number order.
QStringList ExistingSessionPaths(const QString& base);
// Renames a session the user declined so it is not found again ("….set-aside", numbered
// when taken); returns the new path, or an empty string when the rename failed.
QString SetSessionAside(const QString& path);

}  // namespace longtail
