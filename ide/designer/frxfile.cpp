#include "frxfile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace vbhost {

namespace {

quint32 u32At(const QByteArray &b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : 0;
}

quint16 u16At(const QByteArray &b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : 0;
}

// A device-independent bitmap stored without its file header: Qt's reader wants one.
QByteArray withFileHeader(const QByteArray &dib)
{
    const quint32 headerSize = u32At(dib, 0);
    const quint16 bitCount = u16At(dib, 14);
    const quint32 compression = u32At(dib, 16);
    quint32 colours = u32At(dib, 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 masks = compression == 3 && headerSize == 40 ? 12 : 0;
    QByteArray out(14, '\0');
    out[0] = 'B';
    out[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), out.data() + 2);
    qToLittleEndian<quint32>(14 + headerSize + masks + colours * 4, out.data() + 10);
    return out + dib;
}

} // namespace

QString pictureKindName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bitmap:
        return QStringLiteral("BMP");
    case PictureKind::Gif:
        return QStringLiteral("GIF");
    case PictureKind::Jpeg:
        return QStringLiteral("JPEG");
    case PictureKind::Png:
        return QStringLiteral("PNG");
    case PictureKind::Icon:
        return QStringLiteral("ICO");
    case PictureKind::Cursor:
        return QStringLiteral("CUR");
    case PictureKind::Metafile:
        return QStringLiteral("WMF");
    case PictureKind::EnhancedMetafile:
        return QStringLiteral("EMF");
    default:
        return {};
    }
}

PictureKind pictureKindOf(const QByteArray &b)
{
    if (b.startsWith("BM"))
        return PictureKind::Bitmap;
    if (b.startsWith("GIF8"))
        return PictureKind::Gif;
    if (b.startsWith("\xFF\xD8"))
        return PictureKind::Jpeg;
    if (b.startsWith("\x89PNG"))
        return PictureKind::Png;
    if (u16At(b, 0) == 0 && (u16At(b, 2) == 1 || u16At(b, 2) == 2) && u16At(b, 4) > 0)
        return u16At(b, 2) == 1 ? PictureKind::Icon : PictureKind::Cursor;
    if (u32At(b, 0) == 1 && b.mid(40, 4) == " EMF")
        return PictureKind::EnhancedMetafile;
    if (u32At(b, 0) == 0x9AC6CDD7u || ((u16At(b, 0) == 1 || u16At(b, 0) == 2) && u16At(b, 2) == 9))
        return PictureKind::Metafile;
    if (u32At(b, 0) == 40 || u32At(b, 0) == 108 || u32At(b, 0) == 124)
        return PictureKind::Bitmap; // a bare DIB
    return PictureKind::Unknown;
}

FrxFile FrxFile::load(const QString &path)
{
    FrxFile f;
    f.m_name = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        f.m_problem = QStringLiteral("%1 cannot be read").arg(f.m_name);
    else
        f.m_bytes = file.readAll();
    return f;
}

FrxFile FrxFile::fromBytes(const QByteArray &bytes, const QString &name)
{
    FrxFile f;
    f.m_bytes = bytes;
    f.m_name = name;
    return f;
}

FrxPicture FrxFile::pictureAt(quint32 offset) const
{
    FrxPicture pic;
    if (!m_problem.isEmpty()) {
        pic.problem = m_problem;
        return pic;
    }
    const auto layout = pictureRecordLayout(m_bytes, qsizetype(offset));
    if (!layout || layout->end() > m_bytes.size()) {
        pic.problem = QStringLiteral("%1 ends before the picture at offset %2")
                          .arg(m_name, QString::number(offset, 16).toUpper());
        return pic;
    }
    const quint32 size = layout->dataSize;
    if (size == 0)
        return pic;
    pic.bytes = m_bytes.mid(layout->dataStart, size);
    pic.kind = pictureKindOf(pic.bytes);
    if (pic.kind == PictureKind::Unknown)
        pic.problem = QStringLiteral("%1 holds no picture at offset %2")
                          .arg(m_name, QString::number(offset, 16).toUpper());
    else if (pic.kind == PictureKind::Bitmap && !pic.bytes.startsWith("BM"))
        pic.bytes = withFileHeader(pic.bytes);
    return pic;
}

} // namespace vbhost
