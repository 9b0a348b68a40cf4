#include "ide/code/procedures.h"

#include "ide/code/basiclexer.h"

namespace vbhost {

namespace {

// Takes the leading word off the text if it is `word` (any case) and not the start of a longer
// name.
bool takeWord(QStringView &text, QStringView word)
{
    if (!text.startsWith(word, Qt::CaseInsensitive))
        return false;
    if (text.size() > word.size() && isNameChar(text[word.size()]))
        return false;
    text = text.mid(word.size()).trimmed();
    return true;
}

QStringView leadingName(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    return text.left(i);
}

bool takeModifiers(QStringView &text)
{
    bool any = false;
    for (bool more = true; more;) {
        more = false;
        for (QStringView m : {u"Public", u"Private", u"Friend", u"Global", u"Static"}) {
            if (takeWord(text, m))
                more = any = true;
        }
    }
    return any;
}

// The names a Dim, Public, Private, Global or Static line declares.
QStringList declaredNames(QStringView rest)
{
    QStringList names;
    int depth = 0;
    bool atName = true;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c == u'\'' || c == u'"')
            break;
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        else if (c == u',' && depth == 0)
            atName = true;
        else if (atName && !c.isSpace()) {
            QStringView part = rest.mid(i);
            takeWord(part, u"WithEvents");
            const QStringView name = leadingName(part);
            if (!name.isEmpty())
                names << name.toString();
            i = rest.size() - part.size() + name.size() - 1;
            atName = false;
        }
    }
    return names;
}

bool isEndOf(QStringView statement)
{
    QStringView t = statement.trimmed();
    if (!takeWord(t, u"End"))
        return false;
    return takeWord(t, u"Sub") || takeWord(t, u"Function") || takeWord(t, u"Property");
}

bool isComment(QStringView line)
{
    const QStringView t = line.trimmed();
    QStringView rest = t;
    return t.startsWith(u'\'') || takeWord(rest, u"Rem");
}

} // namespace

QString procedureKindText(ProcedureKind kind)
{
    switch (kind) {
    case ProcedureKind::Sub:
        return QStringLiteral("Sub");
    case ProcedureKind::Function:
        return QStringLiteral("Function");
    case ProcedureKind::PropertyGet:
        return QStringLiteral("Property Get");
    case ProcedureKind::PropertyLet:
        return QStringLiteral("Property Let");
    case ProcedureKind::PropertySet:
        return QStringLiteral("Property Set");
    }
    return {};
}

std::optional<Procedure> parseProcedureHeader(QStringView statement)
{
    QStringView t = statement.trimmed();
    takeModifiers(t);
    Procedure p;
    if (takeWord(t, u"Sub")) {
        p.kind = ProcedureKind::Sub;
    } else if (takeWord(t, u"Function")) {
        p.kind = ProcedureKind::Function;
    } else if (takeWord(t, u"Property")) {
        if (takeWord(t, u"Get"))
            p.kind = ProcedureKind::PropertyGet;
        else if (takeWord(t, u"Let"))
            p.kind = ProcedureKind::PropertyLet;
        else if (takeWord(t, u"Set"))
            p.kind = ProcedureKind::PropertySet;
        else
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    const QStringView name = leadingName(t);
    if (name.isEmpty() || !name[0].isLetter())
        return std::nullopt;
    p.name = name.toString();
    return p;
}

Definition definitionOf(QStringView statement)
{
    if (const auto p = parseProcedureHeader(statement))
        return {procedureKindText(p->kind), {p->name}};
    QStringView t = statement.trimmed();
    const bool dim = takeWord(t, u"Dim");
    const bool modified = takeModifiers(t);
    for (QStringView kind : {u"Const", u"Event", u"Declare"}) {
        if (takeWord(t, kind)) {
            if (kind == u"Declare")
                t = t.mid(leadingName(t).size()).trimmed(); // Sub or Function
            const QStringView name = leadingName(t);
            return name.isEmpty() ? Definition() : Definition{kind.toString(), {name.toString()}};
        }
    }
    // Type and Enum blocks, a header half typed, and statements that are not declarations define
    // nothing here.
    if (!dim && !modified)
        return {};
    for (QStringView word : {u"Type", u"Enum", u"Sub", u"Function", u"Property"}) {
        if (takeWord(t, word))
            return {};
    }
    const QStringList names = declaredNames(t);
    return names.isEmpty() ? Definition() : Definition{QStringLiteral("Variable"), names};
}

QString statementEndingAt(const QStringList &lines, int line)
{
    int first = line;
    while (first > 0 && continuesOnNextLine(lines[first - 1]))
        --first;
    if (first == line)
        return lines[line];
    QString joined;
    for (int i = first; i <= line; ++i) {
        QStringView part = lines[i];
        if (i < line)
            part = part.trimmed().chopped(1); // the continuation mark
        joined += part;
        joined += u' ';
    }
    return joined;
}

QList<Procedure> scanProcedures(const QStringList &lines)
{
    QList<Procedure> out;
    int open = -1; // index in out of the procedure without its End yet
    const int n = int(lines.size());
    for (int i = 0; i < n; ++i) {
        // A statement is judged on its first line; continuation lines are skipped.
        int last = i;
        while (last + 1 < n && continuesOnNextLine(lines[last]))
            ++last;
        const QString statement = statementEndingAt(lines, last);
        if (auto p = parseProcedureHeader(statement)) {
            if (open >= 0)
                out[open].end = i - 1;
            p->header = i;
            p->start = i;
            const int floor = out.isEmpty() ? 0 : out.back().end + 1;
            while (p->start > floor && isComment(lines[p->start - 1]) &&
                   !continuesOnNextLine(lines[p->start - 1]))
                --p->start;
            p->end = last;
            out.append(*p);
            open = int(out.size()) - 1;
        } else if (open >= 0 && isEndOf(statement)) {
            out[open].end = last;
            open = -1;
        }
        i = last;
    }
    if (open >= 0)
        out[open].end = n - 1;
    return out;
}

int procedureAt(const QList<Procedure> &procedures, int line)
{
    int found = -1;
    for (int i = 0; i < procedures.size() && procedures[i].start <= line; ++i)
        found = i;
    return found;
}

} // namespace vbhost
