#pragma once

#include <QString>

namespace helpview {

// A short name standing for one help file: the same for every spelling of its path.
QString helpFileKey(const QString &helpFile);

// The user's private folder for viewer sockets (mode 0700, created when missing, refused when
// another user owns it or others can enter it). Empty with `error` set when there is none.
QString instanceFolder(QString *error);

// Where the viewer of `helpFile` listens, inside `folder`.
QString instanceSocketPath(const QString &folder, const QString &helpFile);

} // namespace helpview
