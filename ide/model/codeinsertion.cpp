#include "ide/model/codeinsertion.h"

#include <QRegularExpression>

namespace vbhost {

namespace {

bool isComment(const QString &line)
{
    static const QRegularExpression comment(QStringLiteral("^\\s*('|rem(\\s|$))"),
                                            QRegularExpression::CaseInsensitiveOption);
    return comment.match(line).hasMatch();
}

// The first procedure's first line, the comments right above it included; -1 without one.
int procedureStart(const QStringList &lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (!isProcedureHeader(lines[i]))
            continue;
        while (i > 0 && isComment(lines[i - 1]))
            --i;
        return i;
    }
    return -1;
}

} // namespace

bool isProcedureHeader(const QString &line)
{
    static const QRegularExpression header(
        QStringLiteral("^\\s*((public|private|friend|global|static)\\s+)*"
                       "(sub|function|property\\s+(get|let|set))\\s+[a-z_]"),
        QRegularExpression::CaseInsensitiveOption);
    return header.match(line).hasMatch();
}

CodeInsertion planInsertion(const QStringList &moduleLines, const QString &text)
{
    CodeInsertion plan;
    const int moduleStart = procedureStart(moduleLines);
    if (moduleStart < 0) {
        plan.procedures = text;
        return plan;
    }
    // Lines of the text with their own ends, so that what is inserted is the text as it stands.
    QStringList textLines;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype end = text.indexOf(u'\n', from);
        end = end < 0 ? text.size() : end + 1;
        textLines << text.mid(from, end - from);
        from = end;
    }
    QStringList bare;
    for (const QString &l : std::as_const(textLines))
        bare << QString(l).remove(u'\r').remove(u'\n');
    int split = procedureStart(bare);
    if (split < 0)
        split = int(textLines.size());
    plan.declarations = textLines.mid(0, split).join(QString());
    plan.procedures = textLines.mid(split).join(QString());
    if (!plan.declarations.isEmpty() && !plan.declarations.endsWith(u'\n'))
        plan.declarations += u'\n';
    // After the section's last line that is not blank, so its blank lines stay before the first
    // procedure.
    int at = moduleStart;
    while (at > 0 && moduleLines[at - 1].trimmed().isEmpty())
        --at;
    plan.declarationsAt = plan.declarations.isEmpty() ? -1 : at;
    return plan;
}

} // namespace vbhost
