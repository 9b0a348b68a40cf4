#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// The binary companions of the fixture forms in fixtures/, made here rather than kept as binary
// files. Each picture record sits in a slot of its own so that the hand-written forms can name
// its offset.
namespace fixturefrx {

constexpr int kSlot = 0x800;
// What the slots hold.
constexpr quint32 kIcon = 0x0000;     // ICO, 16 by 16, kIconColour
constexpr quint32 kQuarters = 0x0800; // BMP, 16 by 16, four coloured quarters
constexpr quint32 kPhoto = 0x1000;    // JPEG, 32 by 32, kPhotoColour
constexpr quint32 kMetafile = 0x1800; // WMF
constexpr quint32 kButton = 0x2000;   // BMP, 16 by 16, kButtonColour

const QColor kIconColour(255, 128, 0);
const QColor kPhotoColour(200, 100, 50);
const QColor kButtonColour(128, 0, 128);
// Top left, top right, bottom left, bottom right.
const QColor kQuarterColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// A picture record as the environment writes it: size + 8, "lt\0\0", size, the picture file.
QByteArray record(const QByteArray &pictureFile);
QByteArray fixtureFrx();
// Writes fixtureFrx() beside each form of the fixture project in folder.
bool writeFixtureCompanions(const QString &folder);

} // namespace fixturefrx
