#pragma once

#include <QString>
#include <array>

namespace tolvar {

// The twelve toolbar buttons, in left-to-right order; a button's id is its index plus one.
struct ToolButton
{
    QString name;
    QString hint;
    QString shortName; // for assistive technology
};

extern const std::array<ToolButton, 12> ToolButtons;

enum ToolButtonId : qint16 {
    LeftA = 1,
    RightA,
    BottomA,
    TopA,
    SizeH,
    SizeW,
    SizeB,
    MBox,
    IBox,
    Sav,
    Files,
    Br
};

} // namespace tolvar
