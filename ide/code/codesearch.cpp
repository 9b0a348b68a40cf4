#include "ide/code/codesearch.h"

#include "ide/code/basiclexer.h"
#include "ide/code/hiddenattributes.h"
#include "ide/code/procedures.h"
#include "ide/model/workspace.h"

namespace vbhost {

namespace {

bool wholeWordAt(const QString &text, int at, int length)
{
    return (at == 0 || !isNameChar(text[at - 1])) &&
           (at + length >= text.size() || !isNameChar(text[at + length]));
}

Qt::CaseSensitivity caseOf(const FindOptions &options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

} // namespace

int findIn(const QString &text, const FindOptions &options, int from, int end)
{
    if (options.text.isEmpty())
        return -1;
    if (end < 0 || end > text.size())
        end = int(text.size());
    const int length = int(options.text.size());
    for (int at = from; at >= 0 && at + length <= end;) {
        at = int(text.indexOf(options.text, at, caseOf(options)));
        if (at < 0 || at + length > end)
            return -1;
        if (!options.wholeWord || wholeWordAt(text, at, length))
            return at;
        ++at;
    }
    return -1;
}

bool matchesAt(const QString &text, const FindOptions &options, int at)
{
    return !options.text.isEmpty() &&
           findIn(text, options, at, at + int(options.text.size())) == at;
}

int findAround(const QString &text, const FindOptions &options, int from, int begin, int end)
{
    if (end < 0 || end > text.size())
        end = int(text.size());
    from = std::clamp(from, begin, end);
    const int found = findIn(text, options, from, end);
    if (found >= 0)
        return found;
    // Round to the start of the range: a match that reaches past `from` counts too.
    return findIn(text, options, begin, std::min(end, from + int(options.text.size()) - 1));
}

QString replaceIn(const QString &text, const FindOptions &options, const QString &replacement,
                  int begin, int end, int *count)
{
    *count = 0;
    if (end < 0 || end > text.size())
        end = int(text.size());
    QString out;
    int copied = 0;
    for (int at = findIn(text, options, begin, end); at >= 0;
         at = findIn(text, options, at + int(options.text.size()), end)) {
        out += QStringView(text).mid(copied, at - copied);
        out += replacement;
        copied = at + int(options.text.size());
        ++*count;
    }
    out += QStringView(text).mid(copied);
    return out;
}

SearchRange procedureRange(const QString &code, int documentId, int line)
{
    const QStringList lines = code.split(u'\n');
    const QList<Procedure> procedures = scanProcedures(lines);
    const int at = procedureAt(procedures, line);
    const int first = at < 0 ? 0 : procedures[at].start;
    const int last = at < 0 ? (procedures.isEmpty() ? int(lines.size()) : procedures[0].start) - 1
                            : procedures[at].end;
    // Positions: each line and its line end.
    int begin = 0;
    for (int i = 0; i < first; ++i)
        begin += int(lines[i].size()) + 1;
    int end = begin;
    for (int i = first; i <= last; ++i)
        end += int(lines[i].size()) + 1;
    return {documentId, begin, std::min(end, int(code.size()))};
}

QList<int> codeModules(const Workspace &workspace)
{
    QList<int> out;
    for (const DocumentInfo &d : workspace.documents()) {
        if (isCodeMember(d.kind))
            out.append(d.id);
    }
    return out;
}

QString visibleCode(const Workspace &workspace, int documentId)
{
    return HiddenAttributes(workspace.code(documentId)).visibleText();
}

std::optional<CodeMatch> findInModules(const Workspace &workspace, const QList<int> &modules,
                                       const CodeMatch &from, const FindOptions &options)
{
    const qsizetype start = std::max<qsizetype>(0, modules.indexOf(from.documentId));
    for (qsizetype i = 0; i <= modules.size(); ++i) {
        const int id = modules.value((start + i) % std::max<qsizetype>(1, modules.size()), -1);
        if (id < 0)
            break;
        const QString code = visibleCode(workspace, id);
        const bool first = i == 0 && id == from.documentId;
        const bool last = i == modules.size();
        if (last && id != from.documentId)
            break;
        // This module from the cursor on first; its start last, once round the others.
        const int begin = first ? from.position : 0;
        const int end = last ? from.position + int(options.text.size()) - 1 : -1;
        const int at = findIn(code, options, begin, end);
        if (at >= 0)
            return CodeMatch{id, at};
    }
    return std::nullopt;
}

int replaceInModules(Workspace &workspace, const QList<SearchRange> &ranges,
                     const FindOptions &options, const QString &replacement)
{
    int total = 0;
    for (const SearchRange &range : ranges) {
        HiddenAttributes code(workspace.code(range.documentId));
        int count = 0;
        const QString replaced =
            replaceIn(code.visibleText(), options, replacement, range.begin, range.end, &count);
        if (count == 0)
            continue;
        workspace.closeUndoStep();
        workspace.setCode(range.documentId, code.merge(replaced));
        workspace.closeUndoStep();
        total += count;
    }
    return total;
}

} // namespace vbhost
