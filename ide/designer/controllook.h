#pragma once

#include "ide/designer/fontmapping.h"

#include <QString>

namespace vbhost {

class ControlNode;

// A picture property: the binary companion it names and the offset of its record there.
struct PictureRef
{
    QString file; // as written: "Form1.frx"
    quint32 offset = 0;
    bool isSet() const { return !file.isEmpty(); }
};

// What drawing a form or control takes from its properties, with the class's defaults for what
// the file leaves out. Colours are opaque 0xAARRGGBB values, system colours already resolved.
struct ControlLook
{
    quint32 backColour = 0xFFC0C0C0;
    quint32 foreColour = 0xFF000000;
    quint32 fillColour = 0xFF000000;
    quint32 borderColour = 0xFF000000;
    FileFont font;
    int alignment = 0;
    int appearance = 1; // 0 flat, 1 3-D
    int backStyle = 1;  // 0 transparent
    int borderStyle = 0;
    int borderWidth = 1;
    int fillStyle = 1; // 1 transparent
    int shape = 0;
    int style = 0; // 1 graphical buttons; combo box kinds
    int value = 0; // check boxes 0-2, option buttons -1 when chosen
    bool autoSize = false;
    bool wordWrap = false;
    bool stretch = false;
    bool enabled = true;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    QString caption; // & marks the access key
    QString text;
    PictureRef picture;
    PictureRef icon; // a form's
};

// The form itself (the file's root block); fileVersion picks the default font.
ControlLook formLook(const ControlNode &root, const QString &fileVersion);
// A control on it: its own font, or the form's when it has none.
ControlLook controlLook(const ControlNode &node, const ControlLook &form);

} // namespace vbhost
