#include "toolbuttons.h"

namespace tolvar {

const std::array<ToolButton, 12> ToolButtons = {{
    {QStringLiteral("LeftA"),
     QStringLiteral("Aligns two or more selected controls, vertically, to the left most "
                    "control's position."),
     QStringLiteral("Align left")},
    {QStringLiteral("RightA"),
     QStringLiteral("Aligns two or more selected controls, vertically, to the right most "
                    "control's position."),
     QStringLiteral("Align right")},
    {QStringLiteral("BottomA"),
     QStringLiteral("Aligns two or more selected controls, to the bottom most control's "
                    "position."),
     QStringLiteral("Align bottom")},
    {QStringLiteral("TopA"),
     QStringLiteral("Aligns two or more selected controls, horizontally, to the top most "
                    "control's position."),
     QStringLiteral("Align top")},
    {QStringLiteral("SizeH"),
     QStringLiteral("Sets height to match the size of the first control in the collection."),
     QStringLiteral("Match height")},
    {QStringLiteral("SizeW"),
     QStringLiteral("Sets width to match the size of the first control in the collection."),
     QStringLiteral("Match width")},
    {QStringLiteral("SizeB"),
     QStringLiteral("Sets height and width to match the size of the first control in the "
                    "collection."),
     QStringLiteral("Match size")},
    {QStringLiteral("MBox"), QStringLiteral("Message box creation and testing wizard."),
     QStringLiteral("Message box wizard")},
    {QStringLiteral("IBox"), QStringLiteral("Input box creation and testing wizard."),
     QStringLiteral("Input box wizard")},
    {QStringLiteral("Sav"),
     QStringLiteral("Screen saver skeleton. Add your graphics routine and you're finished."),
     QStringLiteral("Screen saver skeleton")},
    {QStringLiteral("Files"),
     QStringLiteral("Prewritten Forms, Classes, and Modules to insert into your project."),
     QStringLiteral("Template files")},
    {QStringLiteral("Br"),
     QStringLiteral("Built-in web browser lets you find the answers you need, fast."),
     QStringLiteral("Web browser")},
}};

} // namespace tolvar
