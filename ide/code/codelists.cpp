#include "ide/code/codelists.h"

#include <algorithm>

namespace vbhost {

namespace {

bool lessNoCase(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

QString generalEntryText(const Procedure &p)
{
    switch (p.kind) {
    case ProcedureKind::PropertyGet:
        return p.name + QStringLiteral(" [PropertyGet]");
    case ProcedureKind::PropertyLet:
        return p.name + QStringLiteral(" [PropertyLet]");
    case ProcedureKind::PropertySet:
        return p.name + QStringLiteral(" [PropertySet]");
    default:
        return p.name;
    }
}

} // namespace

QList<CodeObject> codeObjects(const QString &documentObject, const QList<ControlInfo> &controls)
{
    QList<CodeObject> out{{GeneralObject, {}, false}};
    if (!documentObject.isEmpty())
        out.append({documentObject, documentObject, false});
    QList<CodeObject> named;
    for (const ControlInfo &c : controls) {
        const auto same = [&](const CodeObject &o) {
            return o.name.compare(c.name, Qt::CaseInsensitive) == 0;
        };
        if (std::none_of(named.begin(), named.end(), same))
            named.append({c.name, c.isMenu ? QStringLiteral("Menu") : c.className, c.index >= 0});
    }
    std::stable_sort(named.begin(), named.end(), [](const CodeObject &a, const CodeObject &b) {
        return lessNoCase(a.name, b.name);
    });
    return out + named;
}

QString documentObjectName(const Workspace &workspace, int documentId)
{
    switch (workspace.document(documentId).kind) {
    case DocumentKind::Form:
        // The MDI form is the one form class with this property.
        for (const PropertyInfo &p : workspace.properties(documentId, QString())) {
            if (p.name == u"AutoShowChildren")
                return QStringLiteral("MDIForm");
        }
        return QStringLiteral("Form");
    case DocumentKind::UserControl:
        return QStringLiteral("UserControl");
    case DocumentKind::PropertyPage:
        return QStringLiteral("PropertyPage");
    case DocumentKind::UserDocument:
        return QStringLiteral("UserDocument");
    case DocumentKind::Class:
        return QStringLiteral("Class");
    default:
        return QString();
    }
}

ProcOwner ownerOf(const Procedure &procedure, const QList<CodeObject> &objects)
{
    ProcOwner best;
    if (procedure.kind != ProcedureKind::Sub)
        return best;
    qsizetype bestLength = 0;
    for (int i = 1; i < objects.size(); ++i) {
        const QString &name = objects[i].name;
        if (name.size() <= bestLength || procedure.name.size() <= name.size() + 1 ||
            procedure.name[name.size()] != u'_' ||
            !procedure.name.startsWith(name, Qt::CaseInsensitive))
            continue;
        const QString event = procedure.name.mid(name.size() + 1);
        // A standard class's procedure that names no event of it is an ordinary one; the
        // events of other classes are not known here, so any name goes.
        const ClassEvents *events = classEvents(objects[i].className);
        if (events && !events->find(event))
            continue;
        best = {i, events ? events->find(event)->name : event};
        bestLength = name.size();
    }
    return best;
}

QList<ProcEntry> procEntries(const QList<CodeObject> &objects, int object,
                             const QList<Procedure> &procedures)
{
    QList<ProcEntry> out;
    if (object < 0 || object >= objects.size())
        return out;
    if (object == 0) {
        for (int i = 0; i < procedures.size(); ++i) {
            if (ownerOf(procedures[i], objects).object == 0)
                out.append({generalEntryText(procedures[i]), i, {}});
        }
    } else {
        if (const ClassEvents *events = classEvents(objects[object].className)) {
            for (const EventInfo &e : events->events)
                out.append({e.name, -1, e});
        }
        for (int i = 0; i < procedures.size(); ++i) {
            const ProcOwner owner = ownerOf(procedures[i], objects);
            if (owner.object != object)
                continue;
            const auto it = std::find_if(out.begin(), out.end(),
                                         [&](const ProcEntry &e) { return e.text == owner.event; });
            if (it == out.end())
                out.append({owner.event, i, {owner.event, {}}});
            else if (it->procedure < 0)
                it->procedure = i;
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const ProcEntry &a, const ProcEntry &b) {
        return lessNoCase(a.text, b.text);
    });
    if (object == 0)
        out.prepend({DeclarationsEntry, -1, {}});
    return out;
}

CodePlace placeOf(int line, const QList<CodeObject> &objects, const QList<Procedure> &procedures)
{
    const int at = procedureAt(procedures, line);
    if (at < 0)
        return {0, DeclarationsEntry};
    const ProcOwner owner = ownerOf(procedures[at], objects);
    return {owner.object, owner.object == 0 ? generalEntryText(procedures[at]) : owner.event};
}

ProcedureInsertion procedureInsertion(const QStringList &code, const QList<Procedure> &procedures,
                                      const QString &name, const QString &text)
{
    const QStringList lines = text.split(u'\n');
    ProcedureInsertion out;
    for (const Procedure &p : procedures) {
        if (lessNoCase(name, p.name)) {
            out.line = p.start;
            if (p.start > 0 && !code[p.start - 1].trimmed().isEmpty())
                out.lines << QString();
            out.cursorLine = out.line + int(out.lines.size()) + 1;
            out.lines << lines << QString();
            return out;
        }
    }
    int last = int(code.size()) - 1;
    while (last >= 0 && code[last].trimmed().isEmpty())
        --last;
    out.line = last + 1;
    if (last >= 0)
        out.lines << QString();
    out.cursorLine = out.line + int(out.lines.size()) + 1;
    out.lines << lines;
    return out;
}

} // namespace vbhost
