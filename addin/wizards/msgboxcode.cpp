#include "msgboxcode.h"

#include "wizardconfirmation.h"

#include "platform/automation/error.h"
#include "platform/basic/basic.h"

namespace tolvar {

qint16 styleValue(qint16 buttons, qint16 icon, qint16 defaultButton, qint16 modal)
{
    return qint16(buttons + icon + defaultButton + modal);
}

qint16 contextValue(const QString &text)
{
    try {
        return basic::toInteger(basic::Val(text));
    } catch (const automation::Error &e) {
        throw automation::Error(
            e.number(), QStringLiteral("Overflow: the help context must be a whole number from "
                                       "-32768 to 32767."));
    }
}

QString msgBoxCode(const MsgBoxCall &call)
{
    QString code = QStringLiteral("Dim vantixmsg\r\nvantixmsg = MsgBox(") +
                   quoted(call.MessageText) + u',' + QString::number(call.StyleValue) + u',' +
                   quoted(call.TitleText);
    if (!call.HelpFileText.isEmpty())
        code += u',' + quoted(call.HelpFileText) + u',' + QString::number(call.ContextValue);
    return code + u')';
}

} // namespace tolvar
