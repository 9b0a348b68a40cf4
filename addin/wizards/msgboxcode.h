#pragma once

#include <QString>

namespace tolvar {

// What the message box wizard captures on OK (and, but for the help, on Test).
struct MsgBoxCall
{
    QString MessageText;
    qint16 StyleValue = 0;
    QString TitleText;
    QString HelpFileText;
    qint16 ContextValue = 0;
};

inline const QString MsgBoxConfirmationSentence =
    QStringLiteral("Your Message Box Subroutine Is On The Clipboard!");

qint16 styleValue(qint16 buttons, qint16 icon, qint16 defaultButton, qint16 modal);

// Val of the context box, rounded halves to even into 16 bits. A number that does not fit (or
// that no double holds) raises an overflow that says what the box takes.
qint16 contextValue(const QString &text);

// "Dim vantixmsg", CR LF, then the MsgBox call: three arguments, or five with a help file.
QString msgBoxCode(const MsgBoxCall &call);

} // namespace tolvar
