#pragma once

#include "ide/files/companionfile.h"

#include <QByteArray>
#include <QString>

namespace vbhost {

// The kinds of picture a form's binary companion holds, told by their bytes.
enum class PictureKind {
    None, // an empty picture: the property was cleared
    Bitmap,
    Gif,
    Jpeg,
    Png,
    Icon,
    Cursor,
    Metafile,
    EnhancedMetafile,
    Unknown
};

// "BMP", "GIF", "JPEG", "PNG", "ICO", "CUR", "WMF", "EMF"; empty for None and Unknown.
QString pictureKindName(PictureKind kind);
PictureKind pictureKindOf(const QByteArray &bytes);

// One picture property's record.
struct FrxPicture
{
    PictureKind kind = PictureKind::None;
    QByteArray bytes; // the picture file as stored (a bare DIB gets its file header back)
    QString problem;  // why no picture could be read; empty when it was
};

// The pictures of a binary companion, each found by the offset its property names; the record
// layout is pictureRecordLayout's.
class FrxFile
{
public:
    FrxFile() = default;
    // A missing or unreadable file gives one whose every picture names that problem.
    static FrxFile load(const QString &path);
    static FrxFile fromBytes(const QByteArray &bytes, const QString &name);

    FrxPicture pictureAt(quint32 offset) const;

private:
    QByteArray m_bytes;
    QString m_name;
    QString m_problem;
};

} // namespace vbhost
