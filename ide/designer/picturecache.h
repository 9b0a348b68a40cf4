#pragma once

#include "ide/designer/controllook.h"
#include "ide/designer/frxfile.h"

#include <QHash>
#include <QImage>
#include <memory>

namespace vbhost {

// A picture property read from the binary companion and decoded.
struct DesignPicture
{
    QImage image; // null for a metafile, an empty picture, or one that could not be read
    PictureKind kind = PictureKind::None;
    QString problem; // why it could not be read; empty when it could
};

using DesignPicturePtr = std::shared_ptr<const DesignPicture>;

// The pictures of the forms being designed, decoded once with Qt's image readers and kept while
// they are asked for. A picture that cannot be read gives its problem, never an exception.
class PictureCache
{
public:
    // Marks every picture unused; endPass() drops those not asked for since.
    void beginPass();
    void endPass();
    // Null when the property names no picture. formFilePath locates the companion, unless held
    // is the companion the property names.
    DesignPicturePtr picture(const QString &formFilePath, const PictureRef &ref,
                             const HeldCompanionBytes *held = nullptr);

private:
    struct Entry
    {
        DesignPicturePtr picture;
        bool used = false;
    };
    QHash<QString, FrxFile> m_files;  // by companion path (or held name and revision), for one pass
    QHash<QString, Entry> m_pictures; // by the same and the offset
};

// Decodes a picture file's bytes; metafiles and unreadable bytes give a null image.
DesignPicture decodePicture(const FrxPicture &record);

} // namespace vbhost
