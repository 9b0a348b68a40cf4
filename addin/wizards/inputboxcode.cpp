#include "inputboxcode.h"

#include "wizardconfirmation.h"

#include "platform/automation/error.h"
#include "platform/basic/basic.h"

namespace tolvar {

double positionValue(const QString &text)
{
    try {
        return basic::Val(text);
    } catch (const automation::Error &e) {
        throw automation::Error(e.number(),
                                QStringLiteral("Overflow: X and Y must be numbers from "
                                               "-1.79769313486232E+308 to 1.79769313486232E+308."));
    }
}

QString inputBoxCode(const InputBoxFields &fields)
{
    QString code = QStringLiteral("Dim xinput\r\nxinput = inputbox(") + quoted(fields.message) +
                   u',' + quoted(fields.title) + u',' + quoted(fields.defaultText) + u',' +
                   basic::numberToText(positionValue(fields.x)) + u',' +
                   basic::numberToText(positionValue(fields.y));
    if (!fields.helpFile.isEmpty())
        code += u',' + quoted(fields.helpFile) + u',' + fields.context;
    return code + u')';
}

} // namespace tolvar
