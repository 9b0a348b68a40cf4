#include "findcriteria.h"

#include "platform/automation/error.h"

#include <QRegularExpression>

namespace tolvar {

FindCriteria parseFindCriteria(const QString &criteria)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^\s*(?:\[([A-Za-z0-9_ ]+)\]|([A-Za-z0-9_]+))\s*=\s*([+-]?\d{1,18})\s*$)"));
    const QRegularExpressionMatch match = form.match(criteria);
    if (!match.hasMatch())
        throw automation::Error(3077, QStringLiteral("Syntax error in expression."));
    FindCriteria result;
    result.field = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    result.number = match.captured(3).toLongLong();
    return result;
}

} // namespace tolvar
