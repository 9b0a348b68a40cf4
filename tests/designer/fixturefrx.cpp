#include "fixturefrx.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace fixturefrx {

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

QImage filled(int side, const QColor &colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(side, side, format);
    image.fill(colour);
    return image;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

} // namespace

QByteArray record(const QByteArray &pictureFile)
{
    const quint32 size = quint32(pictureFile.size());
    return le32(size + 8) + QByteArray("lt\0\0", 4) + le32(size) + pictureFile;
}

QByteArray fixtureFrx()
{
    QImage quarters = filled(16, Qt::black);
    QPainter p(&quarters);
    for (int i = 0; i < 4; ++i)
        p.fillRect((i % 2) * 8, (i / 2) * 8, 8, 8, kQuarterColours[i]);
    p.end();
    // A placeable metafile header: the key, then nothing a reader here could draw.
    QByteArray metafile = le32(0x9AC6CDD7u) + QByteArray(36, '\0');
    const QByteArray records[] = {
        record(encoded(filled(16, kIconColour, QImage::Format_ARGB32), "ico")),
        record(encoded(quarters.convertToFormat(QImage::Format_RGB888), "bmp")),
        record(encoded(filled(32, kPhotoColour), "jpeg")), record(metafile),
        record(encoded(filled(16, kButtonColour).convertToFormat(QImage::Format_RGB888), "bmp"))};
    QByteArray frx;
    for (const QByteArray &r : records) {
        Q_ASSERT(r.size() <= kSlot);
        frx += r + QByteArray(kSlot - r.size(), '\0');
    }
    return frx;
}

bool writeFixtureCompanions(const QString &folder)
{
    const QByteArray frx = fixtureFrx();
    for (const QString &name : {QStringLiteral("Palette.frx"), QStringLiteral("Settings.frx")}) {
        QFile f(QDir(folder).filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(frx) != frx.size())
            return false;
    }
    return true;
}

} // namespace fixturefrx
