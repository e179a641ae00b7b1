// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace StartFile {

// The start file as the desktop's handler should get it: a URL or an
// absolute path as it stands; a relative name is looked for in each of the
// folders in turn (the current folder, then the program's data folder) and,
// when found nowhere, left as it stands.
QString resolve(const QString &text, const QStringList &folders);

// Whether a resolved start file is a local file that is not there (a URL is never missing).
bool isMissing(const QString &resolved);
// Whether a resolved start file is there but no file to play: a folder, a
// FIFO, a device. The desktop would open a folder in its file manager, and
// nothing would sound.
bool isNotAFile(const QString &resolved);
// Whether a resolved start file is a file this user may not read (mode 000,
// another user's): its program would open nothing, and nothing would sound.
bool isUnreadable(const QString &resolved);

// A relative name as a command typed in a folder means it: made to find that
// file from any folder, the folder's own when it has one of that name. A name
// only the program's data folder has (our tune) stays as it stands, as do
// absolute names and URLs.
QString inFolder(const QString &text, const QString &folder, const QString &dataFolder);

// Where the program's own data (our tune) lives: installed, the
// share/somnelle that goes with the program's bin/; in the build folder, its
// share/somnelle.
QString programDataFolder();

} // namespace StartFile
