#include "errorreport.h"

#include "platform/ui/services.h"

namespace tolvar {

QString errorPrompt(const automation::Error &pending)
{
    return QStringLiteral("Error Number: ") + QString::number(pending.number()) +
           QStringLiteral("\r\n") + pending.description();
}

void ReportError(const automation::Error &pending)
{
    ui::services().MsgBox(errorPrompt(pending), ui::mb::Information, ErrorReportTitle);
}

} // namespace tolvar
