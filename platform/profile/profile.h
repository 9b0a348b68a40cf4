#pragma once

#include <QString>
#include <QStringList>

namespace profile {

// The Windows directory: $WINDIR when set, else ${XDG_CONFIG_HOME:-~/.config}/vbhost/windows.
// The folder is created by the first write into it, not here.
QString windowsDirectory();

// A bare file name (no separator) names a file in the Windows directory; an existing file there
// whose name differs only in letter case is used, as file names ignore case on the platform.
// An empty name means WIN.INI. Other names are taken as they stand.
QString resolvePath(const QString &fileName);

// Copies at most size - 1 characters of the value into returned and returns how many were
// copied. Section and key match without regard to case (the first of duplicates wins); the value
// is trimmed of ASCII blanks only, as names are, and loses one pair of enclosing quotes (" or ').
// A missing section, key or file, or one that cannot be read, gives the default, truncated the
// same way.
//
// Files are bytes: a line is decoded as UTF-8 when it is valid UTF-8, else as Latin-1. Files of
// any size are read line by line, never whole.
int GetPrivateProfileString(const QString &section, const QString &key, const QString &def,
                            QString &returned, int size, const QString &fileName);

// Sets key=value in section. An existing value is replaced in place (the key's spelling and the
// blanks around '=' stay); a missing key goes right after the last key line of its section (or
// after its header when it has none), so blank lines and comments closing the section stay
// below it; a missing section is appended at the end of the file. New lines take the line end
// of the line they follow, else the file's first line end, else CRLF; a last line that lacked a
// line end gets one before a new line. A UTF-8 byte order mark at the start is kept and not read
// as text. Writing a value readers would read the same way leaves the file untouched. Section
// and key names are trimmed of ASCII blanks only, as the file's bytes are. Every other byte is
// kept.
//
// The new file is written beside the old one and renamed over it under an advisory lock
// (FILE.lock), so a crash or a full disk leaves the old file whole; a lock whose owner is gone
// (or that names none) is taken over at once. Returns false, with the file untouched, when it
// cannot be read, is not a regular file (a FIFO or a device is never opened for long), is
// read-only, the folder is read-only, the lock is held elsewhere for too long, or a name or value
// would break the file's lines (line ends, NUL, '=' in a key, ']' in a section, a key starting
// with ';' or '[').
bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName);

// The keys of a section in file order, each once, as spelled in the file's first occurrence.
QStringList GetProfileKeys(const QString &section, const QString &fileName);

} // namespace profile
