#pragma once

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

// The binary companion of a form-shaped file (.frx, .ctx, .pgx, .dox): records without a file
// header, each found by the offset its property names ("Form1.frx":0A2C). A picture record is
// a 12-byte header (the size plus 8, "lt\0\0", the size) before the picture file; custom
// controls put a class id between the first two fields (28 bytes), and the oldest files only
// the size (4 bytes).
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

// The companion a property names ("Form1.frx", maybe with a folder and backslashes), beside the
// form's file and found without regard to letter case; the path it would have when absent.
QString companionPath(const QString &formFilePath, const QString &companionName);

} // namespace vbhost
