#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <utility>

namespace vbhost {

// How the designer writes a control of a class when one is first drawn.
struct NewControlStyle
{
    QString baseName; // "Command": new ones are Command1, Command2, ...
    // Twips, for a control added without a rectangle; a class drawn as a fixed icon (Timer) has
    // none and writes only its place.
    QSize defaultSize;
    // The name goes into this property too ("Caption", "Text"); empty for none.
    QString nameProperty;
    // Properties written with fixed values besides the place, the size, the name and TabIndex,
    // as value texts of the file.
    QList<std::pair<QString, QString>> fixed;
};

// For a class the table does not know (a custom control): its own name as the base, the size
// of a command button, nothing else.
NewControlStyle newControlStyle(const QString &className);

// The client area of a picture box of the given outer size (twips), as its Scale properties
// store it: the border takes two pixels on each side, one when flat, none without a border.
QSize pictureBoxScale(double width, double height, int borderStyle, int appearance);

} // namespace vbhost
