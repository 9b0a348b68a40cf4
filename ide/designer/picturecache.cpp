#include "picturecache.h"

#include <QBuffer>
#include <QImageReader>

namespace vbhost {

namespace {

const char *readerFormat(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bitmap:
        return "bmp";
    case PictureKind::Gif:
        return "gif";
    case PictureKind::Jpeg:
        return "jpeg";
    case PictureKind::Png:
        return "png";
    case PictureKind::Icon:
    case PictureKind::Cursor:
        return "ico";
    default:
        return nullptr;
    }
}

} // namespace

DesignPicture decodePicture(const FrxPicture &record)
{
    DesignPicture pic;
    pic.kind = record.kind;
    pic.problem = record.problem;
    const char *format = readerFormat(record.kind);
    if (!format || !record.problem.isEmpty())
        return pic;
    QBuffer buffer;
    buffer.setData(record.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Icons hold several images: the environment shows the standard 32 by 32 one.
    if (record.kind == PictureKind::Icon || record.kind == PictureKind::Cursor) {
        for (int i = 0; i < reader.imageCount(); ++i) {
            reader.jumpToImage(i);
            if (reader.size() == QSize(32, 32))
                break;
            if (i == reader.imageCount() - 1)
                reader.jumpToImage(0);
        }
    }
    if (!reader.read(&pic.image))
        pic.problem = QStringLiteral("The %1 picture cannot be read: %2")
                          .arg(pictureKindName(record.kind), reader.errorString());
    return pic;
}

void PictureCache::beginPass()
{
    m_files.clear();
    for (Entry &e : m_pictures)
        e.used = false;
}

void PictureCache::endPass()
{
    m_files.clear();
    m_pictures.removeIf([](const auto &it) { return !it.value().used; });
}

DesignPicturePtr PictureCache::picture(const QString &formFilePath, const PictureRef &ref,
                                       const HeldCompanionBytes *held)
{
    if (!ref.isSet())
        return nullptr;
    // Records pasted and not yet saved are read where the workspace holds them.
    const bool fromHeld =
        held &&
        QString(ref.file).replace(u'\\', u'/').compare(held->name, Qt::CaseInsensitive) == 0;
    if (formFilePath.isEmpty() && !fromHeld) {
        // A form never written has no companion to read from.
        auto missing = std::make_shared<DesignPicture>();
        missing->problem = QStringLiteral("%1 has not been written").arg(ref.file);
        return missing;
    }
    const QString path = fromHeld ? QStringLiteral("\n%1\n%2").arg(held->name).arg(held->revision)
                                  : companionPath(formFilePath, ref.file);
    const QString key = path + u'\n' + QString::number(ref.offset);
    if (auto it = m_pictures.find(key); it != m_pictures.end()) {
        it->used = true;
        return it->picture;
    }
    auto file = m_files.find(path);
    if (file == m_files.end())
        file = m_files.insert(path, fromHeld ? FrxFile::fromBytes(held->bytes, held->name)
                                             : FrxFile::load(path));
    auto pic = std::make_shared<const DesignPicture>(decodePicture(file->pictureAt(ref.offset)));
    m_pictures.insert(key, {pic, true});
    return pic;
}

} // namespace vbhost
