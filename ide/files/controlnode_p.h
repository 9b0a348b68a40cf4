#pragma once

#include "ide/files/controlnode.h"

namespace vbhost {

// One entry of a control block, in file order.
struct ControlNode::Item
{
    enum class Kind { Raw, Property, Block, Child };
    Kind kind = Kind::Raw;
    TextLine line;                      // Raw and Property
    FormProperty prop;                  // Property
    QString blockName;                  // Block: the name after BeginProperty
    QList<TextLine> block;              // Block: every line from BeginProperty to EndProperty
    std::unique_ptr<ControlNode> child; // Child
};

// "   Caption         =   " style prefix parsing shared by the parser and the editor.
bool parsePropertyLine(const QString &text, FormProperty *prop);

} // namespace vbhost
