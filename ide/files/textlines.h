#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vbhost {

// One physical line of a file: its bytes without the line end, and the line end as found
// ("\r\n", "\n", or empty for a last line without one). Joining text + eol of every line gives
// back the file byte for byte.
struct TextLine
{
    QByteArray text;
    QByteArray eol;
};

// Splits at "\n"; a "\r" right before it belongs to the line end.
QList<TextLine> splitLines(const QByteArray &bytes);
QByteArray joinLines(const QList<TextLine> &lines);

// The line end new lines get: the first line end of the file, CRLF for a file without one.
QByteArray dominantEol(const QList<TextLine> &lines);

// Index of the first line holding a NUL, the one byte no text line has, or -1. Every other
// control character is text, as editors let people type them into comments and strings.
int firstBinaryLine(const QList<TextLine> &lines);

// Writes beside the file and renames over it, so a failed write leaves the old file whole.
// Throws WriteError.
void writeFileSafely(const QString &path, const QByteArray &bytes);

// Reads a whole regular file (or a link to one); throws ParseError (line 0) when it cannot be
// opened or is a FIFO or a device, at once rather than waiting on it.
QByteArray readWholeFile(const QString &path);

// Takes a UTF-8 byte order mark off the front of the bytes and returns it (else empty), so
// that it can be put back first whatever lines are added or removed.
QByteArray takeByteOrderMark(QByteArray &bytes);

} // namespace vbhost
