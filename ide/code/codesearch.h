#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace vbhost {

class Workspace;

struct FindOptions
{
    QString text;
    bool matchCase = false;
    bool wholeWord = false; // the match neither starts nor ends inside a name
};

enum class FindScope { Procedure, Module, AllModules };

// Position of the first match starting in [from, end), or -1.
int findIn(const QString &text, const FindOptions &options, int from, int end = -1);
// The match starting at `at`, if there is one.
bool matchesAt(const QString &text, const FindOptions &options, int at);
// The next match at or after `from` within [begin, end), going round to `begin`; -1 for none.
int findAround(const QString &text, const FindOptions &options, int from, int begin, int end);
// The text with every match in [begin, end) replaced; count gets how many were.
QString replaceIn(const QString &text, const FindOptions &options, const QString &replacement,
                  int begin, int end, int *count);

// A part of a module's code as the code window shows it (without attribute lines).
struct SearchRange
{
    int documentId = -1;
    int begin = 0;
    int end = -1; // -1: to the end
};

// The procedure holding the line (0-based) of the code, or the declarations when the line is in
// them: what "Current Procedure" searches.
SearchRange procedureRange(const QString &code, int documentId, int line);

struct CodeMatch
{
    int documentId = -1;
    int position = -1; // in the module's code as the code window shows it

    bool operator==(const CodeMatch &) const = default;
};

// The modules with code (forms, modules, classes, user controls, ...), in project order.
QList<int> codeModules(const Workspace &workspace);
// The module's code as the code window shows it.
QString visibleCode(const Workspace &workspace, int documentId);

// The next match after `from` in the module, then in the modules after it, then round through
// the ones before it and the start of this one.
std::optional<CodeMatch> findInModules(const Workspace &workspace, const QList<int> &modules,
                                       const CodeMatch &from, const FindOptions &options);
// Replaces every match in the ranges, each module one undo step, and keeps the attribute lines
// as they are. Returns the number of replacements.
int replaceInModules(Workspace &workspace, const QList<SearchRange> &ranges,
                     const FindOptions &options, const QString &replacement);

} // namespace vbhost
